// Base of the path drawings.
#include "board/path/ipathelement.h"

#include <QDebug>
#include <QPainter>

IPathElement::IPathElement(QGraphicsItem* parent)
    : IAbstractPathElement(parent)
{
    initialise();
}

IPathElement::IPathElement(const QPainterPath& path, QGraphicsItem* parent)
    : IAbstractPathElement(path, parent)
{
    initialise();
}

void IPathElement::initialise()
{
    setFlag(ItemSendsGeometryChanges);
    setFlag(ItemIsSelectable, false);
    // Erased strokes paint through a complex clip; the cache keeps that to
    // once per zoom instead of once per repaint.
    setCacheMode(DeviceCoordinateCache);
    setZOrder(kPathZOrder);
}

bool IPathElement::addEraseRegion(const QRegion& region)
{
    m_eraseRegion += region;
    if ((paintableRegion() - m_eraseRegion).isEmpty()) {
        qDebug() << "delete path item";
        return true;
    }
    update(region.boundingRect());
    return false;
}

void IPathElement::setEraseRegion(const QRegion& region)
{
    m_eraseRegion = region;
    update();
}

void IPathElement::setBaseRegion(const QRegion& region)
{
    m_baseRegion = region;
    update();
}

QRegion IPathElement::paintableRegion() const
{
    if (!m_baseRegion.isEmpty())
        return m_baseRegion;
    return QRegion(boundingRect().toAlignedRect());
}

void IPathElement::clipToVisibleRegion(QPainter* painter) const
{
    painter->setClipRegion(paintableRegion() - m_eraseRegion, Qt::IntersectClip);
}

IElement* IPathElement::clone() const
{
    auto* copy = new IPathElement(path());
    copyItemParameters(copy);
    return copy;
}

void IPathElement::copyItemParameters(IElement* target) const
{
    auto* other = dynamic_cast<IPathElement*>(target);
    if (!other)
        return;
    IAbstractPathElement::copyItemParameters(target);
    other->setPen(pen());
    other->setBrush(brush());
    other->setColor(m_color);
    other->setColor2(m_color2);
    other->setOpacity(opacity());
    other->setWidth(m_width);
    // A translucent stroke must not come out opaque in its copy.
    other->setAlpha(m_alpha);
    other->setPathKind(m_pathKind);
    other->setErasePoints(m_erasePoints);
    other->setBaseRegion(m_baseRegion);
    other->setEraseRegion(m_eraseRegion);
}

void IPathElement::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    clipToVisibleRegion(painter);
    painter->setPen(pen());
    painter->setBrush(brush());
    painter->drawPath(path());
    painter->restore();
}
