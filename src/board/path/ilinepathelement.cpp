// A straight line drawn with the ink.
#include "board/path/ilinepathelement.h"

#include "board/item/icapsule.h"

#include <QBrush>
#include <QPen>
#include <QtMath>

namespace {

// Room around the line, as around a pen stroke, for its antialiased edge.
constexpr int kAreaMargin = 10;

} // namespace

ILinePathElement::ILinePathElement(QGraphicsItem* parent)
    : IFigurePathElement(LinePath, parent)
{
    rebuild();
}

bool ILinePathElement::isEmpty() const
{
    return qAbs(start().x() - end().x()) <= 1e-12 && qAbs(start().y() - end().y()) <= 1e-12;
}

QPainterPath ILinePathElement::outline() const
{
    QPainterPath path;
    const QPolygonF stadium = ICapsule::capsulePolygon(QLineF(start(), end()), width());
    if (!stadium.isEmpty()) {
        path.addPolygon(stadium);
        path.closeSubpath();
    }
    return path;
}

QRegion ILinePathElement::area() const
{
    return QRegion(ICapsule::capsulePolygon(QLineF(start(), end()), width() + kAreaMargin).toPolygon());
}

void ILinePathElement::applyLook()
{
    QColor fill = color();
    fill.setAlpha(alpha());
    setPen(Qt::NoPen);
    setBrush(fill);
}
