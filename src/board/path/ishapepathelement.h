// Base of the closed ink figures (circle, ellipse, rectangle, isosceles
// triangle): outlined in the opaque draw colour and filled with the second
// colour at the element's alpha, inside a rectangle given by two corners.
#pragma once

#include "board/path/ifigurepathelement.h"

#include <QRectF>

class IShapePathElement : public IFigurePathElement
{
public:
    using IFigurePathElement::IFigurePathElement;

    // The figure's rectangle with these corners: the points become them.
    virtual void setRect(const QPointF& topLeft, const QPointF& bottomRight);
    // Where the figure lies; the rectangle of the two points unless a kind
    // says otherwise. Never of negative size.
    virtual QRectF rect() const;

    // The points become the top-left and bottom-right corners of rect().
    void normalise();

protected:
    // rect() widened by the width on every side: room for the outline.
    QRectF paintRect() const;
    void applyLook() override;
};
