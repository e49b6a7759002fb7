// The hidden group that holds the selected elements while they are transformed.
#include "board/item/frameinternalitemgroup.h"

#include "board/item/ielement.h"

#include <QDebug>

FrameInternalItemGroup::FrameInternalItemGroup()
    : QGraphicsItemGroup(nullptr)
{
}

void FrameInternalItemGroup::addToGroup(QGraphicsItem* item)
{
    if (!item) {
        qWarning("GroupElement::addToGroup: cannot add null item");
        return;
    }
    if (item == this) {
        qWarning("GroupElement::addToGroup: cannot add a group to itself");
        return;
    }
    if (!dynamic_cast<IElement*>(item)) {
        qWarning("GroupElement::addToGroup: cannot add item which is derived from IElement");
        return;
    }
    bool ok = false;
    item->itemTransform(this, &ok);
    if (!ok) {
        qWarning("GroupElement::addToGroup: could not find a valid transformation from item to group coordinates");
        return;
    }
    QGraphicsItemGroup::addToGroup(item);
}

void FrameInternalItemGroup::removeFromGroup(QGraphicsItem* item)
{
    if (!item) {
        qDebug("can't specify the item because of the null pointer");
        return;
    }
    if (!dynamic_cast<IElement*>(item)) {
        qDebug("GroupElement::removeFromGroup: cannot add item which is derived from IElement");
        return;
    }
    if (item->parentItem() != this)
        return;
    QGraphicsItemGroup::removeFromGroup(item);
}
