// The element frame the board shows: handle pictures, a Copy / Delete bar
// under the frame (also a right-click menu and the Delete key), and the
// signals through which element menus reach their hosts.
#pragma once

#include "board/item/ielementframe.h"

#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QShortcut>
#include <QString>

class IBaseWidget;
class IElement;
class IToolButton;
class QMenu;

class ICommonElementFrame : public IElementFrame
{
    Q_OBJECT
public:
    explicit ICommonElementFrame(QWidget* parent = nullptr);
    ~ICommonElementFrame() override;

    void setHandleSize(const QSizeF& size) override;
    void lockSelection(bool notify) override;
    void unlockSelection(bool notify) override;

    // The bar under the frame, made the first time the frame shows.
    IBaseWidget* commandBar() const;
    IToolButton* barButton(const QString& name) const;
    // Made the first time it is asked for; its actions are Copy and Delete.
    QMenu* contextMenu();

public slots:
    // Puts a copy of each selected element a little down and right of it,
    // and frames the copies instead.
    void copySelection();
    // Takes the unlocked selected elements off their slide.
    void deleteSelection();

signals:
    void sgItemPropertyChanged(IElement* elem);
    void sgSetBackgroundImage(IElement* elem);
    void sgAttachSoundFile(IElement* elem, const QString& sourceFile, bool* bOk);
    void sgCancelSoundFile(IElement* elem);
    void sggotoPage(int page);
    void sgResourceChange();
    void sgUnGroupItem(const QString& strSlideID, const QString& strGroupID,
                       const QList<QGraphicsItem*>& lsElemets);
    void deleteQClickQuestionOption(int option);
    void deleteQClickQuestionOptions(const QList<int>& options);
    void deleteQClickQuestion();

protected:
    void paintHandle(QPainter* painter, int handle, const QRectF& rect) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void loadPictures();
    void notifyPropertyChanged();
    void createBar();
    void updateBar();
    bool hasUnlockedItem() const;

    QPixmap m_lockPicture;
    QPixmap m_lockActivePicture;
    QPixmap m_rotatePicture;
    QPixmap m_resizePictures[8];
    // Siblings over the board view, so they are freed with it, not with us.
    QPointer<IBaseWidget> m_bar;
    IToolButton* m_copyButton = nullptr;
    IToolButton* m_deleteButton = nullptr;
    QPointer<QMenu> m_menu;
    QPointer<QShortcut> m_deleteKey;
};
