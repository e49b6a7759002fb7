// What the board's selectors share: finding the element under a press and
// handing the press, its moves and its release to the frame that serves it
// (the element frame, a widget over the view, or the slide's text frame, an
// item in the scene), each in that frame's own coordinates.
#pragma once

#include "board/mode/imode.h"

#include <QPointF>
#include <Qt>

class IAbstractFrame;
class QGraphicsItem;

class ISelectorBaseMode : public IMode
{
public:
    ISelectorBaseMode() = default;

    // The arrow.
    void activate() override;
    // Ends a drag under way where it got to.
    void cancel() override;

    // The element that owns `item`: a segment's stroke, a member's group, or
    // the item itself when it is an element; null for anything else.
    static QGraphicsItem* owningElement(QGraphicsItem* item);
    static bool isTextElement(const QGraphicsItem* item);
    static Qt::KeyboardModifiers modifiersOf(const DeviceInput& input);

protected:
    enum class Target { None, ElementFrame, SlideFrame };

    // The current slide's text frame, or null while it has none.
    IAbstractFrame* slideFrame() const;
    IAbstractFrame* frameOf(Target target) const;
    // The view position in the coordinates the frame takes input in.
    QPointF framePoint(Target target, const QPointF& viewPos) const;
    // The topmost visible item at `scenePos` other than the camera picture.
    QGraphicsItem* topItemAt(const QPointF& scenePos) const;
    // True when `item` is the slide's text frame or one of its parts.
    bool isSlideFrameItem(const QGraphicsItem* item) const;

    // From here on the gesture goes to `target`, beginning with this press.
    void pressFrame(Target target, const DeviceInput& input);
    void moveFrame(const DeviceInput& input);
    // The release goes where the press went; then the gesture is over.
    void releaseFrame(const DeviceInput& input);
    Target target() const { return m_target; }
    // Forgets where an earlier gesture went, before a new press.
    void dropTarget() { m_target = Target::None; }

private:
    void forward(Target target, const QPointF& viewPos, Qt::KeyboardModifiers modifiers,
                 void (IAbstractFrame::*handler)(const QPointF&, Qt::KeyboardModifiers)) const;

    Target m_target = Target::None;
    QPointF m_pressPos;
};
