// The triangular pyramid.
#include "board/item/figure/itriangularpyramidfigureelement.h"

#include "board/item/figure/ifigurekind.h"

#include <QPainter>

ITriangularPyramidFigureElement::ITriangularPyramidFigureElement(QGraphicsItem* parent)
    : ISolidFigureElement(IFigureKind::TriangularPyramid, parent)
{
}

IElement* ITriangularPyramidFigureElement::clone() const
{
    return cloneAs<ITriangularPyramidFigureElement>();
}

void ITriangularPyramidFigureElement::paintSolid(QPainter* painter) const
{
    const QRectF r = uprightRect();
    const double x = r.x(), y = r.y(), w = r.width(), h = r.height();
    const QPointF left(x, y + h), apex(x + w / 2, y), right(x + w, y + h);
    painter->drawPolygon(QPolygonF({left, apex, right}));
    const QPointF behind(x + w / 2, y + 2 * h / 3);
    QPainterPath edges;
    for (const QPointF& to : {left, apex, right}) {
        edges.moveTo(behind);
        edges.lineTo(to);
    }
    drawHidden(painter, edges);
}
