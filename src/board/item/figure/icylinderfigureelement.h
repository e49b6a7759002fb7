// An upright cylinder, the far half of its bottom dashed.
#pragma once

#include "board/item/figure/isolidfigureelement.h"

class ICylinderFigureElement : public ISolidFigureElement
{
public:
    explicit ICylinderFigureElement(QGraphicsItem* parent = nullptr);

    IElement* clone() const override;

protected:
    void paintSolid(QPainter* painter) const override;
};
