// The hemisphere.
#include "board/item/figure/ihemispherefigureelement.h"

#include "board/item/figure/ifigurekind.h"

#include <QPainter>

IHemisphereFigureElement::IHemisphereFigureElement(QGraphicsItem* parent)
    : ISolidFigureElement(IFigureKind::Hemisphere, parent)
{
}

IElement* IHemisphereFigureElement::clone() const
{
    return cloneAs<IHemisphereFigureElement>();
}

void IHemisphereFigureElement::paintSolid(QPainter* painter) const
{
    const QRectF r = uprightRect();
    painter->drawPath(upperHalf(r));
    drawBaseEllipse(painter, QRectF(r.x(), r.y() + 3 * r.height() / 8, r.width(), r.height() / 4));
}
