// Every number a board item answers to type(). Elements take user type + n;
// helper items that are not elements have the top bit set. Stored texts and
// the board's filters compare these numbers, so they never change. Some name
// kinds no class answers with yet: the filters already know them.
#pragma once

#include <QGraphicsItem>

enum ElementType : int {
    PolygonInkElementType = QGraphicsItem::UserType + 1, // one segment of an ink stroke
    InkElementType = QGraphicsItem::UserType + 2,        // a whole ink stroke
    FigureElementType = QGraphicsItem::UserType + 4,     // every figure
    // Kinds shown upright: the element frame never turns them.
    UprightElementType5 = QGraphicsItem::UserType + 5,
    UprightElementType6 = QGraphicsItem::UserType + 6,
    ElementType7 = QGraphicsItem::UserType + 7,
    ElementType8 = QGraphicsItem::UserType + 8,
    ElementType9 = QGraphicsItem::UserType + 9,
    // Text-like kinds: they go to the text frame, not the element frame.
    TextLikeElementType10 = QGraphicsItem::UserType + 10,
    TextElementType = QGraphicsItem::UserType + 11,
    TextLikeElementType12 = QGraphicsItem::UserType + 12,
    // A group of elements: a press on a member takes the group.
    GroupElementType = QGraphicsItem::UserType + 14,
    PathElementType = QGraphicsItem::UserType + 15, // every path drawing
    ElementType16 = QGraphicsItem::UserType + 16,

    // Helper items, as 32-bit patterns.
    TextElementFrameType = static_cast<int>(0x80010000u),
    TextFrameButtonType = static_cast<int>(0x80010001u),
    FrameInternalGroupType = static_cast<int>(0x80010003u),
};
