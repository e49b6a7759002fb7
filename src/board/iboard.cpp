// The annotation board view.
#include "board/iboard.h"

#include "board/iannotationlayer.h"
#include "board/iboardstate.h"
#include "board/icursorrecolor.h"
#include "board/ielementbin.h"
#include "board/islide.h"
#include "board/item/icommonelementframe.h"
#include "board/item/icommontextelementframe.h"
#include "board/item/ielement.h"
#include "board/item/ipixmapitem.h"
#include "board/mode/deviceinput.h"
#include "board/mode/imodemanager.h"
#include "board/mode/iselectorbasemode.h"
#include "board/path/ipathrenderwidget.h"
#include "board/tk_iboard_enum.h"
#include "board/undo/islidehistory.h"
#include "customui/common/itimemsgbox.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QGestureEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPinchGesture>
#include <QPixmapCache>
#include <QScreen>
#include <QShortcut>
#include <QStyleOptionGraphicsItem>
#include <QSysInfo>
#include <QTouchEvent>
#include <QUndoGroup>
#include <QUndoStack>
#include <QVersionNumber>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

bool sameValue(double a, double b)
{
    return a == b || std::abs(a - b) <= 1e-12 * std::max(std::abs(a), std::abs(b));
}

// Newer macOS repaints the view behind a stroke with each camera picture,
// which makes the ink flicker; there the picture waits until the stroke ends.
bool holdsPictureDuringStrokes()
{
    const QString type = QSysInfo::productType();
    if (type != QLatin1String("macos") && type != QLatin1String("osx"))
        return false;
    return QVersionNumber::fromString(QSysInfo::productVersion()) >= QVersionNumber(13);
}

} // namespace

IBoard::IBoard(QWidget* parent)
    : QGraphicsView(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setFrameShape(QFrame::NoFrame);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                   | QPainter::SmoothPixmapTransform);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCacheMode(QGraphicsView::CacheBackground);
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setOptimizationFlag(QGraphicsView::IndirectPainting);
    setInteractive(true);
    setAcceptDrops(true);
    setAttribute(Qt::WA_AcceptTouchEvents);
    viewport()->setAttribute(Qt::WA_AcceptTouchEvents);
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    for (Qt::GestureType gesture : {Qt::PanGesture, Qt::PinchGesture, Qt::SwipeGesture,
                                    Qt::TapGesture, Qt::TapAndHoldGesture}) {
        grabGesture(gesture);
        viewport()->grabGesture(gesture);
    }
    // A full-screen camera picture and its zoomed copies do not fit Qt's default cache.
    QPixmapCache::setCacheLimit(512000);
    unsetCursor();
    m_annotationLayer = new IAnnotationLayer(
        this, [this](QPainter* painter, int count, QGraphicsItem** items, const QStyleOptionGraphicsItem* options) {
            QGraphicsView::drawItems(painter, count, items, options);
        });
    if (QScreen* screen = QGuiApplication::primaryScreen())
        m_boardSize = screen->size();
    m_undoGroup = new QUndoGroup(this);
    // Anywhere in the board's window. Text being typed takes these keys for
    // its own typing first.
    const auto shortcut = [this](const QKeySequence& keys, void (IBoard::*action)()) {
        auto* key = new QShortcut(keys, this);
        key->setContext(Qt::WindowShortcut);
        connect(key, &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), &IBoard::undo);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &IBoard::redo);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), &IBoard::redo);
    init();
}

IBoard::~IBoard() = default;

void IBoard::init()
{
    // The constructor runs this already; a second state and mode manager would
    // leave the first state connected and the tools on the second.
    if (m_state)
        return;
    m_state = new IBoardState(this);
    m_state->setInkOpacity(255);
    m_state->setInkThickness(5);
    m_state->setInkColor(Qt::red);
    m_state->setPointEraserSize(QSizeF(100, 100));
    m_state->setFigureForeground(Qt::black);
    m_state->setFigureThickness(5);
    // Figures start hollow: no control chooses a fill, and an opaque one would
    // hide the page under the camera.
    m_state->setFigureBackground(Qt::transparent);
    m_modeManager = std::make_unique<IModeManager>(this);
    m_zoomMessage = new ITimeMsgBox(this);
    m_zoomMessage->hide();
    connect(m_state, &IBoardState::notifyStateChanged, this,
            [this](IBoardState::NotifyStatePropertyType type, const QVariant& value) {
                onStateChanged(type, value);
            });
}

