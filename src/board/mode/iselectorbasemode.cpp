// What the board's selectors share.
#include "board/mode/iselectorbasemode.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/item/iabstractframe.h"
#include "board/item/ielementframe.h"
#include "board/item/ipixmapitem.h"
#include "board/mode/deviceinput.h"

#include <QGraphicsItem>
#include <QGraphicsTextItem>
#include <QMouseEvent>

Qt::KeyboardModifiers ISelectorBaseMode::modifiersOf(const DeviceInput& input)
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

bool ISelectorBaseMode::isTextElement(const QGraphicsItem* item)
{
    if (!item)
        return false;
    const int type = item->type();
    return type == TextLikeElementType10 || type == TextElementType || type == TextLikeElementType12
        || type == QGraphicsTextItem::Type;
}

QGraphicsItem* ISelectorBaseMode::owningElement(QGraphicsItem* item)
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

void ISelectorBaseMode::activate()
{
    if (m_board)
        m_board->setBoardCursor(QCursor(Qt::ArrowCursor));
}

void ISelectorBaseMode::cancel()
{
    if (m_target != Target::None) {
        // The drag ends where it got to, as a release there would end it.
        forward(m_target, m_pressPos, Qt::NoModifier, &IAbstractFrame::inputMouseRelease);
        if (IBoardState* state = boardState())
            state->setDrawing(false);
    }
    m_target = Target::None;
    IMode::cancel();
}

IAbstractFrame* ISelectorBaseMode::slideFrame() const
{
    return m_board ? dynamic_cast<IAbstractFrame*>(m_board->sceneElementFrame()) : nullptr;
}

IAbstractFrame* ISelectorBaseMode::frameOf(Target target) const
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

QPointF ISelectorBaseMode::framePoint(Target target, const QPointF& viewPos) const
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

QGraphicsItem* ISelectorBaseMode::topItemAt(const QPointF& scenePos) const
{
    ISlide* slide = m_board ? m_board->currentSlide() : nullptr;
    if (!slide)
        return nullptr;
    const QList<QGraphicsItem*> under = slide->items(scenePos, Qt::IntersectsItemShape, Qt::DescendingOrder,
                                                      m_board->viewportTransform());
    for (QGraphicsItem* item : under) {
        // The live ink overlay lies over every drawing and is no element.
        if (!item->isVisible() || item == m_board->pictureItem() || m_board->isPathRenderWidget(item))
            continue;
        return item;
    }
    return nullptr;
}

bool ISelectorBaseMode::isSlideFrameItem(const QGraphicsItem* item) const
{
    const auto* frame = dynamic_cast<const QGraphicsItem*>(slideFrame());
    return frame && item && (item == frame || frame->isAncestorOf(item));
}

void ISelectorBaseMode::pressFrame(Target target, const DeviceInput& input)
{
    m_target = target;
    m_pressPos = input.position();
    forward(m_target, input.position(), modifiersOf(input), &IAbstractFrame::inputMousePress);
}

void ISelectorBaseMode::moveFrame(const DeviceInput& input)
{
    forward(m_target, input.position(), modifiersOf(input), &IAbstractFrame::inputMouseMove);
}

void ISelectorBaseMode::releaseFrame(const DeviceInput& input)
{
    forward(m_target, input.position(), modifiersOf(input), &IAbstractFrame::inputMouseRelease);
    m_target = Target::None;
}

void ISelectorBaseMode::forward(Target target, const QPointF& viewPos, Qt::KeyboardModifiers modifiers,
                                void (IAbstractFrame::*handler)(const QPointF&, Qt::KeyboardModifiers)) const
{
    if (IAbstractFrame* frame = frameOf(target))
        (frame->*handler)(framePoint(target, viewPos), modifiers);
}
