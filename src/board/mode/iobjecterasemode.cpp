// The object eraser.
#include "board/mode/iobjecterasemode.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/item/iabstractframe.h"
#include "board/item/ielement.h"
#include "board/item/iinkelement.h"
#include "board/mode/deviceinput.h"
#include "board/undo/islidehistory.h"

#include <QGraphicsPathItem>
#include <QPen>

#include <cmath>

namespace {

const char* const kEraserCursor = ":/cursors/cursors/eraser.png";

bool samePoint(const QPointF& a, const QPointF& b)
{
    return std::abs(a.x() - b.x()) <= 1e-12 && std::abs(a.y() - b.y()) <= 1e-12;
}

// True while a selection frame holds the element: removed under it, the
// frame would keep pointing at an element that left the slide.
bool isSelected(QGraphicsItem* item, ISlide* slide)
{
    const QGraphicsItem* parent = item->parentItem();
    if (parent && parent->type() == FrameInternalGroupType)
        return true;
    const auto* frame = dynamic_cast<const IAbstractFrame*>(slide->sceneElementFrame());
    return frame && frame->items().contains(item);
}

} // namespace

IObjectEraseMode::~IObjectEraseMode()
{
    dropTrail();
}

void IObjectEraseMode::devicePress(DeviceInput& input)
{
    IMode::devicePress(input);
    if (m_active || !m_activeDevices.contains(input.deviceNumber()) || !m_board
        || !m_board->currentSlide())
        return;
    ISlide* slide = m_board->currentSlide();
    setDrawing(true);
    m_active = true;
    m_device = input.deviceNumber();
    dropTrail();
    m_trail = new QGraphicsPathItem;
    m_trail->setPen(QPen(QColor(255, 0, 0), 3.5 / viewScale(), Qt::DotLine, Qt::SquareCap, Qt::BevelJoin));
    m_trail->setZValue(kTrailZ);
    m_trail->hide();
    slide->addItem(m_trail);
    m_trailScene = slide;
    m_trail->show();
    m_pressPos = m_lastPos = input.position();
    const QPointF point = scenePoint(input);
    m_path = QPainterPath();
    m_path.moveTo(point);
    m_path.lineTo(point);
    m_trail->setPath(m_path);
}

void IObjectEraseMode::deviceMove(DeviceInput& input)
{
    IMode::deviceMove(input);
    if (!m_active || input.deviceNumber() != m_device)
        return;
    setDrawing(true);
    m_path.lineTo(scenePoint(input));
    m_lastPos = input.position();
    if (m_trail && m_trailScene)
        m_trail->setPath(m_path);
}

void IObjectEraseMode::deviceRelease(DeviceInput& input)
{
    IMode::deviceRelease(input);
    if (!m_active || input.deviceNumber() != m_device)
        return;
    m_active = false;
    m_device = -1;
    setDrawing(false);
    const QPointF releasePos = input.position();
    const QPointF point = scenePoint(input);
    ISlide* slide = m_board ? m_board->currentSlide() : nullptr;
    // The trail is no element, but out of the way of the search all the same.
    dropTrail();
    if (!slide)
        return;
    QList<QGraphicsItem*> items;
    if (samePoint(m_pressPos, releasePos)) {
        items = slide->items(point, Qt::IntersectsItemShape, Qt::DescendingOrder);
    } else {
        m_path.lineTo(point);
        m_path.closeSubpath();
        items = slide->items(m_path, Qt::IntersectsItemShape, Qt::DescendingOrder);
    }
    m_path = QPainterPath();
    erase(slide, elementsOf(items));
}

void IObjectEraseMode::activate()
{
    if (m_board)
        m_board->setBoardCursorFile(QString::fromLatin1(kEraserCursor));
}

void IObjectEraseMode::deactivate()
{
    cancel();
}

void IObjectEraseMode::cancel()
{
    if (m_active) {
        m_active = false;
        m_device = -1;
        setDrawing(false);
    }
    dropTrail();
    m_path = QPainterPath();
    IMode::cancel();
}

QList<IElement*> IObjectEraseMode::elementsOf(const QList<QGraphicsItem*>& items)
{
    QList<IElement*> elements;
    for (QGraphicsItem* item : items) {
        // A segment stands for its whole stroke.
        if (item->type() == PolygonInkElementType)
            item = qgraphicsitem_cast<IInkElement*>(item->parentItem());
        if (!item || !IBoard::isBoardElement(item) || item->type() == TextLikeElementType12)
            continue;
        // A member of a group of elements goes with its group.
        while (item->parentItem() && IBoard::isBoardElement(item->parentItem()))
            item = item->parentItem();
        auto* element = dynamic_cast<IElement*>(item);
        if (element && !elements.contains(element))
            elements.append(element);
    }
    return elements;
}

void IObjectEraseMode::erase(ISlide* slide, const QList<IElement*>& elements)
{
    // One tap or lasso, one undo step.
    slide->history()->beginStep(QStringLiteral("erase objects"));
    for (IElement* element : elements) {
        if (element->isLocked())
            continue;
        if (m_board && isSelected(dynamic_cast<QGraphicsItem*>(element), slide))
            m_board->hideSelection();
        slide->removeElement(element, false);
    }
    slide->history()->endStep();
}

void IObjectEraseMode::dropTrail()
{
    // Otherwise it went with its scene.
    if (m_trail && m_trailScene)
        delete m_trail;
    m_trail = nullptr;
    m_trailScene = nullptr;
}

void IObjectEraseMode::setDrawing(bool drawing)
{
    if (IBoardState* state = boardState())
        state->setDrawing(drawing);
}
