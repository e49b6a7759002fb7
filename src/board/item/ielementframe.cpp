// The selection frame of graphic elements.
#include "board/item/ielementframe.h"

#include "board/item/frameinternalitemgroup.h"
#include "board/item/ielement.h"
#include "board/islide.h"
#include "board/undo/ielementstatecommand.h"
#include "board/undo/islidehistory.h"

#include <QDebug>
#include <QGestureEvent>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QPainter>
#include <QPinchGesture>
#include <QtMath>

#include <algorithm>
#include <utility>
#include <cmath>

namespace {

constexpr double kHandleExtent = 12.0;
constexpr double kFrameMargin = 10.0;
// A pinch step larger than this is a misread finger, not a turn.
constexpr double kRotationJump = 20.0;
const QColor kAccent(0x1e, 0x78, 0xd7);

bool isCornerHandle(int handle)
{
    return handle == IAbstractFrame::TopLeftHandle || handle == IAbstractFrame::TopRightHandle
        || handle == IAbstractFrame::BottomRightHandle || handle == IAbstractFrame::BottomLeftHandle;
}

bool movesLeftSide(int handle)
{
    return handle == IAbstractFrame::TopLeftHandle || handle == IAbstractFrame::LeftHandle
        || handle == IAbstractFrame::BottomLeftHandle;
}

bool movesRightSide(int handle)
{
    return handle == IAbstractFrame::TopRightHandle || handle == IAbstractFrame::RightHandle
        || handle == IAbstractFrame::BottomRightHandle;
}

bool movesTopSide(int handle)
{
    return handle == IAbstractFrame::TopLeftHandle || handle == IAbstractFrame::TopHandle
        || handle == IAbstractFrame::TopRightHandle;
}

bool movesBottomSide(int handle)
{
    return handle == IAbstractFrame::BottomLeftHandle || handle == IAbstractFrame::BottomHandle
        || handle == IAbstractFrame::BottomRightHandle;
}

// The point of the rectangle that stays put while the handle is dragged.
QPointF oppositePoint(const QRectF& r, int handle)
{
    const double x = movesLeftSide(handle) ? r.right() : movesRightSide(handle) ? r.left() : r.center().x();
    const double y = movesTopSide(handle) ? r.bottom() : movesBottomSide(handle) ? r.top() : r.center().y();
    return {x, y};
}

QRectF squareAround(const QPointF& centre, const QSizeF& size)
{
    const int halfW = int(size.width()) / 2;
    const int halfH = int(size.height()) / 2;
    return QRectF(centre.x() - halfW, centre.y() - halfH, size.width(), size.height());
}

QRectF unitedSceneRect(const QList<QGraphicsItem*>& items)
{
    QRectF rect;
    for (const QGraphicsItem* item : items)
        rect |= item->sceneBoundingRect();
    return rect;
}

QTransform aroundPoint(const QPointF& p, const QTransform& op)
{
    return QTransform::fromTranslate(-p.x(), -p.y()) * op * QTransform::fromTranslate(p.x(), p.y());
}

} // namespace

IElementFrame::IElementFrame(QWidget* parent)
    : QWidget(parent)
    , m_insets{kFrameMargin, kFrameMargin, kFrameMargin, kFrameMargin}
{
    qRegisterMetaType<QSet<QGraphicsItem*>>();
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
    grabGesture(Qt::PinchGesture);
    setFrameSize(kMinimumSize, kMinimumSize);
    hide();
}

IElementFrame::~IElementFrame()
{
    // The groups belong to their scenes; give the elements back before leaving.
    releaseItems();
    for (auto it = m_groups.begin(); it != m_groups.end(); ++it)
        delete it.value();
}

void IElementFrame::refreshFrame()
{
}

void IElementFrame::setGeometry(const QPointF& topLeft, const QSizeF& size)
{
    setTopLeft(topLeft);
    setFrameSize(size.width(), size.height());
}

QSizeF IElementFrame::frameSize() const
{
    return m_contentSize + QSizeF(2 * kFrameMargin, 2 * kFrameMargin);
}

QPointF IElementFrame::topLeft() const
{
    return m_contentTopLeft;
}

