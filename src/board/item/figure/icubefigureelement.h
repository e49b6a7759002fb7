// A cube seen from the front, a little from above and to the right.
#pragma once

#include "board/item/figure/isolidfigureelement.h"

class ICubeFigureElement : public ISolidFigureElement
{
public:
    explicit ICubeFigureElement(QGraphicsItem* parent = nullptr);

    IElement* clone() const override;

protected:
    void paintSolid(QPainter* painter) const override;
};
