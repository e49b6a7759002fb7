// The board's elements on one cached layer.
#include "board/iannotationlayer.h"

#include <QCoreApplication>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include <algorithm>
#include <vector>

namespace {

// Antialiased edges reach a little past an item's bounding rectangle.
constexpr int kAntialiasMargin = 2;

} // namespace

IAnnotationLayer::IAnnotationLayer(QGraphicsView* view, ItemPainter paintItems)
    : QObject(view)
    , m_view(view)
    , m_paintItems(std::move(paintItems))
{
}

void IAnnotationLayer::setScene(QGraphicsScene* scene)
{
    if (m_scene)
        disconnect(m_scene, nullptr, this, nullptr);
    m_scene = scene;
    if (m_scene)
        connect(m_scene, &QGraphicsScene::changed, this, &IAnnotationLayer::onSceneChanged);
    invalidate();
}

void IAnnotationLayer::invalidate()
{
    m_image = QImage();
}

void IAnnotationLayer::onSceneChanged(const QList<QRectF>& rects)
{
    if (m_image.isNull())
        return;
    const QTransform toView = m_view->viewportTransform();
    QRegion changed;
    for (const QRectF& rect : rects) {
        changed += toView.mapRect(rect).toAlignedRect().adjusted(-kAntialiasMargin, -kAntialiasMargin,
                                                                  kAntialiasMargin, kAntialiasMargin);
    }
    changed &= m_image.rect();
    if (changed.isEmpty())
        return;
    m_dirty += changed;
    // The view usually repaints these areas by itself; this covers a change
    // reported after the view's own repaint.
    m_view->viewport()->update(changed);
}

void IAnnotationLayer::paint(QPainter* painter, const QRegion& exposed, const QGraphicsItem* below)
{
    // The scene reports changes on the next turn of the event loop; a paint
    // before that (a camera picture already queued, a grab) would show
    // elements where they were. Take the report now.
    if (m_scene)
        QCoreApplication::sendPostedEvents(m_scene, QEvent::MetaCall);
    const QSize size = m_view->viewport()->size();
    const QTransform transform = m_view->viewportTransform();
    if (m_image.size() != size || m_transform != transform) {
        if (m_image.size() != size)
            m_image = QImage(size, QImage::Format_ARGB32_Premultiplied);
        m_image.fill(Qt::transparent);
        m_transform = transform;
        m_dirty = QRegion(m_image.rect());
        m_drawn = QRect();
    }
    const QRegion stale = m_dirty & exposed;
    if (!stale.isEmpty()) {
        render(stale, below);
        m_dirty -= stale;
    }
    const QRect visible = m_drawn & exposed.boundingRect();
    if (visible.isEmpty())
        return;
    painter->save();
    painter->resetTransform();
    painter->drawImage(visible.topLeft(), m_image, visible);
    painter->restore();
}

void IAnnotationLayer::render(const QRegion& region, const QGraphicsItem* below)
{
    QPainter painter(&m_image);
    painter.setClipRegion(region);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(region.boundingRect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHints(m_view->renderHints());
    painter.setWorldTransform(m_transform);
    if (!m_scene)
        return;

    const QPolygonF area = m_transform.inverted().map(QPolygonF(QRectF(region.boundingRect())));
    const QList<QGraphicsItem*> found = m_scene->items(area, Qt::IntersectsItemBoundingRect,
                                                       Qt::AscendingOrder, m_transform);
    std::vector<QGraphicsItem*> items;
    items.reserve(size_t(found.size()));
    for (QGraphicsItem* item : found) {
        if (item != below && item->isVisible())
            items.push_back(item);
    }
    if (items.empty())
        return;
    // The view paints each item's own options; these are only placeholders.
    std::vector<QStyleOptionGraphicsItem> options(items.size());
    m_paintItems(&painter, int(items.size()), items.data(), options.data());
    for (QGraphicsItem* item : items) {
        const QRect pixels = m_transform.mapRect(item->sceneBoundingRect()).toAlignedRect().adjusted(
            -kAntialiasMargin, -kAntialiasMargin, kAntialiasMargin, kAntialiasMargin);
        m_drawn |= pixels & region.boundingRect();
    }
}