void IElementFrame::setTopLeft(const QPointF& topLeft)
{
    m_contentTopLeft = topLeft;
    placeWidget();
}

void IElementFrame::setFrameSize(double width, double height)
{
    // Too small to grab: grow around the centre so the frame stays on the element.
    if (width < kMinimumSize) {
        m_contentTopLeft.rx() -= (kMinimumSize - width) / 2;
        width = kMinimumSize;
    }
    if (height < kMinimumSize) {
        m_contentTopLeft.ry() -= (kMinimumSize - height) / 2;
        height = kMinimumSize;
    }
    m_contentSize = QSizeF(width, height);
    placeWidget();
}

void IElementFrame::placeWidget()
{
    const QPoint origin(qFloor(m_contentTopLeft.x() - kHandleExtent - m_insets.left),
                        qFloor(m_contentTopLeft.y() - kHandleExtent - m_insets.top));
    const QSize size(qCeil(m_contentSize.width() + 2 * kHandleExtent + m_insets.left + m_insets.right) + 1,
                     qCeil(m_contentSize.height() + 2 * kHandleExtent + m_insets.top + m_insets.bottom) + 1);
    QWidget::setGeometry(QRect(origin, size));
    layoutHandles();
    repaintFrame();
}

QRectF IElementFrame::contentRect() const
{
    return QRectF(m_contentTopLeft - QPointF(pos()), m_contentSize);
}

void IElementFrame::layoutHandles()
{
    const QRectF c = contentRect();
    const QSizeF s = m_handleSize;
    m_handleRects[TopLeftHandle] = squareAround(c.topLeft(), s);
    m_handleRects[TopHandle] = squareAround(QPointF(c.center().x(), c.top()), s);
    m_handleRects[TopRightHandle] = squareAround(c.topRight(), s);
    m_handleRects[RightHandle] = squareAround(QPointF(c.right(), c.center().y()), s);
    m_handleRects[BottomRightHandle] = squareAround(c.bottomRight(), s);
    m_handleRects[BottomHandle] = squareAround(QPointF(c.center().x(), c.bottom()), s);
    m_handleRects[BottomLeftHandle] = squareAround(c.bottomLeft(), s);
    m_handleRects[LeftHandle] = squareAround(QPointF(c.left(), c.center().y()), s);
    m_handleRects[RotationHandle] = m_handleRects[TopHandle].translated(0, -m_insets.top);
    const QRectF topRight = m_handleRects[TopRightHandle];
    m_handleRects[LockHandle] = QRectF(QPointF(topRight.right(), topRight.top() - s.height()), s);
}

void IElementFrame::paintFrame(QPainter* painter)
{
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF c = contentRect();
    // A white line under the dashes keeps the frame visible on dark and light pictures.
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(QColor(255, 255, 255, 200), 3));
    painter->drawRect(c);
    painter->setPen(QPen(m_locked ? Qt::gray : kAccent, 1, Qt::DashLine));
    painter->drawRect(c);

    if (!m_locked && m_rotationEnabled && isHandleEnabled(RotationHandle)) {
        const QRectF r = rotationHandleRect();
        painter->setPen(QPen(kAccent, 1));
        painter->drawLine(QPointF(r.center().x(), r.bottom()), QPointF(c.center().x(), c.top()));
        paintHandle(painter, RotationHandle, r);
    }
    if (scaleHandlesShown()) {
        for (int handle = TopLeftHandle; handle <= LeftHandle; ++handle) {
            if (isHandleEnabled(handle))
                paintHandle(painter, handle, m_handleRects[handle]);
        }
    }
    paintHandle(painter, LockHandle, lockButtonRect());
}

void IElementFrame::paintHandle(QPainter* painter, int handle, const QRectF& rect)
{
    const QRectF r = rect.adjusted(1, 1, -1, -1);
    painter->setPen(QPen(kAccent, 1.5));
    if (handle == LockHandle) {
        painter->setBrush(m_locked ? QBrush(kAccent) : QBrush(Qt::white));
        painter->drawEllipse(r);
    } else if (handle == RotationHandle) {
        painter->setBrush(Qt::white);
        painter->drawEllipse(r);
    } else {
        painter->setBrush(Qt::white);
        painter->drawRoundedRect(r, 2, 2);
    }
}

