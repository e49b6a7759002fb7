// A circle drawn with the ink: in the square that starts at the press and
// reaches as far as the pointer went in either direction, on the side the
// pointer went.
#pragma once

#include "board/path/ishapepathelement.h"

class ICirclePathElement : public IShapePathElement
{
public:
    explicit ICirclePathElement(QGraphicsItem* parent = nullptr);

    // The square the circle fills.
    QRectF rect() const override;

protected:
    QPainterPath outline() const override;
    QRegion area() const override;
    IFigurePathElement* newOfSameKind() const override { return new ICirclePathElement(); }
};
