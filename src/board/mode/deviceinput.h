// One press, move or release of a pointer, as the board hands it to a mode.
#pragma once

#include <QEvent>
#include <QPointF>

#include <memory>

class DeviceInput
{
public:
    // The mouse; touch points get their own numbers.
    static constexpr int kMouseDevice = 175;

    enum Kind : int { MouseKind = 0, OtherKind = 1 };

    // Keeps its own copy of the event: the original is gone once the view's
    // handler returns, while modes may hold on to the record a little longer.
    DeviceInput(const QEvent& event, const QPointF& position, int deviceNumber);
    // A mouse record built from scratch, e.g. the release that completes a
    // stroke whose button came up outside the picture.
    DeviceInput(QEvent::Type type, const QPointF& position, Qt::MouseButton button,
                Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int deviceNumber);

    QEvent* event() const { return m_event.get(); }
    QPointF position() const { return m_position; }
    int kind() const { return m_kind; }
    int deviceNumber() const { return m_deviceNumber; }

private:
    std::unique_ptr<QEvent> m_event;
    QPointF m_position;
    int m_kind = OtherKind;
    int m_deviceNumber = kMouseDevice;
};
