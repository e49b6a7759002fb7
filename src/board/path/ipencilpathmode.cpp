// The board's pen.
#include "board/path/ipencilpathmode.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/icursorrecolor.h"
#include "board/islide.h"
#include "board/mode/deviceinput.h"
#include "board/path/ipathrenderwidget.h"
#include "board/path/ipencilpathelement.h"

void IPencilPathMode::devicePress(DeviceInput& input)
{
    IMode::devicePress(input);
    if (!m_board)
        return;
    const int device = input.deviceNumber();
    // An observer of the relay may have cancelled the pen meanwhile.
    if (!m_activeDevices.contains(device))
        return;
    if (IBoardState* state = boardState())
        state->setDrawing(true);
    auto& pending = m_board->pendingStrokes();
    if (pending.contains(device))
        return;
    const QPointF point = scenePoint(input);
    pending.insert(device, {point});
    IPathRenderWidget* overlay = m_board->pathRenderWidget();
    overlay->setActive(true);
    overlay->press(device, point);
}

void IPencilPathMode::deviceMove(DeviceInput& input)
{
    IMode::deviceMove(input);
    if (!m_board)
        return;
    const int device = input.deviceNumber();
    auto& pending = m_board->pendingStrokes();
    if (!pending.contains(device))
        return;
    if (IBoardState* state = boardState())
        state->setDrawing(true);
    const QPointF point = scenePoint(input);
    pending[device].append(point);
    m_board->pathRenderWidget()->move(device, point);
}

void IPencilPathMode::deviceRelease(DeviceInput& input)
{
    IMode::deviceRelease(input);
    if (!m_board)
        return;
    const int device = input.deviceNumber();
    auto& pending = m_board->pendingStrokes();
    if (!pending.contains(device))
        return;
    const QPointF point = scenePoint(input);
    QVector<QPointF> points = pending.take(device);
    points.append(point);
    IPathRenderWidget* overlay = m_board->pathRenderWidget();
    overlay->release(device, point);
    IPencilPathElement* element = makeElement(device, points);
    if (pending.isEmpty())
        overlay->setActive(false);
    else
        overlay->endStroke(device);
    if (IBoardState* state = boardState())
        state->setDrawing(!pending.isEmpty());
    if (ISlide* slide = m_board->currentSlide())
        slide->addElement(element);
    else
        delete element;
}

IPencilPathElement* IPencilPathMode::makeElement(int device, const QVector<QPointF>& points) const
{
    IBoardState* state = boardState();
    auto* element = new IPencilPathElement();
    element->setAlpha(state->inkOpacity());
    element->setColor(state->inkColor());
    element->setWidth(static_cast<int>(state->inkThickness()));
    // Complete before the slide announces it.
    element->setBaseRegion(m_board->pathRenderWidget()->dirtyRegion(device));
    element->addDrawPoints(points);
    element->show();
    return element;
}

void IPencilPathMode::activate()
{
    IInkBaseMode::activate();
    const QColor ink = boardState() ? boardState()->inkColor() : QColor(Qt::red);
    setCursor(ICursorRecolor::pencilCursor(ink));
    if (m_board)
        m_board->setBoardCursor(m_cursor);
}

void IPencilPathMode::deactivate()
{
    dropStrokes();
    IInkBaseMode::deactivate();
}

void IPencilPathMode::cancel()
{
    dropStrokes();
    IInkBaseMode::cancel();
}

void IPencilPathMode::dropStrokes()
{
    if (!m_board || m_board->pendingStrokes().isEmpty())
        return;
    m_board->pendingStrokes().clear();
    m_board->pathRenderWidget()->setActive(false);
    if (IBoardState* state = boardState())
        state->setDrawing(false);
}
