// What a drawn line may carry at either end: a dot or an arrowhead, as a
// closed outline to be filled and outlined in the line's colour.
#pragma once

#include <QPainterPath>
#include <QPointF>

class ILineEnd
{
public:
    enum Type : int { None = 0, Dot = 1, Arrow = 2 };

    // The decoration at `at`, the end of a line that arrives there at
    // `angleDegrees` (counter-clockwise, as QLineF counts) and is `penWidth`
    // wide. An arrow at the start points backwards, away from the line.
    static QPainterPath outline(Type type, bool atStart, const QPointF& at, double angleDegrees, int penWidth);
};
