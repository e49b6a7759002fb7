// The frame around a text box on its slide.
#include "board/item/itextelementframe.h"

#include "board/islide.h"
#include "board/item/itextelement.h"
#include "board/item/itextframebutton.h"
#include "board/mode/iselectormode.h"
#include "board/undo/iaddelementscommand.h"
#include "board/undo/ielementstatecommand.h"
#include "board/undo/islidehistory.h"
#include "iglobals.h"

#include <QAbstractTextDocumentLayout>
#include <QGestureEvent>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QPainter>
#include <QPinchGesture>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QColor kOutline(95, 177, 222);
// Presses this near the outline catch the frame; view pixels, whatever the zoom.
constexpr double kBandPixels = 5.0;
// Hidden by opacity rather than visibility, a handle keeps its mouse grab.
constexpr double kGestureOpacity = 0.0001;

const int kHandleIds[] = {
    IAbstractFrame::LockHandle,     IAbstractFrame::TopLeftHandle,    IAbstractFrame::TopRightHandle,
    IAbstractFrame::RightHandle,    IAbstractFrame::BottomRightHandle, IAbstractFrame::BottomLeftHandle,
    IAbstractFrame::LeftHandle,
};

QPixmap renderPicture(const QString& path, const QSizeF& size)
{
    QSvgRenderer renderer(path);
    const QSize pixels = size.toSize();
    if (!renderer.isValid() || pixels.isEmpty())
        return {};
    QPixmap picture(pixels);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return picture;
}

QSizeF naturalSize(const QString& path)
{
    const QSizeF size = QSvgRenderer(path).defaultSize();
    return size.isEmpty() ? QSizeF(12, 12) : size;
}

bool editing(const QGraphicsTextItem* text)
{
    return text && (text->textInteractionFlags() & Qt::TextEditorInteraction) != 0;
}

bool samePoint(const QPointF& a, const QPointF& b)
{
    return std::abs(a.x() - b.x()) < 1e-6 && std::abs(a.y() - b.y()) < 1e-6;
}

QCursor moveCursor()
{
    static const QPixmap picture(QStringLiteral(":/cursors/cursors/move.png"));
    if (picture.isNull())
        return QCursor(Qt::SizeAllCursor);
    return QCursor(picture, picture.width() / 2, picture.height() / 2);
}

QGraphicsTextItem* textOf(QGraphicsItem* item)
{
    if (!item || !ISelectorMode::isTextElement(item))
        return nullptr;
    QGraphicsObject* object = item->toGraphicsObject();
    return object ? qobject_cast<QGraphicsTextItem*>(object) : nullptr;
}

} // namespace

ITextElementFrame::ITextElementFrame(QGraphicsItem* parent)
    : QGraphicsRectItem(parent)
{
    setZValue(std::numeric_limits<int>::max());
    setAcceptedMouseButtons(Qt::LeftButton);
    // A press on the frame must not take the keyboard from the text being typed.
    setFlag(ItemStopsFocusHandling, true);
    setCursor(moveCursor());
    setRect(0, 0, kMinimumSize, kMinimumSize);
    createHandles();
    applyHandleVisibility();
}

ITextElementFrame::~ITextElementFrame()
{
    if (m_filteredScene)
        m_filteredScene->removeEventFilter(this);
}

void ITextElementFrame::createHandles()
{
    const auto add = [this](int id, const char* name, Qt::CursorShape shape) {
        auto* handle = new ITextFrameButton(true, QString::fromLatin1(name), this);
        handle->setCursor(shape);
        connect(handle, &ITextFrameButton::mousePress, this, &ITextElementFrame::inputMousePressEvent);
        connect(handle, &ITextFrameButton::mouseMove, this, &ITextElementFrame::inputMouseMoveEvent);
        connect(handle, &ITextFrameButton::mouseRelease, this, &ITextElementFrame::inputMouseReleaseEvent);
        m_handles[id] = handle;
    };
    add(TopLeftHandle, "translate", Qt::SizeAllCursor);
    add(TopRightHandle, "scale top right", Qt::SizeBDiagCursor);
    add(BottomLeftHandle, "scale bottom left", Qt::SizeBDiagCursor);
    add(BottomRightHandle, "scale bottom right", Qt::SizeFDiagCursor);
    add(LeftHandle, "width left", Qt::SizeHorCursor);
    add(RightHandle, "width right", Qt::SizeHorCursor);
    add(LockHandle, "lock", Qt::PointingHandCursor);
    loadPictures();
}