void IElementFrame::paintExtras(QPainter*)
{
}

void IElementFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintFrame(&painter);
    paintExtras(&painter);
}

void IElementFrame::setFrameVisible(bool visible)
{
    setVisible(visible);
    if (visible)
        raise();
}

void IElementFrame::setSelection(const QList<QGraphicsItem*>& items, bool visible)
{
    releaseItems();
    setItems(items);
    // Gathered into a group still turned by the last selection, an element
    // would come back off by rounding errors.
    resetGroups();
    gatherItems();
    m_locked = !m_items.isEmpty() && std::all_of(m_items.cbegin(), m_items.cend(), [](QGraphicsItem* item) {
        const IElement* element = dynamic_cast<IElement*>(item);
        return element && element->isLocked();
    });
    relayout();
    setFrameVisible(visible && !m_items.isEmpty());
    setSelected(!m_items.isEmpty());
}

void IElementFrame::setItems(const QList<QGraphicsItem*>& items)
{
    m_items.clear();
    m_scene = nullptr;
    for (QGraphicsItem* item : items) {
        // One frame handles one scene at a time.
        if (!item || m_items.contains(item) || (m_scene && item->scene() != m_scene))
            continue;
        m_scene = item->scene();
        m_items.append(item);
    }
}

QList<QGraphicsItem*> IElementFrame::items() const
{
    return m_items;
}

void IElementFrame::clearSelection(bool update)
{
    m_dragging = m_scaling = m_rotating = m_translating = false;
    m_transformPending = false;
    putBackUnturnable();
    endTransform();
    releaseItems();
    m_items.clear();
    m_scene = nullptr;
    m_locked = false;
    setFrameVisible(false);
    setSelected(false);
    if (update)
        repaintFrame();
}

bool IElementFrame::ownsGroup(const QGraphicsItem* item) const
{
    return item && item->scene() && m_groups.value(item->scene()) == item;
}

FrameInternalItemGroup* IElementFrame::groupFor(QGraphicsScene* scene)
{
    if (!scene)
        return nullptr;
    if (FrameInternalItemGroup* group = m_groups.value(scene))
        return group;
    auto* group = new FrameInternalItemGroup;
    // Selected elements are drawn above everything else while they are handled.
    group->setZValue(2147483647.0);
    scene->addItem(group);
    m_groups.insert(scene, group);
    connect(scene, &QObject::destroyed, this, [this, scene] {
        m_groups.remove(scene);
        // The scene deleted its items first: a selection on it is gone.
        if (m_scene == scene) {
            m_items.clear();
            m_turnedOut.clear();
            m_scene = nullptr;
            m_locked = m_dragging = m_transforming = false;
            setFrameVisible(false);
            setSelected(false);
        }
    });
    return group;
}

FrameInternalItemGroup* IElementFrame::currentGroup() const
{
    return m_groups.value(m_scene);
}

void IElementFrame::gatherItems()
{
    for (QGraphicsItem* item : qAsConst(m_items)) {
        // Only top-level elements: a part of another element stays with it.
        if (item->parentItem())
            continue;
        if (FrameInternalItemGroup* group = groupFor(item->scene()))
            group->addToGroup(item);
    }
}

void IElementFrame::releaseItems()
{
    for (QGraphicsItem* item : qAsConst(m_items)) {
        auto* group = qgraphicsitem_cast<FrameInternalItemGroup*>(item->parentItem());
        if (group && ownsGroup(group))
            group->removeFromGroup(item);
    }
}

QGraphicsView* IElementFrame::boardView() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* view = qobject_cast<QGraphicsView*>(w))
            return view;
    }
    return nullptr;
}

QTransform IElementFrame::sceneToParent(bool* ok) const
{
    QGraphicsView* view = boardView();
    *ok = view && parentWidget();
    if (!*ok)
        return {};
    const QPoint offset = parentWidget()->mapFromGlobal(view->viewport()->mapToGlobal(QPoint(0, 0)));
    return view->viewportTransform() * QTransform::fromTranslate(offset.x(), offset.y());
}

