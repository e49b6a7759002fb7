// Base of elements drawn with a pen and a brush: the figures.
#pragma once

#include "board/item/ielementimpl.h"

#include <QAbstractGraphicsShapeItem>

class IAbstractGraphicsShapeElement : public QAbstractGraphicsShapeItem,
    public IElementImpl<IAbstractGraphicsShapeElement>
{
public:
    explicit IAbstractGraphicsShapeElement(QGraphicsItem* parent = nullptr);
};

extern template class IElementImpl<IAbstractGraphicsShapeElement>;
