// The ball.
#include "board/item/figure/iballfigureelement.h"

#include "board/item/figure/ifigurekind.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

IBallFigureElement::IBallFigureElement(QGraphicsItem* parent)
    : ISolidFigureElement(IFigureKind::Ball, parent)
{
}

IElement* IBallFigureElement::clone() const
{
    return cloneAs<IBallFigureElement>();
}

QRectF IBallFigureElement::figureRect() const
{
    const QRectF r = rect();
    const double d = std::max(std::abs(r.width()), std::abs(r.height()));
    return QRectF(std::min(r.width(), 0.0), std::min(r.height(), 0.0), d, d);
}

void IBallFigureElement::paintSolid(QPainter* painter) const
{
    const QRectF disc = figureRect();
    const double d = disc.width();
    // Red, lit from the upper left: flat red would swallow an equator drawn
    // in the red ink the board starts with, leaving a disc, not a ball.
    QRadialGradient shading(disc.center(), d / 2, disc.topLeft() + QPointF(0.35 * d, 0.3 * d));
    shading.setColorAt(0, QColor(255, 170, 170));
    shading.setColorAt(0.75, Qt::red);
    shading.setColorAt(1, Qt::red);
    painter->setBrush(shading);
    painter->drawEllipse(disc);
    painter->setBrush(Qt::NoBrush);
    drawBaseEllipse(painter, QRectF(disc.x(), disc.y() + 3 * d / 8, d, d / 4));
}
