// Dots and arrowheads at the ends of lines.
#include "board/item/figure/ilineend.h"

#include <QPolygonF>
#include <QTransform>

#include <algorithm>

QPainterPath ILineEnd::outline(Type type, bool atStart, const QPointF& at, double angleDegrees, int penWidth)
{
    QPainterPath path;
    const double w = penWidth;
    if (type == Dot) {
        // Never smaller than the line is wide, or the line would hide it.
        const double radius = std::max(2.0, w);
        path.addEllipse(QPointF(0, 0), radius, radius);
    } else if (type == Arrow) {
        const double tip = (atStart ? -1 : 1) * (2 * w + 6);
        path.addPolygon(QPolygonF({QPointF(0, -w - 3), QPointF(tip, 0), QPointF(0, w + 3)}));
        path.closeSubpath();
    } else {
        return path;
    }
    QTransform place;
    place.translate(at.x(), at.y());
    place.rotate(-angleDegrees);
    return place.map(path);
}
