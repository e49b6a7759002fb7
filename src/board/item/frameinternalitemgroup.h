// The hidden group that holds the selected elements while the element frame
// moves, scales or turns them as one.
#pragma once

#include "board/item/ielementtype.h"

#include <QGraphicsItemGroup>

class FrameInternalItemGroup : public QGraphicsItemGroup
{
public:
    // Not an element: the top bit is set.
    enum { Type = FrameInternalGroupType };

    FrameInternalItemGroup();
    int type() const override { return Type; }

    // Only elements join; each keeps its place and look on the scene.
    void addToGroup(QGraphicsItem* item);
    void removeFromGroup(QGraphicsItem* item);
};
