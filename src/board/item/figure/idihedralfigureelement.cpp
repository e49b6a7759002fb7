// The dihedral angle.
#include "board/item/figure/idihedralfigureelement.h"

#include "board/item/figure/ifigurekind.h"

#include <QPainter>

IDihedralFigureElement::IDihedralFigureElement(QGraphicsItem* parent)
    : ISolidFigureElement(IFigureKind::Dihedral, parent)
{
}

IElement* IDihedralFigureElement::clone() const
{
    return cloneAs<IDihedralFigureElement>();
}

void IDihedralFigureElement::paintSolid(QPainter* painter) const
{
    const QRectF r = uprightRect();
    const double x = r.x(), y = r.y(), w = r.width(), h = r.height();
    painter->drawPolyline(QPolygonF({QPointF(x, y + 2 * h / 3), QPointF(x, y), QPointF(x + w / 2, y + h / 3),
                                     QPointF(x + w / 2, y + h), QPointF(x + w, y + 2 * h / 3),
                                     QPointF(x + w, y), QPointF(x + w / 2, y + h / 3)}));
    painter->drawLine(QPointF(x + w / 2, y + h), QPointF(x, y + 2 * h / 3));
}
