// Base of the figures drawn with the ink.
#include "board/path/ifigurepathelement.h"

#include <QPen>

IFigurePathElement::IFigurePathElement(int pathKind, QGraphicsItem* parent)
    : IPathElement(parent)
{
    setFlag(ItemSendsGeometryChanges);
    setFlag(ItemIsSelectable);
    setFlag(ItemIsMovable, false);
    setElementId(newElementId());
    setPathKind(pathKind);
}

void IFigurePathElement::setStart(const QPointF& start)
{
    m_start = start;
}

void IFigurePathElement::setEnd(const QPointF& end)
{
    m_end = end;
}

void IFigurePathElement::setPoints(const QPointF& start, const QPointF& end)
{
    m_start = start;
    m_end = end;
    rebuild();
}

void IFigurePathElement::rebuild()
{
    prepareGeometryChange();
    setPath(outline());
    setBaseRegion(area());
    applyLook();
}

void IFigurePathElement::setColor(const QColor& color)
{
    IPathElement::setColor(color);
    applyLook();
}

void IFigurePathElement::setColor2(const QColor& color)
{
    IPathElement::setColor2(color);
    applyLook();
}

void IFigurePathElement::setAlpha(int alpha)
{
    IPathElement::setAlpha(alpha);
    applyLook();
}

void IFigurePathElement::setWidth(int width)
{
    if (width == this->width())
        return;
    IPathElement::setWidth(width);
    rebuild();
}

QRectF IFigurePathElement::boundingRect() const
{
    const double w = width();
    return path().boundingRect().adjusted(-w, -w, w, w);
}

QPainterPath IFigurePathElement::shape() const
{
    const double half = pen().style() == Qt::NoPen ? 0.0 : pen().widthF() / 2;
    QPainterPath box;
    box.addRect(path().boundingRect().adjusted(-half, -half, half, half));
    return box;
}

IElement* IFigurePathElement::clone() const
{
    IFigurePathElement* copy = newOfSameKind();
    copyItemParameters(copy);
    copy->setPoints(m_start, m_end);
    return copy;
}
