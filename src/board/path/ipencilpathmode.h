// The pen of the board's tool bar: each pressed device draws its own stroke
// into the board's overlay, and lifting it leaves an IPencilPathElement on
// the current slide.
#pragma once

#include "board/mode/iinkbasemode.h"

#include <QPointF>

class IPencilPathElement;

class IPencilPathMode : public IInkBaseMode
{
public:
    IPencilPathMode() = default;

    void devicePress(DeviceInput& input) override;
    void deviceMove(DeviceInput& input) override;
    void deviceRelease(DeviceInput& input) override;
    // The pencil cursor in the ink colour.
    void activate() override;
    // Back to the arrow; strokes still pending are dropped.
    void deactivate() override;
    // Drops every pending stroke and clears the overlay.
    void cancel() override;

private:
    IPencilPathElement* makeElement(int device, const QVector<QPointF>& points) const;
    void dropStrokes();
};
