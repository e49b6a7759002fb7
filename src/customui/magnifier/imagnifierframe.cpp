// The magnifying lens over the board.
#include "customui/magnifier/imagnifierframe.h"

#include "board/iboard.h"
#include "board/item/ipixmapitem.h"
#include "icamera.h"
#include "icameraerror.h"
#include "iglobals.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <cmath>

namespace {

// Reference pixels; the lens scales with the screen.
const int kDiameter = 300;
const int kRing = 4;

} // namespace

IMagnifierFrame::IMagnifierFrame(IBoard* board)
    : QWidget(board)
    , m_board(board)
{
    setObjectName(QStringLiteral("magnifierFrame"));
    // Clicks and moves go through to the board: the lens only looks.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    const int side = scaledPixels(kDiameter) / 2 * 2;
    setFixedSize(side, side);
    hide();
    m_board->viewport()->installEventFilter(this);
    // A new frame is painted when the board has it.
    connect(ICamera::instance(), &ICamera::sgCameraFrame, this, [this] {
        if (isVisible())
            update();
    });
    // Nothing left to magnify.
    connect(ICamera::instance(), &ICamera::sgError, this, [this](int code) {
        if (code == CameraLost)
            setActive(false);
    });
}

const QVector<double>& IMagnifierFrame::zoomSteps()
{
    static const QVector<double> steps = {2.0, 3.0, 4.0, 6.0, 8.0};
    return steps;
}

double IMagnifierFrame::zoom() const
{
    return zoomSteps().at(m_step);
}

void IMagnifierFrame::setZoom(double zoom)
{
    int best = 0;
    for (int i = 1; i < zoomSteps().size(); ++i) {
        if (std::abs(zoomSteps().at(i) - zoom) < std::abs(zoomSteps().at(best) - zoom))
            best = i;
    }
    m_step = best;
    update();
}

void IMagnifierFrame::stepZoom(int steps)
{
    m_step = qBound(0, m_step + steps, zoomSteps().size() - 1);
    update();
}

void IMagnifierFrame::setActive(bool on)
{
    if (on == m_active)
        return;
    m_active = on;
    // The lens shows the picture's own pixels, not a reduced decode.
    ICamera::instance()->setMagnifying(on);
    if (on) {
        qApp->installEventFilter(this);
        // Switched on with the pointer already over the board.
        const QPoint at = m_board->viewport()->mapFromGlobal(QCursor::pos());
        if (m_board->viewport()->rect().contains(at))
            followPointer(at);
    } else {
        qApp->removeEventFilter(this);
        hide();
    }
    emit sgActiveChanged(on);
}

void IMagnifierFrame::followPointer(const QPoint& viewportPos)
{
    m_pointer = viewportPos;
    const QPoint onBoard = m_board->viewport()->mapTo(m_board, viewportPos);
    move(onBoard - QPoint(width() / 2, height() / 2));
    show();
    raise();
    update();
}

bool IMagnifierFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_active)
        return false;
    if (watched == m_board->viewport()) {
        switch (event->type()) {
        case QEvent::MouseMove:
            followPointer(static_cast<QMouseEvent*>(event)->pos());
            break;
        case QEvent::Leave: hide(); break;
        case QEvent::Wheel: {
            // Over the lens the wheel changes its zoom, not the board's.
            const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
            if (isVisible() && delta != 0) {
                stepZoom(delta > 0 ? 1 : -1);
                return true;
            }
            break;
        }
        default: break;
        }
        return false;
    }
    // Escape anywhere in the board's window, unless it ends a stroke.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape
        && QApplication::mouseButtons() == Qt::NoButton) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == m_board->window()) {
            setActive(false);
            return true;
        }
    }
    return false;
}

QTransform IMagnifierFrame::lensToFrame() const
{
    const IPixmapItem* item = m_board->pictureItem();
    const QRectF picture = m_board->pictureSceneRect();
    if (!item || picture.isEmpty() || item->image().isNull())
        return QTransform();
    const QSize frame = item->image().size();
    // Lens -> viewport: around the pointer, shrunk by the zoom.
    const QTransform lensToView = QTransform::fromTranslate(-width() / 2.0, -height() / 2.0)
        * QTransform::fromScale(1.0 / zoom(), 1.0 / zoom())
        * QTransform::fromTranslate(m_pointer.x(), m_pointer.y());
    // Viewport -> scene, with the board's zoom, pan and rotation.
    const QTransform viewToScene = m_board->viewportTransform().inverted();
    // Scene -> the frame's pixels: the picture item shows the whole frame
    // in its rectangle.
    const QTransform sceneToFrame = QTransform::fromTranslate(-picture.left(), -picture.top())
        * QTransform::fromScale(frame.width() / picture.width(), frame.height() / picture.height());
    return lensToView * viewToScene * sceneToFrame;
}

void IMagnifierFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int ring = qMax(2, scaledPixels(kRing));
    const QRectF lens = QRectF(rect()).adjusted(ring / 2.0, ring / 2.0, -ring / 2.0, -ring / 2.0);
    QPainterPath circle;
    circle.addEllipse(lens);
    // Outside the picture the lens shows the board's own grey.
    painter.fillPath(circle, QColor(105, 105, 105));

    const IPixmapItem* item = m_board->pictureItem();
    const QImage frame = item ? item->image() : QImage();
    const QTransform toFrame = lensToFrame();
    if (!frame.isNull() && toFrame.isInvertible()) {
        // Only the frame's pixels under the lens are drawn.
        const QRect needed = toFrame.mapRect(QRectF(rect())).toAlignedRect().adjusted(-1, -1, 1, 1) & frame.rect();
        if (!needed.isEmpty()) {
            painter.save();
            painter.setClipPath(circle);
            painter.setTransform(QTransform::fromTranslate(needed.x(), needed.y()) * toFrame.inverted());
            // Enlarged at least twice, each camera pixel shows as a sharp
            // square; less, squares of uneven sizes would break up text, so
            // it is filtered.
            const double framePerLens = std::hypot(toFrame.m11(), toFrame.m12());
            painter.setRenderHint(QPainter::SmoothPixmapTransform, framePerLens > 0.5);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.drawImage(QPoint(0, 0), frame.copy(needed));
            painter.restore();
        }
    }

    painter.setPen(QPen(QColor(235, 120, 7), ring));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(lens);
    // The zoom, at the lens's lower edge.
    QFont font = painter.font();
    font.setPixelSize(qMax(10, scaledPixels(16)));
    font.setBold(true);
    painter.setFont(font);
    const QString label = QString::number(zoom()) + QLatin1Char('x');
    const QRectF labelRect(lens.center().x() - lens.width() / 6, lens.bottom() - lens.height() / 7,
                           lens.width() / 3, lens.height() / 9);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 140));
    painter.drawRoundedRect(labelRect, labelRect.height() / 2, labelRect.height() / 2);
    painter.setPen(Qt::white);
    painter.drawText(labelRect, Qt::AlignCenter, label);
}
