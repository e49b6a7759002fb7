// Freeing the elements removed from slides.
#include "board/ielementbin.h"

#include "board/islide.h"
#include "board/item/ielement.h"
#include "board/undo/islidehistory.h"

#include <QGraphicsItem>

#include <utility>

IElementBin::IElementBin(QObject* parent)
    : QObject(parent)
{
}

IElementBin* IElementBin::of(QObject* owner)
{
    if (auto* bin = owner->findChild<IElementBin*>(QString(), Qt::FindDirectChildrenOnly))
        return bin;
    return new IElementBin(owner);
}

void IElementBin::watch(ISlide* slide)
{
    connect(slide, &ISlide::sgElementsRemovedEvent, this, &IElementBin::take, Qt::UniqueConnection);
    slide->history()->setBin(this);
}

void IElementBin::hold(IElement* element)
{
    ++m_holds[element];
}

void IElementBin::release(IElement* element)
{
    auto it = m_holds.find(element);
    if (it == m_holds.end())
        return;
    if (--it.value() > 0)
        return;
    m_holds.erase(it);
    if (!IElement::isLive(element))
        return;
    // One on a slide belongs to the slide's scene.
    const auto* item = dynamic_cast<const QGraphicsItem*>(element);
    if (item && !item->scene() && !item->parentItem())
        schedule(element);
}

void IElementBin::take(const QString& slideId, const QList<IElement*>& elements)
{
    Q_UNUSED(slideId)
    for (IElement* element : elements)
        schedule(element);
}

void IElementBin::schedule(IElement* element)
{
    if (element && !m_pending.contains(element))
        m_pending.append(element);
    // Not at once: the other receivers of the notice, and whoever removed
    // the element, may still look at it or put it back.
    if (!m_scheduled && !m_pending.isEmpty()) {
        m_scheduled = true;
        QMetaObject::invokeMethod(this, &IElementBin::empty, Qt::QueuedConnection);
    }
}

void IElementBin::empty()
{
    m_scheduled = false;
    const QList<IElement*> pending = std::exchange(m_pending, {});
    for (IElement* element : pending) {
        // An undo step can still bring it back; or someone deleted it already.
        if (m_holds.contains(element) || !IElement::isLive(element))
            continue;
        const auto* item = dynamic_cast<const QGraphicsItem*>(element);
        if (item && !item->scene() && !item->parentItem())
            delete element;
    }
}
