// Base of the freehand pens: colours their segments and lets go of the
// pointers when the pen is put down.
#pragma once

#include "board/mode/imode.h"

#include <QColor>

class IPolygonInkElement;

class IInkBaseMode : public IMode
{
public:
    IInkBaseMode() = default;

    // Solid fill in `color`, no outline; translucent when its alpha is below 255.
    virtual void applyInkColor(IPolygonInkElement* segment, const QColor& color);

    void activate() override {}
    // Back to the arrow; the pressed devices are forgotten.
    void deactivate() override;

protected:
    // The board's ink colour at the board's ink opacity (both alphas count);
    // black without a board.
    QColor inkColor() const;
};
