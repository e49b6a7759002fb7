// A selection frame that lives in the slide's scene as an item, above the
// elements it frames; the slide's text frame is one.
#pragma once

#include "board/item/iabstractframe.h"

class QGraphicsItem;

class ISceneElementFrame : public IAbstractFrame
{
public:
    // The item that draws the frame and catches presses on it.
    virtual QGraphicsItem* frameItem() = 0;
    // Puts the framed text into typing, the caret at its end.
    virtual void enterEditor() = 0;
    // Ends the typing, lets go of the framed items and hides.
    virtual void endEditState() = 0;
    // Pictures taken of the slide leave the frame out.
    virtual void setPaintSuppressed(bool suppressed) = 0;
};
