// A hemisphere resting on its flat side, the far half of the rim dashed.
#pragma once

#include "board/item/figure/isolidfigureelement.h"

class IHemisphereFigureElement : public ISolidFigureElement
{
public:
    explicit IHemisphereFigureElement(QGraphicsItem* parent = nullptr);

    IElement* clone() const override;

protected:
    void paintSolid(QPainter* painter) const override;
};
