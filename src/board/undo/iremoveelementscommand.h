// Undoes elements taken off a slide (erased, deleted, cleared): undo puts
// them back at their place in the stacking order, redo takes them off again.
// It keeps them alive for as long as it can bring them back.
#pragma once

#include "board/islide.h"

#include <QList>
#include <QUndoCommand>

class IElement;

class IRemoveElementsCommand : public QUndoCommand
{
public:
    // Pushed once the elements are off the slide; `places` are where
    // they were before they left. The first redo does nothing.
    IRemoveElementsCommand(ISlide* slide, const QList<IElement*>& elements, const QList<ISlide::Place>& places,
                           QUndoCommand* parent = nullptr);
    ~IRemoveElementsCommand() override;

    void undo() override;
    void redo() override;

    QList<IElement*> elements() const { return m_elements; }

private:
    ISlide* m_slide;
    QList<IElement*> m_elements;
    QList<ISlide::Place> m_places;
    bool m_pushed = false;
};
