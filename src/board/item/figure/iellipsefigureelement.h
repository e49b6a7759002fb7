// An ellipse in the rectangle dragged out from the press point.
#pragma once

#include "board/item/figure/ifigureelement.h"

class IEllipseFigureElement : public IFigureElement
{
public:
    explicit IEllipseFigureElement(QGraphicsItem* parent = nullptr);

    // Signed while dragging: negative towards the left or the top.
    double radiusX() const { return m_radiusX; }
    double radiusY() const { return m_radiusY; }
    QRectF ellipseRect() const;

    void beginDrag(const QPointF& press) override;
    void dragTo(const QPointF& point) override;
    bool finishDrag() override;

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    IElement* clone() const override;

private:
    double m_radiusX = 0;
    double m_radiusY = 0;
};
