// Straight lines drawn by hand come out a hair off the angles people mean:
// near a multiple of 45 degrees they are put on it.
#pragma once

#include <QPointF>

class IAngleSnap
{
public:
    // The point a line from `from` towards `to` ends at: `to` itself, or, when
    // the line lies within `toleranceDegrees` of 0, 45, 90, ... 315 degrees,
    // the point at the same distance exactly on that angle.
    static QPointF snapped(const QPointF& from, const QPointF& to, double toleranceDegrees = 1.0);
};
