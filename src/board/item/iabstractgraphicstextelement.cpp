// Base of the text elements.
#include "board/item/iabstractgraphicstextelement.h"

template class IElementImpl<IAbstractGraphicsTextElement>;

IAbstractGraphicsTextElement::IAbstractGraphicsTextElement(QGraphicsItem* parent)
    : QGraphicsTextItem(parent)
{
}

IAbstractGraphicsTextElement::IAbstractGraphicsTextElement(const QString& text, QGraphicsItem* parent)
    : QGraphicsTextItem(text, parent)
{
}
