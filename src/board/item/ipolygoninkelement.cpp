// One segment of an ink stroke.
#include "board/item/ipolygoninkelement.h"

#include "board/item/icapsule.h"
#include "board/item/iinkproxy.h"

#include <QBrush>
#include <QPainter>
#include <QPen>
#include <QPixmap>

IPolygonInkElement::IPolygonInkElement(const QLineF& line, double width, QGraphicsItem* parent)
    : IAbstractPolygonInkElement(ICapsule::capsulePolygon(line, width), parent)
    , m_line(line)
    , m_width(width)
{
    setPen(Qt::NoPen);
}

IPolygonInkElement::IPolygonInkElement(const QPolygonF& polygon, QGraphicsItem* parent)
    : IAbstractPolygonInkElement(polygon, parent)
{
    setPen(Qt::NoPen);
}

IPolygonInkElement::~IPolygonInkElement()
{
    setProxy(nullptr);
}

void IPolygonInkElement::setInkColor(const QColor& color)
{
    m_color = color;
    m_translucent = color.alpha() < 255;
    setBrush(QBrush(color));
    setPen(Qt::NoPen);
}

void IPolygonInkElement::setProxy(IInkProxy* proxy)
{
    if (proxy == m_proxy)
        return;
    if (m_proxy && m_proxy->remove(this))
        delete m_proxy;
    m_proxy = proxy;
    if (m_proxy)
        m_proxy->add(this);
}

QString IPolygonInkElement::segmentText() const
{
    const auto n = [](double v) { return QString::number(v); };
    const QString color = QStringLiteral("#%1").arg(m_color.rgba(), 8, 16, QLatin1Char('0'));
    return QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8;")
        .arg(n(m_line.x1()), n(m_line.y1()), n(m_line.x2()), n(m_line.y2()),
             QString::number(m_translucent ? 1 : 0), QString::number(m_secondFlag ? 1 : 0), n(m_width),
             color);
}

IElement* IPolygonInkElement::clone() const
{
    auto* copy = new IPolygonInkElement(polygon());
    copyItemParameters(copy);
    return copy;
}

void IPolygonInkElement::copyItemParameters(IElement* target) const
{
    auto* other = dynamic_cast<IPolygonInkElement*>(target);
    if (!other)
        return;
    IAbstractPolygonInkElement::copyItemParameters(target);
    other->setPen(pen());
    other->setInkColor(m_color);
    other->m_translucent = m_translucent;
    other->m_secondFlag = m_secondFlag;
    other->m_line = m_line;
    other->m_width = m_width;
    other->setTransform(transform());
    other->setData(ZOrderKey, data(ZOrderKey));
    // Stacked among the stroke's other segments as the original was.
    other->setZValue(zValue());
    other->m_textureName = m_textureName;
    other->m_texturePath = m_texturePath;
    if (!m_texturePath.isEmpty())
        other->setBrush(QBrush(QPixmap(m_texturePath)));
    // A copy is a stroke of its own until someone registers it elsewhere.
    other->setProxy(new IInkProxy);
}

void IPolygonInkElement::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    if (!m_texturePath.isEmpty() && brush().texture().isNull()) {
        const QPixmap texture(m_texturePath);
        if (!texture.isNull())
            setBrush(QBrush(texture));
    }
    QGraphicsPolygonItem::paint(painter, option, widget);
}
