// A ball: a red sphere with its equator, the far half dashed.
#pragma once

#include "board/item/figure/isolidfigureelement.h"

class IBallFigureElement : public ISolidFigureElement
{
public:
    explicit IBallFigureElement(QGraphicsItem* parent = nullptr);

    IElement* clone() const override;

protected:
    void paintSolid(QPainter* painter) const override;
    // The disc's square, as wide as the rectangle's longer side.
    QRectF figureRect() const override;
};
