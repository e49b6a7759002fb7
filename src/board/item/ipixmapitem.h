// The picture at the bottom of a slide: the live camera picture under the
// board's elements, drawn as large as the view allows without distortion.
#pragma once

#include <QGraphicsPixmapItem>
#include <QImage>
#include <QSize>

class IPixmapItem : public QGraphicsPixmapItem
{
public:
    // Where the picture lies on a slide: below the lowest z a slide gives.
    static constexpr double kSlideZ = -9999999.0;

    explicit IPixmapItem(QGraphicsItem* parent = nullptr);
    explicit IPixmapItem(const QSize& targetSize, QGraphicsItem* parent = nullptr);

    QImage image() const;
    void setImage(const QImage& image);
    // Swaps in a picture of the same size without asking the scene to
    // repaint: the caller repaints. False, and nothing changed, when the
    // size differs.
    bool swapImage(const QImage& image);
    // Leaves the picture out of painting without telling the scene, for a
    // render of what lies over it: hiding it would have every view repaint.
    void setPaintSuppressed(bool suppressed);
    // Keeps only the part of the picture inside `rect`. Returns false, and
    // keeps the picture, when `rect` misses it altogether.
    bool cropImage(const QRect& rect);

    QSize targetSize() const;
    void setTargetSize(const QSize& size);

    // (0, 0, picture size scaled into the target size keeping its aspect).
    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget) override;

private:
    QRectF rectFor(const QSize& imageSize, const QSize& targetSize) const;
    void changeGeometry(const QSize& imageSize, const QSize& targetSize);
    // The picture to filter when shown at `scale`: in a format Qt filters
    // quickly, and halved as often as it is shown at half its size or less.
    // Made once per picture and scale.
    const QImage& filterableImage(double scale);

    QImage m_image;
    QImage m_filterable;
    qint64 m_filterableSource = 0;
    int m_filterableHalvings = 0;
    QSize m_targetSize;
    bool m_paintSuppressed = false;
};
