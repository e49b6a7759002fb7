// The cylinder.
#include "board/item/figure/icylinderfigureelement.h"

#include "board/item/figure/ifigurekind.h"

#include <QPainter>

ICylinderFigureElement::ICylinderFigureElement(QGraphicsItem* parent)
    : ISolidFigureElement(IFigureKind::Cylinder, parent)
{
}

IElement* ICylinderFigureElement::clone() const
{
    return cloneAs<ICylinderFigureElement>();
}

void ICylinderFigureElement::paintSolid(QPainter* painter) const
{
    const QRectF r = uprightRect();
    const double x = r.x(), y = r.y(), w = r.width(), h = r.height();
    painter->drawLine(QPointF(x, y + h / 7), QPointF(x, y + 6 * h / 7));
    painter->drawLine(QPointF(x + w, y + h / 7), QPointF(x + w, y + 6 * h / 7));
    painter->drawEllipse(QRectF(x, y, w, 2 * h / 7));
    drawBaseEllipse(painter, QRectF(x, y + 5 * h / 7, w, 2 * h / 7));
}
