// Selecting and dragging elements by hand.
#include "board/mode/iselectormode.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/item/iabstractframe.h"
#include "board/item/ielement.h"
#include "board/item/ielementframe.h"
#include "board/mode/deviceinput.h"

#include <QGraphicsItem>

void ISelectorMode::devicePress(DeviceInput& input)
{
    if (m_activeDevices.contains(input.deviceNumber()))
        return;
    IMode::devicePress(input);
    m_dragMayStart = false;
    dropTarget();
    // The view goes on with its own press handling after the tool.
    input.event()->setAccepted(false);
    if (IBoardState* state = boardState())
        state->setDrawing(true);
    if (!m_board)
        return;
    m_additive = modifiersOf(input).testFlag(Qt::ControlModifier);
    const QPointF scenePos = scenePoint(input);
    QGraphicsItem* top = topItemAt(scenePos);
    IElementFrame* elementFrame = m_board->elementFrame();
    IAbstractFrame* textFrame = slideFrame();
    auto* textFrameItem = dynamic_cast<QGraphicsItem*>(textFrame);

    // The press landed on the text frame's own handles or buttons.
    if (isSlideFrameItem(top)) {
        pressFrame(Target::SlideFrame, input);
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
            pressFrame(Target::SlideFrame, input);
        } else {
            if (textFrameItem)
                textFrameItem->hide();
            m_board->showFrameFor(m_items);
            pressFrame(Target::ElementFrame, input);
        }
        m_dragMayStart = true;
        return;
    }
    if (framed) {
        // Already selected: the press drags what is framed.
        pressFrame(isTextElement(element) ? Target::SlideFrame : Target::ElementFrame, input);
        m_dragMayStart = true;
        return;
    }
    if (!m_additive)
        m_board->hideSelection();
}

void ISelectorMode::deviceMove(DeviceInput& input)
{
    if (!m_activeDevices.contains(input.deviceNumber()))
        return;
    IMode::deviceMove(input);
    if (m_dragMayStart || target() == Target::SlideFrame)
        moveFrame(input);
}

void ISelectorMode::deviceRelease(DeviceInput& input)
{
    if (!m_activeDevices.contains(input.deviceNumber()))
        return;
    IMode::deviceRelease(input);
    if (IBoardState* state = boardState())
        state->setDrawing(false);
    releaseFrame(input);
    m_dragMayStart = false;
    m_pressItem = nullptr;
}

void ISelectorMode::cancel()
{
    m_dragMayStart = false;
    m_pressItem = nullptr;
    ISelectorBaseMode::cancel();
}
