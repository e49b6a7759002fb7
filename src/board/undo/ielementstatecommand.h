// Undoes a change to elements that stay on their slide: moved, scaled,
// turned, locked or unlocked, text typed or recoloured, partly erased.
#pragma once

#include "board/undo/ielementstate.h"

#include <QList>
#include <QUndoCommand>

class IElement;
class ISlide;

class IElementStateCommand : public QUndoCommand
{
public:
    explicit IElementStateCommand(ISlide* slide, QUndoCommand* parent = nullptr);
    ~IElementStateCommand() override;

    // Adds one element's states before and after the change; an element
    // that did not change is left out.
    void add(IElement* element, const IElementState& before, const IElementState& after);
    bool isEmpty() const { return m_elements.isEmpty(); }

    // Pushed once the change is made: the first redo does nothing.
    void undo() override;
    void redo() override;

private:
    ISlide* m_slide;
    QList<IElement*> m_elements;
    QList<IElementState> m_before;
    QList<IElementState> m_after;
    bool m_pushed = false;
};
