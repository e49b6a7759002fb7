// The selection frame of graphic elements: a transparent widget over the board
// view whose handles move, scale and turn the selected elements.
#pragma once

#include "board/item/iabstractframe.h"
#include "board/undo/ielementstate.h"

#include <QCursor>
#include <QHash>
#include <QList>
#include <QPair>
#include <QPoint>
#include <QSet>
#include <QTransform>
#include <QWidget>

class FrameInternalItemGroup;
class IElement;
class IElementState;
class QGraphicsScene;
class QGraphicsView;

// Records for hosts that report transforms in detail; nothing here fills them.
struct TransformStartedParamter
{
    QList<QGraphicsItem*> items;
};

struct TransformDeltaParamter
{
    QTransform delta;
};

struct TransformCompletedParamter
{
    QList<QGraphicsItem*> items;
};

Q_DECLARE_METATYPE(QSet<QGraphicsItem*>)

class IElementFrame : public QWidget, public IAbstractFrame
{
    Q_OBJECT
    Q_PROPERTY(bool IsScaleHandleEnabled READ isScaleHandleEnabled WRITE setScaleHandleEnabled)
    Q_PROPERTY(bool IsRotationHandleEnabled READ isRotationHandleEnabled WRITE setRotationHandleEnabled)
    Q_PROPERTY(bool IsTranslationHandleEnabled READ isTranslationHandleEnabled WRITE setTranslationHandleEnabled)
public:
    // Frames never shrink below this, in view pixels.
    static constexpr double kMinimumSize = 20.0;

    explicit IElementFrame(QWidget* parent = nullptr);
    ~IElementFrame() override;

    using QWidget::setGeometry;

    void refreshFrame() override;
    void setGeometry(const QPointF& topLeft, const QSizeF& size) override;
    QSizeF frameSize() const override;
    QPointF topLeft() const override;
    void setTopLeft(const QPointF& topLeft) override;
    void setFrameSize(double width, double height) override;
    void paintFrame(QPainter* painter) override;
    void paintExtras(QPainter* painter) override;
    void setFrameVisible(bool visible) override;
    void setSelection(const QList<QGraphicsItem*>& items, bool visible) override;
    void setItems(const QList<QGraphicsItem*>& items) override;
    QList<QGraphicsItem*> items() const override;
    void clearSelection(bool update) override;
    bool ownsGroup(const QGraphicsItem* item) const override;
    void inputMousePress(const QPointF& pos, Qt::KeyboardModifiers modifiers) override;
    void inputMouseMove(const QPointF& pos, Qt::KeyboardModifiers modifiers) override;
    void inputMouseRelease(const QPointF& pos, Qt::KeyboardModifiers modifiers) override;
    QWidget* frameWidget() override;
    int handleAt(const QPointF& pos) const override;
    void setHandleSize(const QSizeF& size) override;
    QRectF topLeftHandleRect() const override;
    QRectF topRightHandleRect() const override;
    QRectF bottomLeftHandleRect() const override;
    QRectF bottomRightHandleRect() const override;
    QRectF leftEdgeHandleRect() const override;
    QRectF topEdgeHandleRect() const override;
    QRectF rightEdgeHandleRect() const override;
    QRectF bottomEdgeHandleRect() const override;
    void setSelected(bool selected) override;
    bool gestureEvent(QGestureEvent* event) override;
    double handleExtent() const override;
    double frameMargin() const override;
    bool scaleHandlesShown() const override;
    bool isRedrawEnabled() const override;
    void setRedrawEnabled(bool enabled, bool updateNow) override;

    // Scene rectangle to a rectangle in the parent widget's coordinates, after
    // the view's zoom and quarter-turn rotation.
    virtual QRectF frameRectForView(const QRectF& sceneRect) const;
    virtual void lockSelection(bool notify);
    virtual void unlockSelection(bool notify);
    virtual QRectF lockButtonRect() const;
    virtual QRectF rotationHandleRect() const;
    virtual QCursor cursorAt(const QPointF& pos) const;

