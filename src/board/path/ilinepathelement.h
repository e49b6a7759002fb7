// A straight line drawn with the ink: the stadium of its width from the start
// to the end, filled in the draw colour at the element's alpha.
#pragma once

#include "board/path/ifigurepathelement.h"

class ILinePathElement : public IFigurePathElement
{
public:
    explicit ILinePathElement(QGraphicsItem* parent = nullptr);

    // No length: a click drew it.
    bool isEmpty() const;

protected:
    QPainterPath outline() const override;
    QRegion area() const override;
    void applyLook() override;
    IFigurePathElement* newOfSameKind() const override { return new ILinePathElement(); }
};
