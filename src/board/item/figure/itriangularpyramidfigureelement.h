// A triangular pyramid seen face-on: the edges to the corner behind the front face dashed.
#pragma once

#include "board/item/figure/isolidfigureelement.h"

class ITriangularPyramidFigureElement : public ISolidFigureElement
{
public:
    explicit ITriangularPyramidFigureElement(QGraphicsItem* parent = nullptr);

    IElement* clone() const override;

protected:
    void paintSolid(QPainter* painter) const override;
};
