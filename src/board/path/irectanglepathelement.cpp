// A rectangle drawn with the ink.
#include "board/path/irectanglepathelement.h"

IRectanglePathElement::IRectanglePathElement(QGraphicsItem* parent)
    : IShapePathElement(RectanglePath, parent)
{
    rebuild();
}

QPainterPath IRectanglePathElement::outline() const
{
    QPainterPath path;
    path.addRect(rect());
    return path;
}

QRegion IRectanglePathElement::area() const
{
    return QRegion(paintRect().toAlignedRect());
}
