// Base of the segments of an ink stroke.
#pragma once

#include "board/item/ielementimpl.h"

#include <QGraphicsPolygonItem>

class IAbstractPolygonInkElement : public QGraphicsPolygonItem,
    public IElementImpl<IAbstractPolygonInkElement>
{
public:
    explicit IAbstractPolygonInkElement(QGraphicsItem* parent = nullptr);
    explicit IAbstractPolygonInkElement(const QPolygonF& polygon, QGraphicsItem* parent = nullptr);
};

extern template class IElementImpl<IAbstractPolygonInkElement>;
