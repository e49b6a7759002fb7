// The isosceles triangle.
#include "board/item/figure/iisoscelestrianglefigureelement.h"

#include "board/item/figure/ifigurekind.h"

#include <QPainter>

IIsoscelesTriangleFigureElement::IIsoscelesTriangleFigureElement(QGraphicsItem* parent)
    : IBoxFigureElement(IFigureKind::IsoscelesTriangle, parent)
{
}

QPolygonF IIsoscelesTriangleFigureElement::outline() const
{
    const int w = static_cast<int>(rect().width());
    const int h = static_cast<int>(rect().height());
    return QPolygonF({QPointF(w / 2, 0), QPointF(w, h), QPointF(0, h)});
}

IElement* IIsoscelesTriangleFigureElement::clone() const
{
    return cloneAs<IIsoscelesTriangleFigureElement>();
}

void IIsoscelesTriangleFigureElement::paintFigure(QPainter* painter) const
{
    painter->drawPolygon(outline());
}
