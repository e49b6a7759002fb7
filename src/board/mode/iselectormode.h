// Picks the element under the pointer and hands the drag to the frame that
// serves it: text to the slide's text frame, everything else to the element
// frame. Ctrl keeps the current selection when the press hits nothing.
#pragma once

#include "board/mode/imode.h"

#include <QList>
#include <QPointF>

class IAbstractFrame;
class QGraphicsItem;

class ISelectorMode : public IMode
{
public:
    ISelectorMode() = default;

    void devicePress(DeviceInput& input) override;
    void deviceMove(DeviceInput& input) override;
    void deviceRelease(DeviceInput& input) override;
    void activate() override;
    void cancel() override;

    // The element that owns `item`: a segment's stroke, a member's group, or
    // the item itself when it is an element; null for anything else.
    static QGraphicsItem* owningElement(QGraphicsItem* item);
    static bool isTextElement(const QGraphicsItem* item);

private:
    enum class Target { None, ElementFrame, SlideFrame };

    IAbstractFrame* slideFrame() const;
    IAbstractFrame* frameOf(Target target) const;
    // The view position in the coordinates the frame takes input in.
    QPointF framePoint(Target target, const QPointF& viewPos) const;
    QGraphicsItem* topElementAt(const QPointF& scenePos) const;
    void forward(DeviceInput& input, void (IAbstractFrame::*handler)(const QPointF&, Qt::KeyboardModifiers));

    QPointF m_pressPos;
    QPointF m_pressScenePos;
    QGraphicsItem* m_pressItem = nullptr;
    bool m_additive = false;
    bool m_onText = false;
    // Where the press went, and so where its moves and release go.
    Target m_target = Target::None;
    bool m_dragMayStart = false;
    QList<QGraphicsItem*> m_items;
};
