// The circle.
#include "board/item/figure/icirclefigureelement.h"

#include "board/item/figure/ifigurekind.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

ICircleFigureElement::ICircleFigureElement(QGraphicsItem* parent)
    : IFigureElement(IFigureKind::Circle, parent)
{
}

QRectF ICircleFigureElement::circleRect() const
{
    const double d = 2 * m_radius;
    return QRectF(m_mirrorX ? -d : 0, m_mirrorY ? -d : 0, d, d);
}

void ICircleFigureElement::beginDrag(const QPointF& press)
{
    prepareGeometryChange();
    setPos(press);
    m_radius = 0;
    m_mirrorX = m_mirrorY = false;
}

void ICircleFigureElement::dragTo(const QPointF& point)
{
    prepareGeometryChange();
    const int w = static_cast<int>(point.x() - pos().x());
    const int h = static_cast<int>(point.y() - pos().y());
    m_radius = std::max(std::abs(w), std::abs(h)) / 2.0;
    m_mirrorX = w < 0;
    m_mirrorY = h < 0;
    update();
}

bool ICircleFigureElement::finishDrag()
{
    prepareGeometryChange();
    setPos(pos() + circleRect().topLeft());
    m_mirrorX = m_mirrorY = false;
    return m_radius > 0;
}

QRectF ICircleFigureElement::boundingRect() const
{
    return withPenMargin(circleRect());
}

QPainterPath ICircleFigureElement::shape() const
{
    QPainterPath path;
    path.addEllipse(boundingRect());
    return path;
}

void ICircleFigureElement::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    preparePainter(painter);
    painter->drawEllipse(circleRect());
}

IElement* ICircleFigureElement::clone() const
{
    auto* copy = new ICircleFigureElement;
    copy->m_radius = m_radius;
    copy->m_mirrorX = m_mirrorX;
    copy->m_mirrorY = m_mirrorY;
    copyItemParameters(copy);
    return copy;
}
