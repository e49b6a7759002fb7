// Drawing the ink figures by dragging.
#include "board/path/ifigurepathmode.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/item/figure/ianglesnap.h"
#include "board/item/figure/ifigurecatalog.h"
#include "board/item/figure/ifigurekind.h"
#include "board/path/icirclepathelement.h"
#include "board/path/iellipsepathelement.h"
#include "board/path/iisoscelestrianglepathelement.h"
#include "board/path/ilinepathelement.h"
#include "board/path/ipathclip.h"
#include "board/path/irectanglepathelement.h"
#include "board/path/ishapepathelement.h"

#include <QPixmap>

IFigurePathMode::IFigurePathMode()
    : m_kind(IFigureKind::Line)
{
}

IFigurePathElement* IFigurePathMode::create(int kind)
{
    switch (kind) {
    case IFigureKind::Circle:
        return new ICirclePathElement();
    case IFigureKind::Ellipse:
        return new IEllipsePathElement();
    case IFigureKind::Rectangle:
        return new IRectanglePathElement();
    case IFigureKind::IsoscelesTriangle:
        return new IIsoscelesTrianglePathElement();
    default:
        return new ILinePathElement();
    }
}

void IFigurePathMode::setFigureKind(int kind)
{
    m_kind = kind;
}

void IFigurePathMode::activate()
{
    // A kind without a figure of its own draws a line, so it shows the line's cursor.
    QPixmap picture(IFigureCatalog::cursorFile(m_kind));
    if (picture.isNull())
        picture.load(IFigureCatalog::cursorFile(IFigureKind::Line));
    setCursor(picture.isNull() ? QCursor(Qt::ArrowCursor)
                               : QCursor(picture, picture.width() / 2, picture.height() / 2));
    if (m_board)
        m_board->setBoardCursor(cursor());
}

void IFigurePathMode::deactivate()
{
    IDragMode::deactivate();
    setCursor(QCursor(Qt::ArrowCursor));
    if (m_board)
        m_board->setBoardCursor(cursor());
}

IFigurePathElement* IFigurePathMode::figureOf(int device) const
{
    return dynamic_cast<IFigurePathElement*>(m_drafts.value(device).element());
}

QPointF IFigurePathMode::endFor(const IFigurePathElement* figure, const QPointF& point)
{
    if (figure->pathKind() == IPathElement::LinePath)
        return IAngleSnap::snapped(figure->start(), point);
    return point;
}

void IFigurePathMode::begin(const Drag& drag)
{
    ISlide* slide = m_board ? m_board->currentSlide() : nullptr;
    if (!slide)
        return;
    IFigurePathElement* figure = create(m_kind);
    if (const IBoardState* state = boardState()) {
        figure->setColor(state->inkColor());
        figure->setColor2(state->inkColor());
        figure->setAlpha(state->inkOpacity());
        figure->setWidth(static_cast<int>(state->inkThickness()));
    }
    figure->setPoints(drag.start, drag.start);
    figure->show();
    // Announced only once it is finished: a click may leave nothing to announce.
    m_drafts.insert(drag.device, IElementDraft(figure, slide));
}

void IFigurePathMode::update(const Drag& drag, const QPointF&)
{
    if (IFigurePathElement* figure = figureOf(drag.device))
        figure->setPoints(figure->start(), endFor(figure, drag.current));
}

void IFigurePathMode::finish(const Drag& drag)
{
    IFigurePathElement* figure = figureOf(drag.device);
    IElementDraft draft = m_drafts.take(drag.device);
    if (!figure)
        return;
    if (auto* line = dynamic_cast<ILinePathElement*>(figure)) {
        if (line->isEmpty()) {
            draft.discard();
            return;
        }
    }
    auto* shape = dynamic_cast<IShapePathElement*>(figure);
    // The triangle keeps its points: which way it was dragged says which way it points.
    if (shape && shape->pathKind() != IPathElement::IsoscelesTrianglePath) {
        shape->normalise();
        // The one figure that reaches past the pointer: whatever of it lies
        // beyond what the board showed is cut off there.
        if (shape->pathKind() == IPathElement::CirclePath
            && IPathClip::keepOnly(shape, IPathClip::visibleRegion(m_board, shape))) {
            draft.discard();
            return;
        }
    }
    draft.keep();
}

void IFigurePathMode::abort(const Drag& drag)
{
    m_drafts.take(drag.device).discard();
}
