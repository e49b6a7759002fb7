// One page of the annotation board.
#include "board/islide.h"

#include "board/undo/iaddelementscommand.h"
#include "board/undo/iremoveelementscommand.h"
#include "board/undo/islidehistory.h"

#include <QGraphicsView>
#include <QHash>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

QGraphicsItem* itemOf(IElement* element)
{
    if (!element)
        throw std::invalid_argument("ISlide: null element");
    auto* item = dynamic_cast<QGraphicsItem*>(element);
    if (!item)
        throw std::invalid_argument("ISlide: element is not a graphics item");
    return item;
}

bool isDrawing(int type)
{
    return type == InkElementType || type == FigureElementType
        || type == PathElementType;
}

bool isPathOrText(int type)
{
    return type == PathElementType || type == TextElementType;
}

} // namespace

ISlide::ISlide(QObject* parent)
    : QGraphicsScene(parent)
    , m_slideId(IElement::newElementId())
    , m_history(new ISlideHistory(this))
{
    qRegisterMetaType<IElement*>();
    qRegisterMetaType<QList<IElement*>>();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_rawSize = screen->size();
    setSceneRect(QRectF(QPointF(0, 0), m_rawSize));
}

ISlide::~ISlide()
{
    // Before the scene deletes its items: the history's steps still tell
    // which elements are on the slide.
    delete m_history;
    m_history = nullptr;
}

void ISlide::addElement(IElement* element, bool silent)
{
    QGraphicsItem* item = itemOf(element);
    // The item can be in one scene only: taken from another slide, it leaves
    // that slide's list as well.
    if (auto* previous = qobject_cast<ISlide*>(item->scene()); previous && previous != this)
        previous->forget(element);
    // From the element's own z: a new element (z 0) enters at 0.01 and stays
    // above older ones of the same z because the scene draws later items on top.
    const double z = element->zOrder() + 0.01;
    m_topZ = z;
    element->setZOrder(z);
    item->setZValue(z);
    // Adding twice must not list it twice: a clear would hand it out twice.
    if (!m_elements.contains(element))
        m_elements.append(element);
    if (item->scene() != this)
        addItem(item);
    if (!silent) {
        if (m_history->isRecording())
            m_history->record(new IAddElementsCommand(this, {element}));
        emit sgElementsAddedEvent(m_slideId, {element});
    }
    emit sgSlideChangedEvent();
}

bool ISlide::removeElement(IElement* element, bool silent)
{
    itemOf(element);
    // Listeners take the listed elements as theirs, so a refused removal must
    // not be announced.
    const bool removable = !element->isLocked() && m_elements.contains(element);
    if (removable) {
        const bool record = !silent && m_history->isRecording();
        const QList<Place> places = record ? placesOf({element}) : QList<Place>();
        takeOut(element);
        if (record)
            m_history->record(new IRemoveElementsCommand(this, {element}, places));
        if (!silent)
            emit sgElementsRemovedEvent(m_slideId, {element});
    }
    emit sgSlideChangedEvent();
    return removable;
}

QSet<IElement*> ISlide::clearAllElements()
{
    return clearMatching([](int) { return true; });
}

QSet<IElement*> ISlide::clearDrawnElements()
{
    return clearMatching(isDrawing);
}

QSet<IElement*> ISlide::clearPathAndTextElements()
{
    return clearMatching(isPathOrText);
}

void ISlide::notifyElementsErasered(const QList<IElement*>& elements)
{
    emit sgElementsEraseredEvent(m_slideId, elements);
}

QGraphicsItem* ISlide::sceneElementFrame()
{
    if (m_sceneElementFrame || !m_frameCreator)
        return m_sceneElementFrame;
    const QList<QGraphicsView*> boards = views();
    if (boards.isEmpty())
        return nullptr;
    if (QGraphicsItem* frame = m_frameCreator(boards.first())) {
        m_sceneElementFrame = frame;
        if (frame->scene() != this)
            addItem(frame);
        frame->hide();
    }
    return m_sceneElementFrame;
}

void ISlide::setSceneElementFrame(QGraphicsItem* frame)
{
    if (frame == m_sceneElementFrame)
        return;
    m_sceneElementFrame = frame;
    if (!frame)
        return;
    if (frame->scene() != this)
        addItem(frame);
    frame->hide();
}

void ISlide::setSceneElementFrameCreator(FrameCreator creator)
{
    m_frameCreator = std::move(creator);
}

QList<IElement*> ISlide::elements() const
{
    return m_elements;
}

QString ISlide::slideId() const
{
    return m_slideId;
}

QSizeF ISlide::rawSize() const
{
    return m_rawSize;
}

double ISlide::topZ() const
{
    return m_topZ;
}

