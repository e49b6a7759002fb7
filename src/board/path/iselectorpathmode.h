// The board's selector (tool 1): a press on a drawing (a path, a figure, an ink
// stroke) frames it and drags it at once; a press on a text box hands it to the slide's text frame; a
// press on anything else puts the selection away, and the board pans the
// view instead.
#pragma once

#include "board/mode/iselectorbasemode.h"

class QGraphicsItem;

class ISelectorPathMode : public ISelectorBaseMode
{
public:
    ISelectorPathMode() = default;

    void devicePress(DeviceInput& input) override;
    void deviceMove(DeviceInput& input) override;
    void deviceRelease(DeviceInput& input) override;
    // Puts the selection away, from both frames.
    void deactivate() override;
    void cancel() override;

    // The element the last press went to, null between gestures.
    QGraphicsItem* pressedItem() const { return m_pressItem; }
    // True from a press on a drawing to its release.
    bool isDragging() const { return m_dragging; }

private:
    void pressPath(QGraphicsItem* element, const DeviceInput& input);
    void pressText(QGraphicsItem* element, const DeviceInput& input);

    QGraphicsItem* m_pressItem = nullptr;
    bool m_dragging = false;
};
