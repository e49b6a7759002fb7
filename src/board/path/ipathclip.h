// Path drawings made with the keyboard or with a shape that can reach past the
// pointer keep only what the board showed when they were made, as a pen
// stroke only ever covers the board it was drawn on.
#pragma once

#include <QRegion>

class IBoard;
class IPathElement;
class QGraphicsItem;

class IPathClip
{
public:
    // What `board` shows of its scene, in `item`'s coordinates.
    static QRegion visibleRegion(const IBoard* board, const QGraphicsItem* item);
    // Erases what of the element lies outside `keep` (element coordinates).
    // True when nothing of it is left.
    static bool keepOnly(IPathElement* element, const QRegion& keep);
};
