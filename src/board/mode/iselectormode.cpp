// Selecting and dragging elements by hand.
#include "board/mode/iselectormode.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/item/iabstractframe.h"
#include "board/item/ielement.h"
#include "board/item/ielementframe.h"
#include "board/item/ipixmapitem.h"
#include "board/mode/deviceinput.h"

#include <QGraphicsItem>
#include <QGraphicsTextItem>
#include <QMouseEvent>

namespace {

Qt::KeyboardModifiers modifiersOf(const DeviceInput& input)
{
    const QEvent* event = input.event();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        return static_cast<const QMouseEvent*>(event)->modifiers();
    default:
        return Qt::NoModifier;
    }
}

} // namespace

bool ISelectorMode::isTextElement(const QGraphicsItem* item)
{
    if (!item)
        return false;
    const int type = item->type();
    return type == TextLikeElementType10 || type == TextElementType || type == TextLikeElementType12
        || type == QGraphicsTextItem::Type;
}

QGraphicsItem* ISelectorMode::owningElement(QGraphicsItem* item)
{
    if (!item)
        return nullptr;
    if (item->type() == PolygonInkElementType)
        return item->parentItem();
    // A member of a group is handled as the whole group.
    for (QGraphicsItem* up = item->parentItem(); up; up = up->parentItem()) {
        if (up->type() == GroupElementType)
            return up;
    }
    if (IBoard::isBoardElement(item) || item->type() == QGraphicsTextItem::Type)
        return item;
    return nullptr;
}

void ISelectorMode::activate()
{
    if (m_board)
        m_board->setBoardCursor(QCursor(Qt::ArrowCursor));
}

IAbstractFrame* ISelectorMode::slideFrame() const
{
    return m_board ? dynamic_cast<IAbstractFrame*>(m_board->sceneElementFrame()) : nullptr;
}

IAbstractFrame* ISelectorMode::frameOf(Target target) const
{
    switch (target) {
    case Target::ElementFrame:
        return m_board ? m_board->elementFrame() : nullptr;
    case Target::SlideFrame:
        return slideFrame();
    case Target::None:
        break;
    }
    return nullptr;
}

QPointF ISelectorMode::framePoint(Target target, const QPointF& viewPos) const
{
    IAbstractFrame* frame = frameOf(target);
    if (!frame || !m_board)
        return viewPos;
    // Widget frames float over the view; item frames live in the scene.
    if (QWidget* widget = frame->frameWidget())
        return widget->mapFromGlobal(m_board->viewport()->mapToGlobal(viewPos.toPoint()));
    if (auto* item = dynamic_cast<QGraphicsItem*>(frame))
        return item->mapFromScene(m_board->viewportTransform().inverted().map(viewPos));
    return viewPos;
}

QGraphicsItem* ISelectorMode::topElementAt(const QPointF& scenePos) const
{
    ISlide* slide = m_board ? m_board->currentSlide() : nullptr;
    if (!slide)
        return nullptr;
    const QList<QGraphicsItem*> under = slide->items(scenePos, Qt::IntersectsItemShape, Qt::DescendingOrder,
                                                      m_board->viewportTransform());
    for (QGraphicsItem* item : under) {
        if (!item->isVisible() || item == m_board->pictureItem())
            continue;
        return item;
    }
    return nullptr;
}

void ISelectorMode::devicePress(DeviceInput& input)
{
    if (m_activeDevices.contains(input.deviceNumber()))
        return;
    IMode::devicePress(input);
    m_dragMayStart = false;
    m_target = Target::None;
    // The view goes on with its own press handling after the tool.
    input.event()->setAccepted(false);
    if (IBoardState* state = boardState())
        state->setDrawing(true);
    if (!m_board)
        return;
    m_additive = modifiersOf(input).testFlag(Qt::ControlModifier);
    m_pressPos = input.position();
    const QPointF scenePos = scenePoint(input);
    QGraphicsItem* top = topElementAt(scenePos);
    IElementFrame* elementFrame = m_board->elementFrame();
    IAbstractFrame* textFrame = slideFrame();
    auto* textFrameItem = dynamic_cast<QGraphicsItem*>(textFrame);

    // The press landed on the text frame's own handles or buttons.
    if (textFrameItem && top && (top == textFrameItem || textFrameItem->isAncestorOf(top))) {
        m_target = Target::SlideFrame;
        textFrame->inputMousePress(framePoint(m_target, input.position()), modifiersOf(input));
        return;
    }

    QGraphicsItem* element = owningElement(top);
    const bool framed = element
        && ((element->parentItem() && elementFrame->ownsGroup(element->parentItem()))
            || (textFrame && textFrame->items().contains(element)));
    if (element && element->type() != TextLikeElementType12 && !framed) {
        m_pressScenePos = scenePos;
        m_pressItem = element;
        m_items = {element};
        m_onText = isTextElement(element);
        const auto* asElement = dynamic_cast<IElement*>(element);
        if (m_onText) {
            if (!asElement || !asElement->isLocked())
                elementFrame->clearSelection(true);
            m_board->showFrameFor(m_items);
            m_target = Target::SlideFrame;
            if (textFrame)
                textFrame->inputMousePress(framePoint(m_target, input.position()), modifiersOf(input));
        } else {
            if (textFrameItem)
                textFrameItem->hide();
            m_board->showFrameFor(m_items);
            m_target = Target::ElementFrame;
            elementFrame->inputMousePress(framePoint(m_target, input.position()), modifiersOf(input));
        }
        m_dragMayStart = true;
        return;
    }
    if (framed) {
        // Already selected: the press drags what is framed.
        m_target = isTextElement(element) ? Target::SlideFrame : Target::ElementFrame;
        frameOf(m_target)->inputMousePress(framePoint(m_target, input.position()), modifiersOf(input));
        m_dragMayStart = true;
        return;
    }
    if (!m_additive)
        m_board->hideSelection();
}

void ISelectorMode::forward(DeviceInput& input,
                            void (IAbstractFrame::*handler)(const QPointF&, Qt::KeyboardModifiers))
{
    if (IAbstractFrame* frame = frameOf(m_target))
        (frame->*handler)(framePoint(m_target, input.position()), modifiersOf(input));
}

void ISelectorMode::deviceMove(DeviceInput& input)
{
    if (!m_activeDevices.contains(input.deviceNumber()))
        return;
    IMode::deviceMove(input);
    if (m_dragMayStart || m_target == Target::SlideFrame)
        forward(input, &IAbstractFrame::inputMouseMove);
}

void ISelectorMode::deviceRelease(DeviceInput& input)
{
    if (!m_activeDevices.contains(input.deviceNumber()))
        return;
    IMode::deviceRelease(input);
    if (IBoardState* state = boardState())
        state->setDrawing(false);
    forward(input, &IAbstractFrame::inputMouseRelease);
    m_target = Target::None;
    m_dragMayStart = false;
    m_pressItem = nullptr;
}

void ISelectorMode::cancel()
{
    if (m_target != Target::None) {
        // The drag ends where it got to, as a release there would end it.
        if (IAbstractFrame* frame = frameOf(m_target))
            frame->inputMouseRelease(framePoint(m_target, m_pressPos), Qt::NoModifier);
        if (IBoardState* state = boardState())
            state->setDrawing(false);
    }
    m_target = Target::None;
    m_dragMayStart = false;
    m_pressItem = nullptr;
    IMode::cancel();
}