void ITextElementFrame::loadPictures()
{
    const QString resize = QStringLiteral(":/itemframe/resize.svg");
    if (m_handleSize == QSizeF(12, 12))
        m_handleSize = naturalSize(resize) * scaleFactors().uniform;
    const QPixmap picture = renderPicture(resize, m_handleSize);
    for (int id : kHandleIds) {
        if (id != LockHandle && m_handles[id])
            m_handles[id]->setPixmap(picture);
    }
}

QSizeF ITextElementFrame::lockIndicatorSize() const
{
    return naturalSize(QStringLiteral(":/itemframe/lock.svg")) * 1.5 * scaleFactors().uniform;
}

ITextFrameButton* ITextElementFrame::handle(int id) const
{
    return id >= 0 && id < 11 ? m_handles[id] : nullptr;
}

double ITextElementFrame::zoom() const
{
    const QGraphicsView* view = boardView();
    if (!view)
        return 1.0;
    const QTransform t = view->transform();
    const double zoom = (std::hypot(t.m11(), t.m12()) + std::hypot(t.m21(), t.m22())) / 2;
    return zoom > 0 && std::isfinite(zoom) ? zoom : 1.0;
}

QGraphicsView* ITextElementFrame::boardView() const
{
    const QGraphicsScene* s = scene();
    return s && !s->views().isEmpty() ? s->views().first() : nullptr;
}

QRectF ITextElementFrame::handleRect(int id) const
{
    const QRectF r = rect();
    const QSizeF size = m_handleSize / m_layoutZoom;
    QPointF centre;
    switch (id) {
    case TopLeftHandle:
        centre = r.topLeft();
        break;
    case TopRightHandle:
        centre = r.topRight();
        break;
    case BottomLeftHandle:
        centre = r.bottomLeft();
        break;
    case BottomRightHandle:
        centre = r.bottomRight();
        break;
    case LeftHandle:
        centre = QPointF(r.left(), r.center().y());
        break;
    case TopHandle:
        centre = QPointF(r.center().x(), r.top());
        break;
    case RightHandle:
        centre = QPointF(r.right(), r.center().y());
        break;
    case BottomHandle:
        centre = QPointF(r.center().x(), r.bottom());
        break;
    case LockHandle:
        // Beside the top-right handle, clear of the text.
        return QRectF(QPointF(r.right() + size.width() / 2, r.top() - size.height() / 2), m_lockSize / m_layoutZoom);
    default:
        return QRectF();
    }
    return QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size);
}

void ITextElementFrame::layoutHandles()
{
    prepareGeometryChange();
    m_layoutZoom = zoom();
    const QSizeF lockSize = lockIndicatorSize();
    if (lockSize != m_lockSize || m_handles[LockHandle]->pixmap().isNull()) {
        m_lockSize = lockSize;
        m_handles[LockHandle]->setPixmap(renderPicture(QStringLiteral(":/itemframe/lock.svg"), m_lockSize));
    }
    for (int id : kHandleIds) {
        ITextFrameButton* h = m_handles[id];
        h->setScale(1 / m_layoutZoom);
        h->setPos(handleRect(id).topLeft());
    }
}

void ITextElementFrame::applyHandleVisibility()
{
    prepareGeometryChange();
    const bool resizable = m_text && dynamic_cast<IResizableItem*>(m_text.data());
    for (int id : kHandleIds) {
        bool shown = !m_locked;
        if (id == LockHandle)
            shown = m_locked;
        else if (id == LeftHandle)
            shown = shown && resizable && m_leftWidthEnabled;
        else if (id == RightHandle)
            shown = shown && resizable && m_rightWidthEnabled;
        m_handles[id]->setVisible(shown);
    }
}

void ITextElementFrame::setHandlesOpacity(double opacity)
{
    for (int id : kHandleIds)
        m_handles[id]->setOpacity(opacity);
}

void ITextElementFrame::setWidthHandlesEnabled(bool left, bool right)
{
    m_leftWidthEnabled = left;
    m_rightWidthEnabled = right;
    applyHandleVisibility();
}

QRectF ITextElementFrame::boundingRect() const
{
    const double band = kBandPixels / m_layoutZoom;
    QRectF bounds = rect().adjusted(-band, -band, band, band);
    for (int id : kHandleIds) {
        if (m_handles[id] && m_handles[id]->isVisible())
            bounds |= handleRect(id);
    }
    return bounds;
}

