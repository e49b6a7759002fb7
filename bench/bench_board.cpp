// Board repaint per camera frame at 1080p with 0, 100 and 1000 pen strokes on the slide.
#include "benchboard.h"
#include "penstrokes.h"
#include "widgetbenchmarkmain.h"

#include "board/iboard.h"
#include "board/islide.h"
#include "board/item/ipixmapitem.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QRandomGenerator>

#include <memory>

namespace {


void BM_BoardFrame(benchmark::State& state)
{
    IBoard board;
    auto* slide = showFullHdBoard(board);
    QApplication::processEvents();

    QRandomGenerator random(7);
    for (int i = 0; i < state.range(0); ++i)
        slide->addElement(randomPenStroke(random));

    // Alternate two pictures so every frame really changes the picture item.
    const QImage frames[2] = {cameraFrame(Qt::darkGray), cameraFrame(Qt::gray)};
    int n = 0;
    board.setBackgroundImage(frames[0]);
    board.viewport()->repaint();
    for (auto _ : state) {
        board.setBackgroundImage(frames[++n % 2]);
        board.viewport()->repaint();
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_BoardFrame)->Arg(0)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

VESKAROO_WIDGET_BENCHMARK_MAIN()
