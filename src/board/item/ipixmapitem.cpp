// The picture at the bottom of a slide.
#include "board/item/ipixmapitem.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Every byte is a colour channel in 24- and 32-bit pictures (premultiplied
// alpha averages like a colour): each is the mean of a 2 x 2 block. The
// channel count is fixed at compile time, which about halves the time.
template <int Bytes>
void halveRows(const QImage& picture, QImage* half)
{
    const int width = half->width();
    for (int y = 0; y < half->height(); ++y) {
        const uchar* top = picture.constScanLine(2 * y);
        const uchar* bottom = picture.constScanLine(2 * y + 1);
        uchar* out = half->scanLine(y);
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < Bytes; ++c) {
                const int i = 2 * x * Bytes + c;
                out[x * Bytes + c] = uchar((top[i] + top[i + Bytes] + bottom[i] + bottom[i + Bytes] + 2) >> 2);
            }
        }
    }
}

// Half the size, each pixel the mean of a 2 x 2 block; 24- or 32-bit only.
QImage halved(const QImage& picture)
{
    QImage half(picture.width() / 2, picture.height() / 2, picture.format());
    if (picture.depth() == 24)
        halveRows<3>(picture, &half);
    else
        halveRows<4>(picture, &half);
    return half;
}

} // namespace

IPixmapItem::IPixmapItem(QGraphicsItem* parent)
    : IPixmapItem(QSize(), parent)
{
}

IPixmapItem::IPixmapItem(const QSize& targetSize, QGraphicsItem* parent)
    : QGraphicsPixmapItem(parent)
    , m_targetSize(targetSize)
{
    // The picture is nearly always shown larger or smaller than its pixels;
    // unfiltered, the text of a document turns jagged.
    setTransformationMode(Qt::SmoothTransformation);
}

QImage IPixmapItem::image() const
{
    return m_image;
}

void IPixmapItem::setImage(const QImage& image)
{
    changeGeometry(image.size(), m_targetSize);
    m_image = image;
    update();
}

bool IPixmapItem::swapImage(const QImage& image)
{
    if (image.size() != m_image.size())
        return false;
    m_image = image;
    return true;
}

void IPixmapItem::setPaintSuppressed(bool suppressed)
{
    m_paintSuppressed = suppressed;
}

bool IPixmapItem::cropImage(const QRect& rect)
{
    const QRect inside = rect.normalized() & m_image.rect();
    if (inside.isEmpty())
        return false;
    setImage(m_image.copy(inside));
    return true;
}

QSize IPixmapItem::targetSize() const
{
    return m_targetSize;
}

void IPixmapItem::setTargetSize(const QSize& size)
{
    changeGeometry(m_image.size(), size);
    m_targetSize = size;
    update();
}

QRectF IPixmapItem::rectFor(const QSize& imageSize, const QSize& targetSize) const
{
    if (imageSize.isEmpty() || targetSize.isEmpty())
        return QRectF();
    return QRectF(QPointF(0, 0), imageSize.scaled(targetSize, Qt::KeepAspectRatio));
}

void IPixmapItem::changeGeometry(const QSize& imageSize, const QSize& targetSize)
{
    // Only when the rectangle really changes: a new camera frame of the same
    // size must not make the scene re-index the item thirty times a second.
    if (rectFor(imageSize, targetSize) != boundingRect())
        prepareGeometryChange();
}

QRectF IPixmapItem::boundingRect() const
{
    return rectFor(m_image.size(), m_targetSize);
}

QPainterPath IPixmapItem::shape() const
{
    QPainterPath path;
    path.addRect(boundingRect());
    return path;
}

void IPixmapItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                        QWidget* widget)
{
    Q_UNUSED(option)
    Q_UNUSED(widget)
    const QRectF target = boundingRect();
    if (target.isEmpty() || m_paintSuppressed)
        return;
    const QTransform toDevice = QTransform::fromScale(target.width() / m_image.width(),
                                                      target.height() / m_image.height())
        * painter->worldTransform();
    // Shown pixel for pixel (Qt rounds a mere shift), the picture needs no
    // filtering and is copied as it is, which is cheapest.
    const bool filtered = transformationMode() == Qt::SmoothTransformation
        && toDevice.type() > QTransform::TxTranslate;
    if (!filtered)
        m_filterable = QImage();
    const double scale = std::max(std::hypot(toDevice.m11(), toDevice.m12()),
                                  std::hypot(toDevice.m21(), toDevice.m22()));
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, filtered);
    painter->drawImage(target, filtered ? filterableImage(scale) : m_image);
    painter->restore();
}

const QImage& IPixmapItem::filterableImage(double scale)
{
    // Each halving leaves the filter less to skip: a 4K picture fitted into
    // a window keeps its fine print instead of dropping three pixels in four.
    int halvings = 0;
    for (double s = scale; s <= 0.5 && (m_image.width() >> (halvings + 1)) > 0
         && (m_image.height() >> (halvings + 1)) > 0;
         s *= 2)
        ++halvings;
    if (!m_filterable.isNull() && m_filterableSource == m_image.cacheKey() && m_filterableHalvings == halvings)
        return m_filterable;
    // Qt filters 32-bit pictures on a fast road and camera frames (24-bit or
    // grey) on a slow one: converting first and filtering that costs about
    // half, and halving a 24-bit picture before converting it less still.
    const QImage::Format format = m_image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                            : QImage::Format_RGB32;
    QImage picture = m_image;
    if (picture.format() != QImage::Format_RGB888)
        picture = picture.convertToFormat(format);
    for (int i = 0; i < halvings; ++i)
        picture = halved(picture);
    m_filterable = picture.convertToFormat(format);
    m_filterableSource = m_image.cacheKey();
    m_filterableHalvings = halvings;
    return m_filterable;
}