void IBoard::setPictureItem(IPixmapItem* item)
{
    if (m_pictureItem && m_currentSlide && m_pictureItem->scene() == m_currentSlide)
        m_currentSlide->removeItem(m_pictureItem);
    m_pictureItem = item;
    if (!m_pictureItem)
        return;
    // Below anything the slide stacks, however many elements it holds.
    m_pictureItem->setZValue(IPixmapItem::kSlideZ);
    if (m_currentSlide)
        m_currentSlide->addItem(m_pictureItem);
}

IPixmapItem* IBoard::pictureItem() const
{
    return m_pictureItem;
}

QRectF IBoard::pictureSceneRect() const
{
    if (!m_pictureItem)
        return QRectF();
    return QRectF(m_pictureItem->scenePos(), m_pictureItem->boundingRect().size());
}

QRect IBoard::pictureGlobalRect() const
{
    const QRect inView = mapFromScene(pictureSceneRect()).boundingRect();
    return QRect(viewport()->mapToGlobal(inView.topLeft()), inView.size());
}

QImage IBoard::renderAnnotations(double scaleX, double scaleY)
{
    const QRectF area = pictureSceneRect();
    if (!m_currentSlide || area.isEmpty())
        return QImage();
    // Nothing drawn over the picture: no layer to make, which at 4K saves
    // the GUI thread a 33 MB image per snap.
    const QList<QGraphicsItem*> over = m_currentSlide->items(area);
    const QGraphicsItem* idleOverlay = m_pathRenderWidget && !m_pathRenderWidget->isActive()
        ? m_pathRenderWidget.get()
        : nullptr;
    const bool anythingDrawn = std::any_of(over.begin(), over.end(), [&](const QGraphicsItem* item) {
        return item != m_pictureItem && item != idleOverlay && item->isVisible();
    });
    if (!anythingDrawn)
        return QImage();
    QImage image(qRound(area.width() * scaleX), qRound(area.height() * scaleY),
                 QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Hiding the picture instead would make the board repaint it and its
    // cached elements after every snap.
    m_pictureItem->setPaintSuppressed(true);
    // The selection frame is a tool on the board, not part of the annotations.
    auto* frame = dynamic_cast<ISceneElementFrame*>(m_currentSlide->sceneElementFrame());
    if (frame)
        frame->setPaintSuppressed(true);
    m_currentSlide->render(&painter, QRectF(), area, Qt::KeepAspectRatio);
    if (frame)
        frame->setPaintSuppressed(false);
    m_pictureItem->setPaintSuppressed(false);
    return image;
}

void IBoard::insertSlide(ISlide* slide, bool makeCurrent)
{
    if (!slide)
        throw std::invalid_argument("IBoard: null slide");
    const int currentIndex = m_slides.indexOf(m_currentSlide);
    const int newIndex = m_slides.size();
    emit sgBeforeSlideInsert(currentIndex, newIndex);
    if (!slide->parent())
        slide->setParent(this);
    // Text on the board's slides is framed by the text frame, which hands the
    // board over to the selector once typing starts.
    slide->setSceneElementFrameCreator([this](QGraphicsView*) -> QGraphicsItem* {
        auto* frame = new ICommonTextElementFrame(this);
        connect(frame, &ICommonTextElementFrame::sgModeChanged, this,
                [this](TK_IBOARD_ENUM::ModeType mode) { setMode(mode); });
        return frame;
    });
    m_slides.append(slide);
    IElementBin::of(this)->watch(slide);
    m_undoGroup->addStack(slide->history()->stack());
    if (makeCurrent)
        setCurrentSlide(slide);
    emit sgAfterSlideInsert(currentIndex, newIndex);
}

void IBoard::setCurrentSlide(ISlide* slide)
{
    if (!slide)
        throw std::invalid_argument("IBoard: null slide");
    emit sgBeforeSlideChanged();
    setScene(slide);
    m_annotationLayer->setScene(slide);
    centerOn(slide->sceneRect().center());
    m_currentSlide = slide;
    // A slide inserted elsewhere has no place in the group yet.
    m_undoGroup->addStack(slide->history()->stack());
    m_undoGroup->setActiveStack(slide->history()->stack());
    emit sgAfterSlideChanged();
}

int IBoard::indexOfSlide(ISlide* slide) const
{
    return m_slides.indexOf(slide);
}

void IBoard::setMode(int type)
{
    emit sgBeforeModeChanged();
    m_modeManager->setModeType(type);
    emit sgAfterModeChanged();
}

int IBoard::currentModeType() const
{
    return m_modeManager ? m_modeManager->modeType() : TK_IBOARD_ENUM::NoneMode;
}

QGraphicsItem* IBoard::sceneElementFrame()
{
    return m_currentSlide ? m_currentSlide->sceneElementFrame() : nullptr;
}

IElementFrame* IBoard::elementFrame()
{
    if (!m_elementFrame) {
        m_elementFrame = new ICommonElementFrame(this);
        m_elementFrame->hide();
    }
    return m_elementFrame;
}

void IBoard::hideSelection()
{
    // Clearing hands the elements back to the slide and hides the frame.
    if (m_elementFrame)
        m_elementFrame->clearSelection(true);
    QGraphicsItem* frame = sceneElementFrame();
    if (auto* textFrame = dynamic_cast<ISceneElementFrame*>(frame))
        textFrame->endEditState();
    else if (frame)
        frame->hide();
}

void IBoard::undo()
{
    if (!m_currentSlide)
        return;
    cancelInput();
    hideSelection();
    m_currentSlide->history()->undo();
}

void IBoard::redo()
{
    if (!m_currentSlide)
        return;
    cancelInput();
    hideSelection();
    m_currentSlide->history()->redo();
}

void IBoard::showFrameFor(const QList<QGraphicsItem*>& items)
{
    if (items.isEmpty())
        return;
    if (ISelectorBaseMode::isTextElement(items.first())) {
        if (auto* frame = dynamic_cast<IAbstractFrame*>(sceneElementFrame()))
            frame->setSelection(items, true);
        return;
    }
    elementFrame()->setSelection(items, true);
}

bool IBoard::isBoardElement(const QGraphicsItem* item)
{
    if (!item)
        return false;
    const int type = item->type();
    return type == InkElementType || (type >= FigureElementType && type <= TextLikeElementType12)
        || type == GroupElementType || type == PathElementType || type == ElementType16;
}

QSizeF IBoard::fittedPictureSize() const
{
    return m_pictureSize.scaled(m_boardSize, Qt::KeepAspectRatio);
}

double IBoard::maximumScale() const
{
    const QSizeF fitted = fittedPictureSize();
    if (m_pictureSize.width() <= 0 || fitted.width() <= 0)
        return 1.0;
    const double fitRatio = fitted.width() / m_pictureSize.width();
    const double k = fitRatio > 10 ? fitRatio : 10;
    return k / fitRatio;
}

double IBoard::scaleFactor() const
{
    const QTransform t = transform();
    switch (t.type()) {
    case QTransform::TxNone:
    case QTransform::TxTranslate:
    case QTransform::TxScale:
        return std::abs(t.m11());
    case QTransform::TxRotate:
        // Holds for any angle, not only quarter turns.
        return std::hypot(t.m11(), t.m12());
    default:
        return 1.0;
    }
}

void IBoard::zoomBy(double factor)
{
    const QSizeF fitted = fittedPictureSize();
    const double s = scaleFactor();
    // A NaN would pass every comparison below and blank the board.
    if (!(s > 0) || !std::isfinite(factor) || factor <= 0)
        return;
    const double maximum = maximumScale();
    if (s * factor < 0.05)
        factor = 0.05 / s;
    if (s * factor > maximum)
        factor = maximum / s;
    scale(factor, factor);
    centerOnPicture();
    if (m_pictureSize.isEmpty())
        return;
    const double shown = scaleFactor();
    const double percent = (fitted.width() * shown / m_pictureSize.width()
                             + fitted.height() * shown / m_pictureSize.height())
        / 2 * 100;
    // Rounding noise must not turn an exact 100 into 99.
    const int whole = static_cast<int>(std::floor(percent + 1e-6));
    m_zoomMessage->showMessage(QStringLiteral("%1X").arg(whole), 1000);
}

void IBoard::zoomToFit()
{
    const double s = scaleFactor();
    if (s > 0)
        zoomBy(1 / s);
}

void IBoard::resetView()
{
    m_rotation = 0;
    resetTransform();
    centerOnPicture();
    zoomBy(1);
}

void IBoard::rotateBy(int degrees)
{
    m_rotation = ((m_rotation + degrees) % 360 + 360) % 360;
    rotate(degrees);
    centerOnPicture();
}

void IBoard::panBy(double dx, double dy)
{
    if (!std::isfinite(dx) || !std::isfinite(dy))
        return;
    translate(dx, dy);
}

void IBoard::toggleFullScreen()
{
    QWidget* parent = parentWidget();
    if (!parent)
        return;
    const bool wasFullScreen = m_fullScreen;
    m_fullScreen = !m_fullScreen;
    // The board keeps the size it had while it fills the window.
    m_sizeTracking = wasFullScreen;
    emit sgIsFullScreen(m_fullScreen);
    const QPointF picturePos = m_pictureItem ? m_pictureItem->scenePos() : QPointF();
    if (m_fullScreen) {
        const QSizeF inner(m_boardSize.width() - 2 * m_margins[0],
                           m_boardSize.height() - 2 * m_margins[0]);
        const QSizeF first = m_pictureSize.scaled(inner, Qt::KeepAspectRatio);
        const QSizeF second = first.scaled(QSizeF(parent->size()), Qt::KeepAspectRatio);
        const double factor = first.width() > 0 ? second.width() / first.width() : 1.0;
        m_savedScale = scaleFactor();
        m_savedRotation = m_rotation;
        m_savedPicturePos = mapFromScene(picturePos);
        resetTransform();
        scale(factor, factor);
        rotate(m_savedRotation);
        // Let the parent lay out the enlarged board before centring on it.
        QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
        centerOnPicture();
    } else {
        resetTransform();
        const QPointF delta = m_savedPicturePos - QPointF(mapFromScene(picturePos));
        translate(delta.x(), delta.y());
        rotate(m_savedRotation);
        scale(m_savedScale, m_savedScale);
    }
}

void IBoard::setBackgroundImage(const QImage& image)
{
    if (!m_hold && m_pictureItem) {
        // A frame of the same size repaints only the picture's pixels; the
        // scene is not told, so the elements' layer stays as it is.
        if (m_pictureItem->swapImage(image))
            viewport()->update(mapFromScene(m_pictureItem->sceneBoundingRect()).boundingRect().adjusted(-2, -2, 2, 2));
        else
            m_pictureItem->setImage(image);
    }
    const QSizeF size = image.size();
    if (sameValue(size.width(), m_lastImageSize.width())
        && sameValue(size.height(), m_lastImageSize.height()))
        return;
    m_lastImageSize = size;
    centerOnPicture();
}

void IBoard::setMargins(int frame, int left, int top, int right, int bottom)
{
    m_margins[0] = frame;
    m_margins[1] = left;
    m_margins[2] = top;
    m_margins[3] = right;
    m_margins[4] = bottom;
}

void IBoard::setPictureSize(const QSizeF& size)
{
    m_pictureSize = size;
}

void IBoard::centerOnPicture()
{
    if (m_pictureItem)
        centerOn(m_pictureItem);
}

void IBoard::setBoardCursor(const QCursor& cursor)
{
    QWidget* grabber = QWidget::mouseGrabber();
    if (grabber == this || grabber == viewport())
        grabber->releaseMouse();
    setCursor(cursor);
    viewport()->setCursor(cursor);
}

void IBoard::setBoardCursorFile(const QString& path)
{
    QPixmap picture;
    if (!picture.load(path))
        return;
    setBoardCursor(QCursor(picture));
}

bool IBoard::isPathRenderWidget(const QGraphicsItem* item) const
{
    return item && item == m_pathRenderWidget.get();
}

IPathRenderWidget* IBoard::pathRenderWidget()
{
    if (!m_pathRenderWidget)
        m_pathRenderWidget = std::make_unique<IPathRenderWidget>(this);
    return m_pathRenderWidget.get();
}

int IBoard::touchDeviceNumber(int touchPointId)
{
    // Above the mouse's 175 whatever the id, and clear of overflow.
    constexpr int kFirstTouchDevice = 1000;
    return kFirstTouchDevice + (touchPointId & 0x0FFFFFFF);
}

void IBoard::onStateChanged(int type, const QVariant& value)
{
    if (type != IBoardState::InkColor || currentModeType() != TK_IBOARD_ENUM::PencilMode)
        return;
    setBoardCursor(ICursorRecolor::pencilCursor(value.value<QColor>()));
}

bool IBoard::pictureContains(const QPointF& viewPos) const
{
    return pictureSceneRect().contains(mapToScene(viewPos.toPoint()));
}

void IBoard::remember(const DeviceInput& input)
{
    m_lastInputPos = input.position();
    m_lastInputDevice = input.deviceNumber();
}

void IBoard::cancelInput()
{
    if (m_modeManager)
        m_modeManager->cancel();
    // An element dragged by the selector must not follow the pointer any further.
    if (m_gestureButton != Qt::NoButton && m_currentSlide) {
        if (QGraphicsItem* grabber = m_currentSlide->mouseGrabberItem())
            grabber->ungrabMouse();
    }
    m_gestureButton = Qt::NoButton;
    m_pressedInside = false;
    m_touches.clear();
    m_hold = false;
    m_panArmed = false;
    m_panBlocked = false;
}

void IBoard::mousePressEvent(QMouseEvent* event)
{
    // Only the left button draws, selects or pans; others would start
    // rubber bands or selections the tools know nothing about.
    if (event->button() != Qt::LeftButton)
        return;
    if (isInteractive())
        emit sgClickOnBoard();
    if (!m_currentSlide) {
        event->accept();
        return;
    }
    // The release of the last gesture never came (a window took it): drop
    // that gesture rather than carry it on from here.
    if (m_gestureButton != Qt::NoButton)
        cancelInput();
    m_gestureButton = event->button();
    if (pictureContains(event->localPos())) {
        m_pressedInside = true;
        DeviceInput input(*event, event->localPos(), DeviceInput::kMouseDevice);
        m_modeManager->press(input);
        remember(input);
        if (currentModeType() == TK_IBOARD_ENUM::PencilMode && holdsPictureDuringStrokes())
            m_hold = true;
    }
    if (currentModeType() != TK_IBOARD_ENUM::SelectorMode) {
        event->accept();
        return;
    }
    // The tool handed the press to the element frame: the element moves.
    const bool onElement = m_elementFrame && m_elementFrame->isDragging();
    // Dragging text, its frame or an element moves that, not the view.
    if (onTextOrItsFrame(event->pos()) || onElement)
        m_panBlocked = true;
    m_panArmed = true;
    m_gestureFinished = false;
    m_lastMousePos = event->pos();
    event->accept();
    QGraphicsView::mousePressEvent(event);
}

void IBoard::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressedInside && pictureContains(event->localPos())) {
        DeviceInput input(*event, event->localPos(), DeviceInput::kMouseDevice);
        m_modeManager->move(input);
        remember(input);
    }
    if (currentModeType() != TK_IBOARD_ENUM::SelectorMode) {
        event->accept();
        return;
    }
    if (m_panArmed && !m_panBlocked && !m_gestureFinished) {
        const QPointF delta = mapToScene(event->pos()) - mapToScene(m_lastMousePos);
        panBy(delta.x(), delta.y());
        m_lastMousePos = event->pos();
    }
    QGraphicsView::mouseMoveEvent(event);
}

