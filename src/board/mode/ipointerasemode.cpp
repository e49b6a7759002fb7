// The point eraser.
#include "board/mode/ipointerasemode.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/item/icapsule.h"
#include "board/item/iinkelement.h"
#include "board/item/iinkproxy.h"
#include "board/item/ipolygoninkelement.h"
#include "board/mode/deviceinput.h"

#include <QGraphicsEllipseItem>
#include <QPainterPath>
#include <QPen>

#include <cmath>

namespace {

const char* const kEraserCursor = ":/cursors/cursors/eraser.png";

// Boolean operations leave hairline slivers along the eraser's edge; they
// would be invisible segments that no later pass could hit.
bool isSliver(const QPolygonF& polygon)
{
    double area = 0;
    for (int i = 0, n = polygon.size(); i < n; ++i) {
        const QPointF& a = polygon.at(i);
        const QPointF& b = polygon.at((i + 1) % n);
        area += a.x() * b.y() - b.x() * a.y();
    }
    return std::abs(area) / 2 < 1e-3;
}

} // namespace

IPointEraseMode::IPointEraseMode(QObject* parent)
    : QObject(parent)
{
}

IPointEraseMode::~IPointEraseMode()
{
    qDeleteAll(m_erased);
    // A circle that is still in a scene belongs to it.
    if (m_outline && m_outlineScene && !m_outline->scene())
        delete m_outline;
}

void IPointEraseMode::devicePress(DeviceInput& input)
{
    IMode::devicePress(input);
    // One eraser, one pointer: another finger joins no pass.
    if (m_active || !m_activeDevices.contains(input.deviceNumber()) || !m_board
        || !m_board->currentSlide())
        return;
    showOutline(m_board->currentSlide());
    if (IBoardState* state = boardState())
        state->setDrawing(true);
    startPass(scenePoint(input), input.deviceNumber());
}

void IPointEraseMode::deviceMove(DeviceInput& input)
{
    IMode::deviceMove(input);
    if (!m_active || input.deviceNumber() != m_device)
        return;
    if (IBoardState* state = boardState())
        state->setDrawing(true);
    const QPointF point = scenePoint(input);
    eraseAlong(m_last, point);
    placeOutline(point);
}

void IPointEraseMode::deviceRelease(DeviceInput& input)
{
    IMode::deviceRelease(input);
    if (input.deviceNumber() != m_device)
        return;
    endPass();
}

void IPointEraseMode::activate()
{
    if (m_board)
        m_board->setBoardCursorFile(QString::fromLatin1(kEraserCursor));
}

void IPointEraseMode::deactivate()
{
    endPass();
    IMode::deactivate();
}

void IPointEraseMode::cancel()
{
    endPass();
    IMode::cancel();
}

void IPointEraseMode::startPass(const QPointF& point, int device)
{
    m_active = true;
    m_device = device;
    m_slide = m_board->currentSlide();
    m_erased.clear();
    m_created.clear();
    m_changed.clear();
    // A stroke that leaves the slide mid-pass is no longer this pass's to announce.
    m_removals = connect(m_slide, &ISlide::sgElementsRemovedEvent, this,
                         [this](const QString&, const QList<IElement*>& elements) {
                             for (IElement* element : elements)
                                 m_changed.removeAll(dynamic_cast<IInkElement*>(element));
                         });
    m_last = point;
    eraseAlong(point, point);
    placeOutline(point);
}

void IPointEraseMode::eraseAlong(const QPointF& from, const QPointF& to)
{
    const QPolygonF capsule = ICapsule::capsulePolygon(QLineF(from, to), eraserWidth());
    // Not before: `from` is usually m_last itself.
    m_last = to;
    if (capsule.isEmpty() || !m_slide)
        return;
    QPainterPath eraser;
    eraser.addPolygon(capsule);
    eraser.closeSubpath();
    const QList<QGraphicsItem*> items =
        m_slide->items(capsule.boundingRect(), Qt::IntersectsItemBoundingRect, Qt::DescendingOrder);
    for (QGraphicsItem* item : items) {
        auto* segment = qgraphicsitem_cast<IPolygonInkElement*>(item);
        if (!segment || !segment->proxy())
            continue;
        auto* stroke = qgraphicsitem_cast<IInkElement*>(segment->proxy()->group());
        if (!stroke || segment->parentItem() != stroke || stroke->isLocked())
            continue;
        cut(segment, stroke, eraser);
    }
}

