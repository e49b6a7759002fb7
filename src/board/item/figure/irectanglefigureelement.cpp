// The rectangle.
#include "board/item/figure/irectanglefigureelement.h"

#include "board/item/figure/ifigurekind.h"

#include <QPainter>

#include <algorithm>

IRectangleFigureElement::IRectangleFigureElement(QGraphicsItem* parent)
    : IBoxFigureElement(IFigureKind::Rectangle, parent)
{
}

void IRectangleFigureElement::setInscribedCircle(bool on)
{
    m_inscribedCircle = on;
    update();
}

void IRectangleFigureElement::beginDrag(const QPointF& press)
{
    IBoxFigureElement::beginDrag(QPointF(press.toPoint()));
}

IElement* IRectangleFigureElement::clone() const
{
    auto* copy = cloneAs<IRectangleFigureElement>();
    copy->m_inscribedCircle = m_inscribedCircle;
    return copy;
}

void IRectangleFigureElement::paintFigure(QPainter* painter) const
{
    const QRectF r = rect().normalized();
    painter->drawRect(r);
    if (!m_inscribedCircle)
        return;
    const double d = std::min(r.width(), r.height());
    QRectF circle(0, 0, d, d);
    circle.moveCenter(r.center());
    painter->drawEllipse(circle);
}
