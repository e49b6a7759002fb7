// The common part of IElement, mixed into a Qt graphics item class: the
// element's id, z order and lock live in the item's data store.
#pragma once

#include "board/item/ielement.h"

#include <QDebug>
#include <QGraphicsItem>

#include <cmath>

// Kind is the abstract element kind that derives from a Qt item class first
// and from IElementImpl<Kind> second.
template <typename Kind>
class IElementImpl : public IElement
{
public:
    void setElementId(const QString& id) override;
    void setZOrder(double z) override;
    double zOrder() const override;
    void setLocked(bool locked) override;
    bool isLocked() const override;
    void setProperty(int key, const QVariant& value) override;
    QVariant property(int key) const override;
    // Only onto an element of the same kind; anything else is left alone.
    void copyItemParameters(IElement* target) const override;

protected:
    // Where the values live in the item's data store. Ink strokes and figures
    // have always used their own keys and also move the item with the z order.
    struct DataLayout
    {
        int id;
        int zOrder;
        int locked;
        bool zOrderMovesItem;
    };
    static constexpr DataLayout kElementLayout{1, 25, 24, false};
    static constexpr DataLayout kInkAndFigureLayout{0, 1, 3, true};

    // Values already stored move to the new keys.
    void setDataLayout(const DataLayout& layout);

private:
    // A number for a z order or a position, or nothing: "nan" or "inf" would
    // make the element vanish while it stays on its slide.
    static bool finiteNumber(const QVariant& value, double* number);

    Kind* item() { return static_cast<Kind*>(this); }
    const Kind* item() const { return static_cast<const Kind*>(this); }

    DataLayout m_layout = kElementLayout;
};

template <typename Kind>
void IElementImpl<Kind>::setElementId(const QString& id)
{
    IElement::setElementId(id);
    item()->setData(m_layout.id, id);
}

template <typename Kind>
void IElementImpl<Kind>::setZOrder(double z)
{
    if (!std::isfinite(z))
        return;
    item()->setData(m_layout.zOrder, z);
    if (m_layout.zOrderMovesItem)
        item()->setZValue(z);
}

template <typename Kind>
double IElementImpl<Kind>::zOrder() const
{
    return item()->data(m_layout.zOrder).toDouble();
}

template <typename Kind>
void IElementImpl<Kind>::setLocked(bool locked)
{
    item()->setData(m_layout.locked, locked);
}

template <typename Kind>
bool IElementImpl<Kind>::isLocked() const
{
    return item()->data(m_layout.locked).toBool();
}

template <typename Kind>
bool IElementImpl<Kind>::finiteNumber(const QVariant& value, double* number)
{
    // An unreadable number still reads as 0, as it always has.
    *number = value.toDouble();
    return std::isfinite(*number);
}

template <typename Kind>
void IElementImpl<Kind>::setProperty(int key, const QVariant& value)
{
    double number = 0;
    switch (key) {
    case TypeKey:
        break;
    case IdKey:
        setElementId(value.toString());
        break;
    case LockedKey:
        setLocked(value.toBool());
        break;
    case ZOrderKey:
        if (finiteNumber(value, &number)) {
            setZOrder(number);
            item()->setZValue(number);
        }
        break;
    case MatrixKey:
        item()->setTransform(matrixFromText(value.toString()));
        break;
    case PosXKey:
        if (finiteNumber(value, &number))
            item()->setPos(number, item()->pos().y());
        break;
    case PosYKey:
        if (finiteNumber(value, &number))
            item()->setPos(item()->pos().x(), number);
        break;
    case ResourceFileKey:
        setResourceFile(value.toString());
        break;
    case ResourceNameKey:
        setResourceName(value.toString());
        break;
    case UserNumberKey:
        setUserNumber(value.toInt());
        break;
    case UserValueKey:
        setUserValue(value);
        break;
    default:
        IElement::setProperty(key, value);
    }
}

template <typename Kind>
QVariant IElementImpl<Kind>::property(int key) const
{
    switch (key) {
    case TypeKey:
        return item()->type();
    case IdKey:
        return elementId();
    case LockedKey:
        return isLocked();
    case ZOrderKey:
        return zOrder();
    case MatrixKey:
        // The item's own matrix, as written: the position is keys 27 and 28,
        // so a scene matrix here would count it twice when read back.
        return matrixText(item()->transform());
    case PosXKey:
        return item()->pos().x();
    case PosYKey:
        return item()->pos().y();
    case ResourceFileKey:
        return resourceFile();
    case ResourceNameKey:
        return resourceName();
    case UserNumberKey:
        return userNumber();
    case UserValueKey:
        return userValue();
    default:
        return IElement::property(key);
    }
}

template <typename Kind>
void IElementImpl<Kind>::copyItemParameters(IElement* target) const
{
    Kind* other = dynamic_cast<Kind*>(target);
    if (!other)
        return;
    other->setZOrder(zOrder());
    other->setLocked(isLocked());
    qDebug() << "copyItemParameters - pos(): " << item()->pos() << item()->transform();
    other->setPos(item()->pos());
    other->setTransform(item()->transform());
    IElement::copyItemParameters(target);
}

template <typename Kind>
void IElementImpl<Kind>::setDataLayout(const DataLayout& layout)
{
    Kind* self = item();
    const QVariant id = self->data(m_layout.id);
    const QVariant z = self->data(m_layout.zOrder);
    const QVariant locked = self->data(m_layout.locked);
    for (int key : {m_layout.id, m_layout.zOrder, m_layout.locked})
        self->setData(key, QVariant());
    m_layout = layout;
    self->setData(m_layout.id, id);
    self->setData(m_layout.zOrder, z);
    self->setData(m_layout.locked, locked);
    if (m_layout.zOrderMovesItem && z.isValid())
        self->setZValue(z.toDouble());
}
