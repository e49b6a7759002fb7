// One picture of the compare view.
#include "customui/imageview/imageitem.h"

#include "iglobals.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace {

const int kTitle = 28;
// From a quarter of the fitted size to 40 times it.
const double kMinZoom = 0.25;
const double kMaxZoom = 40.0;

} // namespace

ImageItem::ImageItem(const QString& path, QWidget* parent)
    : QWidget(parent)
    , m_path(path)
{
    setCursor(Qt::OpenHandCursor);
    setToolTip(path);
}

void ImageItem::setPicture(const QImage& picture, const QString& error)
{
    m_picture = picture;
    m_error = error;
    fit();
}

QRect ImageItem::viewRect() const
{
    return rect().adjusted(0, scaledPixels(kTitle), 0, 0);
}

double ImageItem::fitScale() const
{
    if (m_picture.isNull())
        return 1.0;
    const QRect view = viewRect();
    return qMin(double(view.width()) / m_picture.width(), double(view.height()) / m_picture.height());
}

QTransform ImageItem::pictureToWidget() const
{
    const QPointF centre = QRectF(viewRect()).center() + m_offset;
    const double scale = fitScale() * m_zoom;
    return QTransform::fromTranslate(-m_picture.width() / 2.0, -m_picture.height() / 2.0)
        * QTransform::fromScale(scale, scale) * QTransform::fromTranslate(centre.x(), centre.y());
}

void ImageItem::zoomAt(const QPointF& at, double factor)
{
    const double zoom = qBound(kMinZoom, m_zoom * factor, kMaxZoom);
    if (m_picture.isNull() || zoom == m_zoom)
        return;
    // The picture point under `at` stays under it.
    const QPointF centre = QRectF(viewRect()).center() + m_offset;
    m_offset += (at - centre) * (1.0 - zoom / m_zoom);
    m_zoom = zoom;
    update();
}

void ImageItem::panBy(const QPointF& delta)
{
    m_offset += delta;
    update();
}

void ImageItem::fit()
{
    m_zoom = 1.0;
    m_offset = QPointF();
    update();
}

void ImageItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect view = viewRect();
    painter.fillRect(rect(), QColor(45, 45, 48));
    painter.fillRect(view, QColor(105, 105, 105));
    QFont font = painter.font();
    font.setPixelSize(qMax(10, scaledPixels(14)));
    painter.setFont(font);
    painter.setPen(QColor(224, 224, 224));
    const QRect title(scaledPixels(8), 0, width() - scaledPixels(16), view.top());
    painter.drawText(title, Qt::AlignVCenter | Qt::AlignLeft,
                     painter.fontMetrics().elidedText(QFileInfo(m_path).fileName(), Qt::ElideMiddle, title.width()));
    painter.setClipRect(view);
    if (!m_picture.isNull()) {
        painter.setTransform(pictureToWidget());
        // Enlarged, each pixel shows as a square: a compare is about detail.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, fitScale() * m_zoom < 1.0);
        painter.drawImage(QPoint(0, 0), m_picture);
    } else if (!m_error.isEmpty()) {
        painter.setPen(QColor(235, 120, 7));
        painter.drawText(view.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, m_error);
    }
}

void ImageItem::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta != 0)
        zoomAt(event->position(), std::pow(1.25, delta / 120.0));
    event->accept();
}

void ImageItem::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_lastDrag = event->pos();
        setCursor(Qt::ClosedHandCursor);
    }
    event->accept();
}

void ImageItem::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging) {
        panBy(event->pos() - m_lastDrag);
        m_lastDrag = event->pos();
    }
    event->accept();
}

void ImageItem::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    setCursor(Qt::OpenHandCursor);
    event->accept();
}

void ImageItem::mouseDoubleClickEvent(QMouseEvent* event)
{
    fit();
    event->accept();
}
