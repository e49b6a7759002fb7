// The cone.
#include "board/item/figure/iconefigureelement.h"

#include "board/item/figure/ifigurekind.h"

#include <QPainter>

IConeFigureElement::IConeFigureElement(QGraphicsItem* parent)
    : ISolidFigureElement(IFigureKind::Cone, parent)
{
}

IElement* IConeFigureElement::clone() const
{
    auto* copy = cloneAs<IConeFigureElement>();
    copy->m_auxiliaryLines = m_auxiliaryLines;
    return copy;
}

void IConeFigureElement::setAuxiliaryLines(bool on)
{
    m_auxiliaryLines = on;
    update();
}

void IConeFigureElement::paintSolid(QPainter* painter) const
{
    const QRectF r = uprightRect();
    const double x = r.x(), y = r.y(), w = r.width(), h = r.height();
    const double baseY = y + 6 * h / 7;
    const QPointF apex(x + w / 2, y);
    painter->drawPolyline(QPolygonF({QPointF(x, baseY), apex, QPointF(x + w, baseY)}));
    drawBaseEllipse(painter, QRectF(x, baseY - h / 7, w, 2 * h / 7));
    if (!m_auxiliaryLines)
        return;
    // Through the base's centre, where a teacher marks the height and radius.
    const QPen seen = painter->pen();
    QPen helper(seen.color(), 1, Qt::DashDotLine);
    painter->setPen(helper);
    painter->drawLine(QPointF(x, baseY), QPointF(x + w, baseY));
    painter->drawLine(apex, QPointF(x + w / 2, baseY));
    painter->setPen(seen);
}
