// Base of the text elements.
#pragma once

#include "board/item/ielementimpl.h"

#include <QGraphicsTextItem>

class IAbstractGraphicsTextElement : public QGraphicsTextItem,
    public IElementImpl<IAbstractGraphicsTextElement>
{
    Q_OBJECT
public:
    explicit IAbstractGraphicsTextElement(QGraphicsItem* parent = nullptr);
    explicit IAbstractGraphicsTextElement(const QString& text, QGraphicsItem* parent = nullptr);

    // Both the element's numbered properties and QObject's named ones.
    using QGraphicsTextItem::property;
    using QGraphicsTextItem::setProperty;
    using IElementImpl<IAbstractGraphicsTextElement>::property;
    using IElementImpl<IAbstractGraphicsTextElement>::setProperty;
};

extern template class IElementImpl<IAbstractGraphicsTextElement>;