QRectF IElementFrame::frameRectForView(const QRectF& sceneRect) const
{
    bool ok = false;
    const QTransform toParent = sceneToParent(&ok);
    return ok ? toParent.mapRect(sceneRect) : QRectF();
}

int IElementFrame::handleAt(const QPointF& pos) const
{
    if (lockButtonRect().contains(pos))
        return LockHandle;
    if (isHandleEnabled(RotationHandle) && rotationHandleRect().contains(pos))
        return RotationHandle;
    for (int handle = TopLeftHandle; handle <= LeftHandle; ++handle) {
        if (isHandleEnabled(handle) && m_handleRects[handle].contains(pos))
            return handle;
    }
    return NoHandle;
}

bool IElementFrame::isHandleEnabled(int handle) const
{
    const IElement* single = m_items.size() == 1 ? dynamic_cast<IElement*>(m_items.first()) : nullptr;
    switch (handle) {
    case LockHandle:
        return true;
    case RotationHandle:
        return single ? single->isRotatable() : true;
    case TopLeftHandle:
        return single ? single->isTopLeftResizable() : true;
    case TopRightHandle:
        return single ? single->isTopRightResizable() : true;
    case BottomRightHandle:
        return single ? single->isBottomRightResizable() : true;
    case BottomLeftHandle:
        return single ? single->isBottomLeftResizable() : true;
    case TopHandle:
        return single && single->isTopEdgeResizable();
    case RightHandle:
        return single && single->isRightEdgeResizable();
    case BottomHandle:
        return single && single->isBottomEdgeResizable();
    case LeftHandle:
        return single && single->isLeftEdgeResizable();
    default:
        return false;
    }
}

QCursor IElementFrame::cursorAt(const QPointF& pos) const
{
    switch (handleAt(pos)) {
    case NoHandle: {
        const QPixmap picture(QStringLiteral(":/cursors/resources/cursors/move.png"));
        return picture.isNull() ? QCursor(Qt::SizeAllCursor) : QCursor(picture);
    }
    case RotationHandle: {
        const QPixmap picture(QStringLiteral(":/cursors/cursors/rotateCursor.png"));
        return picture.isNull() ? QCursor(Qt::CrossCursor) : QCursor(picture);
    }
    case TopLeftHandle:
    case BottomRightHandle:
        return Qt::SizeFDiagCursor;
    case TopRightHandle:
    case BottomLeftHandle:
        return Qt::SizeBDiagCursor;
    case TopHandle:
    case BottomHandle:
        return Qt::SizeVerCursor;
    case RightHandle:
    case LeftHandle:
        return Qt::SizeHorCursor;
    default:
        return Qt::ArrowCursor;
    }
}

void IElementFrame::inputMousePress(const QPointF& pos, Qt::KeyboardModifiers)
{
    const int handle = handleAt(pos);
    if (m_locked) {
        m_handle = handle;
        if (handle == LockHandle)
            unlockSelection(true);
        repaintFrame();
        return;
    }
    // The lock button locks; it never starts a drag.
    if (handle == LockHandle) {
        m_handle = handle;
        if (!m_items.isEmpty())
            lockSelection(true);
        repaintFrame();
        return;
    }
    if (m_items.isEmpty())
        return;

    m_handle = handle;
    m_scaling = m_scaleEnabled && handle >= TopLeftHandle && handle <= LeftHandle;
    m_rotating = m_rotationEnabled && handle == RotationHandle;
    // A selection of text alone does not turn; the press is dropped.
    if (m_rotating && !takeOutUnturnable()) {
        m_rotating = false;
        return;
    }
    m_translating = m_translationEnabled && !m_scaling && !m_rotating;
    m_dragging = m_scaling || m_rotating || m_translating;
    if (!m_dragging)
        return;
    m_pressPos = m_lastPos = pos.toPoint() + this->pos();
    m_startContent = QRectF(m_contentTopLeft, m_contentSize);
    m_startWidgetPos = this->pos();
    m_transformPending = true;
}

