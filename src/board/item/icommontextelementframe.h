// The text frame the board's slides use: a small bar under an idle text with
// Copy and Delete, and the text toolbar under a text being typed into.
#pragma once

#include "board/item/itextelementframe.h"
#include "board/tk_iboard_enum.h"

#include <QPoint>
#include <QPointer>

class IBaseWidget;
class IBoard;
class IElement;
class ITextElement;
class ITextElementToolBar;
class IToolButton;
class QMenu;

class ICommonTextElementFrame : public ITextElementFrame
{
    Q_OBJECT
public:
    explicit ICommonTextElementFrame(IBoard* board, QGraphicsItem* parent = nullptr);
    ~ICommonTextElementFrame() override;

    void setSelection(const QList<QGraphicsItem*>& items, bool visible) override;
    void endEditState() override;
    void unlock() override;

    IBaseWidget* popupBar() const;
    // Made the first time the frame shows.
    ITextElementToolBar* toolBar() const;
    IToolButton* barButton(const QString& name) const;
    QMenu* contextMenu() const;
    bool isTextEditing() const { return m_editing; }

signals:
    void sgItemPropertyChanged(IElement* elem);
    void sgModeChanged(TK_IBOARD_ENUM::ModeType curMode);
    void sgGotoPage();

public slots:
    void onTransformBeforeChanged();
    void onTransformChanging();
    void onTransformAfterChanged(const QSet<QGraphicsItem*>& items);
    void onDelete();
    void onLock();
    void onClone();
    void onMenu();
    void onEnterTextEditor();
    void onLeaveTextEditor();
    void onSelectionChanged(bool bSelected);
    void onItemPropertyChanged(IElement* elem01, IElement* elem02);
    void onEndTextEditState();
    void setCustomMenuVisible(bool bVisible);
    void showCustomMenuWidget();

protected:
    QGraphicsView* boardView() const override;
    QSizeF lockIndicatorSize() const override;
    void frameGeometryChanged() override;
    void frameVisibilityChanged(bool visible) override;
    void framedItemChanged() override;
    bool showContextMenuAt(const QPoint& screenPos) override;

private:
    ITextElement* textElement() const;
    IElement* framedElement() const;
    void createBar();
    void updateBar();
    void placeBar();
    void placeToolBar();
    void showBar();
    // The frame's scene rectangle in the board widget's coordinates.
    QRectF rectOnBoard() const;
    // Keeps a pop-up whole inside the board.
    QPoint clampedToBoard(const QPoint& topLeft, const QSize& size) const;
    QMenu* menu();

    QPointer<IBoard> m_board;
    QPointer<IBaseWidget> m_bar;
    IToolButton* m_lockButton = nullptr;
    IToolButton* m_copyButton = nullptr;
    IToolButton* m_deleteButton = nullptr;
    QPointer<ITextElementToolBar> m_toolBar;
    QPointer<QMenu> m_menu;
    QPoint m_barPos;
    bool m_editing = false;
    bool m_customMenuVisible = true;
    bool m_endingEdit = false;
};
