// Undoing elements taken off a slide.
#include "board/undo/iremoveelementscommand.h"

#include "board/islide.h"
#include "board/undo/islidehistory.h"

IRemoveElementsCommand::IRemoveElementsCommand(ISlide* slide, const QList<IElement*>& elements,
                                               const QList<ISlide::Place>& places, QUndoCommand* parent)
    : QUndoCommand(parent)
    , m_slide(slide)
    , m_elements(elements)
    , m_places(places)
{
    for (IElement* element : qAsConst(m_elements))
        m_slide->history()->hold(element);
}

IRemoveElementsCommand::~IRemoveElementsCommand()
{
    for (IElement* element : qAsConst(m_elements))
        m_slide->history()->release(element);
}

void IRemoveElementsCommand::undo()
{
    m_slide->putBack(m_elements, m_places);
}

void IRemoveElementsCommand::redo()
{
    if (!m_pushed) {
        m_pushed = true;
        return;
    }
    m_places = m_slide->takeAway(m_elements);
}
