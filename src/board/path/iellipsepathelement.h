// An ellipse drawn with the ink, inscribed in the rectangle of its two points.
#pragma once

#include "board/path/ishapepathelement.h"

class IEllipsePathElement : public IShapePathElement
{
public:
    explicit IEllipsePathElement(QGraphicsItem* parent = nullptr);

protected:
    QPainterPath outline() const override;
    QRegion area() const override;
    IFigurePathElement* newOfSameKind() const override { return new IEllipsePathElement(); }
};
