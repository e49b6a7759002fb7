// Undoing a change to elements that stay on their slide.
#include "board/undo/ielementstatecommand.h"

#include "board/islide.h"
#include "board/item/ielement.h"
#include "board/undo/islidehistory.h"

IElementStateCommand::IElementStateCommand(ISlide* slide, QUndoCommand* parent)
    : QUndoCommand(parent)
    , m_slide(slide)
{
}

IElementStateCommand::~IElementStateCommand()
{
    for (IElement* element : qAsConst(m_elements))
        m_slide->history()->release(element);
}

void IElementStateCommand::add(IElement* element, const IElementState& before, const IElementState& after)
{
    if (!element || before == after)
        return;
    m_slide->history()->hold(element);
    m_elements.append(element);
    m_before.append(before);
    m_after.append(after);
}

void IElementStateCommand::undo()
{
    for (int i = m_elements.size() - 1; i >= 0; --i) {
        if (IElement::isLive(m_elements.at(i)))
            m_before.at(i).applyTo(m_elements.at(i));
    }
}

void IElementStateCommand::redo()
{
    if (!m_pushed) {
        m_pushed = true;
        return;
    }
    for (int i = 0; i < m_elements.size(); ++i) {
        if (IElement::isLive(m_elements.at(i)))
            m_after.at(i).applyTo(m_elements.at(i));
    }
}
