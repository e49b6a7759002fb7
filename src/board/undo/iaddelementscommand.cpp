// Undoing elements put on a slide.
#include "board/undo/iaddelementscommand.h"

#include "board/islide.h"
#include "board/undo/islidehistory.h"

IAddElementsCommand::IAddElementsCommand(ISlide* slide, const QList<IElement*>& elements, QUndoCommand* parent)
    : QUndoCommand(parent)
    , m_slide(slide)
    , m_elements(elements)
{
    for (IElement* element : qAsConst(m_elements))
        m_slide->history()->hold(element);
}

IAddElementsCommand::~IAddElementsCommand()
{
    for (IElement* element : qAsConst(m_elements))
        m_slide->history()->release(element);
}

void IAddElementsCommand::undo()
{
    m_places = m_slide->takeAway(m_elements);
}

void IAddElementsCommand::redo()
{
    if (!m_pushed) {
        m_pushed = true;
        return;
    }
    m_slide->putBack(m_elements, m_places);
}
