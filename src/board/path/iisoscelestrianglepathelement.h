// An isosceles triangle drawn with the ink: its apex on the press's side,
// midway across, its base on the pointer's side, so that a triangle dragged
// upward stands on its head.
#pragma once

#include "board/path/ishapepathelement.h"

class IIsoscelesTrianglePathElement : public IShapePathElement
{
public:
    explicit IIsoscelesTrianglePathElement(QGraphicsItem* parent = nullptr);

protected:
    QPainterPath outline() const override;
    QRegion area() const override;
    IFigurePathElement* newOfSameKind() const override { return new IIsoscelesTrianglePathElement(); }
};
