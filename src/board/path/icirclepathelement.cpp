// A circle drawn with the ink.
#include "board/path/icirclepathelement.h"

#include <QtMath>

ICirclePathElement::ICirclePathElement(QGraphicsItem* parent)
    : IShapePathElement(CirclePath, parent)
{
    rebuild();
}

QRectF ICirclePathElement::rect() const
{
    const QPointF d = end() - start();
    const double side = qMax(qAbs(d.x()), qAbs(d.y()));
    const double left = d.x() < 0 ? start().x() - side : start().x();
    const double top = d.y() < 0 ? start().y() - side : start().y();
    return QRectF(left, top, side, side);
}

QPainterPath ICirclePathElement::outline() const
{
    QPainterPath path;
    path.addEllipse(rect());
    return path;
}

QRegion ICirclePathElement::area() const
{
    return QRegion(paintRect().toAlignedRect(), QRegion::Ellipse);
}
