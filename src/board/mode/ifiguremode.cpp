// Drawing figures by dragging.
#include "board/mode/ifiguremode.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/item/figure/ifigurecatalog.h"
#include "board/item/figure/ifigureelement.h"
#include "board/item/figure/ifigurekind.h"

#include <QPixmap>

IFigureMode::IFigureMode()
    : m_kind(IFigureKind::NoFigure)
{
}

void IFigureMode::setFigureKind(int kind)
{
    m_kind = kind;
    setEnabled(true);
    switch (kind) {
    case IFigureKind::RegularTriangle:
        m_vertexCount = 3;
        break;
    case IFigureKind::Pentagon:
        m_vertexCount = 5;
        break;
    case IFigureKind::Hexagon:
        m_vertexCount = 6;
        break;
    case IFigureKind::Octagon:
        m_vertexCount = 8;
        break;
    default:
        break;
    }
}

void IFigureMode::activate()
{
    const QPixmap picture(IFigureCatalog::cursorFile(m_kind));
    if (picture.isNull())
        return;
    setCursor(QCursor(picture, picture.width() / 2, picture.height() / 2));
    if (m_board)
        m_board->setBoardCursor(cursor());
}

void IFigureMode::deactivate()
{
    IDragMode::deactivate();
    setCursor(QCursor(Qt::ArrowCursor));
    if (m_board)
        m_board->setBoardCursor(cursor());
}

IFigureElement* IFigureMode::figureOf(int device) const
{
    return dynamic_cast<IFigureElement*>(m_drafts.value(device).element());
}

void IFigureMode::begin(const Drag& drag)
{
    ISlide* slide = m_board ? m_board->currentSlide() : nullptr;
    if (!slide)
        return;
    IFigureElement* figure = IFigureCatalog::create(m_kind);
    if (!figure)
        return;
    if (const IBoardState* state = boardState()) {
        figure->setPenColor(state->inkColor());
        figure->setThickness(state->figureThickness());
        figure->setFillColor(state->figureBackground());
    }
    figure->beginDrag(drag.start);
    // Announced only once it is finished: a click leaves nothing to announce.
    m_drafts.insert(drag.device, IElementDraft(figure, slide));
}

void IFigureMode::update(const Drag& drag, const QPointF&)
{
    if (IFigureElement* figure = figureOf(drag.device))
        figure->dragTo(drag.current);
}

void IFigureMode::finish(const Drag& drag)
{
    IFigureElement* figure = figureOf(drag.device);
    IElementDraft draft = m_drafts.take(drag.device);
    if (!figure)
        return;
    // finishDrag() first: it brings the figure into its stored form even
    // when it is then found empty.
    if (!figure->finishDrag() || !drag.moved) {
        draft.discard();
        return;
    }
    // Again, now announced: the slide records it as added.
    draft.keep();
}

void IFigureMode::abort(const Drag& drag)
{
    m_drafts.take(drag.device).discard();
}
