// An isosceles triangle drawn with the ink.
#include "board/path/iisoscelestrianglepathelement.h"

#include <QPolygonF>

IIsoscelesTrianglePathElement::IIsoscelesTrianglePathElement(QGraphicsItem* parent)
    : IShapePathElement(IsoscelesTrianglePath, parent)
{
    rebuild();
}

QPainterPath IIsoscelesTrianglePathElement::outline() const
{
    // Whole pixels, as the figure tool's triangle, so both look alike.
    const double x = start().x();
    const double y = start().y();
    const int w = static_cast<int>(end().x() - x);
    const int h = static_cast<int>(end().y() - y);
    QPainterPath path;
    path.addPolygon(QPolygonF({QPointF(x + w / 2, y), QPointF(x + w, y + h), QPointF(x, y + h)}));
    path.closeSubpath();
    return path;
}

QRegion IIsoscelesTrianglePathElement::area() const
{
    return QRegion(paintRect().toAlignedRect());
}
