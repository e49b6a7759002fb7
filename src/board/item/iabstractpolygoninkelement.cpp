// Base of the segments of an ink stroke.
#include "board/item/iabstractpolygoninkelement.h"

template class IElementImpl<IAbstractPolygonInkElement>;

IAbstractPolygonInkElement::IAbstractPolygonInkElement(QGraphicsItem* parent)
    : QGraphicsPolygonItem(parent)
{
}

IAbstractPolygonInkElement::IAbstractPolygonInkElement(const QPolygonF& polygon, QGraphicsItem* parent)
    : QGraphicsPolygonItem(polygon, parent)
{
}
