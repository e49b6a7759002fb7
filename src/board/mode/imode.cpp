// Pressed-device bookkeeping shared by the board tools.
#include "board/mode/imode.h"

#include "board/iboard.h"
#include "board/mode/deviceinput.h"
#include "board/mode/imodeeventhandle.h"

#include <QFileInfo>
#include <QPixmap>

void IMode::devicePress(DeviceInput& input)
{
    // A second press of a device already down (e.g. another button) starts nothing new.
    if (m_activeDevices.contains(input.deviceNumber()))
        return;
    m_activeDevices.append(input.deviceNumber());
    IDeviceArgs args{&input, this};
    emit m_eventHandle->devicePress(&args);
}

void IMode::deviceMove(DeviceInput& input)
{
    if (!m_activeDevices.contains(input.deviceNumber()))
        return;
    IDeviceArgs args{&input, this};
    emit m_eventHandle->deviceMove(&args);
}

void IMode::deviceRelease(DeviceInput& input)
{
    if (!m_activeDevices.removeOne(input.deviceNumber()))
        return;
    IDeviceArgs args{&input, this};
    emit m_eventHandle->deviceRelease(&args);
}

void IMode::setCursorFile(const QString& path, int width, int height)
{
    QPixmap picture;
    if (!QFileInfo::exists(path) || !picture.load(path) || width <= 0 || height <= 0) {
        m_cursor = QCursor(Qt::ArrowCursor);
        return;
    }
    picture = picture.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    m_cursor = QCursor(picture, width / 2, height / 2);
}

void IMode::setCursor(const QCursor& cursor)
{
    m_cursor = cursor;
}

void IMode::deactivate()
{
    // Whatever was pressed when the tool changed will never be released to it.
    m_activeDevices.clear();
}

void IMode::cancel()
{
    m_activeDevices.clear();
}

QPointF IMode::scenePoint(const DeviceInput& input) const
{
    if (!m_board)
        return input.position();
    // Not mapToScene: it rounds to whole view pixels, which touch and pens
    // are finer than.
    return m_board->viewportTransform().inverted().map(input.position());
}

double IMode::viewScale() const
{
    // m11 alone is zero on a view turned by a quarter.
    const double scale = m_board ? m_board->scaleFactor() : 1.0;
    return scale > 0 ? scale : 1.0;
}