void IElementFrame::inputMouseMove(const QPointF& pos, Qt::KeyboardModifiers)
{
    if (!m_dragging) {
        setCursor(m_locked ? QCursor(Qt::ArrowCursor) : cursorAt(pos));
        return;
    }
    // Parent coordinates: the widget itself moves and resizes during the drag.
    const QPoint current = pos.toPoint() + this->pos();
    beginTransform();
    if (m_scaling)
        scaleBy(current - m_pressPos);
    else if (m_rotating)
        rotateBy(current);
    else if (m_translating)
        translateBy(current - m_pressPos);
    emit transformChanging();
    repaintFrame();
    m_lastPos = current;
}

void IElementFrame::inputMouseRelease(const QPointF&, Qt::KeyboardModifiers)
{
    if (m_dragging) {
        m_dragging = false;
        if (m_scaling) {
            relayout();
        } else if (m_rotating) {
            putBackUnturnable();
            updateOnRelease();
        } else if (m_translating) {
            updateOnRelease();
        }
        endTransform();
    }
    m_scaling = m_rotating = m_translating = false;
    m_transformPending = false;
    repaintFrame();
}

void IElementFrame::beginTransform()
{
    if (!m_transformPending)
        return;
    m_transformPending = false;
    FrameInternalItemGroup* group = currentGroup();
    if (group) {
        m_groupStartTransform = group->sceneTransform();
        bool ok = false;
        const QTransform toParent = sceneToParent(&ok);
        const QRectF groupRect = unitedSceneRect(group->childItems());
        m_startGroupRect = toParent.mapRect(groupRect);
        m_rotationCentre = toParent.map(groupRect.center());
    }
    m_itemStartTransforms.clear();
    for (QGraphicsItem* item : qAsConst(m_items))
        m_itemStartTransforms.insert(item, item->sceneTransform());
    m_statesBefore = selectedStates();
    m_transforming = true;
    emit transformBeforeChanged();
}

void IElementFrame::endTransform()
{
    if (!m_transforming)
        return;
    m_transforming = false;
    recordChange(std::exchange(m_statesBefore, {}));
    emit transformAfterChanged(QSet<QGraphicsItem*>(m_items.cbegin(), m_items.cend()));
}

QList<QPair<IElement*, IElementState>> IElementFrame::selectedStates() const
{
    QList<QPair<IElement*, IElementState>> states;
    for (QGraphicsItem* item : m_items) {
        if (auto* element = dynamic_cast<IElement*>(item))
            states.append({element, IElementState::of(element)});
    }
    return states;
}

void IElementFrame::recordChange(const QList<QPair<IElement*, IElementState>>& before)
{
    auto* slide = qobject_cast<ISlide*>(m_scene);
    if (!slide || before.isEmpty())
        return;
    auto* command = new IElementStateCommand(slide);
    for (const auto& state : before) {
        // Only what is still selected on this slide: an element gone
        // meanwhile has a step of its own.
        auto* item = dynamic_cast<QGraphicsItem*>(state.first);
        if (m_items.contains(item) && item->scene() == slide)
            command->add(state.first, state.second, IElementState::of(state.first));
    }
    if (command->isEmpty())
        delete command;
    else
        slide->history()->record(command);
}

void IElementFrame::applyParentOperation(const QTransform& op)
{
    bool ok = false;
    const QTransform toParent = sceneToParent(&ok);
    if (!ok || !toParent.isInvertible())
        return;
    applyGroupSceneTransform(m_groupStartTransform * toParent * op * toParent.inverted());
}

void IElementFrame::applyGroupSceneTransform(const QTransform& sceneTransform)
{
    FrameInternalItemGroup* group = currentGroup();
    if (!group)
        return;
    // All of the group's placement lives in its transform, so that scene
    // transforms can be composed directly.
    group->setPos(0, 0);
    group->setRotation(0);
    group->setScale(1);
    group->setTransformOriginPoint(0, 0);
    group->setTransform(sceneTransform);
}

