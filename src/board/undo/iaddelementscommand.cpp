// Undoing elements put on a slide.
#include "board/undo/iaddelementscommand.h"

#include "board/islide.h"
#include "board/undo/iremoveelementscommand.h"
#include "board/undo/islidehistory.h"
#include "board/undo/iundoids.h"

#include <algorithm>

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

int IAddElementsCommand::id() const
{
    return IUndoIds::kElementList;
}

bool IAddElementsCommand::mergeWith(const QUndoCommand* other)
{
    const auto* removal = dynamic_cast<const IRemoveElementsCommand*>(other);
    if (!removal || childCount() > 0)
        return false;
    QList<IElement*> mine = m_elements;
    QList<IElement*> theirs = removal->elements();
    std::sort(mine.begin(), mine.end());
    std::sort(theirs.begin(), theirs.end());
    if (mine != theirs)
        return false;
    // Nothing happened, as far as the history goes.
    setObsolete(true);
    return true;
}
