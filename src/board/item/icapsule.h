// The outline every freehand tool draws and erases with: a segment widened
// to a stadium, half circles at both ends.
#pragma once

#include <QLineF>
#include <QPolygonF>

class ICapsule
{
public:
    // The outline of `line` drawn `width` wide, flattened into a polygon. A
    // zero-length line gives a circle of diameter `width`; a width that is
    // not positive and finite gives an empty polygon.
    static QPolygonF capsulePolygon(const QLineF& line, double width);
};
