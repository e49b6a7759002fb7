// The cube.
#include "board/item/figure/icubefigureelement.h"

#include "board/item/figure/ifigurekind.h"

#include <QPainter>

ICubeFigureElement::ICubeFigureElement(QGraphicsItem* parent)
    : ISolidFigureElement(IFigureKind::Cube, parent)
{
}

IElement* ICubeFigureElement::clone() const
{
    return cloneAs<ICubeFigureElement>();
}

void ICubeFigureElement::paintSolid(QPainter* painter) const
{
    const QRectF r = uprightRect();
    const double x = r.x(), y = r.y(), w = r.width(), h = r.height();
    painter->drawRect(QRectF(x, y + h / 3, 2 * w / 3, 2 * h / 3));
    painter->drawPolyline(QPolygonF({QPointF(x, y + h / 3), QPointF(x + w / 3, y), QPointF(x + w, y),
                                     QPointF(x + 2 * w / 3, y + h / 3)}));
    painter->drawPolyline(QPolygonF({QPointF(x + w, y), QPointF(x + w, y + 2 * h / 3),
                                     QPointF(x + 2 * w / 3, y + h)}));
    // The three edges that meet in the corner behind.
    const QPointF hidden(x + w / 3, y + 2 * h / 3);
    QPainterPath edges;
    for (const QPointF& to : {QPointF(x + w / 3, y), QPointF(x + w, y + 2 * h / 3), QPointF(x, y + h)}) {
        edges.moveTo(hidden);
        edges.lineTo(to);
    }
    drawHidden(painter, edges);
}
