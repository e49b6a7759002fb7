// The board's selector.
#include "board/path/iselectorpathmode.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/item/iabstractframe.h"
#include "board/item/ielement.h"
#include "board/item/ielementframe.h"
#include "board/mode/deviceinput.h"

#include <QGraphicsItem>

void ISelectorPathMode::devicePress(DeviceInput& input)
{
    if (m_activeDevices.contains(input.deviceNumber()))
        return;
    IMode::devicePress(input);
    dropTarget();
    m_pressItem = nullptr;
    m_dragging = false;
    if (IBoardState* state = boardState())
        state->setDrawing(true);
    if (!m_board)
        return;
    QGraphicsItem* top = topItemAt(scenePoint(input));
    // The text frame's own handles and buttons are items of the scene: the
    // board hands them the press itself.
    if (isSlideFrameItem(top))
        return;
    QGraphicsItem* element = owningElement(top);
    if (element && element->type() == TextElementType) {
        pressText(element, input);
        return;
    }
    // Figures, ink strokes, pictures and groups move like path drawings.
    if (element && IBoard::isBoardElement(element) && !isTextElement(element)) {
        pressPath(element, input);
        return;
    }
    m_board->hideSelection();
}

void ISelectorPathMode::pressPath(QGraphicsItem* element, const DeviceInput& input)
{
    m_pressItem = element;
    IElementFrame* frame = m_board->elementFrame();
    const bool framed = element->parentItem() && frame->ownsGroup(element->parentItem());
    if (!framed) {
        if (QGraphicsItem* textFrame = m_board->sceneElementFrame())
            textFrame->hide();
        frame->clearSelection(true);
        frame->setSelection({element}, true);
    }
    pressFrame(Target::ElementFrame, input);
    m_dragging = true;
}

void ISelectorPathMode::pressText(QGraphicsItem* element, const DeviceInput& input)
{
    m_pressItem = element;
    const auto* asElement = dynamic_cast<const IElement*>(element);
    if (!asElement || !asElement->isLocked())
        m_board->elementFrame()->clearSelection(true);
    IAbstractFrame* textFrame = slideFrame();
    // A slide without a text frame has nothing to edit text with yet.
    if (!textFrame)
        return;
    if (!textFrame->items().contains(element))
        textFrame->setSelection({element}, true);
    pressFrame(Target::SlideFrame, input);
}

void ISelectorPathMode::deviceMove(DeviceInput& input)
{
    if (!m_activeDevices.contains(input.deviceNumber()))
        return;
    IMode::deviceMove(input);
    moveFrame(input);
}

void ISelectorPathMode::deviceRelease(DeviceInput& input)
{
    if (!m_activeDevices.contains(input.deviceNumber()))
        return;
    IMode::deviceRelease(input);
    if (IBoardState* state = boardState())
        state->setDrawing(false);
    releaseFrame(input);
    m_pressItem = nullptr;
    m_dragging = false;
}

void ISelectorPathMode::deactivate()
{
    cancel();
    if (m_board) {
        m_board->hideSelection();
        if (IAbstractFrame* textFrame = slideFrame())
            textFrame->clearSelection(true);
    }
    IMode::deactivate();
}

void ISelectorPathMode::cancel()
{
    m_pressItem = nullptr;
    m_dragging = false;
    ISelectorBaseMode::cancel();
}
