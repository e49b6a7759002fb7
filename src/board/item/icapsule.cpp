// The stadium outline of a freehand segment.
#include "board/item/icapsule.h"

#include <QPainterPath>
#include <QTransform>

#include <cmath>

QPolygonF ICapsule::capsulePolygon(const QLineF& line, double width)
{
    if (!(width > 0) || !std::isfinite(width) || !std::isfinite(line.x1()) || !std::isfinite(line.y1())
        || !std::isfinite(line.x2()) || !std::isfinite(line.y2()))
        return QPolygonF();
    const double r = width / 2;
    const double a = line.angle();
    const double theta = (90 - a) * M_PI / 180;
    const double ox = std::cos(theta) * r;
    const double oy = std::sin(theta) * r;
    const QPointF p1 = line.p1();
    const QPointF p2 = line.p2();

    QPainterPath path;
    path.moveTo(p1.x() - ox, p1.y() - oy);
    path.lineTo(p2.x() - ox, p2.y() - oy);
    path.arcTo(QRectF(p2.x() - r, p2.y() - r, width, width), a + 90, -180);
    path.lineTo(p1.x() + ox, p1.y() + oy);
    path.arcTo(QRectF(p1.x() - r, p1.y() - r, width, width), -(90 - a), -180);
    path.closeSubpath();
    return path.toFillPolygon(QTransform());
}