void IElementFrame::scaleBy(const QPoint& delta)
{
    const QRectF start = m_startContent;
    if (start.width() <= 0 || start.height() <= 0)
        return;
    if (m_handle < TopLeftHandle || m_handle > LeftHandle) {
        qWarning("not scale...");
        return;
    }
    // Measured from the press, so the handle stays under the pointer even
    // after the size has been held at its minimum.
    double width = start.width();
    double height = start.height();
    if (movesLeftSide(m_handle))
        width -= delta.x();
    else if (movesRightSide(m_handle))
        width += delta.x();
    if (movesTopSide(m_handle))
        height -= delta.y();
    else if (movesBottomSide(m_handle))
        height += delta.y();
    width = std::max(width, kMinimumSize);
    height = std::max(height, kMinimumSize);
    double sx = width / start.width();
    double sy = height / start.height();
    if (isCornerHandle(m_handle)) {
        // A side already held at the minimum frames a thinner element (a
        // line): it can neither shrink nor tell how the element grows, so the
        // other side alone sets the scale and the minimum.
        const bool wide = start.width() > kMinimumSize;
        const bool high = start.height() > kMinimumSize;
        double s = 1;
        double smallest = 1;
        if (wide && !high) {
            s = sx;
            smallest = kMinimumSize / start.width();
        } else if (high && !wide) {
            s = sy;
            smallest = kMinimumSize / start.height();
        } else {
            s = (sx + sy) / 2;
            smallest = std::max(kMinimumSize / start.width(), kMinimumSize / start.height());
        }
        s = std::max(s, smallest);
        sx = sy = s;
        width = start.width() * s;
        height = start.height() * s;
    }

    const QPointF anchor = oppositePoint(start, m_handle);
    QTransform op = aroundPoint(anchor, QTransform::fromScale(sx, sy));
    applyParentOperation(op);
    // Keep the elements' own side or corner opposite the handle in place,
    // also where the frame is larger than a thin element.
    if (FrameInternalItemGroup* group = currentGroup()) {
        bool ok = false;
        const QTransform toParent = sceneToParent(&ok);
        if (ok) {
            const QRectF now = toParent.mapRect(unitedSceneRect(group->childItems()));
            const QPointF shift = oppositePoint(m_startGroupRect, m_handle) - oppositePoint(now, m_handle);
            op *= QTransform::fromTranslate(shift.x(), shift.y());
            applyParentOperation(op);
        }
    }

    QRectF frame(QPointF(), QSizeF(width, height));
    frame.moveLeft(movesLeftSide(m_handle) ? start.right() - width : start.left());
    frame.moveTop(movesTopSide(m_handle) ? start.bottom() - height : start.top());
    m_contentTopLeft = frame.topLeft();
    setFrameSize(width, height);
}

void IElementFrame::rotateBy(const QPoint& current)
{
    const QPointF centre = m_startContent.center();
    const QPointF from = QPointF(m_pressPos) - centre;
    const QPointF to = QPointF(current) - centre;
    if (qFuzzyIsNull(from.x()) && qFuzzyIsNull(from.y()))
        return;
    if (qFuzzyIsNull(to.x()) && qFuzzyIsNull(to.y()))
        return;
    // Screen y points down, so a growing angle turns clockwise, like QTransform::rotate.
    const double angle = qRadiansToDegrees(std::atan2(to.y(), to.x()) - std::atan2(from.y(), from.x()));
    applyParentOperation(aroundPoint(m_rotationCentre, QTransform().rotate(angle)));
}

void IElementFrame::translateBy(const QPoint& delta)
{
    move(m_startWidgetPos + delta);
    m_contentTopLeft = m_startContent.topLeft() + QPointF(delta);
    layoutHandles();
    applyParentOperation(QTransform::fromTranslate(delta.x(), delta.y()));
}

bool IElementFrame::isUnturnable(const QGraphicsItem* item)
{
    switch (item->type()) {
    case UprightElementType5:
    case UprightElementType6:
    case TextLikeElementType10:
    case TextElementType:
    case TextLikeElementType12:
    case QGraphicsTextItem::Type:
    case QGraphicsSimpleTextItem::Type:
        return true;
    default:
        return false;
    }
}

