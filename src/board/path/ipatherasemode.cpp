// The point eraser of the path drawings.
#include "board/path/ipatherasemode.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/item/icapsule.h"
#include "board/mode/deviceinput.h"
#include "board/path/ipathelement.h"
#include "board/undo/ielementstatecommand.h"
#include "board/undo/iremoveelementscommand.h"
#include "board/undo/islidehistory.h"

#include <QDebug>
#include <QGraphicsEllipseItem>
#include <QPen>
#include <QUndoCommand>

#include <algorithm>

IPathEraseMode::IPathEraseMode(QObject* parent)
    : QObject(parent)
{
}

IPathEraseMode::~IPathEraseMode()
{
    delete m_indicator;
}

void IPathEraseMode::devicePress(DeviceInput& input)
{
    IMode::devicePress(input);
    if (!m_board || m_erasing || !m_activeDevices.contains(input.deviceNumber()))
        return;
    if (IBoardState* state = boardState())
        state->setDrawing(true);
    m_erasing = true;
    m_device = input.deviceNumber();
    m_slide = m_board->currentSlide();
    m_touched.clear();
    m_erased.clear();
    m_before.clear();
    m_removed.clear();
    m_removedPlaces.clear();
    const QPointF point = scenePoint(input);
    m_lastPoint = point;
    const double size = eraserSize();
    eraseTo(point, size);
    showIndicator(point, size);
}

void IPathEraseMode::deviceMove(DeviceInput& input)
{
    IMode::deviceMove(input);
    if (!m_erasing || input.deviceNumber() != m_device)
        return;
    if (IBoardState* state = boardState())
        state->setDrawing(true);
    const QPointF point = scenePoint(input);
    const double size = eraserSize();
    eraseTo(point, size);
    showIndicator(point, size);
}

void IPathEraseMode::deviceRelease(DeviceInput& input)
{
    IMode::deviceRelease(input);
    if (!m_erasing || input.deviceNumber() != m_device)
        return;
    endPass();
}

void IPathEraseMode::deactivate()
{
    endPass();
    IMode::deactivate();
}

void IPathEraseMode::cancel()
{
    endPass();
    IMode::cancel();
}

void IPathEraseMode::eraseTo(const QPointF& point, double size)
{
    const QPolygonF outline = ICapsule::capsulePolygon(QLineF(m_lastPoint, point), size / viewScale());
    m_lastPoint = point;
    if (outline.isEmpty() || !m_slide)
        return;
    const QList<QGraphicsItem*> found = m_slide->items(outline.boundingRect(), Qt::IntersectsItemBoundingRect,
                                                       Qt::DescendingOrder);
    for (QGraphicsItem* item : found) {
        if (item->type() == PathElementType) {
            if (auto* element = dynamic_cast<IPathElement*>(item))
                erase(element, outline, point);
        } else if (item->type() == TextElementType) {
            qDebug() << "erase TK_RichText...";
        }
    }
}

void IPathEraseMode::erase(IPathElement* element, const QPolygonF& sceneOutline, const QPointF& point)
{
    if (element->isLocked())
        return;
    // In the element's own coordinates, which differ from the scene's once
    // it has been moved or turned.
    const QRegion area = QRegion(element->mapFromScene(sceneOutline).toPolygon()) & element->paintableRegion();
    if (area.isEmpty())
        return;
    const bool seen = std::any_of(m_before.cbegin(), m_before.cend(),
                                  [element](const QPair<IElement*, IElementState>& b) { return b.first == element; });
    if (!seen)
        m_before.append({element, IElementState::of(element)});
    element->appendErasePoint(element->mapFromScene(point));
    if (!element->addEraseRegion(area)) {
        if (!m_touched.contains(element)) {
            m_touched.insert(element);
            m_erased.append(element);
        }
        return;
    }
    // Nothing left of it: off the slide, which announces the removal, and
    // out of this pass's lists, so that no notice names it. Whoever takes
    // removed elements (the board's bin) owns it from here on.
    m_touched.remove(element);
    m_erased.removeOne(element);
    const QList<ISlide::Place> places = m_slide->placesOf({element});
    // Recorded with the rest of the pass.
    ISlideHistory::Pause pause(m_slide->history());
    if (m_slide->removeElement(element)) {
        m_removed.append(element);
        m_removedPlaces.append(places.value(0));
    }
}

void IPathEraseMode::showIndicator(const QPointF& point, double size)
{
    if (!m_slide)
        return;
    if (!m_indicator) {
        m_indicator = new QGraphicsEllipseItem();
        m_indicator->setZValue(kIndicatorZ);
        QPen outline(QColor(80, 80, 80));
        outline.setCosmetic(true);
        m_indicator->setPen(outline);
        m_indicator->setBrush(QColor(255, 255, 255, 96));
        m_indicator->setAcceptedMouseButtons(Qt::NoButton);
    }
    // Kept on the slide between passes, hidden; put back when it was taken
    // off or the board shows another slide.
    if (m_indicator->scene() != m_slide) {
        if (m_indicator->scene())
            m_indicator->scene()->removeItem(m_indicator);
        m_slide->addItem(m_indicator);
    }
    const double side = size / viewScale();
    m_indicator->setRect(point.x() - side / 2, point.y() - side / 2, side, side);
    m_indicator->show();
}

void IPathEraseMode::endPass()
{
    if (!m_erasing)
        return;
    m_erasing = false;
    recordPass();
    if (!m_erased.isEmpty() && m_slide)
        m_slide->notifyElementsErasered(m_erased);
    m_touched.clear();
    m_erased.clear();
    m_before.clear();
    m_removed.clear();
    m_removedPlaces.clear();
    if (m_indicator)
        m_indicator->hide();
    m_slide = nullptr;
    if (IBoardState* state = boardState())
        state->setDrawing(false);
}

void IPathEraseMode::recordPass()
{
    if (!m_slide || m_before.isEmpty())
        return;
    // Undone last to first: the drawings return to the slide, then get
    // back what the eraser took from them.
    auto* step = new QUndoCommand;
    auto* changes = new IElementStateCommand(m_slide, step);
    for (const auto& before : qAsConst(m_before))
        changes->add(before.first, before.second, IElementState::of(before.first));
    if (!m_removed.isEmpty())
        new IRemoveElementsCommand(m_slide, m_removed, m_removedPlaces, step);
    if (changes->isEmpty() && m_removed.isEmpty())
        delete step;
    else
        m_slide->history()->record(step);
}

double IPathEraseMode::eraserSize() const
{
    IBoardState* state = boardState();
    return state ? state->pointEraserSize().width() : 0.0;
}