QPainterPath ITextElementFrame::shape() const
{
    const double band = kBandPixels / m_layoutZoom;
    QPainterPath path;
    path.addRect(rect().adjusted(-band, -band, band, band));
    const QRectF inner = rect().adjusted(band, band, -band, -band);
    if (inner.isValid() && !inner.isEmpty()) {
        QPainterPath hole;
        hole.addRect(inner);
        path = path.subtracted(hole);
    }
    for (int id : kHandleIds) {
        if (m_handles[id] && m_handles[id]->isVisible()) {
            QPainterPath square;
            square.addRect(handleRect(id));
            path = path.united(square);
        }
    }
    return path;
}

void ITextElementFrame::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    Q_UNUSED(option)
    Q_UNUSED(widget)
    if (m_paintSuppressed || !m_redrawEnabled)
        return;
    // The view zoomed, panned or turned: the handles and pop-ups follow once
    // this paint is done.
    if (painter->worldTransform() != m_paintedTransform) {
        m_paintedTransform = painter->worldTransform();
        queueRefresh();
    }
    paintFrame(painter);
}

void ITextElementFrame::paintFrame(QPainter* painter)
{
    // Cosmetic: two screen pixels at any zoom.
    QPen pen(kOutline, 2, isEditing() ? Qt::DotLine : Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect());
}

void ITextElementFrame::paintExtras(QPainter* painter)
{
    Q_UNUSED(painter)
}

void ITextElementFrame::queueRefresh()
{
    if (m_refreshQueued)
        return;
    m_refreshQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_refreshQueued = false;
        if (isVisible())
            refreshFrame();
    });
}

void ITextElementFrame::refreshFrame()
{
    if (m_text && m_text->scene() != scene()) {
        // Taken off the slide by someone else: nothing left to frame.
        clearSelection(true);
        return;
    }
    if (!m_text)
        return;
    m_layoutZoom = zoom();
    const double pad = frameMargin() / m_layoutZoom;
    const QRectF around = m_text->sceneBoundingRect().adjusted(-pad, -pad, pad, pad);
    prepareGeometryChange();
    setRect(around);
    setFrameSize(around.width(), around.height());
    update();
    frameGeometryChanged();
}

void ITextElementFrame::setGeometry(const QPointF& topLeft, const QSizeF& size)
{
    setTopLeft(topLeft);
    setFrameSize(size.width(), size.height());
}

QSizeF ITextElementFrame::frameSize() const
{
    return rect().size();
}

QPointF ITextElementFrame::topLeft() const
{
    return rect().topLeft();
}

void ITextElementFrame::setTopLeft(const QPointF& topLeft)
{
    prepareGeometryChange();
    setRect(QRectF(topLeft, rect().size()));
    layoutHandles();
}

void ITextElementFrame::setFrameSize(double width, double height)
{
    if (!std::isfinite(width) || !std::isfinite(height))
        return;
    const double w = std::max(width, kMinimumSize);
    const double h = std::max(height, kMinimumSize);
    // Raised to the minimum, the frame stays centred on what it surrounds.
    const QPointF topLeft = rect().topLeft() - QPointF((w - width) / 2, (h - height) / 2);
    prepareGeometryChange();
    setRect(QRectF(topLeft, QSizeF(w, h)));
    layoutHandles();
}

void ITextElementFrame::setFrameVisible(bool visible)
{
    setVisible(visible);
}

void ITextElementFrame::setSelection(const QList<QGraphicsItem*>& items, bool visible)
{
    setItems(items);
    if (!m_text) {
        hide();
        setSelected(false);
        return;
    }
    setVisible(visible);
    setSelected(true);
}

void ITextElementFrame::setItems(const QList<QGraphicsItem*>& items)
{
    QGraphicsTextItem* text = nullptr;
    for (QGraphicsItem* item : items) {
        if ((text = textOf(item)))
            break;
    }
    moveOnTo(text);
    refreshFrame();
}

QList<QGraphicsItem*> ITextElementFrame::items() const
{
    if (!m_text)
        return {};
    return {m_text.data()};
}

void ITextElementFrame::clearSelection(bool update)
{
    Q_UNUSED(update)
    moveOnTo(nullptr);
    hide();
    setSelected(false);
}

