// Shared part of the freehand pens.
#include "board/mode/iinkbasemode.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
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

QColor IInkBaseMode::inkColor() const
{
    const IBoardState* state = boardState();
    if (!state)
        return QColor(Qt::black);
    QColor color = state->inkColor();
    const int opacity = qBound(0, state->inkOpacity(), 255);
    color.setAlpha(qRound(color.alpha() * opacity / 255.0));
    return color;
}
