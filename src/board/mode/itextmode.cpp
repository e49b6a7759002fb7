// The text tool.
#include "board/mode/itextmode.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/item/ielementframe.h"
#include "board/item/isceneelementframe.h"
#include "board/item/itextelement.h"
#include "board/mode/deviceinput.h"

namespace {

// A new text box: what most presenters write with, readable from the back
// of a room, and wide enough for a line of words before it wraps.
const char* const kFamily = "Arial";
constexpr double kPointSize = 24;
constexpr double kTextWidth = 500;

} // namespace

void ITextMode::devicePress(DeviceInput& input)
{
    if (!isEnabled() || m_activeDevices.contains(input.deviceNumber()))
        return;
    if (IBoardState* state = boardState())
        state->setDrawing(true);
    IMode::devicePress(input);
    m_pressed = true;
}

void ITextMode::deviceMove(DeviceInput& input)
{
    IMode::deviceMove(input);
}

void ITextMode::deviceRelease(DeviceInput& input)
{
    if (!m_pressed || !m_activeDevices.contains(input.deviceNumber()))
        return;
    IMode::deviceRelease(input);
    m_pressed = false;
    if (IBoardState* state = boardState())
        state->setDrawing(false);
    createText(scenePoint(input));
}

void ITextMode::createText(const QPointF& scenePos)
{
    ISlide* slide = m_board ? m_board->currentSlide() : nullptr;
    if (!slide)
        return;
    auto* text = new ITextElement;
    text->setFontFamily(QString::fromLatin1(kFamily));
    text->setPointSize(kPointSize);
    text->setTextWidth(kTextWidth);
    text->setPos(scenePos);
    text->setTextColor(QColor(0, 0, 0, 0));
    if (IBoardState* state = boardState()) {
        QColor ink = state->inkColor();
        ink.setAlpha(state->inkOpacity());
        text->setDefaultTextColor(ink);
    }
    // Upright for the presenter however the board is turned.
    text->setRotation(text->rotation() - m_board->rotation());
    slide->addElement(text);
    slide->clearSelection();
    text->setSelected(true);
    // Framing it moves the frame off the last text, whose end of typing must
    // not end this one's.
    text->setEndEditEnabled(false);
    m_board->showFrameFor({text});
    text->setEndEditEnabled(true);
    text->setFocus(Qt::OtherFocusReason);
    m_board->setFocus(Qt::OtherFocusReason);
    if (auto* frame = dynamic_cast<ISceneElementFrame*>(m_board->sceneElementFrame()))
        frame->enterEditor();
}

void ITextMode::activate()
{
    if (!m_board)
        return;
    m_savedCursor = m_board->viewport()->cursor();
    m_board->setBoardCursor(QCursor(Qt::IBeamCursor));
}

void ITextMode::deactivate()
{
    IMode::deactivate();
    m_pressed = false;
    if (!m_board)
        return;
    m_board->setBoardCursor(m_savedCursor);
    m_board->elementFrame()->clearSelection(true);
}

void ITextMode::cancel()
{
    if (m_pressed) {
        m_pressed = false;
        if (IBoardState* state = boardState())
            state->setDrawing(false);
    }
    IMode::cancel();
}
