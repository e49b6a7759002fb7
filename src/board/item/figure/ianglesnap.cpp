// Angle snapping of drawn lines.
#include "board/item/figure/ianglesnap.h"

#include <QLineF>

#include <cmath>

QPointF IAngleSnap::snapped(const QPointF& from, const QPointF& to, double toleranceDegrees)
{
    QLineF line(from, to);
    if (line.length() <= 0)
        return to;
    const double angle = line.angle();
    const double nearest = std::round(angle / 45.0) * 45.0;
    if (std::abs(angle - nearest) > toleranceDegrees)
        return to;
    const double radians = nearest * M_PI / 180.0;
    const double length = line.length();
    // A snapped horizontal or vertical line must not keep a trace of rounding
    // in the other axis. Angles grow counter-clockwise, y grows downwards.
    const double c = std::abs(std::cos(radians)) < 1e-9 ? 0.0 : std::cos(radians);
    const double s = std::abs(std::sin(radians)) < 1e-9 ? 0.0 : std::sin(radians);
    return from + QPointF(c * length, -s * length);
}
