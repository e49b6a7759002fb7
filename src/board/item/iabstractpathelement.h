// Base of the path drawings.
#pragma once

#include "board/item/ielementimpl.h"

#include <QGraphicsPathItem>

class IAbstractPathElement : public QGraphicsPathItem,
    public IElementImpl<IAbstractPathElement>
{
public:
    explicit IAbstractPathElement(QGraphicsItem* parent = nullptr);
    explicit IAbstractPathElement(const QPainterPath& path, QGraphicsItem* parent = nullptr);
};

extern template class IElementImpl<IAbstractPathElement>;
