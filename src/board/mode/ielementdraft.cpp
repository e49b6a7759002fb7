// An element a tool is still drawing.
#include "board/mode/ielementdraft.h"

#include "board/islide.h"

IElementDraft::IElementDraft(IElement* element, ISlide* slide)
    : m_element(element)
    , m_slide(slide)
{
    if (m_slide && m_element)
        m_slide->addElement(m_element, true);
}

IElement* IElementDraft::element() const
{
    // Only compared, never touched: the element may be gone.
    if (!m_slide || !m_element || !m_slide->elements().contains(m_element))
        return nullptr;
    return m_element;
}

void IElementDraft::keep()
{
    if (IElement* live = element())
        m_slide->addElement(live);
}

void IElementDraft::discard()
{
    IElement* live = element();
    if (live && m_slide->removeElement(live, true))
        delete live;
    m_element = nullptr;
}
