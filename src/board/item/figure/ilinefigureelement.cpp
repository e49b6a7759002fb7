// Straight lines with their end decorations.
#include "board/item/figure/ilinefigureelement.h"

#include "board/item/figure/ianglesnap.h"
#include "board/item/figure/ifigurekind.h"

#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>

namespace {

Qt::PenStyle styleOf(int kind)
{
    switch (kind) {
    case IFigureKind::DashLine:
        return Qt::DashLine;
    case IFigureKind::DotLine:
        return Qt::DotLine;
    case IFigureKind::DashDotDotLine:
        return Qt::DashDotDotLine;
    default:
        return Qt::SolidLine;
    }
}

ILineEnd::Type startOf(int kind)
{
    switch (kind) {
    case IFigureKind::DoubleArrowLine:
    case IFigureKind::StartArrowLine:
        return ILineEnd::Arrow;
    case IFigureKind::DoubleDotLine:
    case IFigureKind::StartDotLine:
        return ILineEnd::Dot;
    default:
        return ILineEnd::None;
    }
}

ILineEnd::Type endOf(int kind)
{
    switch (kind) {
    case IFigureKind::EndArrowLine:
    case IFigureKind::DoubleArrowLine:
        return ILineEnd::Arrow;
    case IFigureKind::EndDotLine:
    case IFigureKind::DoubleDotLine:
        return ILineEnd::Dot;
    default:
        return ILineEnd::None;
    }
}

// Thin lines are hard to hit with a finger or a mouse.
constexpr double kGrabWidth = 12.0;

} // namespace

ILineFigureElement::ILineFigureElement(int kind, QGraphicsItem* parent)
    : IFigureElement(kind, parent)
    , m_startType(startOf(kind))
    , m_endType(endOf(kind))
{
    setLineStyle(styleOf(kind));
}

void ILineFigureElement::setLine(const QPointF& start, const QPointF& end)
{
    prepareGeometryChange();
    m_start = start;
    m_end = end;
    m_path = QPainterPath(start);
    m_path.lineTo(end);
    rebuildEnds();
}

void ILineFigureElement::setEnds(ILineEnd::Type start, ILineEnd::Type end)
{
    prepareGeometryChange();
    m_startType = start;
    m_endType = end;
    rebuildEnds();
}

void ILineFigureElement::rebuildEnds()
{
    prepareGeometryChange();
    m_ends = QPainterPath();
    // Without length the line has no direction to point the ends in.
    if (m_start == m_end)
        return;
    const double angle = QLineF(m_start, m_end).angle();
    m_ends.addPath(ILineEnd::outline(m_startType, true, m_start, angle, penWidth()));
    m_ends.addPath(ILineEnd::outline(m_endType, false, m_end, angle, penWidth()));
    update();
}

void ILineFigureElement::beginDrag(const QPointF& press)
{
    setLine(press, press);
}

void ILineFigureElement::dragTo(const QPointF& point)
{
    setLine(m_start, IAngleSnap::snapped(m_start, point));
}

bool ILineFigureElement::finishDrag()
{
    return std::abs(m_end.x() - m_start.x()) > 1e-12 || std::abs(m_end.y() - m_start.y()) > 1e-12;
}

QRectF ILineFigureElement::boundingRect() const
{
    QRectF bounds = QRectF(m_start, m_end).normalized();
    if (!m_ends.isEmpty())
        bounds = bounds.united(m_ends.boundingRect());
    return withPenMargin(bounds);
}

QPainterPath ILineFigureElement::shape() const
{
    QPainterPathStroker stroker;
    stroker.setWidth(std::max(thickness(), kGrabWidth));
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath grab = stroker.createStroke(m_path);
    if (!m_ends.isEmpty())
        grab.addPath(m_ends);
    return grab.simplified();
}

void ILineFigureElement::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(pen());
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(m_path);
    if (m_ends.isEmpty())
        return;
    painter->setPen(QPen(penColor(), 1));
    painter->setBrush(penColor());
    painter->drawPath(m_ends);
}

IElement* ILineFigureElement::clone() const
{
    auto* copy = new ILineFigureElement(figureKind());
    copyItemParameters(copy);
    copy->m_startType = m_startType;
    copy->m_endType = m_endType;
    copy->setLine(m_start, m_end);
    return copy;
}

void ILineFigureElement::penChanged()
{
    rebuildEnds();
}
