// Figures drawn in a dragged rectangle.
#include "board/item/figure/iboxfigureelement.h"

#include <QPainter>

IBoxFigureElement::IBoxFigureElement(int kind, QGraphicsItem* parent)
    : IFigureElement(kind, parent)
{
}

void IBoxFigureElement::setRect(const QRectF& rect)
{
    prepareGeometryChange();
    m_rect = rect;
    update();
}

void IBoxFigureElement::beginDrag(const QPointF& press)
{
    setPos(press);
    setRect(QRectF());
}

void IBoxFigureElement::dragTo(const QPointF& point)
{
    setRect(QRectF(QPointF(0, 0), point - pos()));
}

bool IBoxFigureElement::finishDrag()
{
    const bool left = m_rect.width() < 0;
    const bool up = m_rect.height() < 0;
    const QRectF upright = m_rect.normalized();
    setPos(pos() + upright.topLeft());
    setRect(QRectF(QPointF(0, 0), upright.size()));
    if (mirrorsOnRelease())
        mirror(left, up);
    return !upright.size().isNull();
}

QRectF IBoxFigureElement::boundingRect() const
{
    return withPenMargin(figureRect());
}

void IBoxFigureElement::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    preparePainter(painter);
    paintFigure(painter);
}