QSet<IElement*> ISlide::clearMatching(const std::function<bool(int type)>& filter)
{
    m_removed.clear();
    QList<IElement*> removed;
    for (IElement* element : qAsConst(m_elements)) {
        if (!element->isLocked() && filter(itemOf(element)->type()))
            removed.append(element);
    }
    const bool record = !removed.isEmpty() && m_history->isRecording();
    const QList<Place> places = record ? placesOf(removed) : QList<Place>();
    for (IElement* element : qAsConst(removed)) {
        takeOut(element);
        m_removed.insert(element);
    }
    if (record)
        m_history->record(new IRemoveElementsCommand(this, removed, places));
    if (!removed.isEmpty())
        emit sgElementsRemovedEvent(m_slideId, removed);
    return m_removed;
}

QList<ISlide::Place> ISlide::placesOf(const QList<IElement*>& elements) const
{
    // The slide's elements from the bottom up, as the scene draws them.
    QList<IElement*> stacked;
    const QList<QGraphicsItem*> items = this->items(Qt::AscendingOrder);
    for (QGraphicsItem* item : items) {
        auto* element = dynamic_cast<IElement*>(item);
        if (element && !item->parentItem() && m_elements.contains(element))
            stacked.append(element);
    }
    QHash<IElement*, int> stackedAt;
    for (int j = 0; j < stacked.size(); ++j)
        stackedAt.insert(stacked.at(j), j);
    QHash<IElement*, int> leavesAt;
    for (int i = 0; i < elements.size(); ++i)
        leavesAt.insert(elements.at(i), i);
    QList<IElement*> list = m_elements;
    QList<Place> places;
    for (int i = 0; i < elements.size(); ++i) {
        IElement* element = elements.at(i);
        Place place;
        place.index = list.indexOf(element);
        // The next one up that is still there when this one leaves.
        for (int up = stackedAt.value(element, stacked.size()) + 1; up < stacked.size(); ++up) {
            const auto leaves = leavesAt.constFind(stacked.at(up));
            if (leaves == leavesAt.constEnd() || leaves.value() > i) {
                place.above = stacked.at(up);
                break;
            }
        }
        if (place.index >= 0)
            list.removeAt(place.index);
        places.append(place);
    }
    return places;
}

QList<ISlide::Place> ISlide::takeAway(const QList<IElement*>& elements)
{
    const QList<Place> places = placesOf(elements);
    QList<IElement*> taken;
    for (IElement* element : elements) {
        if (!m_elements.contains(element) || !IElement::isLive(element))
            continue;
        takeOut(element);
        taken.append(element);
    }
    if (!taken.isEmpty())
        emit sgElementsRemovedEvent(m_slideId, taken);
    emit sgSlideChangedEvent();
    return places;
}

void ISlide::putBack(const QList<IElement*>& elements, const QList<Place>& places)
{
    QList<IElement*> back;
    // In reverse: each place was taken with the later ones still there.
    for (int i = elements.size() - 1; i >= 0; --i) {
        IElement* element = elements.at(i);
        // Deleted behind the history's back: nothing to bring back.
        if (m_elements.contains(element) || !IElement::isLive(element))
            continue;
        QGraphicsItem* item = itemOf(element);
        const Place place = places.value(i);
        const int index = place.index < 0 ? m_elements.size() : std::min(place.index, int(m_elements.size()));
        m_elements.insert(index, element);
        if (item->scene() != this) {
            if (item->scene())
                item->scene()->removeItem(item);
            addItem(item);
        }
        // Among elements of one z the scene draws later ones on top.
        if (place.above && m_elements.contains(place.above)) {
            QGraphicsItem* above = itemOf(place.above);
            if (above->scene() == this && above->parentItem() == item->parentItem())
                item->stackBefore(above);
        }
        back.prepend(element);
    }
    recomputeTopZ();
    if (!back.isEmpty())
        emit sgElementsAddedEvent(m_slideId, back);
    emit sgSlideChangedEvent();
}

void ISlide::forget(IElement* element)
{
    if (!m_elements.contains(element))
        return;
    takeOut(element);
    // No removal notice: its receivers take the element as theirs, and it now
    // belongs to the slide it moved to.
    emit sgSlideChangedEvent();
}

void ISlide::takeOut(IElement* element)
{
    m_elements.removeOne(element);
    QGraphicsItem* item = itemOf(element);
    if (item->scene() == this)
        removeItem(item);
    recomputeTopZ();
}

void ISlide::recomputeTopZ()
{
    if (m_elements.isEmpty()) {
        m_topZ = kEmptyTopZ;
        return;
    }
    double top = std::trunc(m_elements.first()->zOrder());
    for (const IElement* element : qAsConst(m_elements))
        top = std::max(top, std::trunc(element->zOrder()));
    m_topZ = top;
}
