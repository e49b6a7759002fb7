// A circle dragged out from one point of its bounding square: it grows
// towards the pointer, as wide as the larger of the drag's two sides.
#pragma once

#include "board/item/figure/ifigureelement.h"

class ICircleFigureElement : public IFigureElement
{
public:
    explicit ICircleFigureElement(QGraphicsItem* parent = nullptr);

    double radius() const { return m_radius; }
    bool isMirroredX() const { return m_mirrorX; }
    bool isMirroredY() const { return m_mirrorY; }
    // The circle's square in item coordinates.
    QRectF circleRect() const;

    void beginDrag(const QPointF& press) override;
    void dragTo(const QPointF& point) override;
    // Moves the item to the square's true top-left.
    bool finishDrag() override;

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    IElement* clone() const override;

private:
    double m_radius = 0;
    bool m_mirrorX = false;
    bool m_mirrorY = false;
};
