// An element a tool is still drawing: already on its slide, so that it shows,
// but not yet announced, so that a click or an aborted gesture can take it
// back without a trace.
#pragma once

#include "board/islide.h"

#include <QPointer>

class IElement;

class IElementDraft
{
public:
    IElementDraft() = default;
    // Puts `element` on `slide` without announcing it.
    IElementDraft(IElement* element, ISlide* slide);

    // The element while it is still on its slide; null once someone else
    // took it off (it is theirs then) or the slide went.
    IElement* element() const;
    ISlide* slide() const { return m_slide; }

    // Announces the element: the slide records it as added.
    void keep();
    // Takes the element off its slide without a notice and frees it.
    void discard();

private:
    IElement* m_element = nullptr;
    QPointer<ISlide> m_slide;
};
