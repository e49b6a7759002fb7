// The text frame the board's slides use.
#include "board/item/icommontextelementframe.h"

#include "board/iboard.h"
#include "board/islide.h"
#include "board/item/itextelement.h"
#include "board/ui/ibasewidget.h"
#include "board/ui/itextelementtoolbar.h"
#include "board/ui/itoolbutton.h"
#include "iglobals.h"

#include <QDebug>
#include <QGraphicsTextItem>
#include <QHBoxLayout>
#include <QMenu>

#include <cmath>

namespace {

// The bar and the toolbar keep this much room from the frame's handles.
constexpr int kGapPixels = 10;

} // namespace

ICommonTextElementFrame::ICommonTextElementFrame(IBoard* board, QGraphicsItem* parent)
    : ITextElementFrame(parent)
    , m_board(board)
{
    qRegisterMetaType<IElement*>();
    connect(this, &ITextElementFrame::sgTransformBeforeChanged, this, &ICommonTextElementFrame::onTransformBeforeChanged);
    connect(this, &ITextElementFrame::sgTransformChanging, this, &ICommonTextElementFrame::onTransformChanging);
    connect(this, &ITextElementFrame::sgTransformAfterChanged, this, &ICommonTextElementFrame::onTransformAfterChanged);
    connect(this, &ITextElementFrame::sgEnterTextEditor, this, &ICommonTextElementFrame::onEnterTextEditor);
    connect(this, &ITextElementFrame::sgLeaveTextEditor, this, &ICommonTextElementFrame::onLeaveTextEditor);
    connect(this, &ITextElementFrame::sgSelectionChanged, this, &ICommonTextElementFrame::onSelectionChanged);
}

ICommonTextElementFrame::~ICommonTextElementFrame()
{
    // The pop-ups belong to the board, which may outlive the slide.
    delete m_bar;
    delete m_toolBar;
    delete m_menu;
}

QGraphicsView* ICommonTextElementFrame::boardView() const
{
    return m_board;
}

QSizeF ICommonTextElementFrame::lockIndicatorSize() const
{
    const double side = 36 * scaleFactors().uniform;
    return QSizeF(side, side);
}

ITextElement* ICommonTextElementFrame::textElement() const
{
    return qobject_cast<ITextElement*>(textItem());
}

IElement* ICommonTextElementFrame::framedElement() const
{
    return dynamic_cast<IElement*>(textItem());
}

IBaseWidget* ICommonTextElementFrame::popupBar() const
{
    return m_bar;
}

ITextElementToolBar* ICommonTextElementFrame::toolBar() const
{
    return m_toolBar;
}

QMenu* ICommonTextElementFrame::contextMenu() const
{
    return m_menu;
}

IToolButton* ICommonTextElementFrame::barButton(const QString& name) const
{
    for (IToolButton* b : {m_lockButton, m_copyButton, m_deleteButton}) {
        if (b && b->objectName() == name)
            return b;
    }
    return nullptr;
}

void ICommonTextElementFrame::createBar()
{
    if (m_bar || !m_board)
        return;
    const double s = scaleFactors().uniform;
    m_bar = new IBaseWidget(m_board);
    // A part of the board rather than a window of its own: a click on it
    // never takes the keyboard or the window's activation away.
    m_bar->setWindowFlags(Qt::Widget);
    m_bar->setColors(QColor(45, 45, 48), QColor(80, 80, 84));
    m_bar->closeButton()->hide();
    m_bar->layout()->setContentsMargins(scaledPixels(4), scaledPixels(4), scaledPixels(4), scaledPixels(4));
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const auto make = [this, row, s](const char* name, const QString& text, const QString& icon,
                                     void (ICommonTextElementFrame::*slot)()) {
        auto* b = new IToolButton(QVariant(), m_bar);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setIcon(QIcon(icon));
        b->setIconSize(QSize(scaledPixels(24), scaledPixels(24)));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setCursor(Qt::ArrowCursor);
        int width = scaledPixels(40);
        const int textWidth = b->fontMetrics().horizontalAdvance(text);
        if (textWidth > width)
            width = textWidth + qRound(10 * s);
        b->setFixedSize(width, scaledPixels(50));
        connect(b, &QToolButton::clicked, this, slot);
        row->addWidget(b);
        return b;
    };
    m_lockButton = make("Lock", tr("Lock"), QStringLiteral(":/itemframe/lock.svg"), &ICommonTextElementFrame::onLock);
    m_copyButton = make("Copy", tr("Copy"), QStringLiteral(":/ui/ui/txtcopy.svg"), &ICommonTextElementFrame::onClone);
    m_deleteButton =
        make("Delete", tr("Delete"), QStringLiteral(":/ui/ui/txtdelete.svg"), &ICommonTextElementFrame::onDelete);
    if (auto* column = qobject_cast<QBoxLayout*>(m_bar->layout()))
        column->addLayout(row);
    m_bar->hide();
}

