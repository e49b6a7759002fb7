// Base of the path drawings.
#include "board/item/iabstractpathelement.h"

template class IElementImpl<IAbstractPathElement>;

IAbstractPathElement::IAbstractPathElement(QGraphicsItem* parent)
    : QGraphicsPathItem(parent)
{
}

IAbstractPathElement::IAbstractPathElement(const QPainterPath& path, QGraphicsItem* parent)
    : QGraphicsPathItem(path, parent)
{
}
