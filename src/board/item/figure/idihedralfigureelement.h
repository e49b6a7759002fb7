// A dihedral angle: two half-planes meeting at an upright edge.
#pragma once

#include "board/item/figure/isolidfigureelement.h"

class IDihedralFigureElement : public ISolidFigureElement
{
public:
    explicit IDihedralFigureElement(QGraphicsItem* parent = nullptr);

    IElement* clone() const override;

protected:
    void paintSolid(QPainter* painter) const override;
};
