// The hidden group that holds the selected elements while the element frame
// moves, scales or turns them as one.
#pragma once

#include <QGraphicsItemGroup>

class FrameInternalItemGroup : public QGraphicsItemGroup
{
public:
    // Auxiliary items carry the top bit so that nothing takes them for an
    // element; the value is the 32-bit pattern 0x80010003.
    enum { Type = static_cast<int>(0x80010003u) };

    FrameInternalItemGroup();
    int type() const override { return Type; }

    // Only elements join; each keeps its place and look on the scene.
    void addToGroup(QGraphicsItem* item);
    void removeFromGroup(QGraphicsItem* item);
};
