// A rectangle drawn with the ink, between its two points.
#pragma once

#include "board/path/ishapepathelement.h"

class IRectanglePathElement : public IShapePathElement
{
public:
    explicit IRectanglePathElement(QGraphicsItem* parent = nullptr);

protected:
    QPainterPath outline() const override;
    QRegion area() const override;
    IFigurePathElement* newOfSameKind() const override { return new IRectanglePathElement(); }
};
