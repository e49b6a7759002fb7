// The wave line.
#include "board/item/figure/iwavelinefigureelement.h"

#include "board/item/figure/ifigurekind.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>

IWaveLineFigureElement::IWaveLineFigureElement(QGraphicsItem* parent)
    : IFigureElement(IFigureKind::WaveLine, parent)
{
}

void IWaveLineFigureElement::setThickness(double thickness)
{
    IFigureElement::setThickness(thickness);
    // The pen's width, not the raw value: a wave size of 0 would give waves
    // without length, and a tiny one thousands of them.
    m_waveSize = IFigureElement::thickness();
    rebuild();
}

void IWaveLineFigureElement::setPoints(const QPointF& start, const QPointF& end)
{
    m_start = start;
    m_end = end;
    rebuild();
}

QPainterPath IWaveLineFigureElement::wavePath(const QPointF& start, const QPointF& end, double waveSize)
{
    QPainterPath path;
    const QLineF line(start, end);
    const double length = line.length();
    const double halfPeriod = 2 * waveSize;
    const double period = 2 * halfPeriod;
    if (!(length > 0) || !(period > 0) || !std::isfinite(length) || !std::isfinite(period))
        return path;
    const double offset = 2 * waveSize * 1.14 * 2;
    const double drawn = period * std::ceil(std::floor(length) / period);
    // Perpendicular to the line; the controls lie on either side of it.
    const double normal = (line.angle() - 270) * M_PI / 180.0;
    const QPointF side(std::cos(normal) * offset, -std::sin(normal) * offset);
    auto at = [&](double distance) { return line.pointAt(distance / length); };

    path.moveTo(start);
    for (double h = 0; h < drawn; h += period) {
        path.cubicTo(at(h + halfPeriod - halfPeriod / 10) + side,
                     at(h + halfPeriod + halfPeriod / 10) - side,
                     at(h + period));
    }
    return path;
}

void IWaveLineFigureElement::beginDrag(const QPointF& press)
{
    setPoints(press, press);
}

void IWaveLineFigureElement::dragTo(const QPointF& point)
{
    setPoints(m_start, point);
}

bool IWaveLineFigureElement::finishDrag()
{
    return !m_path.isEmpty();
}

QRectF IWaveLineFigureElement::boundingRect() const
{
    const double w = thickness();
    return m_path.boundingRect().adjusted(-w, -w, w, w);
}

QPainterPath IWaveLineFigureElement::shape() const
{
    QPainterPathStroker stroker;
    stroker.setWidth(thickness() + 2 * m_waveSize);
    return stroker.createStroke(m_path);
}

void IWaveLineFigureElement::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(pen());
    // A fill would close each wave against the line's chord.
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(m_path);
}

IElement* IWaveLineFigureElement::clone() const
{
    auto* copy = new IWaveLineFigureElement;
    copyItemParameters(copy);
    copy->m_waveSize = m_waveSize;
    copy->setPoints(m_start, m_end);
    return copy;
}

void IWaveLineFigureElement::rebuild()
{
    prepareGeometryChange();
    m_path = wavePath(m_start, m_end, m_waveSize);
    update();
}
