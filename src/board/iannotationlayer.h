// The board's elements kept painted on one transparent image in viewport
// pixels. A new camera picture then costs one blit of this layer instead of
// repainting every element over it; only the areas the scene reports as
// changed are painted again.
#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRegion>
#include <QTransform>

#include <functional>

class QGraphicsItem;
class QGraphicsScene;
class QGraphicsView;
class QPainter;
class QStyleOptionGraphicsItem;

class IAnnotationLayer : public QObject
{
    Q_OBJECT
public:
    // Paints the given items, in order, with the painter's world transform as
    // the view's transform: the view's own item painting.
    using ItemPainter = std::function<void(QPainter*, int, QGraphicsItem**, const QStyleOptionGraphicsItem*)>;

    IAnnotationLayer(QGraphicsView* view, ItemPainter paintItems);

    // Follows the scene's changes; everything is painted again.
    void setScene(QGraphicsScene* scene);
    // Everything is painted again at the next paint.
    void invalidate();
    // Brings the layer up to date inside `exposed` (viewport pixels), leaving
    // `below` out, and draws it with `painter`, whose world transform is the
    // view's.
    void paint(QPainter* painter, const QRegion& exposed, const QGraphicsItem* below);

private:
    void onSceneChanged(const QList<QRectF>& rects);
    void render(const QRegion& region, const QGraphicsItem* below);

    QGraphicsView* m_view;
    ItemPainter m_paintItems;
    QPointer<QGraphicsScene> m_scene;
    QImage m_image;
    QTransform m_transform;
    // Viewport areas whose pixels on the layer are out of date.
    QRegion m_dirty;
    // Holds everything drawn on the layer; outside it the layer is clear.
    QRect m_drawn;
};
