// Base of elements made of several items, such as an ink stroke.
#include "board/item/iabstractgraphicselementgroup.h"

template class IElementImpl<IAbstractGraphicsElementGroup>;

IAbstractGraphicsElementGroup::IAbstractGraphicsElementGroup(QGraphicsItem* parent)
    : QGraphicsItemGroup(parent)
{
}
