// Dragging a figure on a shown 1080p board: what one pointer move costs, the
// figure reshaped and the board repainted, for every figure kind.
#include "benchboard.h"
#include "board/iboard.h"
#include "board/islide.h"
#include "board/item/figure/ifigurekind.h"
#include "board/item/ipixmapitem.h"
#include "board/mode/ifiguremode.h"
#include "board/mode/imodemanager.h"
#include "board/tk_iboard_enum.h"
#include "widgetbenchmarkmain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace {

void send(IBoard& board, QEvent::Type type, const QPoint& pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, board.viewport()->mapToGlobal(pos),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(board.viewport(), &event);
}

// Counts the board's paints, to be sure the measured moves were drawn.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

enum Repaint { FigureOnly = 0, ChangedArea = 1, WholeBoard = 2 };

// range(0): the figure kind; range(1): after each move, nothing (the
// figure's own work), the board's update of the area that changed (as in the
// program), or a repaint of the whole board (the worst case).
void BM_FigureDragMove(benchmark::State& state)
{
    const int kind = static_cast<int>(state.range(0));
    const auto repaint = static_cast<Repaint>(state.range(1));
    IBoard board;
    auto* slide = showFullHdBoard(board);
    QImage page(1920, 1080, QImage::Format_RGB888);
    page.fill(Qt::darkGray);
    QPainter(&page).fillRect(400, 100, 1100, 880, Qt::white);
    board.setBackgroundImage(page);
    board.resetView();
    QApplication::processEvents();

    // The figure tool's number for the dotted line; the kind is then set directly.
    board.setMode(TK_IBOARD_ENUM::DottedLineMode);
    auto* tool = dynamic_cast<IFigureMode*>(board.modeManager()->currentMode());
    tool->setFigureKind(kind);

    PaintCounter counter;
    board.viewport()->installEventFilter(&counter);
    const QPoint press = board.mapFromScene(board.pictureSceneRect().center() - QPointF(200, 150));
    send(board, QEvent::MouseButtonPress, press, Qt::LeftButton);
    board.viewport()->repaint();
    int n = 0;
    for (auto _ : state) {
        // Growing and shrinking, as a hand drags back and forth.
        const int step = ++n % 40;
        const QPoint to = press + QPoint(300 + 3 * step, 200 + 2 * step);
        send(board, QEvent::MouseMove, to, Qt::LeftButton);
        if (repaint == WholeBoard) {
            board.viewport()->repaint();
        } else if (repaint == ChangedArea) {
            // The scene reports the change, then the view paints it.
            QCoreApplication::sendPostedEvents();
            QCoreApplication::sendPostedEvents();
        }
    }
    if (repaint != FigureOnly && counter.paints < state.iterations())
        state.SkipWithError("not every move was painted");
    send(board, QEvent::MouseButtonRelease, press + QPoint(300, 200), Qt::NoButton);
    if (slide->elements().size() != 1)
        state.SkipWithError("the drag did not make one figure");
    state.SetItemsProcessed(state.iterations());
}

} // namespace

void everyKind(benchmark::internal::Benchmark* b)
{
    for (int repaint : {ChangedArea, WholeBoard, FigureOnly}) {
        for (int kind = IFigureKind::Line; kind <= IFigureKind::WaveLine; ++kind) {
            if (kind != 11 && kind != 12 && kind != IFigureKind::NoFigure && kind != 27)
                b->Args({kind, repaint});
        }
    }
}

BENCHMARK(BM_FigureDragMove)->ArgNames({"kind", "repaint"})->Apply(everyKind)->Unit(benchmark::kMicrosecond);

VESKAROO_WIDGET_BENCHMARK_MAIN()
