// Undoes elements the user put on a slide (a stroke, a figure, a text, a
// copy): undo takes them off, redo puts them back where they were.
#pragma once

#include "board/islide.h"

#include <QList>
#include <QUndoCommand>

class IElement;

class IAddElementsCommand : public QUndoCommand
{
public:
    // Pushed once the elements are on the slide: the first redo does nothing.
    IAddElementsCommand(ISlide* slide, const QList<IElement*>& elements, QUndoCommand* parent = nullptr);
    ~IAddElementsCommand() override;

    void undo() override;
    void redo() override;

    QList<IElement*> elements() const { return m_elements; }

private:
    ISlide* m_slide;
    QList<IElement*> m_elements;
    QList<ISlide::Place> m_places;
    bool m_pushed = false;
};
