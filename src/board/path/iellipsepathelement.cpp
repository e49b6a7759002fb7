// An ellipse drawn with the ink.
#include "board/path/iellipsepathelement.h"

IEllipsePathElement::IEllipsePathElement(QGraphicsItem* parent)
    : IShapePathElement(EllipsePath, parent)
{
    rebuild();
}

QPainterPath IEllipsePathElement::outline() const
{
    QPainterPath path;
    path.addEllipse(rect());
    return path;
}

QRegion IEllipsePathElement::area() const
{
    return QRegion(paintRect().toAlignedRect(), QRegion::Ellipse);
}
