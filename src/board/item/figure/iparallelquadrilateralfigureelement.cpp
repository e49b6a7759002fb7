// The parallelogram.
#include "board/item/figure/iparallelquadrilateralfigureelement.h"

#include "board/item/figure/ifigurekind.h"

#include <QPainter>

IParallelQuadrilateralFigureElement::IParallelQuadrilateralFigureElement(QGraphicsItem* parent)
    : IBoxFigureElement(IFigureKind::Parallelogram, parent)
{
}

QPolygonF IParallelQuadrilateralFigureElement::outline() const
{
    const int w = static_cast<int>(rect().width());
    const int h = static_cast<int>(rect().height());
    return QPolygonF({QPointF(0, 0), QPointF(2 * w / 3, 0), QPointF(w, h), QPointF(w / 3, h)});
}

IElement* IParallelQuadrilateralFigureElement::clone() const
{
    return cloneAs<IParallelQuadrilateralFigureElement>();
}

void IParallelQuadrilateralFigureElement::paintFigure(QPainter* painter) const
{
    painter->drawPolygon(outline());
}
