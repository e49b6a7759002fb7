// Common drawing of the wire-frame solids.
#include "board/item/figure/isolidfigureelement.h"

#include <QPainter>

ISolidFigureElement::ISolidFigureElement(int kind, QGraphicsItem* parent)
    : IBoxFigureElement(kind, parent)
{
    IFigureElement::setFillColor(QColor(255, 255, 255, 0));
}

void ISolidFigureElement::setFillColor(const QColor&)
{
    IFigureElement::setFillColor(QColor(255, 255, 255, 0));
}

QPainterPath ISolidFigureElement::upperHalf(const QRectF& rect)
{
    QPainterPath half;
    half.arcMoveTo(rect, 180);
    half.arcTo(rect, 180, -180);
    return half;
}

QPainterPath ISolidFigureElement::lowerHalf(const QRectF& rect)
{
    QPainterPath half;
    half.arcMoveTo(rect, 180);
    half.arcTo(rect, 180, 180);
    return half;
}

void ISolidFigureElement::drawHidden(QPainter* painter, const QPainterPath& edges) const
{
    const QPen seen = painter->pen();
    painter->setPen(dashedPen());
    painter->drawPath(edges);
    painter->setPen(seen);
}

void ISolidFigureElement::drawBaseEllipse(QPainter* painter, const QRectF& rect) const
{
    drawHidden(painter, upperHalf(rect));
    painter->drawPath(lowerHalf(rect));
}

void ISolidFigureElement::paintFigure(QPainter* painter) const
{
    painter->setBrush(Qt::NoBrush);
    paintSolid(painter);
}
