// What the text frame needs from an item it can resize by its edges.
#pragma once

#include <QSizeF>

class IResizableItem
{
public:
    virtual ~IResizableItem() = default;

    virtual void resize(double width, double height) = 0;
    void resize(const QSizeF& size) { resize(size.width(), size.height()); }
    // The size the item takes on the slide.
    virtual QSizeF size() const = 0;
};
