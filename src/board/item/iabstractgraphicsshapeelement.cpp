// Base of elements drawn with a pen and a brush: the figures.
#include "board/item/iabstractgraphicsshapeelement.h"

template class IElementImpl<IAbstractGraphicsShapeElement>;

IAbstractGraphicsShapeElement::IAbstractGraphicsShapeElement(QGraphicsItem* parent)
    : QAbstractGraphicsShapeItem(parent)
{
}