void IPointEraseMode::cut(IPolygonInkElement* segment, IInkElement* stroke, const QPainterPath& eraser)
{
    QPainterPath outline;
    outline.addPolygon(segment->mapToScene(segment->polygon()));
    outline.closeSubpath();
    if (!eraser.intersects(outline))
        return;
    bool invertible = false;
    const QTransform toSegment = segment->sceneTransform().inverted(&invertible);
    if (!invertible)
        return;
    const QPainterPath rest = toSegment.map(outline.subtracted(eraser).simplified());
    for (const QPolygonF& polygon : rest.toFillPolygons()) {
        if (isSliver(polygon))
            continue;
        auto* piece = new IPolygonInkElement(polygon, stroke);
        segment->copyItemParameters(piece);
        piece->setProxy(segment->proxy());
        stroke->addToGroup(piece);
        stroke->addCutPiece(piece);
        m_created.insert(piece);
    }
    takeOut(segment, stroke);
    if (!m_changed.contains(stroke))
        m_changed.append(stroke);
}

void IPointEraseMode::takeOut(IPolygonInkElement* segment, IInkElement* stroke)
{
    stroke->removeFromGroup(segment);
    stroke->removeCutPiece(segment);
    if (QGraphicsScene* scene = segment->scene())
        scene->removeItem(segment);
    segment->setProxy(nullptr);
    m_erased.insert(segment);
}

void IPointEraseMode::endPass()
{
    if (m_active) {
        m_active = false;
        m_device = -1;
        disconnect(m_removals);
        if ((!m_erased.isEmpty() || !m_created.isEmpty()) && !m_changed.isEmpty() && m_slide) {
            QList<IElement*> changed;
            for (IInkElement* stroke : qAsConst(m_changed))
                changed.append(stroke);
            m_slide->notifyElementsErasered(changed);
        }
        // Out of their strokes and the scene, nobody else refers to them.
        qDeleteAll(m_erased);
        m_erased.clear();
        m_created.clear();
        m_changed.clear();
        m_slide = nullptr;
        if (m_outline && m_outlineScene)
            m_outline->hide();
    }
    if (IBoardState* state = boardState())
        state->setDrawing(false);
}

void IPointEraseMode::showOutline(ISlide* slide)
{
    // Gone with the scene it was in.
    if (m_outline && !m_outlineScene)
        m_outline = nullptr;
    if (!m_outline) {
        m_outline = new QGraphicsEllipseItem;
        QPen pen(QColor(60, 60, 60, 200), 1.5);
        pen.setCosmetic(true);
        m_outline->setPen(pen);
        m_outline->setBrush(QColor(255, 255, 255, 60));
        m_outline->setZValue(kOutlineZ);
        m_outline->hide();
    }
    // Another slide may be shown now, or the circle was taken out of its scene.
    if (m_outline->scene() != slide) {
        if (m_outline->scene())
            m_outline->scene()->removeItem(m_outline);
        slide->addItem(m_outline);
    }
    m_outlineScene = slide;
    m_outline->show();
}

void IPointEraseMode::placeOutline(const QPointF& centre)
{
    if (!m_outline || !m_outlineScene)
        return;
    const double diameter = std::trunc(eraserWidth());
    m_outline->setRect(-diameter / 2, -diameter / 2, diameter, diameter);
    m_outline->setPos(centre);
}

double IPointEraseMode::eraserWidth() const
{
    const IBoardState* state = boardState();
    const double width = state ? state->pointEraserSize().width() : 0;
    return width > 0 ? width / viewScale() : 0;
}
