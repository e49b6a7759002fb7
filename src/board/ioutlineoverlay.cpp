// The locked page outline over the board's camera picture.
#include "board/ioutlineoverlay.h"

#include "board/iboard.h"
#include "iglobals.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace {

// The program's orange, over a dark seam so it shows on paper and desk alike.
const QColor kLine(235, 120, 7);
const QColor kSeam(0, 0, 0, 110);

} // namespace

IOutlineOverlay::IOutlineOverlay(IBoard* board)
    : QWidget(board->viewport())
    , m_board(board)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(board->viewport()->rect());
    const int side = scaledPixels(30);
    for (QWidget*& handle : m_handles) {
        // Transparent squares that take the pointer; the overlay draws the dots.
        handle = new QWidget(board->viewport());
        handle->setAttribute(Qt::WA_NoSystemBackground);
        handle->resize(side, side);
        handle->setCursor(Qt::SizeAllCursor);
        handle->installEventFilter(this);
        handle->hide();
    }
    board->viewport()->installEventFilter(this);
    QWidget::setVisible(false);
}

void IOutlineOverlay::setOutline(const QPolygonF& corners, const QSize& pictureSize)
{
    if (corners.size() != 4 || pictureSize.isEmpty())
        return;
    m_corners = corners;
    m_pictureSize = pictureSize;
    m_dragged = -1;
    m_placed.clear();
    followView();
    update();
}

QPointF IOutlineOverlay::cornerInView(int index) const
{
    return index >= 0 && index < m_corners.size() ? toView(m_corners[index]) : QPointF();
}

QWidget* IOutlineOverlay::handle(int index) const
{
    return index >= 0 && index < 4 ? m_handles[index] : nullptr;
}

void IOutlineOverlay::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    for (QWidget* handle : m_handles)
        handle->setVisible(visible);
    if (visible) {
        raise();
        for (QWidget* handle : m_handles)
            handle->raise();
        m_placed.clear();
        followView();
    }
}

QPointF IOutlineOverlay::toView(const QPointF& picturePoint) const
{
    const QRectF shown = m_board->pictureSceneRect();
    if (shown.isEmpty() || m_pictureSize.isEmpty())
        return QPointF();
    // Pixel centres lie half a pixel into the picture item.
    const QPointF scene(shown.left() + (picturePoint.x() + 0.5) * shown.width() / m_pictureSize.width(),
                        shown.top() + (picturePoint.y() + 0.5) * shown.height() / m_pictureSize.height());
    return m_board->viewportTransform().map(scene);
}

QPointF IOutlineOverlay::toPicture(const QPointF& viewPoint) const
{
    const QRectF shown = m_board->pictureSceneRect();
    if (shown.isEmpty() || m_pictureSize.isEmpty())
        return QPointF();
    const QPointF scene = m_board->viewportTransform().inverted().map(viewPoint);
    return QPointF((scene.x() - shown.left()) * m_pictureSize.width() / shown.width() - 0.5,
                   (scene.y() - shown.top()) * m_pictureSize.height() / shown.height() - 0.5);
}

void IOutlineOverlay::followView()
{
    m_followPending = false;
    if (!isVisible() || m_corners.size() != 4)
        return;
    // A scrolled viewport carries its children along: the overlay stays put.
    if (geometry() != m_board->viewport()->rect())
        setGeometry(m_board->viewport()->rect());
    QPolygonF now;
    for (const QPointF& corner : m_corners)
        now << toView(corner);
    if (now == m_placed)
        return;
    m_placed = now;
    for (int i = 0; i < 4; ++i)
        m_handles[i]->move((now[i] - QPointF(m_handles[i]->width(), m_handles[i]->height()) / 2.0).toPoint());
}

bool IOutlineOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_board->viewport()) {
        // The viewport repaints after every change of the view; the handles
        // are moved after the paint, not in the middle of it.
        if ((event->type() == QEvent::Paint || event->type() == QEvent::Resize) && !m_followPending && isVisible()) {
            m_followPending = true;
            QTimer::singleShot(0, this, &IOutlineOverlay::followView);
        }
        return false;
    }
    const int index = int(std::find(std::begin(m_handles), std::end(m_handles), watched) - std::begin(m_handles));
    if (index >= 4)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton || m_corners.size() != 4)
            return false;
        m_dragged = index;
        m_grab = toView(m_corners[index]) - (mouse->localPos() + QPointF(m_handles[index]->pos()));
        return true;
    case QEvent::MouseMove: {
        if (m_dragged != index)
            return false;
        const QPointF wanted = toPicture((mouse->localPos() + QPointF(m_handles[index]->pos())) + m_grab);
        // The corner stays on the picture.
        m_corners[index] = QPointF(std::clamp(wanted.x(), 0.0, m_pictureSize.width() - 1.0),
                                   std::clamp(wanted.y(), 0.0, m_pictureSize.height() - 1.0));
        followView();
        update();
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (m_dragged != index || mouse->button() != Qt::LeftButton)
            return false;
        m_dragged = -1;
        emit sgCornersChanged(m_corners);
        return true;
    default:
        return false;
    }
}

void IOutlineOverlay::paintEvent(QPaintEvent*)
{
    if (m_corners.size() != 4)
        return;
    QPolygonF shown;
    for (const QPointF& corner : m_corners)
        shown << toView(corner);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = scaleFactors().uniform;
    painter.setPen(QPen(kSeam, 4.0 * s));
    painter.drawPolygon(shown);
    painter.setPen(QPen(kLine, 2.0 * s));
    painter.drawPolygon(shown);
    painter.setPen(QPen(kLine, 2.0 * s));
    painter.setBrush(Qt::white);
    const double radius = 7.0 * s;
    for (const QPointF& corner : shown)
        painter.drawEllipse(corner, radius, radius);
}
