// One page of the annotation board: the scene that holds its elements, keeps
// their stacking order and announces every change of its element list.
#pragma once

#include "board/item/ielement.h"

#include <QGraphicsScene>
#include <QList>
#include <QSet>
#include <QSizeF>

#include <functional>

class ISlideHistory;
class QGraphicsView;

class ISlide : public QGraphicsScene
{
    Q_OBJECT
public:
    // What the top z falls back to when no element is left.
    static constexpr double kEmptyTopZ = -9000000.0;

    // Makes the slide's selection frame for the given board view.
    using FrameCreator = std::function<QGraphicsItem*(QGraphicsView* board)>;

    explicit ISlide(QObject* parent = nullptr);
    ~ISlide() override;

    // Where an element was before it left the slide: its place in the
    // element list and the element drawn right above it.
    struct Place
    {
        int index = -1;
        IElement* above = nullptr;
    };

    // Puts the element on top of its own z order and into the scene. An
    // element of another slide moves: that slide forgets it, without a removal
    // notice. A null element, or one that is not a graphics item, throws
    // std::invalid_argument.
    void addElement(IElement* element, bool silent = false);
    // Takes the element off the slide without deleting it; whoever receives
    // the removal signal owns it. Returns false, and signals no removal, for a
    // locked element or one that is not on this slide.
    bool removeElement(IElement* element, bool silent = false);

    // Each removes the unlocked elements its filter matches and returns them.
    virtual QSet<IElement*> clearAllElements();
    virtual QSet<IElement*> clearDrawnElements();
    virtual QSet<IElement*> clearPathAndTextElements();

    void notifyElementsErasered(const QList<IElement*>& elements);

    // The slide's undo history. Adding and removing elements (not silently)
    // and clearing record themselves in it; other changes are recorded by
    // whoever makes them.
    ISlideHistory* history() const { return m_history; }
    // For undo steps, recording nothing: takes the elements off, locked or
    // not, announcing the removal, and tells where each one was.
    QList<Place> takeAway(const QList<IElement*>& elements);
    // Puts elements back where takeAway (or a removal) found them, with
    // the z order they have, announcing them as added.
    void putBack(const QList<IElement*>& elements, const QList<Place>& places);
    // Where the elements are now, as they are about to leave one by one in
    // this order.
    QList<Place> placesOf(const QList<IElement*>& elements) const;

    // The frame is made on first use, once the slide is shown in a view and a
    // creator is set; until then this answers null.
    QGraphicsItem* sceneElementFrame();
    void setSceneElementFrame(QGraphicsItem* frame);
    void setSceneElementFrameCreator(FrameCreator creator);

    QList<IElement*> elements() const;
    QString slideId() const;
    QSizeF rawSize() const;
    double topZ() const;

signals:
    void sgSlideChangedEvent();
    void sgElementsAddedEvent(const QString& slideId, const QList<IElement*>& elements);
    void sgElementsRemovedEvent(const QString& slideId, const QList<IElement*>& elements);
    void sgElementsChangedEvent();
    void sgElementGroupedEvent();
    void sgElementUngroupedEvent();
    void sgElementsEraseredEvent(const QString& slideId, const QList<IElement*>& elements);
    void sgRawBackgroundRectChanged(ISlide* pSlide, const QRectF& rect);

private:
    QSet<IElement*> clearMatching(const std::function<bool(int type)>& filter);
    // Drops an element that moved to another slide.
    void forget(IElement* element);
    void takeOut(IElement* element);
    void recomputeTopZ();

    QSizeF m_rawSize;
    QString m_slideId;
    double m_topZ = kEmptyTopZ;
    QList<IElement*> m_elements;
    QSet<IElement*> m_removed;
    QGraphicsItem* m_sceneElementFrame = nullptr;
    FrameCreator m_frameCreator;
    ISlideHistory* m_history = nullptr;
};