bool ITextElementFrame::ownsGroup(const QGraphicsItem* item) const
{
    Q_UNUSED(item)
    return false;
}

void ITextElementFrame::moveOnTo(QGraphicsTextItem* text)
{
    QGraphicsTextItem* previous = m_text;
    if (previous == text)
        return;
    if (m_gesture != Gesture::None) {
        m_gesture = Gesture::None;
        setHandlesOpacity(1);
        endTransform();
    }
    m_text = text;
    if (previous) {
        disconnect(previous, nullptr, this, nullptr);
        disconnect(previous->document()->documentLayout(), nullptr, this, nullptr);
        if (m_hadCursor)
            previous->setCursor(m_savedCursor);
        else
            previous->unsetCursor();
        const bool wasEditing = editing(previous);
        if (auto* element = qobject_cast<ITextElement*>(previous)) {
            element->setEditable(false);
            endEdit(previous);
            // An empty box is no box: it goes when the frame leaves it. Only
            // one of the slide's own, though; a tool's editor stays the tool's.
            if (!element->hasText()) {
                auto* slide = qobject_cast<ISlide*>(element->scene());
                if (slide && slide->elements().contains(element)) {
                    // Left empty right after it was made: it leaves no step behind.
                    const bool fresh = slide->history()->forgetAdding(element);
                    ISlideHistory::Pause pause(fresh ? slide->history() : nullptr);
                    slide->removeElement(element);
                }
            }
        } else {
            previous->setTextInteractionFlags(Qt::NoTextInteraction);
        }
        if (wasEditing)
            emit sgLeaveTextEditor();
    }
    m_locked = false;
    if (text) {
        connect(text->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
                &ITextElementFrame::onDocumentSizeChanged);
        if (auto* element = qobject_cast<ITextElement*>(text)) {
            connect(element, &ITextElement::cursorPositionChanged, this, &ITextElementFrame::onCursorPositionChanged);
            connect(element, &ITextElement::endEdit, this, &ITextElementFrame::onItemEndEdit);
            m_locked = element->isLocked();
        }
        m_hadCursor = text->hasCursor();
        m_savedCursor = text->cursor();
    }
    applyHandleVisibility();
    updateCursors();
    framedItemChanged();
}

void ITextElementFrame::updateCursors()
{
    const bool typing = isEditing();
    setCursor(typing ? QCursor(Qt::ArrowCursor) : moveCursor());
    if (!m_text)
        return;
    if (m_text->type() == TextLikeElementType12)
        m_text->setCursor(Qt::ArrowCursor);
    else
        m_text->setCursor(typing ? QCursor(Qt::IBeamCursor) : moveCursor());
}

bool ITextElementFrame::isEditing() const
{
    return editing(m_text);
}

void ITextElementFrame::focusText()
{
    m_text->setFocus(Qt::OtherFocusReason);
    if (QGraphicsView* view = boardView())
        view->setFocus(Qt::OtherFocusReason);
}

void ITextElementFrame::enterEditor()
{
    if (!m_text)
        return;
    beginEdit();
    m_text->setTextInteractionFlags(Qt::TextEditorInteraction);
    m_text->setVisible(true);
    focusText();
    QTextCursor cursor = m_text->textCursor();
    cursor.movePosition(QTextCursor::End);
    m_text->setTextCursor(cursor);
    updateCursors();
    update();
    emit sgEnterTextEditor();
    reportFormat();
}

void ITextElementFrame::enterEditorAt(const QPointF& scenePos)
{
    if (!m_text || editing(m_text))
        return;
    beginEdit();
    m_text->setTextInteractionFlags(Qt::TextEditorInteraction);
    // Focus first: an element showing its placeholder empties itself on it.
    focusText();
    const int at = m_text->document()->documentLayout()->hitTest(m_text->mapFromScene(scenePos), Qt::FuzzyHit);
    if (at >= 0) {
        QTextCursor cursor = m_text->textCursor();
        cursor.setPosition(std::min(at, m_text->document()->characterCount() - 1));
        m_text->setTextCursor(cursor);
    }
    updateCursors();
    update();
    emit sgEnterTextEditor();
    reportFormat();
}

