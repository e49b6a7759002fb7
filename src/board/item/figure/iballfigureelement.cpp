// The ball.
#include "board/item/figure/iballfigureelement.h"

#include "board/item/figure/ifigurekind.h"

#include <QPainter>

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
    painter->setBrush(Qt::red);
    painter->drawEllipse(disc);
    painter->setBrush(Qt::NoBrush);
    drawBaseEllipse(painter, QRectF(disc.x(), disc.y() + 3 * d / 8, d, d / 4));
}
