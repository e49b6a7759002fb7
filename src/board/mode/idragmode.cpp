// Press, drag and release turned into one gesture per device.
#include "board/mode/idragmode.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/mode/deviceinput.h"

#include <utility>

void IDragMode::devicePress(DeviceInput& input)
{
    const int device = input.deviceNumber();
    if (m_drags.contains(device))
        return;
    IMode::devicePress(input);
    // An observer of the relay may have cancelled the tool meanwhile.
    if (!m_activeDevices.contains(device))
        return;
    Drag drag;
    drag.device = device;
    drag.start = drag.current = pointOf(input);
    m_drags.insert(device, drag);
    updateDrawingFlag();
    begin(drag);
}

void IDragMode::deviceMove(DeviceInput& input)
{
    const int device = input.deviceNumber();
    if (!m_drags.contains(device))
        return;
    IMode::deviceMove(input);
    // An observer of the relay may have ended the gesture meanwhile.
    if (!m_drags.contains(device))
        return;
    Drag drag = m_drags.value(device);
    const QPointF from = drag.current;
    if (!advance(drag, pointOf(input)))
        return;
    m_drags.insert(device, drag);
    update(drag, from);
}

void IDragMode::deviceRelease(DeviceInput& input)
{
    const int device = input.deviceNumber();
    if (!m_drags.contains(device))
        return;
    IMode::deviceRelease(input);
    if (!m_drags.contains(device))
        return;
    // Out of the list before the hooks run: from here on it is finishing,
    // and a cancel has nothing left to abort.
    Drag drag = m_drags.take(device);
    updateDrawingFlag();
    const QPointF from = drag.current;
    // The release usually comes where the last move went; when it does not,
    // the figure still ends where the pointer came up.
    if (advance(drag, pointOf(input)))
        update(drag, from);
    finish(drag);
}

void IDragMode::deactivate()
{
    abortAll();
    IMode::deactivate();
}

void IDragMode::cancel()
{
    abortAll();
    IMode::cancel();
}

QPointF IDragMode::pointOf(const DeviceInput& input) const
{
    return scenePoint(input);
}

void IDragMode::abortAll()
{
    // Taken out first, so that a hook that cancels again finds nothing.
    const QMap<int, Drag> drags = std::exchange(m_drags, {});
    if (!drags.isEmpty())
        updateDrawingFlag();
    for (const Drag& drag : drags)
        abort(drag);
}

void IDragMode::updateDrawingFlag()
{
    // Lowered by an aborted gesture as by a finished one, so that the board
    // never believes a drawing is still under way.
    if (IBoardState* state = boardState())
        state->setDrawing(!m_drags.isEmpty());
}

bool IDragMode::advance(Drag& drag, const QPointF& to)
{
    if (to == drag.current)
        return false;
    drag.current = to;
    drag.moved = true;
    return true;
}