    bool isScaleHandleEnabled() const { return m_scaleEnabled; }
    void setScaleHandleEnabled(bool enabled) { m_scaleEnabled = enabled; }
    bool isRotationHandleEnabled() const { return m_rotationEnabled; }
    void setRotationHandleEnabled(bool enabled) { m_rotationEnabled = enabled; }
    bool isTranslationHandleEnabled() const { return m_translationEnabled; }
    void setTranslationHandleEnabled(bool enabled) { m_translationEnabled = enabled; }

    bool isSelected() const { return m_selected; }
    bool isLocked() const { return m_locked; }
    bool isDragging() const { return m_dragging; }
    QSizeF handleSize() const { return m_handleSize; }
    // The rectangle around the selection, in the frame widget's coordinates.
    QRectF contentRect() const;
    // Whether the handle reacts for the current selection.
    bool isHandleEnabled(int handle) const;
    // The group holding the selected items of that scene, made on first use.
    FrameInternalItemGroup* groupFor(QGraphicsScene* scene);

signals:
    void selectionChanged(bool isSelected);
    void transformStarted(TransformStartedParamter* value);
    void transformDelta(TransformDeltaParamter* value);
    void transformCompleted(TransformCompletedParamter* value);
    void transformBeforeChanged();
    void transformChanging();
    void transformAfterChanged(const QSet<QGraphicsItem*>& items);

protected:
    // Space between the handle band and the content on each side; subclasses
    // widen it for the pictures they draw.
    struct Insets
    {
        double left;
        double top;
        double right;
        double bottom;
    };
    void setInsets(const Insets& insets);
    Insets insets() const { return m_insets; }

    // Draws one handle; the plain frame uses simple squares.
    virtual void paintHandle(QPainter* painter, int handle, const QRectF& rect);
    void repaintFrame();

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QGraphicsView* boardView() const;
    // Scene to parent-widget coordinates, or identity with ok false without a board.
    QTransform sceneToParent(bool* ok) const;
    FrameInternalItemGroup* currentGroup() const;
    void gatherItems();
    void releaseItems();
    void layoutHandles();
    void placeWidget();
    void beginTransform();
    void endTransform();
    // Applies an operation given in parent-widget coordinates to the group,
    // on top of the group's transform at the start of the transform.
    void applyParentOperation(const QTransform& op);
    void applyGroupSceneTransform(const QTransform& sceneTransform);
    void scaleBy(const QPoint& delta);
    void rotateBy(const QPoint& current);
    void translateBy(const QPoint& delta);
    bool takeOutUnturnable();
    void putBackUnturnable();
    void relayout();
    void resetGroups();
    void updateOnRelease();
    void placeAround(const QRectF& sceneRect);
    static bool isUnturnable(const QGraphicsItem* item);
    // The selected elements' states, for an undo step of what the frame does to them.
    QList<QPair<IElement*, IElementState>> selectedStates() const;
    void recordChange(const QList<QPair<IElement*, IElementState>>& before);

    QSizeF m_handleSize{12, 12};
    QPointF m_contentTopLeft;
    QSizeF m_contentSize{kMinimumSize, kMinimumSize};
    Insets m_insets;
    QRectF m_handleRects[11];
    bool m_selected = false;
    bool m_dragging = false;
    bool m_scaling = false;
    bool m_rotating = false;
    bool m_translating = false;
    int m_handle = NoHandle;
    QPoint m_pressPos;
    QPoint m_lastPos;
    QHash<QGraphicsScene*, FrameInternalItemGroup*> m_groups;
    QList<QGraphicsItem*> m_items;
    QGraphicsScene* m_scene = nullptr;
    QList<QGraphicsItem*> m_turnedOut;
    bool m_locked = false;
    bool m_scaleEnabled = true;
    bool m_rotationEnabled = true;
    bool m_translationEnabled = true;
    bool m_transformPending = false;
    bool m_transforming = false;
    bool m_redrawEnabled = true;
    QTransform m_groupStartTransform;
    QHash<QGraphicsItem*, QTransform> m_itemStartTransforms;
    QList<QPair<IElement*, IElementState>> m_statesBefore;
    // Taken at the press, in parent-widget coordinates.
    QRectF m_startContent;
    QRectF m_startGroupRect;
    QPoint m_startWidgetPos;
    QPointF m_rotationCentre;
};