bool IElementFrame::takeOutUnturnable()
{
    putBackUnturnable();
    FrameInternalItemGroup* group = currentGroup();
    if (!group)
        return false;
    QList<QGraphicsItem*> turnable;
    for (QGraphicsItem* item : qAsConst(m_items)) {
        if (isUnturnable(item))
            m_turnedOut.append(item);
        else
            turnable.append(item);
    }
    if (turnable.isEmpty()) {
        m_turnedOut.clear();
        return false;
    }
    // Text stays upright: it sits out the turn and rejoins afterwards.
    for (QGraphicsItem* item : qAsConst(m_turnedOut)) {
        if (item->parentItem() == group)
            group->removeFromGroup(item);
    }
    return true;
}

void IElementFrame::putBackUnturnable()
{
    if (m_turnedOut.isEmpty())
        return;
    if (FrameInternalItemGroup* group = currentGroup()) {
        for (QGraphicsItem* item : qAsConst(m_turnedOut)) {
            if (!item->parentItem())
                group->addToGroup(item);
        }
    }
    m_turnedOut.clear();
}

void IElementFrame::resetGroups()
{
    for (FrameInternalItemGroup* group : qAsConst(m_groups)) {
        group->setPos(0, 0);
        group->setRotation(0);
        group->setScale(1);
        group->setTransform(QTransform());
    }
}

void IElementFrame::relayout()
{
    releaseItems();
    resetGroups();
    gatherItems();
    placeAround(unitedSceneRect(m_items));
}

void IElementFrame::updateOnRelease()
{
    const QPointF before = QRectF(m_contentTopLeft, m_contentSize).center();
    placeAround(unitedSceneRect(m_items));
    const QPointF after = QRectF(m_contentTopLeft, m_contentSize).center();
    qDebug() << "default center:" << before;
    qDebug() << "new center:" << after;
}

void IElementFrame::placeAround(const QRectF& sceneRect)
{
    if (m_items.isEmpty() || !boardView())
        return;
    const QRectF rect = frameRectForView(sceneRect);
    setTopLeft(rect.topLeft());
    setFrameSize(rect.width(), rect.height());
    refreshFrame();
}

QWidget* IElementFrame::frameWidget()
{
    return this;
}

void IElementFrame::setHandleSize(const QSizeF& size)
{
    if (!size.isValid() || size.isEmpty())
        return;
    m_handleSize = size;
    placeWidget();
}

QRectF IElementFrame::topLeftHandleRect() const { return m_handleRects[TopLeftHandle]; }
QRectF IElementFrame::topRightHandleRect() const { return m_handleRects[TopRightHandle]; }
QRectF IElementFrame::bottomLeftHandleRect() const { return m_handleRects[BottomLeftHandle]; }
QRectF IElementFrame::bottomRightHandleRect() const { return m_handleRects[BottomRightHandle]; }
QRectF IElementFrame::leftEdgeHandleRect() const { return m_handleRects[LeftHandle]; }
QRectF IElementFrame::topEdgeHandleRect() const { return m_handleRects[TopHandle]; }
QRectF IElementFrame::rightEdgeHandleRect() const { return m_handleRects[RightHandle]; }
QRectF IElementFrame::bottomEdgeHandleRect() const { return m_handleRects[BottomHandle]; }
QRectF IElementFrame::lockButtonRect() const { return m_handleRects[LockHandle]; }
QRectF IElementFrame::rotationHandleRect() const { return m_handleRects[RotationHandle]; }

void IElementFrame::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    emit selectionChanged(selected);
}

