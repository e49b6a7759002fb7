// A five-pointed star filling its rectangle, one point at the top.
#pragma once

#include "board/item/figure/iboxfigureelement.h"

class IStarFigureElement : public IBoxFigureElement
{
public:
    explicit IStarFigureElement(QGraphicsItem* parent = nullptr);

    // Ten corners, outer and inner in turn, starting at the top point.
    QPolygonF outline() const;
    IElement* clone() const override;

protected:
    void paintFigure(QPainter* painter) const override;
};
