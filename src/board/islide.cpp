// One page of the annotation board.
#include "board/islide.h"

#include <QGraphicsView>
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
{
    qRegisterMetaType<IElement*>();
    qRegisterMetaType<QList<IElement*>>();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_rawSize = screen->size();
    setSceneRect(QRectF(QPointF(0, 0), m_rawSize));
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
    if (!silent)
        emit sgElementsAddedEvent(m_slideId, {element});
    emit sgSlideChangedEvent();
}

bool ISlide::removeElement(IElement* element, bool silent)
{
    itemOf(element);
    // Listeners take the listed elements as theirs, so a refused removal must
    // not be announced.
    const bool removable = !element->isLocked() && m_elements.contains(element);
    if (removable) {
        takeOut(element);
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
    const QList<IElement*> elements = m_elements;
    for (IElement* element : elements) {
        if (element->isLocked() || !filter(itemOf(element)->type()))
            continue;
        takeOut(element);
        m_removed.insert(element);
        removed.append(element);
    }
    if (!removed.isEmpty())
        emit sgElementsRemovedEvent(m_slideId, removed);
    return m_removed;
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