void ITextElementFrame::leaveEditor()
{
    if (!m_text)
        return;
    auto* element = qobject_cast<ITextElement*>(m_text);
    const bool wasEditing = editing(m_text);
    // The element's own end-of-typing notice would repeat this one.
    m_leaving = true;
    if (element && (wasEditing || !element->hasText()))
        element->finishEditing();
    else if (wasEditing)
        m_text->setTextInteractionFlags(Qt::NoTextInteraction);
    m_leaving = false;
    endEdit(m_text);
    updateCursors();
    update();
    if (wasEditing)
        emit sgLeaveTextEditor();
}

void ITextElementFrame::onItemEndEdit()
{
    if (m_leaving)
        return;
    endEdit(m_text);
    updateCursors();
    update();
    emit sgLeaveTextEditor();
}

void ITextElementFrame::endEditState()
{
    leaveEditor();
    clearSelection(true);
}

void ITextElementFrame::setPaintSuppressed(bool suppressed)
{
    m_paintSuppressed = suppressed;
    for (int id : kHandleIds)
        m_handles[id]->setPaintSuppressed(suppressed);
}

void ITextElementFrame::onDocumentSizeChanged()
{
    refreshFrame();
}

void ITextElementFrame::onCursorPositionChanged()
{
    reportFormat();
}

void ITextElementFrame::reportFormat()
{
    if (!m_text)
        return;
    const QTextCursor cursor = m_text->textCursor();
    const QTextCharFormat format = cursor.charFormat();
    emit sgFontChanged(format.font().resolve(m_text->font()));
    QColor background(Qt::transparent);
    if (format.hasProperty(QTextFormat::BackgroundBrush))
        background = format.background().color();
    else if (const auto* element = qobject_cast<const ITextElement*>(m_text))
        background = element->backgroundColor();
    emit sgBackgroundChanged(background);
    emit sgForegoundChanged(format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                                           : m_text->defaultTextColor());
    emit sgAlignmentChanged(cursor.blockFormat().alignment());
}

void ITextElementFrame::lock()
{
    m_locked = true;
    applyHandleVisibility();
    if (auto* element = qobject_cast<ITextElement*>(m_text)) {
        const IElementState before = IElementState::of(element);
        element->setLocked(true);
        recordChange(element, before);
    }
    update();
}

void ITextElementFrame::unlock()
{
    m_locked = false;
    applyHandleVisibility();
    if (auto* element = qobject_cast<ITextElement*>(m_text)) {
        const IElementState before = IElementState::of(element);
        element->setLocked(false);
        recordChange(element, before);
    }
    update();
}

void ITextElementFrame::recordChange(QGraphicsTextItem* text, const IElementState& before)
{
    auto* element = dynamic_cast<IElement*>(text);
    auto* slide = text ? qobject_cast<ISlide*>(text->scene()) : nullptr;
    if (!element || !slide || !slide->elements().contains(element))
        return;
    auto* command = new IElementStateCommand(slide);
    command->add(element, before, IElementState::of(element));
    if (command->isEmpty())
        delete command;
    else
        slide->history()->record(command);
}

void ITextElementFrame::beginEdit()
{
    if (m_editedText == m_text)
        return;
    m_editedText = m_text;
    m_editBefore = IElementState::of(dynamic_cast<IElement*>(m_text.data()));
}

void ITextElementFrame::endEdit(QGraphicsTextItem* text)
{
    if (!text || text != m_editedText)
        return;
    m_editedText = nullptr;
    auto* element = dynamic_cast<IElement*>(text);
    auto* slide = qobject_cast<ISlide*>(text->scene());
    if (!element || !slide)
        return;
    // The first words of a new box belong to the step that made the box:
    // undoing it takes the box away, redoing it brings the box back as typed.
    if (!m_editBefore.hasText()) {
        const QUndoStack* stack = slide->history()->stack();
        const auto* added = dynamic_cast<const IAddElementsCommand*>(stack->command(stack->index() - 1));
        if (added && added->elements() == QList<IElement*>{element})
            return;
    }
    recordChange(text, m_editBefore);
}

int ITextElementFrame::handleAt(const QPointF& pos) const
{
    for (int id : kHandleIds) {
        if (m_handles[id]->isVisible() && handleRect(id).contains(pos))
            return id;
    }
    return NoHandle;
}

void ITextElementFrame::setHandleSize(const QSizeF& size)
{
    if (!size.isValid() || size.isEmpty())
        return;
    m_handleSize = size;
    loadPictures();
    layoutHandles();
}

QRectF ITextElementFrame::topLeftHandleRect() const
{
    return handleRect(TopLeftHandle);
}

