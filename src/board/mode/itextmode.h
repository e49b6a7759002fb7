// The text tool: a click on the picture puts a text box there, ready for typing.
#pragma once

#include "board/mode/imode.h"

#include <QCursor>

class ITextMode : public IMode
{
public:
    ITextMode() = default;

    void devicePress(DeviceInput& input) override;
    void deviceMove(DeviceInput& input) override;
    void deviceRelease(DeviceInput& input) override;
    // The board shows the I-beam while the tool is chosen, and its earlier
    // cursor again afterwards.
    void activate() override;
    void deactivate() override;
    void cancel() override;

private:
    void createText(const QPointF& scenePos);

    bool m_pressed = false;
    QCursor m_savedCursor;
};