void IBoard::mouseReleaseEvent(QMouseEvent* event)
{
    // A middle or other click during a stroke must not end the stroke.
    if (event->button() != m_gestureButton) {
        // Without a gesture the view still sees right clicks, and in the
        // selector the release of a cancelled drag.
        const bool toView = m_gestureButton == Qt::NoButton
            && (event->button() == Qt::RightButton || currentModeType() == TK_IBOARD_ENUM::SelectorMode);
        if (toView)
            QGraphicsView::mouseReleaseEvent(event);
        else
            event->accept();
        return;
    }
    m_gestureButton = Qt::NoButton;
    if (pictureContains(event->localPos())) {
        DeviceInput input(*event, event->localPos(), DeviceInput::kMouseDevice);
        m_modeManager->release(input);
    } else if (m_pressedInside) {
        // The button came up outside the picture: end the stroke where it left it.
        DeviceInput input(QEvent::MouseButtonRelease, m_lastInputPos, event->button(),
                          event->buttons(), event->modifiers(), m_lastInputDevice);
        m_modeManager->release(input);
    }
    m_pressedInside = false;
    // Fingers still drawing keep the picture held.
    if (m_touches.isEmpty())
        m_hold = false;
    if (currentModeType() != TK_IBOARD_ENUM::SelectorMode) {
        event->accept();
        return;
    }
    m_panArmed = false;
    m_panBlocked = false;
    QGraphicsView::mouseReleaseEvent(event);
}