QRectF ITextElementFrame::topRightHandleRect() const
{
    return handleRect(TopRightHandle);
}

QRectF ITextElementFrame::bottomLeftHandleRect() const
{
    return handleRect(BottomLeftHandle);
}

QRectF ITextElementFrame::bottomRightHandleRect() const
{
    return handleRect(BottomRightHandle);
}

QRectF ITextElementFrame::leftEdgeHandleRect() const
{
    return handleRect(LeftHandle);
}

QRectF ITextElementFrame::topEdgeHandleRect() const
{
    return handleRect(TopHandle);
}

QRectF ITextElementFrame::rightEdgeHandleRect() const
{
    return handleRect(RightHandle);
}

QRectF ITextElementFrame::bottomEdgeHandleRect() const
{
    return handleRect(BottomHandle);
}

void ITextElementFrame::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    emit sgSelectionChanged(selected);
}

double ITextElementFrame::handleExtent() const
{
    return m_handleSize.width();
}

double ITextElementFrame::frameMargin() const
{
    // The outline lies this far outside the text (view pixels), so that the
    // handles on it leave the letters uncovered.
    return m_handleSize.width() / 2 + 2;
}

bool ITextElementFrame::scaleHandlesShown() const
{
    return isVisible() && !m_locked && m_scaleEnabled;
}

bool ITextElementFrame::isRedrawEnabled() const
{
    return m_redrawEnabled;
}

void ITextElementFrame::setRedrawEnabled(bool enabled, bool updateNow)
{
    m_redrawEnabled = enabled;
    if (updateNow)
        update();
}

QWidget* ITextElementFrame::frameWidget()
{
    return nullptr;
}

ITextElementFrame::Gesture ITextElementFrame::gestureFor(int handle) const
{
    switch (handle) {
    case NoHandle:
        return Gesture::Body;
    case TopLeftHandle:
        return m_translationEnabled ? Gesture::Translate : Gesture::None;
    case TopRightHandle:
    case BottomLeftHandle:
    case BottomRightHandle:
        return m_scaleEnabled ? Gesture::Scale : Gesture::None;
    case LeftHandle:
        return m_leftWidthEnabled ? Gesture::LeftWidth : Gesture::None;
    case RightHandle:
        return m_rightWidthEnabled ? Gesture::RightWidth : Gesture::None;
    case LockHandle:
        return Gesture::Lock;
    default:
        return Gesture::None;
    }
}

void ITextElementFrame::press(int handle, const QPointF& scenePos)
{
    // A selector and the scene may both hand on the same press.
    if (m_gesture != Gesture::None && samePoint(scenePos, m_pressPos))
        return;
    if (!m_text)
        return;
    m_gesture = gestureFor(handle);
    m_handle = handle;
    m_pressPos = scenePos;
    m_lastPos = scenePos;
    m_dragStarted = false;
}

void ITextElementFrame::move(const QPointF& scenePos)
{
    if (m_gesture == Gesture::None || !m_text || samePoint(scenePos, m_lastPos))
        return;
    const QPointF delta = scenePos - m_lastPos;
    switch (m_gesture) {
    case Gesture::Body: {
        // Typing keeps the text where it is; a lock keeps it there always.
        if (isEditing() || m_locked)
            return;
        if (!m_dragStarted) {
            const QPointF moved = scenePos - m_pressPos;
            if (std::abs(moved.x()) + std::abs(moved.y()) < kClickDistance)
                return;
            m_dragStarted = true;
        }
        beginTransform();
        m_text->moveBy(delta.x(), delta.y());
        break;
    }
    case Gesture::Translate:
        beginTransform();
        m_text->moveBy(delta.x(), delta.y());
        break;
    case Gesture::Scale:
        beginTransform();
        scaleBy(delta);
        break;
    case Gesture::LeftWidth:
    case Gesture::RightWidth:
        beginTransform();
        widenBy(delta);
        break;
    case Gesture::Lock:
    case Gesture::None:
        return;
    }
    m_lastPos = scenePos;
    refreshFrame();
    emit sgTransformChanging();
}

void ITextElementFrame::release(const QPointF& scenePos)
{
    if (m_gesture == Gesture::None)
        return;
    const Gesture gesture = m_gesture;
    m_gesture = Gesture::None;
    setHandlesOpacity(1);
    if (gesture == Gesture::Body && !m_dragStarted) {
        const QPointF moved = scenePos - m_pressPos;
        if (std::abs(moved.x()) + std::abs(moved.y()) < kClickDistance)
            enterEditorAt(scenePos);
    } else if (gesture == Gesture::Lock && m_locked) {
        unlock();
    }
    refreshFrame();
    endTransform();
}

