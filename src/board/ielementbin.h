// Where the elements that leave a slide end up: freed once nothing holds them.
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class IElement;
class ISlide;

class IElementBin : public QObject
{
    Q_OBJECT
public:
    explicit IElementBin(QObject* parent = nullptr);

    // The bin that `owner` holds as a direct child, made on first use.
    static IElementBin* of(QObject* owner);

    // Takes in what the slide hands out as removed; watching a slide twice
    // changes nothing. The slide's history holds elements through this bin.
    void watch(ISlide* slide);

    // An element an undo step may bring back is not freed while held; the
    // last release hands it back to the bin.
    void hold(IElement* element);
    void release(IElement* element);
    bool isHeld(IElement* element) const { return m_holds.contains(element); }

private:
    // At the event-loop turn after a removal: frees every element taken in
    // that is neither in a scene nor part of another item since (re-added to
    // a slide, picked up by a group).
    void empty();
    void take(const QString& slideId, const QList<IElement*>& elements);

    void schedule(IElement* element);

    QList<IElement*> m_pending;
    QHash<IElement*, int> m_holds;
    bool m_scheduled = false;
};
