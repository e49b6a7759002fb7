// Shared part of the freehand pens.
#include "board/mode/iinkbasemode.h"

#include "board/iboard.h"
#include "board/item/ipolygoninkelement.h"

void IInkBaseMode::applyInkColor(IPolygonInkElement* segment, const QColor& color)
{
    if (segment)
        segment->setInkColor(color);
}

void IInkBaseMode::deactivate()
{
    setCursor(QCursor(Qt::ArrowCursor));
    if (m_board)
        m_board->setBoardCursor(QCursor(Qt::ArrowCursor));
    IMode::deactivate();
}