void IBoard::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && isInteractive()
        && currentModeType() == TK_IBOARD_ENUM::SelectorMode && pictureContains(event->localPos())
        && !onTextOrItsFrame(event->pos()))
        toggleFullScreen();
    QGraphicsView::mouseDoubleClickEvent(event);
}

bool IBoard::onTextOrItsFrame(const QPoint& viewPos)
{
    const QGraphicsItem* top = itemAt(viewPos);
    if (top && top->type() == TextElementType)
        return true;
    QGraphicsItem* frame = m_currentSlide ? m_currentSlide->sceneElementFrame() : nullptr;
    return frame && frame->isVisible() && frame->contains(frame->mapFromScene(mapToScene(viewPos)));
}

void IBoard::wheelEvent(QWheelEvent* event)
{
    // Only the vertical turn zooms: a tilted wheel or a sideways swipe on a
    // touch pad is no request to zoom, and touch pads send empty deltas at the
    // start and end of a scroll.
    const int delta = event->angleDelta().y();
    if (delta != 0)
        zoomBy(delta < 0 ? 0.9 : 1.1);
    event->accept();
}

bool IBoard::handleGesture(QEvent* event)
{
    if (event->type() != QEvent::Gesture || currentModeType() != TK_IBOARD_ENUM::SelectorMode)
        return false;
    auto* gestures = static_cast<QGestureEvent*>(event);
    if (auto* pinch = static_cast<QPinchGesture*>(gestures->gesture(Qt::PinchGesture))) {
        zoomBy(pinch->lastScaleFactor());
        if (pinch->state() == Qt::GestureFinished)
            m_gestureFinished = true;
    }
    gestures->accept();
    return true;
}

