// The ellipse.
#include "board/item/figure/iellipsefigureelement.h"

#include "board/item/figure/ifigurekind.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

IEllipseFigureElement::IEllipseFigureElement(QGraphicsItem* parent)
    : IFigureElement(IFigureKind::Ellipse, parent)
{
}

QRectF IEllipseFigureElement::ellipseRect() const
{
    return QRectF(2 * std::min(m_radiusX, 0.0), 2 * std::min(m_radiusY, 0.0),
                  2 * std::abs(m_radiusX), 2 * std::abs(m_radiusY));
}

void IEllipseFigureElement::beginDrag(const QPointF& press)
{
    prepareGeometryChange();
    setPos(press);
    m_radiusX = m_radiusY = 0;
}

void IEllipseFigureElement::dragTo(const QPointF& point)
{
    prepareGeometryChange();
    m_radiusX = (point.x() - pos().x()) / 2;
    m_radiusY = (point.y() - pos().y()) / 2;
    update();
}

bool IEllipseFigureElement::finishDrag()
{
    prepareGeometryChange();
    setPos(pos() + ellipseRect().topLeft());
    m_radiusX = std::abs(m_radiusX);
    m_radiusY = std::abs(m_radiusY);
    return m_radiusX > 0 || m_radiusY > 0;
}

QRectF IEllipseFigureElement::boundingRect() const
{
    return withPenMargin(ellipseRect());
}

QPainterPath IEllipseFigureElement::shape() const
{
    QPainterPath path;
    path.addEllipse(boundingRect());
    return path;
}

void IEllipseFigureElement::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    preparePainter(painter);
    painter->drawEllipse(ellipseRect());
}

IElement* IEllipseFigureElement::clone() const
{
    auto* copy = new IEllipseFigureElement;
    copy->m_radiusX = m_radiusX;
    copy->m_radiusY = m_radiusY;
    copyItemParameters(copy);
    return copy;
}
