// The pen's live ink over the board.
#include "board/path/ipathrenderwidget.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/item/icapsule.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include <cmath>

namespace {

// Antialiased edges reach a little past a polygon's bounding rectangle.
constexpr int kEdgeMargin = 2;
// How much wider than the ink the area is that a finished stroke may paint in.
constexpr double kDirtyMargin = 10.0;

bool isWholePixelShift(const QTransform& t)
{
    const auto near = [](double a, double b) { return std::abs(a - b) < 1e-6; };
    return near(t.m11(), 1) && near(t.m22(), 1) && near(t.m12(), 0) && near(t.m21(), 0)
        && near(t.m13(), 0) && near(t.m23(), 0) && near(t.m33(), 1)
        && near(t.dx(), std::round(t.dx())) && near(t.dy(), std::round(t.dy()));
}

} // namespace

IPathRenderWidget::IPathRenderWidget(IBoard* board)
    : m_board(board)
{
    setPen(Qt::NoPen);
    setBrush(Qt::NoBrush);
    setZValue(kOverlayZ);
    // The exposed area tells paint which part of the image to copy.
    setFlag(ItemUsesExtendedStyleOption);
    setAcceptedMouseButtons(Qt::NoButton);
    setVisible(false);
}

void IPathRenderWidget::setActive(bool active)
{
    if (active) {
        ISlide* slide = m_board->currentSlide();
        if (slide && scene() != slide) {
            if (scene())
                scene()->removeItem(this);
            slide->addItem(this);
        }
        m_active = true;
        followView();
        if (IBoardState* state = m_board->boardState())
            setOpacity(state->inkOpacity() / 255.0);
        setVisible(true);
        return;
    }
    m_active = false;
    m_strokes.clear();
    clearImage();
    setVisible(false);
}

void IPathRenderWidget::press(int device, const QPointF& scenePoint)
{
    Stroke& stroke = m_strokes[device];
    stroke.region.clear();
    stroke.last = scenePoint;
    addSegment(device, scenePoint);
}

void IPathRenderWidget::move(int device, const QPointF& scenePoint)
{
    if (m_strokes.contains(device))
        addSegment(device, scenePoint);
}

void IPathRenderWidget::release(int device, const QPointF& scenePoint)
{
    move(device, scenePoint);
}

QRegion IPathRenderWidget::dirtyRegion(int device) const
{
    const auto found = m_strokes.constFind(device);
    return found == m_strokes.cend() ? QRegion() : found->region.region();
}

void IPathRenderWidget::addSegment(int device, const QPointF& to)
{
    Stroke& stroke = m_strokes[device];
    const QPointF from = stroke.last;
    stroke.last = to;
    drawSegment(from, to);
    const double ink = m_board->boardState() ? m_board->boardState()->inkThickness() : 1.0;
    const QPolygon outline = ICapsule::capsulePolygon(QLineF(from, to), ink + kDirtyMargin).toPolygon();
    stroke.region.add(QRegion(outline));
}

void IPathRenderWidget::drawSegment(const QPointF& from, const QPointF& to)
{
    followView();
    const QRect touched = rasterise(from, to);
    if (!touched.isEmpty())
        update(touched);
}

QRect IPathRenderWidget::rasterise(const QPointF& from, const QPointF& to)
{
    IBoardState* state = m_board->boardState();
    if (m_image.isNull() || !state)
        return QRect();
    // In viewport pixels, so the ink is as smooth at any zoom as the element
    // it becomes.
    const double width = state->inkThickness() * m_board->scaleFactor();
    const QPolygonF outline = ICapsule::capsulePolygon(
        QLineF(m_viewTransform.map(from), m_viewTransform.map(to)), width);
    if (outline.isEmpty())
        return QRect();
    // Opaque ink: the item's opacity makes it translucent as a whole, so
    // overlapping segments never show darker, as on the finished stroke.
    QColor ink = state->inkColor();
    ink.setAlpha(255);
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPolygon(outline);
    const QRect touched = outline.boundingRect().toAlignedRect()
                              .adjusted(-kEdgeMargin, -kEdgeMargin, kEdgeMargin, kEdgeMargin)
        & m_image.rect();
    m_drawn |= touched;
    return touched;
}

void IPathRenderWidget::endStroke(int device)
{
    if (!m_strokes.remove(device))
        return;
    const QRect shown = m_drawn;
    clearImage();
    redrawPendingStrokes();
    update(shown);
}

void IPathRenderWidget::followView()
{
    if (!m_active)
        return;
    const QSize size = m_board->viewport()->size();
    const QTransform view = m_board->viewportTransform();
    if (size == m_image.size() && view == m_viewTransform)
        return;
    if (size != m_image.size()) {
        m_image = QImage(size, QImage::Format_ARGB32_Premultiplied);
        m_drawn = m_image.rect();
    }
    clearImage();
    m_viewTransform = view;
    setTransform(view.inverted());
    setRect(0, 0, size.width(), size.height());
    redrawPendingStrokes();
    update();
}

void IPathRenderWidget::redrawPendingStrokes()
{
    const QMap<int, QVector<QPointF>>& pending = m_board->pendingStrokes();
    for (auto it = pending.cbegin(); it != pending.cend(); ++it) {
        const QVector<QPointF>& points = it.value();
        if (points.isEmpty())
            continue;
        rasterise(points.first(), points.first());
        for (int i = 1; i < points.size(); ++i)
            rasterise(points.at(i - 1), points.at(i));
    }
}

void IPathRenderWidget::clearImage()
{
    if (m_image.isNull() || m_drawn.isEmpty())
        return;
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(m_drawn, Qt::transparent);
    m_drawn = QRect();
}

void IPathRenderWidget::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    if (!m_active || m_image.isNull())
        return;
    QRect area = m_drawn & option->exposedRect.toAlignedRect();
    if (painter->hasClipping())
        area &= painter->clipBoundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    if (area.isEmpty())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    // Item and view transforms cancel out: copy the pixels one to one
    // instead of resampling them.
    const QTransform world = painter->worldTransform();
    if (isWholePixelShift(world))
        painter->setWorldTransform(QTransform::fromTranslate(std::round(world.dx()), std::round(world.dy())));
    else
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(area.topLeft(), m_image, area);
    painter->restore();
}