void ICommonTextElementFrame::updateBar()
{
    createBar();
    if (!m_bar)
        return;
    // Locking is for other callers; the indicator on the frame unlocks.
    m_lockButton->hide();
    const QGraphicsTextItem* text = textItem();
    const bool isText = text && (text->type() == TextLikeElementType10 || text->type() == TextElementType);
    m_copyButton->setVisible(isText);
    setWidthHandlesEnabled(isText, isText);
    m_bar->adjustSize();
}

QRectF ICommonTextElementFrame::rectOnBoard() const
{
    if (!m_board)
        return QRectF();
    // The frame's rectangle as the presenter sees it, whatever the board's turn.
    const QRectF inView = m_board->viewportTransform().mapRect(rect());
    return inView.translated(m_board->viewport()->pos());
}

QPoint ICommonTextElementFrame::clampedToBoard(const QPoint& topLeft, const QSize& size) const
{
    if (!m_board)
        return topLeft;
    const int x = std::max(0, std::min(topLeft.x(), m_board->width() - size.width()));
    const int y = std::max(0, std::min(topLeft.y(), m_board->height() - size.height()));
    return QPoint(x, y);
}

void ICommonTextElementFrame::placeBar()
{
    if (!m_bar || !m_board)
        return;
    // Only quarter turns put "under the frame" somewhere the presenter expects.
    if (m_board->rotation() % 90 != 0) {
        m_bar->move(m_barPos);
        return;
    }
    const QRectF r = rectOnBoard();
    const int below = qRound(r.bottom() + handleExtent() / 2) + scaledPixels(kGapPixels);
    QPoint at(qRound(r.center().x()) - m_bar->width() / 2, below);
    if (at.y() + m_bar->height() > m_board->height())
        at.setY(qRound(r.top() - handleExtent() / 2) - scaledPixels(kGapPixels) - m_bar->height());
    m_barPos = clampedToBoard(at, m_bar->size());
    m_bar->move(m_barPos);
}

void ICommonTextElementFrame::placeToolBar()
{
    if (!m_toolBar || !m_board)
        return;
    m_toolBar->adjustSize();
    const QRectF r = rectOnBoard();
    QPoint at(qRound(r.left()), qRound(r.bottom() + handleExtent() / 2) + scaledPixels(kGapPixels));
    // No room under the text: above it, so the toolbar never covers what is typed.
    if (at.y() + m_toolBar->height() > m_board->height())
        at.setY(qRound(r.top() - handleExtent() / 2) - scaledPixels(kGapPixels) - m_toolBar->height());
    m_toolBar->move(clampedToBoard(at, m_toolBar->size()));
}

void ICommonTextElementFrame::showBar()
{
    updateBar();
    if (!m_bar)
        return;
    placeBar();
    m_bar->show();
    m_bar->raise();
}

void ICommonTextElementFrame::setSelection(const QList<QGraphicsItem*>& items, bool visible)
{
    ITextElementFrame::setSelection(items, visible);
    // Another text in the same selected frame: its bar, not the last one's.
    onSelectionChanged(isSelected());
}

void ICommonTextElementFrame::frameGeometryChanged()
{
    if (m_bar && m_bar->isVisible())
        placeBar();
    if (m_toolBar && m_toolBar->isVisible())
        placeToolBar();
}

void ICommonTextElementFrame::frameVisibilityChanged(bool visible)
{
    if (visible) {
        if (!m_toolBar && m_board) {
            m_toolBar = new ITextElementToolBar(textElement(), m_board);
            m_toolBar->hide();
        }
        return;
    }
    if (m_bar)
        m_bar->hide();
    if (m_toolBar)
        m_toolBar->hide();
}

void ICommonTextElementFrame::framedItemChanged()
{
    if (m_toolBar)
        m_toolBar->setItem(textElement());
}

void ICommonTextElementFrame::onTransformBeforeChanged()
{
    if (m_bar)
        m_bar->hide();
}

void ICommonTextElementFrame::onTransformChanging()
{
}

void ICommonTextElementFrame::onTransformAfterChanged(const QSet<QGraphicsItem*>& items)
{
    Q_UNUSED(items)
    update();
    updateBar();
    placeBar();
    if (m_bar && !isLocked() && !m_editing && !isEditing() && m_customMenuVisible) {
        m_bar->show();
        m_bar->raise();
    }
}

