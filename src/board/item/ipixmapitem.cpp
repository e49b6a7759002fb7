// The picture at the bottom of a slide.
#include "board/item/ipixmapitem.h"

#include <QPainter>

IPixmapItem::IPixmapItem(QGraphicsItem* parent)
    : QGraphicsPixmapItem(parent)
{
}

IPixmapItem::IPixmapItem(const QSize& targetSize, QGraphicsItem* parent)
    : QGraphicsPixmapItem(parent)
    , m_targetSize(targetSize)
{
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
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform,
                           transformationMode() == Qt::SmoothTransformation);
    painter->drawImage(target, m_image);
    painter->restore();
}
