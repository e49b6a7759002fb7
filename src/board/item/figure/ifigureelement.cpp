// Pen, fill and properties common to every figure.
#include "board/item/figure/ifigureelement.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace {

QColor colorOf(const QVariant& value)
{
    if (value.canConvert<QColor>() && value.userType() == QMetaType::QColor)
        return value.value<QColor>();
    // A name, as stored texts hold it; an unreadable one gives an invalid colour.
    return QColor(value.toString());
}

// Patterned lines end their dashes squarely, or the gaps would close up.
Qt::PenCapStyle capFor(Qt::PenStyle style)
{
    return style == Qt::SolidLine ? Qt::RoundCap : Qt::FlatCap;
}

QLinearGradient gradientOver(const QRectF& r, int direction)
{
    switch (direction) {
    case IFigureElement::TopToBottom:
        return QLinearGradient(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    case IFigureElement::TopRightToBottomLeft:
        return QLinearGradient(r.topRight(), r.bottomLeft());
    case IFigureElement::TopLeftToBottomRight:
        return QLinearGradient(r.topLeft(), r.bottomRight());
    default:
        return QLinearGradient(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    }
}

} // namespace

IFigureElement::IFigureElement(int kind, QGraphicsItem* parent)
    : IAbstractGraphicsShapeElement(parent)
    , m_kind(kind)
{
    setDataLayout(kInkAndFigureLayout);
    // Hosts tell elements apart by id, so a figure has one from the start.
    setElementId(newElementId());
    QPen initial(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    setItemPen(initial);
}

void IFigureElement::setThickness(double thickness)
{
    QPen p = pen();
    // Not finite counts as thin: a pen of infinite width would paint nothing
    // sensible and could not be selected.
    p.setWidthF(std::isfinite(thickness) && thickness > 1 ? thickness : 2.0);
    setItemPen(p);
}

void IFigureElement::setPenColor(const QColor& color)
{
    QPen p = pen();
    p.setColor(color);
    setItemPen(p);
}

void IFigureElement::setFillColor(const QColor& color)
{
    m_fillColor = color;
    m_fillMode = SolidFill;
    update();
}

void IFigureElement::setFillMode(int mode)
{
    m_fillMode = mode;
    update();
}

void IFigureElement::setGradient(const QColor& start, const QColor& end, int direction)
{
    m_gradientStart = start;
    m_gradientEnd = end;
    m_gradientDirection = direction;
    update();
}

void IFigureElement::setLineStyle(int style)
{
    const Qt::PenStyle penStyle = style >= Qt::SolidLine && style <= Qt::DashDotDotLine
        ? static_cast<Qt::PenStyle>(style)
        : Qt::SolidLine;
    QPen p = pen();
    p.setStyle(penStyle);
    p.setCapStyle(capFor(penStyle));
    setItemPen(p);
}

void IFigureElement::setProperty(int key, const QVariant& value)
{
    switch (key) {
    case FillModeKey:
        setFillMode(value.toInt());
        break;
    case PenColorKey:
        setPenColor(colorOf(value));
        break;
    case FillColorKey:
        setFillColor(colorOf(value));
        break;
    case PenWidthKey:
        setThickness(value.toDouble());
        break;
    case PenStyleKey:
        setLineStyle(value.toInt());
        break;
    case PenAlphaKey:
    case FillAlphaKey:
        // Read only: the alpha travels with the colour.
        break;
    default:
        IAbstractGraphicsShapeElement::setProperty(key, value);
    }
}

QVariant IFigureElement::property(int key) const
{
    switch (key) {
    case FillModeKey:
        return m_fillMode;
    case PenColorKey:
        return penColor().name();
    case PenAlphaKey:
        return penColor().alphaF();
    case FillColorKey:
        return m_fillColor.name();
    case FillAlphaKey:
        return m_fillColor.alphaF();
    case PenWidthKey:
        return thickness();
    case PenStyleKey:
        return lineStyle();
    default:
        return IAbstractGraphicsShapeElement::property(key);
    }
}

void IFigureElement::copyItemParameters(IElement* target) const
{
    IAbstractGraphicsShapeElement::copyItemParameters(target);
    auto* figure = dynamic_cast<IFigureElement*>(target);
    if (!figure)
        return;
    figure->setItemPen(pen());
    figure->penChanged();
    figure->m_fillColor = m_fillColor;
    figure->m_fillMode = m_fillMode;
    figure->m_gradientStart = m_gradientStart;
    figure->m_gradientEnd = m_gradientEnd;
    figure->m_gradientDirection = m_gradientDirection;
    figure->update();
}

void IFigureElement::preparePainter(QPainter* painter) const
{
    painter->setRenderHint(QPainter::Antialiasing);
    if (m_fillMode == SolidFill) {
        // An invalid colour is no colour at all, not black.
        const bool filled = m_fillColor.isValid() && m_fillColor.alpha() != 0;
        painter->setBrush(filled ? QBrush(m_fillColor) : QBrush(Qt::NoBrush));
    } else if (m_fillMode == GradientFill) {
        QLinearGradient gradient = gradientOver(boundingRect(), m_gradientDirection);
        gradient.setColorAt(0, m_gradientStart);
        gradient.setColorAt(1, m_gradientEnd);
        painter->setBrush(gradient);
    } else {
        painter->setBrush(Qt::NoBrush);
    }
    painter->setPen(pen());
}

QPen IFigureElement::dashedPen() const
{
    QPen dashed = pen();
    dashed.setStyle(Qt::DashLine);
    dashed.setCapStyle(Qt::FlatCap);
    return dashed;
}

QRectF IFigureElement::withPenMargin(const QRectF& rect) const
{
    const double half = penWidth() / 2.0;
    return rect.normalized().adjusted(-half, -half, half, half);
}

void IFigureElement::mirror(bool horizontally, bool vertically)
{
    if (!horizontally && !vertically)
        return;
    const QPointF topLeft = sceneBoundingRect().topLeft();
    // Scaled in the item's own axes, so a turned figure flips along its own
    // sides, not the scene's.
    setTransform(QTransform::fromScale(horizontally ? -1 : 1, vertically ? -1 : 1) * transform());
    setPos(pos() + topLeft - sceneBoundingRect().topLeft());
}

void IFigureElement::setItemPen(const QPen& p)
{
    setPen(p);
    penChanged();
}