void IBoard::keyPressEvent(QKeyEvent* event)
{
    // Escape takes back the stroke or drag under way; otherwise it is
    // someone else's key (text being edited, the window).
    if (event->key() == Qt::Key_Escape && m_gestureButton != Qt::NoButton) {
        cancelInput();
        event->accept();
        return;
    }
    QGraphicsView::keyPressEvent(event);
}

bool IBoard::event(QEvent* event)
{
    return handleGesture(event) || QGraphicsView::event(event);
}

bool IBoard::handleTouch(QTouchEvent* event)
{
    const int mode = currentModeType();
    if (mode == TK_IBOARD_ENUM::NoneMode || mode == TK_IBOARD_ENUM::SelectorMode)
        return false;
    // Taken here, so Qt makes no mouse stroke of the first finger as well.
    event->accept();
    if (!m_currentSlide)
        return true;
    if (event->type() == QEvent::TouchBegin) {
        // The fingers of the last touch never came up here (a window took
        // them): drop what they drew rather than carry it on.
        if (!m_touches.isEmpty())
            cancelInput();
        if (isInteractive())
            emit sgClickOnBoard();
    }
    for (const QTouchEvent::TouchPoint& point : event->touchPoints()) {
        const int id = point.id();
        const QPointF pos = point.pos();
        switch (point.state()) {
        case Qt::TouchPointPressed:
            if (!pictureContains(pos))
                break;
            m_touches.insert(id, pos);
            {
                DeviceInput input(QEvent(QEvent::TouchBegin), pos, touchDeviceNumber(id));
                m_modeManager->press(input);
            }
            if (mode == TK_IBOARD_ENUM::PencilMode && holdsPictureDuringStrokes())
                m_hold = true;
            break;
        case Qt::TouchPointMoved:
            if (!m_touches.contains(id))
                break;
            if (pictureContains(pos)) {
                m_touches.insert(id, pos);
                DeviceInput input(QEvent(QEvent::TouchUpdate), pos, touchDeviceNumber(id));
                m_modeManager->move(input);
            } else {
                // Off the picture the finger is done, as if lifted where it left.
                releaseTouch(id, m_touches.value(id));
            }
            break;
        case Qt::TouchPointReleased:
            if (m_touches.contains(id))
                releaseTouch(id, pictureContains(pos) ? pos : m_touches.value(id));
            break;
        default:
            break;
        }
    }
    return true;
}

