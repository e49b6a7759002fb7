// The pen's live ink: while strokes are drawn, each new segment is rasterised
// once into a transparent image over the board, so a long stroke costs the
// same per segment as a short one and no scene item is made until the pen is
// lifted. The image is kept in viewport pixels at the viewport's size, the
// item carrying the inverse of the view's transform, so it covers the whole
// board however the window was resized, zoomed or turned.
#pragma once

#include "board/path/iregionaccumulator.h"

#include <QGraphicsRectItem>
#include <QHash>
#include <QImage>
#include <QPointF>
#include <QRegion>
#include <QTransform>

class IBoard;

class IPathRenderWidget : public QGraphicsRectItem
{
public:
    // Above every path drawing, which enter near -9000000, and beneath the
    // elements that enter at 0: the live stroke lies where the finished one will.
    static constexpr double kOverlayZ = -1.0;

    explicit IPathRenderWidget(IBoard* board);

    // On: shown on the current slide, following the view, at the ink's
    // opacity. Off: every live stroke is dropped and the overlay hidden.
    virtual void setActive(bool active);
    bool isActive() const { return m_active; }

    // A device's stroke begins with a dot at `scenePoint`.
    virtual void press(int device, const QPointF& scenePoint);
    // The device's stroke goes on to `scenePoint`.
    virtual void move(int device, const QPointF& scenePoint);
    virtual void release(int device, const QPointF& scenePoint);
    // The scene area the device's stroke covers, 10 wider than its ink: where
    // the finished stroke may paint.
    virtual QRegion dirtyRegion(int device) const;
    // Rasterises one segment (scene points) in the ink's colour and width.
    virtual void drawSegment(const QPointF& from, const QPointF& to);

    // The device's stroke is finished: its ink leaves the overlay, while the
    // strokes still pending on the board stay.
    void endStroke(int device);
    // Matches the image to the view's size and transform; when they changed,
    // the board's pending strokes are drawn again.
    void followView();

    // The live ink in viewport pixels, premultiplied.
    const QImage& image() const { return m_image; }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    struct Stroke
    {
        QPointF last;
        IRegionAccumulator region;
    };

    void addSegment(int device, const QPointF& to);
    // Fills the segment's outline into the image; returns the pixels touched.
    QRect rasterise(const QPointF& from, const QPointF& to);
    void redrawPendingStrokes();
    void clearImage();

    IBoard* m_board;
    bool m_active = false;
    QImage m_image;
    QTransform m_viewTransform;
    // Holds every pixel drawn since the image was last cleared.
    QRect m_drawn;
    QHash<int, Stroke> m_strokes;
};