void ICommonTextElementFrame::onDelete()
{
    QGraphicsTextItem* text = textItem();
    if (!text || !m_board)
        return;
    IElement* element = framedElement();
    clearSelection(true);
    // Letting go removes an empty element already.
    if (QGraphicsScene* scene = text->scene()) {
        if (element) {
            if (auto* slide = qobject_cast<ISlide*>(scene))
                slide->removeElement(element);
        } else {
            qWarning() << "remove non-ielement item from scene...";
            scene->removeItem(text);
        }
    }
    hide();
    if (m_bar)
        m_bar->hide();
}

void ICommonTextElementFrame::onClone()
{
    IElement* element = framedElement();
    QGraphicsTextItem* text = textItem();
    auto* slide = text ? qobject_cast<ISlide*>(text->scene()) : nullptr;
    if (!element || !slide || !m_board)
        return;
    IElement* copy = element->clone();
    auto* copyItem = dynamic_cast<QGraphicsItem*>(copy);
    if (!copyItem) {
        delete copy;
        return;
    }
    copyItem->setPos(text->pos() + QPointF(15, 15));
    slide->addElement(copy);
    m_board->showFrameFor({copyItem});
}

void ICommonTextElementFrame::onLock()
{
    lock();
    if (m_bar)
        m_bar->hide();
    if (IElement* element = framedElement())
        emit sgItemPropertyChanged(element);
}

void ICommonTextElementFrame::unlock()
{
    ITextElementFrame::unlock();
    if (IElement* element = framedElement())
        emit sgItemPropertyChanged(element);
    onSelectionChanged(isSelected());
}

QMenu* ICommonTextElementFrame::menu()
{
    if (!m_menu) {
        m_menu = new QMenu(m_board);
        m_menu->addAction(tr("Lock"), this, &ICommonTextElementFrame::onLock);
        m_menu->addAction(tr("Copy"), this, &ICommonTextElementFrame::onClone);
        m_menu->addAction(tr("Delete"), this, &ICommonTextElementFrame::onDelete);
    }
    const QList<QAction*> actions = m_menu->actions();
    const QGraphicsTextItem* text = textItem();
    const bool isText = text && (text->type() == TextLikeElementType10 || text->type() == TextElementType);
    actions.at(0)->setVisible(!isLocked());
    actions.at(1)->setVisible(isText);
    actions.at(2)->setVisible(!isLocked());
    return m_menu;
}

void ICommonTextElementFrame::onMenu()
{
    const auto* widget = qobject_cast<const QWidget*>(sender());
    const QPoint at = widget ? widget->mapToGlobal(QPoint(widget->width() + 6, widget->height())) : QCursor::pos();
    menu()->popup(at);
}

bool ICommonTextElementFrame::showContextMenuAt(const QPoint& screenPos)
{
    if (!m_board)
        return false;
    menu()->popup(screenPos);
    return true;
}

void ICommonTextElementFrame::onEnterTextEditor()
{
    m_editing = true;
    if (m_toolBar) {
        m_toolBar->setItem(textElement());
        placeToolBar();
        m_toolBar->show();
        m_toolBar->raise();
    }
    if (m_bar)
        m_bar->hide();
    emit sgModeChanged(TK_IBOARD_ENUM::SelectorMode);
}

void ICommonTextElementFrame::onLeaveTextEditor()
{
    if (m_toolBar)
        m_toolBar->hide();
    m_editing = false;
    if (m_bar)
        m_bar->hide();
}

void ICommonTextElementFrame::onSelectionChanged(bool bSelected)
{
    // Nothing to offer over text being typed, however the typing began.
    if (bSelected && textItem() && !isLocked() && !m_editing && !isEditing() && isVisible())
        showBar();
    else if (m_bar)
        m_bar->hide();
}

void ICommonTextElementFrame::onItemPropertyChanged(IElement* elem01, IElement* elem02)
{
    emit sgItemPropertyChanged(elem01);
    emit sgItemPropertyChanged(elem02);
}

void ICommonTextElementFrame::endEditState()
{
    onEndTextEditState();
}

void ICommonTextElementFrame::onEndTextEditState()
{
    if (m_endingEdit)
        return;
    m_endingEdit = true;
    if (ITextElement* element = textElement()) {
        element->setEndEditEnabled(true);
        // Only the text tool hands over to the selector; any other tool stays.
        if (m_board && m_board->currentModeType() == TK_IBOARD_ENUM::TextMode)
            emit sgModeChanged(TK_IBOARD_ENUM::SelectorMode);
    }
    ITextElementFrame::endEditState();
    m_endingEdit = false;
}

void ICommonTextElementFrame::setCustomMenuVisible(bool bVisible)
{
    m_customMenuVisible = bVisible;
}

void ICommonTextElementFrame::showCustomMenuWidget()
{
    if (m_customMenuVisible && textItem())
        showBar();
}
