// A whole ink stroke.
#include "board/item/iinkelement.h"

#include "board/item/iinkproxy.h"
#include "board/item/ipolygoninkelement.h"

#include <QColor>
#include <QPainterPath>
#include <QStyleOptionGraphicsItem>

#include <cmath>

IInkElement::IInkElement(QGraphicsItem* parent)
    : IAbstractGraphicsElementGroup(parent)
{
    setDataLayout(kInkAndFigureLayout);
    setElementId(newElementId());
    setLocked(false);
    setFlag(ItemIsSelectable, true);
    setFlag(ItemIsMovable, false);
    setFlag(ItemSendsGeometryChanges, true);
}

QList<IPolygonInkElement*> IInkElement::segments() const
{
    QList<IPolygonInkElement*> list;
    for (QGraphicsItem* child : childItems()) {
        if (auto* segment = qgraphicsitem_cast<IPolygonInkElement*>(child))
            list.append(segment);
    }
    return list;
}

void IInkElement::addCutPiece(IPolygonInkElement* piece)
{
    if (piece && !m_cutPieces.contains(piece))
        m_cutPieces.append(piece);
}

void IInkElement::removeCutPiece(IPolygonInkElement* piece)
{
    m_cutPieces.removeOne(piece);
}

bool IInkElement::isCutPiece(const IPolygonInkElement* piece) const
{
    return m_cutPieces.contains(const_cast<IPolygonInkElement*>(piece));
}

IPolygonInkElement* IInkElement::firstSegment() const
{
    for (QGraphicsItem* child : childItems()) {
        if (auto* segment = qgraphicsitem_cast<IPolygonInkElement*>(child))
            return segment;
    }
    return nullptr;
}

void IInkElement::applyColorName(const QString& name)
{
    const QColor color(name);
    // An unreadable name would paint the stroke black.
    if (!color.isValid())
        return;
    const bool carriesAlpha = name.trimmed().size() == 9;
    for (IPolygonInkElement* segment : segments()) {
        QColor applied = color;
        if (!carriesAlpha)
            applied.setAlpha(segment->inkColor().alpha());
        segment->setInkColor(applied);
    }
}

void IInkElement::setProperty(int key, const QVariant& value)
{
    switch (key) {
    case InkStyleKey:
        m_style = value.toInt();
        break;
    case InkColorKey:
        applyColorName(value.toString());
        break;
    case InkWidthKey:
        if (std::isfinite(value.toDouble()))
            m_width = value.toDouble();
        break;
    case InkAlphaKey:
    case InkSegmentsKey:
    case InkTextureKey:
    case InkTexturePathKey:
        break;
    default:
        IAbstractGraphicsElementGroup::setProperty(key, value);
    }
}

QVariant IInkElement::property(int key) const
{
    const IPolygonInkElement* first = firstSegment();
    switch (key) {
    case InkStyleKey:
        return m_style;
    case InkColorKey:
        return first ? QVariant(first->inkColor().name()) : QVariant();
    case InkAlphaKey:
        return first ? QVariant(first->inkColor().alphaF()) : QVariant();
    case InkWidthKey:
        return m_width;
    case InkSegmentsKey: {
        QString text;
        for (const IPolygonInkElement* segment : segments()) {
            if (!isCutPiece(segment))
                text += segment->segmentText();
        }
        return text;
    }
    case InkTextureKey:
        return first ? QVariant(first->textureName()) : QVariant();
    case InkTexturePathKey:
        return first ? QVariant(first->texturePath()) : QVariant();
    default:
        return IAbstractGraphicsElementGroup::property(key);
    }
}

QPainterPath IInkElement::shape() const
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const IPolygonInkElement* segment : segments())
        path.addPolygon(segment->mapToParent(segment->polygon()));
    return path;
}

IElement* IInkElement::clone() const
{
    auto* copy = new IInkElement;
    // The copy's segments are one stroke, so the point eraser finds them.
    IInkProxy* proxy = nullptr;
    for (const IPolygonInkElement* segment : segments()) {
        const bool piece = isCutPiece(segment);
        if (piece && m_style != kStyleClonesCutPieces)
            continue;
        auto* segmentCopy = static_cast<IPolygonInkElement*>(segment->clone());
        if (!proxy) {
            proxy = new IInkProxy;
            proxy->setGroup(copy);
        }
        segmentCopy->setProxy(proxy);
        copy->addToGroup(segmentCopy);
        if (piece)
            copy->addCutPiece(segmentCopy);
    }
    copyItemParameters(copy);
    return copy;
}

void IInkElement::copyItemParameters(IElement* target) const
{
    auto* other = dynamic_cast<IInkElement*>(target);
    if (!other)
        return;
    IAbstractGraphicsElementGroup::copyItemParameters(target);
    other->m_style = m_style;
    other->m_width = m_width;
    other->m_texturePath = m_texturePath;
    other->m_points = m_points;
}

void IInkElement::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    QStyleOptionGraphicsItem plain(*option);
    plain.state &= ~QStyle::State_Selected;
    IAbstractGraphicsElementGroup::paint(painter, &plain, widget);
}
