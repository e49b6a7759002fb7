// The interface every selection frame on the board offers, so that the board
// and its selector can drive element frames and text frames alike.
#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <Qt>

class QGestureEvent;
class QGraphicsItem;
class QPainter;
class QWidget;

class IAbstractFrame
{
public:
    // Results of the hit test; the numbers are shared with the text frames.
    enum Handle : int {
        NoHandle = 0,
        LockHandle = 1,
        RotationHandle = 2,
        TopLeftHandle = 3,
        TopHandle = 4,
        TopRightHandle = 5,
        RightHandle = 6,
        BottomRightHandle = 7,
        BottomHandle = 8,
        BottomLeftHandle = 9,
        LeftHandle = 10,
    };

    virtual ~IAbstractFrame() = default;

    virtual void refreshFrame() = 0;
    virtual void setGeometry(const QPointF& topLeft, const QSizeF& size) = 0;
    virtual QSizeF frameSize() const = 0;
    virtual QPointF topLeft() const = 0;
    virtual void setTopLeft(const QPointF& topLeft) = 0;
    virtual void setFrameSize(double width, double height) = 0;
    virtual void paintFrame(QPainter* painter) = 0;
    virtual void paintExtras(QPainter* painter) = 0;
    virtual void setFrameVisible(bool visible) = 0;
    virtual void setSelection(const QList<QGraphicsItem*>& items, bool visible) = 0;
    virtual void setItems(const QList<QGraphicsItem*>& items) = 0;
    virtual QList<QGraphicsItem*> items() const = 0;
    virtual void clearSelection(bool update) = 0;
    virtual bool ownsGroup(const QGraphicsItem* item) const = 0;
    // Positions are in the frame widget's own coordinates.
    virtual void inputMousePress(const QPointF& pos, Qt::KeyboardModifiers modifiers) = 0;
    virtual void inputMouseMove(const QPointF& pos, Qt::KeyboardModifiers modifiers) = 0;
    virtual void inputMouseRelease(const QPointF& pos, Qt::KeyboardModifiers modifiers) = 0;
    virtual QWidget* frameWidget() = 0;
    virtual int handleAt(const QPointF& pos) const = 0;
    virtual void setHandleSize(const QSizeF& size) = 0;
    virtual QRectF topLeftHandleRect() const = 0;
    virtual QRectF topRightHandleRect() const = 0;
    virtual QRectF bottomLeftHandleRect() const = 0;
    virtual QRectF bottomRightHandleRect() const = 0;
    virtual QRectF leftEdgeHandleRect() const = 0;
    virtual QRectF topEdgeHandleRect() const = 0;
    virtual QRectF rightEdgeHandleRect() const = 0;
    virtual QRectF bottomEdgeHandleRect() const = 0;
    virtual void setSelected(bool selected) = 0;
    virtual bool gestureEvent(QGestureEvent* event) = 0;
    virtual double handleExtent() const = 0;
    virtual double frameMargin() const = 0;
    virtual bool scaleHandlesShown() const = 0;
    virtual bool isRedrawEnabled() const = 0;
    virtual void setRedrawEnabled(bool enabled, bool updateNow) = 0;
};
