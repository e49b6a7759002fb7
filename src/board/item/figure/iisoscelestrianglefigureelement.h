// An isosceles triangle standing on the bottom of its rectangle, its apex in
// the middle of the top; drawn upwards it stands on its head.
#pragma once

#include "board/item/figure/iboxfigureelement.h"

class IIsoscelesTriangleFigureElement : public IBoxFigureElement
{
public:
    explicit IIsoscelesTriangleFigureElement(QGraphicsItem* parent = nullptr);

    QPolygonF outline() const;
    IElement* clone() const override;

protected:
    void paintFigure(QPainter* painter) const override;
    bool mirrorsOnRelease() const override { return true; }
};
