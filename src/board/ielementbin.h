// Where the elements that leave a slide end up: freed once nothing holds them.
#pragma once

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
    // changes nothing.
    void watch(ISlide* slide);

private:
    // At the event-loop turn after a removal: frees every element taken in
    // that is neither in a scene nor part of another item since (re-added to
    // a slide, picked up by a group).
    void empty();
    void take(const QString& slideId, const QList<IElement*>& elements);

    QList<IElement*> m_pending;
    bool m_scheduled = false;
};
