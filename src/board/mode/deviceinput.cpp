// One pointer input record for the board's modes.
#include "board/mode/deviceinput.h"

#include <QMouseEvent>

namespace {

bool isMouseEvent(QEvent::Type type)
{
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
        || type == QEvent::MouseMove || type == QEvent::MouseButtonDblClick;
}

} // namespace

DeviceInput::DeviceInput(const QEvent& event, const QPointF& position, int deviceNumber)
    : m_position(position)
    , m_deviceNumber(deviceNumber)
{
    if (isMouseEvent(event.type())) {
        const auto& mouse = static_cast<const QMouseEvent&>(event);
        m_event = std::make_unique<QMouseEvent>(mouse.type(), mouse.localPos(), mouse.button(),
                                                mouse.buttons(), mouse.modifiers());
        m_kind = MouseKind;
    } else {
        m_event = std::make_unique<QEvent>(event.type());
    }
}

DeviceInput::DeviceInput(QEvent::Type type, const QPointF& position, Qt::MouseButton button,
                         Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                         int deviceNumber)
    : m_event(std::make_unique<QMouseEvent>(type, position, button, buttons, modifiers))
    , m_position(position)
    , m_kind(MouseKind)
    , m_deviceNumber(deviceNumber)
{
}