bool IElementFrame::gestureEvent(QGestureEvent* event)
{
    if (m_locked) {
        event->ignore();
        return false;
    }
    auto* pinch = static_cast<QPinchGesture*>(event->gesture(Qt::PinchGesture));
    event->accept();
    FrameInternalItemGroup* group = currentGroup();
    if (!pinch || !group)
        return true;
    // On a touch screen the first finger also arrives as a mouse press. The
    // pinch takes over from that drag: each of its moves would put the group
    // back where the drag began and undo the pinch so far.
    m_dragging = m_scaling = m_translating = false;
    if (pinch->state() == Qt::GestureStarted)
        m_transformPending = true;

    // Qt's finishing step brings no new movement, only the last step's
    // values again; applied, they would turn or scale once more at lift.
    const bool ending = pinch->state() == Qt::GestureFinished || pinch->state() == Qt::GestureCanceled;
    const QPinchGesture::ChangeFlags changes = ending ? QPinchGesture::ChangeFlags() : pinch->changeFlags();
    if (changes & QPinchGesture::RotationAngleChanged) {
        if (!m_rotating)
            m_rotating = takeOutUnturnable();
        const double delta = pinch->lastRotationAngle() - pinch->rotationAngle();
        if (m_rotating && std::abs(delta) < kRotationJump) {
            m_transformPending = m_transformPending || !m_transforming;
            beginTransform();
            const QPointF centre = unitedSceneRect(group->childItems()).center();
            applyGroupSceneTransform(group->sceneTransform() * aroundPoint(centre, QTransform().rotate(-delta)));
            emit transformChanging();
        }
    }
    if (changes & QPinchGesture::ScaleFactorChanged) {
        const double factor = pinch->scaleFactor();
        bool ok = false;
        const QTransform toParent = sceneToParent(&ok);
        const QRectF onScreen = toParent.mapRect(unitedSceneRect(group->childItems()));
        // Shrinking stops where the drag handles stop.
        const bool tooSmall = factor < 1
            && (onScreen.width() * factor < kMinimumSize || onScreen.height() * factor < kMinimumSize);
        if (factor > 0 && !tooSmall) {
            m_transformPending = m_transformPending || !m_transforming;
            beginTransform();
            const QPointF centre = unitedSceneRect(group->childItems()).center();
            applyGroupSceneTransform(group->sceneTransform() * aroundPoint(centre, QTransform::fromScale(factor, factor)));
            emit transformChanging();
        }
    }
    if (pinch->state() == Qt::GestureUpdated || pinch->state() == Qt::GestureFinished)
        placeAround(unitedSceneRect(m_items));
    if (pinch->state() == Qt::GestureFinished || pinch->state() == Qt::GestureCanceled) {
        putBackUnturnable();
        m_dragging = m_scaling = m_rotating = m_translating = false;
        m_transformPending = false;
        endTransform();
        refreshFrame();
        repaintFrame();
    }
    return true;
}

double IElementFrame::handleExtent() const
{
    return kHandleExtent;
}

double IElementFrame::frameMargin() const
{
    return kFrameMargin;
}

bool IElementFrame::scaleHandlesShown() const
{
    return m_scaleEnabled && !m_locked;
}

bool IElementFrame::isRedrawEnabled() const
{
    return m_redrawEnabled;
}

void IElementFrame::setRedrawEnabled(bool enabled, bool updateNow)
{
    m_redrawEnabled = enabled;
    if (updateNow)
        update();
}

void IElementFrame::repaintFrame()
{
    if (m_redrawEnabled)
        update();
}

void IElementFrame::setInsets(const Insets& insets)
{
    m_insets = insets;
    placeWidget();
}

void IElementFrame::lockSelection(bool)
{
    m_locked = true;
    repaintFrame();
    const auto before = selectedStates();
    for (QGraphicsItem* item : qAsConst(m_items)) {
        if (auto* element = dynamic_cast<IElement*>(item))
            element->setLocked(true);
    }
    recordChange(before);
}

void IElementFrame::unlockSelection(bool)
{
    m_locked = false;
    repaintFrame();
    const auto before = selectedStates();
    for (QGraphicsItem* item : qAsConst(m_items)) {
        if (auto* element = dynamic_cast<IElement*>(item))
            element->setLocked(false);
    }
    recordChange(before);
}

bool IElementFrame::event(QEvent* event)
{
    if (event->type() == QEvent::Gesture)
        return gestureEvent(static_cast<QGestureEvent*>(event));
    return QWidget::event(event);
}

void IElementFrame::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    inputMousePress(event->localPos(), event->modifiers());
    event->accept();
}

void IElementFrame::mouseMoveEvent(QMouseEvent* event)
{
    inputMouseMove(event->localPos(), event->modifiers());
    event->accept();
}

void IElementFrame::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    inputMouseRelease(event->localPos(), event->modifiers());
    event->accept();
}
