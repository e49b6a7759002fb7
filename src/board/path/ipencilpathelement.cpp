// A finished pen stroke.
#include "board/path/ipencilpathelement.h"

#include <QDebug>
#include <QPen>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

namespace {

bool allAtOnePlace(const QVector<QPointF>& points)
{
    return std::all_of(points.cbegin(), points.cend(),
                       [&](const QPointF& p) { return p == points.first(); });
}

} // namespace

IPencilPathElement::IPencilPathElement(QGraphicsItem* parent)
    : IPathElement(parent)
{
    setFlag(ItemSendsGeometryChanges);
    setFlag(ItemIsSelectable);
    setFlag(ItemIsMovable, false);
    setElementId(newElementId());
    setWidth(0);
    applyLook();
}

void IPencilPathElement::appendPoint(const QPointF& point)
{
    m_points.append(point);
    rebuildPath();
}

void IPencilPathElement::addDrawPoints(const QVector<QPointF>& points)
{
    m_points = points;
    rebuildPath();
    if (m_dot)
        qDebug() << "one point";
}

void IPencilPathElement::rebuildPath()
{
    QPainterPath outline;
    // A press and release with no travel in between is a tap. Two points at
    // different places are a short line and stay one.
    m_dot = m_points.size() >= 2 && allAtOnePlace(m_points);
    if (m_dot) {
        const double radius = width() / 2.0;
        outline.addEllipse(m_points.first(), radius, radius);
    } else if (!m_points.isEmpty()) {
        outline.addPolygon(QPolygonF(m_points));
    }
    setPath(outline);
    applyLook();
}

void IPencilPathElement::applyLook()
{
    QColor drawn = color();
    drawn.setAlpha(alpha());
    if (m_dot) {
        setPen(Qt::NoPen);
        setBrush(drawn);
    } else {
        setPen(QPen(drawn, width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        setBrush(Qt::NoBrush);
    }
}

void IPencilPathElement::setColor(const QColor& color)
{
    IPathElement::setColor(color);
    applyLook();
}

void IPencilPathElement::setAlpha(int alpha)
{
    IPathElement::setAlpha(alpha);
    applyLook();
}

void IPencilPathElement::setWidth(int width)
{
    if (width == this->width())
        return;
    // The box and a dot's size both follow the width.
    prepareGeometryChange();
    IPathElement::setWidth(width);
    rebuildPath();
}

QRectF IPencilPathElement::boundingRect() const
{
    const double w = width();
    return path().boundingRect().adjusted(-w, -w, w, w);
}

QPainterPath IPencilPathElement::shape() const
{
    // The line's box as drawn: the bare path's box of a level stroke has no
    // height and could never be hit.
    const double half = width() / 2.0;
    QPainterPath box;
    box.addRect(path().boundingRect().adjusted(-half, -half, half, half));
    return box;
}

IElement* IPencilPathElement::clone() const
{
    auto* copy = new IPencilPathElement();
    copyItemParameters(copy);
    copy->addDrawPoints(m_points);
    return copy;
}

