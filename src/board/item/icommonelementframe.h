// The element frame the board shows: handle pictures, and the signals through
// which element menus reach their hosts.
#pragma once

#include "board/item/ielementframe.h"

#include <QList>
#include <QPixmap>
#include <QString>

class IElement;

class ICommonElementFrame : public IElementFrame
{
    Q_OBJECT
public:
    explicit ICommonElementFrame(QWidget* parent = nullptr);

    void setHandleSize(const QSizeF& size) override;
    void lockSelection(bool notify) override;
    void unlockSelection(bool notify) override;

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

private:
    void loadPictures();
    void notifyPropertyChanged();

    QPixmap m_lockPicture;
    QPixmap m_lockActivePicture;
    QPixmap m_rotatePicture;
    QPixmap m_resizePictures[8];
};
