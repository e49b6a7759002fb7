// Regular polygons.
#include "board/item/figure/iverticspolygonfigureelement.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The turn that puts the polygon on its base: a corner at the top for odd
// counts and for the octagon, a flat top for counts divisible by 6.
double startAngle(int n)
{
    if (n % 2 == 0 && n % 3 == 0)
        return M_PI / 3;
    if (n % 2 != 0)
        return M_PI / 2;
    return M_PI / 4;
}

} // namespace

IVerticsPolygonFigureElement::IVerticsPolygonFigureElement(int kind, int vertexCount, QGraphicsItem* parent)
    : IFigureElement(kind, parent)
{
    const int n = std::max(3, vertexCount);
    const double c = startAngle(n);
    for (int i = 0; i < n; ++i) {
        const double a = i * 2 * M_PI / n + c;
        m_directions.append(QPointF(std::cos(a), std::sin(a)));
    }
}

QPolygonF IVerticsPolygonFigureElement::vertices() const
{
    QPolygonF corners;
    for (const QPointF& d : m_directions)
        corners << m_center - m_radius * d;
    return corners;
}

void IVerticsPolygonFigureElement::setGeometry(const QPointF& center, double radius)
{
    prepareGeometryChange();
    m_center = center;
    m_radius = radius;
    m_path = QPainterPath();
    if (m_radius > 0) {
        m_path.addPolygon(vertices());
        m_path.closeSubpath();
    }
    update();
}

void IVerticsPolygonFigureElement::beginDrag(const QPointF& press)
{
    m_press = m_last = press;
    setGeometry(press, 0);
}

void IVerticsPolygonFigureElement::dragTo(const QPointF& point)
{
    m_last = point;
    const double dx = point.x() - m_press.x();
    const double dy = point.y() - m_press.y();
    const double f = std::max(std::abs(dx), std::abs(dy));
    const double sx = dx < 0 ? -1 : 1;
    const double sy = dy < 0 ? -1 : 1;
    setGeometry(QPointF(m_press.x() + sx * f / 2, m_press.y() + sy * f / 2), f / 2);
}

bool IVerticsPolygonFigureElement::finishDrag()
{
    mirror(m_last.x() < m_press.x(), false);
    return m_radius > 0;
}

QRectF IVerticsPolygonFigureElement::boundingRect() const
{
    return withPenMargin(m_path.boundingRect()).adjusted(-1, -1, 1, 1);
}

QPainterPath IVerticsPolygonFigureElement::shape() const
{
    return m_path;
}

void IVerticsPolygonFigureElement::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    preparePainter(painter);
    painter->drawPath(m_path);
}

IElement* IVerticsPolygonFigureElement::clone() const
{
    auto* copy = new IVerticsPolygonFigureElement(figureKind(), vertexCount());
    copy->m_press = m_press;
    copy->m_last = m_last;
    copy->setGeometry(m_center, m_radius);
    copyItemParameters(copy);
    return copy;
}