void ITextElementFrame::beginTransform()
{
    if (m_transforming)
        return;
    m_transforming = true;
    m_snapshot.clear();
    m_snapshot.insert(m_text, m_text->sceneTransform());
    m_transformBefore = IElementState::of(dynamic_cast<IElement*>(m_text.data()));
    setHandlesOpacity(kGestureOpacity);
    emit sgTransformBeforeChanged();
}

void ITextElementFrame::endTransform()
{
    if (!m_transforming)
        return;
    m_transforming = false;
    QSet<QGraphicsItem*> changed;
    for (auto it = m_snapshot.cbegin(); it != m_snapshot.cend(); ++it)
        changed.insert(it.key());
    if (m_text && m_snapshot.contains(m_text))
        recordChange(m_text, m_transformBefore);
    emit sgTransformAfterChanged(changed);
}

void ITextElementFrame::scaleBy(const QPointF& delta)
{
    const QRectF r = m_text->sceneBoundingRect();
    if (r.width() <= 0)
        return;
    double width = r.width();
    QPointF (QRectF::*anchor)() const = &QRectF::topLeft;
    switch (m_handle) {
    case BottomRightHandle:
        width += delta.x();
        anchor = &QRectF::topLeft;
        break;
    case BottomLeftHandle:
        width -= delta.x();
        anchor = &QRectF::topRight;
        break;
    case TopRightHandle:
        width += delta.x();
        anchor = &QRectF::bottomLeft;
        break;
    default:
        return;
    }
    const double factor = std::max(width, kMinimumSize) / r.width();
    if (factor == 1.0 || !std::isfinite(factor))
        return;
    const QPointF before = (r.*anchor)();
    m_text->setTransform(QTransform::fromScale(factor, factor), true);
    const QPointF after = (m_text->sceneBoundingRect().*anchor)();
    m_text->moveBy(before.x() - after.x(), before.y() - after.y());
}

void ITextElementFrame::widenBy(const QPointF& delta)
{
    auto* resizable = dynamic_cast<IResizableItem*>(m_text.data());
    if (!resizable)
        return;
    const bool left = m_gesture == Gesture::LeftWidth;
    const QRectF r = m_text->sceneBoundingRect();
    const double width = std::max(left ? r.width() - delta.x() : r.width() + delta.x(), kMinimumSize);
    resizable->resize(width, r.height());
    // The opposite edge stays where it was.
    const QRectF now = m_text->sceneBoundingRect();
    const double dx = left ? r.right() - now.right() : r.left() - now.left();
    m_text->moveBy(dx, r.top() - now.top());
}

bool ITextElementFrame::gestureEvent(QGestureEvent* event)
{
    auto* pinch = static_cast<QPinchGesture*>(event->gesture(Qt::PinchGesture));
    if (!pinch || !m_text || m_locked)
        return false;
    if (pinch->changeFlags() & QPinchGesture::ScaleFactorChanged) {
        const QRectF r = m_text->sceneBoundingRect();
        const double factor = pinch->scaleFactor();
        const QSizeF wanted = r.size() * factor;
        const QSizeF allowed(std::max(wanted.width(), kMinimumSize), std::max(wanted.height(), kMinimumSize));
        const bool fits = std::abs(allowed.width() - wanted.width()) <= 1e-12 * allowed.width()
            && std::abs(allowed.height() - wanted.height()) <= 1e-12 * allowed.height();
        if (fits && std::isfinite(factor) && factor > 0) {
            beginTransform();
            m_pinching = true;
            m_text->setTransform(QTransform::fromScale(factor, factor), true);
            const QPointF shift = r.center() - m_text->sceneBoundingRect().center();
            m_text->moveBy(shift.x(), shift.y());
            refreshFrame();
            emit sgTransformChanging();
        }
    }
    if (pinch->state() == Qt::GestureFinished || pinch->state() == Qt::GestureCanceled) {
        m_pinching = false;
        setHandlesOpacity(1);
        refreshFrame();
        endTransform();
    }
    event->accept(pinch);
    return true;
}