void IBoard::releaseTouch(int touchPointId, const QPointF& viewPos)
{
    m_touches.remove(touchPointId);
    DeviceInput input(QEvent(QEvent::TouchEnd), viewPos, touchDeviceNumber(touchPointId));
    m_modeManager->release(input);
    if (m_touches.isEmpty() && m_gestureButton == Qt::NoButton)
        m_hold = false;
}

bool IBoard::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        if (handleTouch(static_cast<QTouchEvent*>(event)))
            return true;
        break;
    case QEvent::TouchCancel:
        // The system took the touches over; Qt then ends the mouse gesture
        // it made of them with a release that must not complete the stroke.
        cancelInput();
        break;
    case QEvent::Leave:
        // Qt normally holds a leave back until the button is released; one
        // that comes mid-gesture means the release will not come here.
        if (m_gestureButton != Qt::NoButton)
            cancelInput();
        break;
    default:
        break;
    }
    return handleGesture(event) || QGraphicsView::viewportEvent(event);
}

void IBoard::resizeEvent(QResizeEvent* event)
{
    if (m_currentSlide)
        m_currentSlide->setSceneRect(0, 0, width(), height());
    if (m_sizeTracking) {
        m_boardSize = size();
        if (m_pictureItem)
            m_pictureItem->setTargetSize(size());
    }
    QGraphicsView::resizeEvent(event);
}

