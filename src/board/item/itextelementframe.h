// The frame around a text box on its slide: an item above every element whose
// handles move, widen and scale the text; a click on the text starts typing.
#pragma once

#include "board/item/ielementframe.h"
#include "board/item/ielementtype.h"
#include "board/item/isceneelementframe.h"
#include "board/undo/ielementstate.h"

#include <QCursor>
#include <QFont>
#include <QGraphicsRectItem>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTransform>

class ITextFrameButton;
class QGraphicsSceneContextMenuEvent;
class QGraphicsSceneMouseEvent;
class QGraphicsTextItem;
class QGraphicsView;

class ITextElementFrame : public QObject, public QGraphicsRectItem, public ISceneElementFrame
{
    Q_OBJECT
    Q_PROPERTY(bool IsScaleHandleEnabled READ isScaleHandleEnabled WRITE setScaleHandleEnabled)
    Q_PROPERTY(bool IsRotationHandleEnabled READ isRotationHandleEnabled WRITE setRotationHandleEnabled)
    Q_PROPERTY(bool IsTranslationHandleEnabled READ isTranslationHandleEnabled WRITE setTranslationHandleEnabled)
public:
    enum { Type = TextElementFrameType };
    // Frames never shrink below this, in scene units.
    static constexpr double kMinimumSize = 20.0;
    // A release nearer its press than this (scene units, both axes summed) is a click.
    static constexpr double kClickDistance = 3.0;

    explicit ITextElementFrame(QGraphicsItem* parent = nullptr);
    ~ITextElementFrame() override;

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    // The border band and the handles; the text inside stays the text's.
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    // IAbstractFrame: positions are the frame item's own, which are the scene's.
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

    // ISceneElementFrame
    QGraphicsItem* frameItem() override { return this; }
    void enterEditor() override;
    void endEditState() override;
    void setPaintSuppressed(bool suppressed) override;

    // The framed text, null when none.
    QGraphicsTextItem* textItem() const { return m_text; }
    bool isEditing() const;
    // Ends the typing; an empty element finishes showing its placeholder.
    void leaveEditor();

    virtual void lock();
    virtual void unlock();
    bool isLocked() const { return m_locked; }
    bool isSelected() const { return m_selected; }
    bool isGestureRunning() const { return m_gesture != Gesture::None; }
    // The handle with that IAbstractFrame::Handle number, or null.
    ITextFrameButton* handle(int id) const;

    bool isScaleHandleEnabled() const { return m_scaleEnabled; }
    void setScaleHandleEnabled(bool enabled) { m_scaleEnabled = enabled; }
    bool isRotationHandleEnabled() const { return m_rotationEnabled; }
    void setRotationHandleEnabled(bool enabled) { m_rotationEnabled = enabled; }
    bool isTranslationHandleEnabled() const { return m_translationEnabled; }
    void setTranslationHandleEnabled(bool enabled) { m_translationEnabled = enabled; }
    void setWidthHandlesEnabled(bool left, bool right);
    // View pixels per scene unit on the board showing the frame; 1 without one.
    double zoom() const;

signals:
    void sgSelectionChanged(bool isSelected);
    void sgTransformBeforeChanged();
    void sgTransformChanging();
    void sgTransformAfterChanged(const QSet<QGraphicsItem*>& items);
    void sgEnterTextEditor();
    void sgLeaveTextEditor();
    void sgFontChanged(const QFont& font);
    void sgForegoundChanged(const QColor& color);
    void sgBackgroundChanged(const QColor& color);
    void sgAlignmentChanged(Qt::Alignment alignment);

public slots:
    void inputMousePressEvent(QGraphicsSceneMouseEvent* event);
    void inputMouseMoveEvent(QGraphicsSceneMouseEvent* event);
    void inputMouseReleaseEvent(QGraphicsSceneMouseEvent* event);
    void onDocumentSizeChanged();
    void onCursorPositionChanged();

protected:
    virtual QGraphicsView* boardView() const;
    // The frame's place on the board changed; pop-ups follow it.
    virtual void frameGeometryChanged() {}
    virtual void frameVisibilityChanged(bool visible) { Q_UNUSED(visible) }
    // The frame took another text, or let go of its text (null).
    virtual void framedItemChanged() {}
    // A right click on the framed text while it is not being typed into.
    virtual bool showContextMenuAt(const QPoint& screenPos);
    // On-screen size of the lock indicator, in pixels.
    virtual QSizeF lockIndicatorSize() const;
    // Which handles the lock state and the framed text allow.
    void applyHandleVisibility();

    bool eventFilter(QObject* watched, QEvent* event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    enum class Gesture { None, Body, Translate, Scale, LeftWidth, RightWidth, Lock };

    void createHandles();
    void loadPictures();
    void setHandlesOpacity(double opacity);
    void layoutHandles();
    void queueRefresh();
    void moveOnTo(QGraphicsTextItem* text);
    void updateCursors();
    void focusText();
    void enterEditorAt(const QPointF& scenePos);
    void reportFormat();
    void onItemEndEdit();

    Gesture gestureFor(int handle) const;
    void press(int handle, const QPointF& scenePos);
    void move(const QPointF& scenePos);
    void release(const QPointF& scenePos);
    void beginTransform();
    void endTransform();
    void scaleBy(const QPointF& delta);
    void widenBy(const QPointF& delta);
    QRectF handleRect(int id) const;

    bool scenePress(QGraphicsSceneMouseEvent* event);
    bool sceneContextMenu(QGraphicsSceneContextMenuEvent* event);
    QGraphicsItem* topItemAt(const QPointF& scenePos, QWidget* viewport) const;

    // Undo steps of what the frame does to its text: a drag, a lock, and
    // everything typed and styled between entering and leaving the editor.
    void recordChange(QGraphicsTextItem* text, const IElementState& before);
    void beginEdit();
    void endEdit(QGraphicsTextItem* text);

    QPointer<QGraphicsTextItem> m_text;
    ITextFrameButton* m_handles[11] = {};
    QSizeF m_handleSize{12, 12};
    QSizeF m_lockSize{12, 12};
    Gesture m_gesture = Gesture::None;
    int m_handle = NoHandle;
    QPointF m_pressPos;
    QPointF m_lastPos;
    bool m_dragStarted = false;
    bool m_transforming = false;
    bool m_pinching = false;
    bool m_locked = false;
    bool m_selected = false;
    bool m_scaleEnabled = true;
    bool m_rotationEnabled = true;
    bool m_translationEnabled = true;
    bool m_leftWidthEnabled = true;
    bool m_rightWidthEnabled = true;
    bool m_redrawEnabled = true;
    bool m_paintSuppressed = false;
    bool m_leaving = false;
    bool m_refreshQueued = false;
    QCursor m_savedCursor;
    bool m_hadCursor = false;
    QHash<QGraphicsItem*, QTransform> m_snapshot;
    IElementState m_transformBefore;
    IElementState m_editBefore;
    // The text m_editBefore was taken of; null while nothing is typed.
    QPointer<QGraphicsTextItem> m_editedText;
    QPointer<QGraphicsScene> m_filteredScene;
    // The view transform the frame was last painted with.
    QTransform m_paintedTransform;
    double m_layoutZoom = 1.0;
};
