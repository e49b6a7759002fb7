// Base of the closed ink figures.
#include "board/path/ishapepathelement.h"

#include <QBrush>
#include <QPen>

void IShapePathElement::setRect(const QPointF& topLeft, const QPointF& bottomRight)
{
    setPoints(topLeft, bottomRight);
}

QRectF IShapePathElement::rect() const
{
    return QRectF(start(), end()).normalized();
}

void IShapePathElement::normalise()
{
    const QRectF r = rect();
    setRect(r.topLeft(), r.bottomRight());
}

QRectF IShapePathElement::paintRect() const
{
    const double w = width();
    return rect().adjusted(-w, -w, w, w);
}

void IShapePathElement::applyLook()
{
    QColor outline = color();
    outline.setAlpha(255);
    setPen(QPen(outline, width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QColor fill = color2();
    fill.setAlpha(alpha());
    setBrush(fill);
}