void ITextElementFrame::inputMousePressEvent(QGraphicsSceneMouseEvent* event)
{
    int id = NoHandle;
    for (int candidate : kHandleIds) {
        if (m_handles[candidate] == sender())
            id = candidate;
    }
    press(id, event->scenePos());
}

void ITextElementFrame::inputMouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    move(event->scenePos());
}

void ITextElementFrame::inputMouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    release(event->scenePos());
}

void ITextElementFrame::inputMousePress(const QPointF& pos, Qt::KeyboardModifiers modifiers)
{
    Q_UNUSED(modifiers)
    press(handleAt(pos), mapToScene(pos));
}

void ITextElementFrame::inputMouseMove(const QPointF& pos, Qt::KeyboardModifiers modifiers)
{
    Q_UNUSED(modifiers)
    move(mapToScene(pos));
}

void ITextElementFrame::inputMouseRelease(const QPointF& pos, Qt::KeyboardModifiers modifiers)
{
    Q_UNUSED(modifiers)
    release(mapToScene(pos));
}

void ITextElementFrame::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    press(NoHandle, event->scenePos());
    event->accept();
}

void ITextElementFrame::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    move(event->scenePos());
}

void ITextElementFrame::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    release(event->scenePos());
}

QVariant ITextElementFrame::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemSceneHasChanged) {
        // Presses on the slide's texts reach the frame before the texts
        // themselves, so that the frame can take a text it does not hold yet.
        if (m_filteredScene)
            m_filteredScene->removeEventFilter(this);
        m_filteredScene = scene();
        if (m_filteredScene)
            m_filteredScene->installEventFilter(this);
    } else if (change == ItemVisibleHasChanged) {
        const bool shown = value.toBool();
        if (shown)
            refreshFrame();
        frameVisibilityChanged(shown);
    }
    return QGraphicsRectItem::itemChange(change, value);
}

QGraphicsItem* ITextElementFrame::topItemAt(const QPointF& scenePos, QWidget* viewport) const
{
    const QGraphicsView* view = viewport ? qobject_cast<const QGraphicsView*>(viewport->parentWidget()) : nullptr;
    if (!view)
        view = boardView();
    const QTransform transform = view ? view->viewportTransform() : QTransform();
    for (QGraphicsItem* item : scene()->items(scenePos, Qt::IntersectsItemShape, Qt::DescendingOrder, transform)) {
        if (item->isVisible())
            return item;
    }
    return nullptr;
}

bool ITextElementFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_filteredScene)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::GraphicsSceneMousePress:
        return scenePress(static_cast<QGraphicsSceneMouseEvent*>(event));
    case QEvent::GraphicsSceneMouseMove:
        if (m_gesture != Gesture::Body)
            return false;
        move(static_cast<QGraphicsSceneMouseEvent*>(event)->scenePos());
        event->accept();
        return true;
    case QEvent::GraphicsSceneMouseRelease:
        if (m_gesture != Gesture::Body)
            return false;
        release(static_cast<QGraphicsSceneMouseEvent*>(event)->scenePos());
        event->accept();
        return true;
    case QEvent::GraphicsSceneContextMenu:
        return sceneContextMenu(static_cast<QGraphicsSceneContextMenuEvent*>(event));
    default:
        return false;
    }
}

bool ITextElementFrame::scenePress(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    QGraphicsItem* top = topItemAt(event->scenePos(), event->widget());
    // Handles and the border band take their presses themselves.
    if (top && (top == this || isAncestorOf(top)))
        return false;
    QGraphicsTextItem* text = textOf(top);
    if (!text) {
        if (isVisible())
            endEditState();
        return false;
    }
    const bool framed = text == m_text && isVisible();
    // Inside the text being typed the press places the caret.
    if (framed && editing(text))
        return false;
    if (!framed)
        setSelection({text}, true);
    press(NoHandle, event->scenePos());
    event->accept();
    return true;
}

bool ITextElementFrame::sceneContextMenu(QGraphicsSceneContextMenuEvent* event)
{
    if (!m_text || !isVisible() || isEditing())
        return false;
    QGraphicsItem* top = topItemAt(event->scenePos(), event->widget());
    if (top != m_text && top != this && !(top && isAncestorOf(top)))
        return false;
    return showContextMenuAt(event->screenPos());
}

bool ITextElementFrame::showContextMenuAt(const QPoint& screenPos)
{
    Q_UNUSED(screenPos)
    return false;
}