void IBoard::paintEvent(QPaintEvent* event)
{
    m_paintRegion = event->region();
    // A zoom, turn or resize since the last stroke segment: the live ink
    // follows before it is painted.
    if (m_pathRenderWidget)
        m_pathRenderWidget->followView();
    QGraphicsView::paintEvent(event);
    noteShownPictureSize();
}

void IBoard::noteShownPictureSize()
{
    QSize shown;
    if (m_pictureItem && !m_pictureItem->boundingRect().isEmpty()) {
        // The scale survives any turn of the view, where a mapped rectangle
        // would swap or grow its sides.
        const QTransform toDevice = m_pictureItem->deviceTransform(viewportTransform());
        const double scale = std::hypot(toDevice.m11(), toDevice.m12()) * viewport()->devicePixelRatioF();
        const QSizeF size = m_pictureItem->boundingRect().size() * scale;
        shown = QSize(int(std::ceil(size.width())), int(std::ceil(size.height())));
    }
    if (shown == m_shownPictureSize)
        return;
    m_shownPictureSize = shown;
    emit sgPictureShownSize(shown);
}

void IBoard::drawItems(QPainter* painter, int numItems, QGraphicsItem* items[],
                       const QStyleOptionGraphicsItem options[])
{
    for (int i = 0; i < numItems; ++i) {
        if (items[i] == m_pictureItem) {
            QGraphicsView::drawItems(painter, 1, &items[i], &options[i]);
            break;
        }
    }
    m_annotationLayer->paint(painter, m_paintRegion, m_pictureItem);
}

void IBoard::dragEnterEvent(QDragEnterEvent* event)
{
    event->acceptProposedAction();
}

void IBoard::dragMoveEvent(QDragMoveEvent* event)
{
    event->acceptProposedAction();
}

void IBoard::dropEvent(QDropEvent* event)
{
    emit sgDropEvent(event);
    event->acceptProposedAction();
}
