// The star.
#include "board/item/figure/istarfigureelement.h"

#include "board/item/figure/ifigurekind.h"

#include <QLineF>
#include <QPainter>

#include <algorithm>
#include <cmath>

IStarFigureElement::IStarFigureElement(QGraphicsItem* parent)
    : IBoxFigureElement(IFigureKind::Star, parent)
{
}

QPolygonF IStarFigureElement::outline() const
{
    const int w = static_cast<int>(rect().width());
    const int h = static_cast<int>(rect().height());
    if (w == 0 || h == 0)
        return QPolygonF();
    QPointF outer[5];
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 5;
        outer[i] = QPointF(std::cos(a) * w / 2 + w / 2.0, std::sin(a) * h / 2 + h / 2.0);
    }
    // Stretched so that the points touch all four sides of the rectangle.
    double minX = outer[0].x(), maxX = minX, minY = outer[0].y(), maxY = minY;
    for (const QPointF& p : outer) {
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
    }
    for (QPointF& p : outer)
        p = QPointF(w * (p.x() - minX) / (maxX - minX), h * (p.y() - minY) / (maxY - minY));

    QPolygonF star;
    for (int i = 0; i < 5; ++i) {
        star << outer[i];
        // The inner corner after point i is where the chords from its two
        // neighbours' sides cross.
        const QLineF a(outer[i], outer[(i + 2) % 5]);
        const QLineF b(outer[(i + 1) % 5], outer[(i + 4) % 5]);
        QPointF inner;
        a.intersects(b, &inner);
        star << inner;
    }
    return star;
}

IElement* IStarFigureElement::clone() const
{
    return cloneAs<IStarFigureElement>();
}

void IStarFigureElement::paintFigure(QPainter* painter) const
{
    painter->drawPolygon(outline());
}
