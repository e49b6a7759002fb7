// Base of elements made of several items, such as an ink stroke.
#pragma once

#include "board/item/ielementimpl.h"

#include <QGraphicsItemGroup>

class IAbstractGraphicsElementGroup : public QGraphicsItemGroup,
    public IElementImpl<IAbstractGraphicsElementGroup>
{
public:
    explicit IAbstractGraphicsElementGroup(QGraphicsItem* parent = nullptr);
};

extern template class IElementImpl<IAbstractGraphicsElementGroup>;
