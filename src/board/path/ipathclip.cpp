// Cutting path drawings at the board's visible border.
#include "board/path/ipathclip.h"

#include "board/iboard.h"
#include "board/path/ipathelement.h"

#include <QPolygonF>

QRegion IPathClip::visibleRegion(const IBoard* board, const QGraphicsItem* item)
{
    if (!board)
        return QRegion();
    // A polygon, not a rectangle: the view may be turned.
    const QPolygonF shown = board->viewportTransform().inverted().map(QRectF(board->viewport()->rect()));
    return QRegion(item->mapFromScene(shown).toPolygon());
}

bool IPathClip::keepOnly(IPathElement* element, const QRegion& keep)
{
    const QRegion outside = element->paintableRegion() - keep;
    if (outside.isEmpty())
        return false;
    return element->addEraseRegion(outside);
}
