// A parallelogram leaning in its rectangle: the top side over the left two
// thirds, the bottom side under the right two thirds.
#pragma once

#include "board/item/figure/iboxfigureelement.h"

class IParallelQuadrilateralFigureElement : public IBoxFigureElement
{
public:
    explicit IParallelQuadrilateralFigureElement(QGraphicsItem* parent = nullptr);

    QPolygonF outline() const;
    IElement* clone() const override;

protected:
    void paintFigure(QPainter* painter) const override;
    // Drawn leftwards it leans the other way.
    bool mirrorsOnRelease() const override { return true; }
};
