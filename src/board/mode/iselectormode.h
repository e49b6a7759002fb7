// Picks the element under the pointer and hands the drag to the frame that
// serves it: text to the slide's text frame, everything else to the element
// frame. Ctrl keeps the current selection when the press hits nothing.
#pragma once

#include "board/mode/iselectorbasemode.h"

#include <QList>
#include <QPointF>

class QGraphicsItem;

class ISelectorMode : public ISelectorBaseMode
{
public:
    ISelectorMode() = default;

    void devicePress(DeviceInput& input) override;
    void deviceMove(DeviceInput& input) override;
    void deviceRelease(DeviceInput& input) override;
    void cancel() override;

private:
    QPointF m_pressScenePos;
    QGraphicsItem* m_pressItem = nullptr;
    bool m_additive = false;
    bool m_onText = false;
    bool m_dragMayStart = false;
    QList<QGraphicsItem*> m_items;
};
