// Ink at the pace of the pointer: one pencil stroke of 200 moves, opaque and
// translucent (each new segment cut by the earlier ones it overlaps), and one
// point-eraser pass of 50 moves across a slide of 100 strokes.
#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/mode/deviceinput.h"
#include "board/mode/imodemanager.h"
#include "widgetbenchmarkmain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QRandomGenerator>

#include <cmath>

namespace {

struct Bench
{
    Bench()
    {
        slide = new ISlide(&board);
        board.insertSlide(slide, true);
        board.resize(1920, 1080);
    }

    void send(const char* tool, QEvent::Type type, const QPointF& pos)
    {
        IModeBase* mode = board.modeManager()->modeNamed(QLatin1String(tool));
        DeviceInput input(type, pos, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier,
                          DeviceInput::kMouseDevice);
        if (type == QEvent::MouseButtonPress)
            mode->devicePress(input);
        else if (type == QEvent::MouseMove)
            mode->deviceMove(input);
        else
            mode->deviceRelease(input);
    }

    // A scribble that turns back over itself, as handwriting does.
    void scribble(const char* tool, QPointF at, int moves, QRandomGenerator& random)
    {
        send(tool, QEvent::MouseButtonPress, at);
        for (int i = 0; i < moves; ++i) {
            at += QPointF(std::cos(i * 0.35) * 6 + random.bounded(2.0), std::sin(i * 0.5) * 6 + random.bounded(2.0));
            send(tool, QEvent::MouseMove, at);
        }
        send(tool, QEvent::MouseButtonRelease, at);
    }

    void clear()
    {
        slide->clearAllElements();
        // The removed strokes are freed at the next turn of the loop.
        QCoreApplication::processEvents();
    }

    IBoard board;
    ISlide* slide = nullptr;
};

void BM_PencilStroke(benchmark::State& state)
{
    Bench bench;
    bench.board.boardState()->setInkThickness(8);
    bench.board.boardState()->setInkOpacity(static_cast<int>(state.range(0)));
    QRandomGenerator random(3);
    for (auto _ : state) {
        bench.scribble("pencil", QPointF(600, 500), 200, random);
        state.PauseTiming();
        bench.clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 200);
}

void BM_PointEraserPass(benchmark::State& state)
{
    Bench bench;
    bench.board.boardState()->setInkThickness(8);
    bench.board.boardState()->setPointEraserSize(QSizeF(40, 40));
    QRandomGenerator random(5);
    for (auto _ : state) {
        state.PauseTiming();
        bench.clear();
        for (int i = 0; i < 100; ++i)
            bench.scribble("pencil", QPointF(200 + (i % 10) * 150, 150 + (i / 10) * 80), 20, random);
        state.ResumeTiming();
        bench.send("point eraser", QEvent::MouseButtonPress, QPointF(150, 100));
        for (int i = 1; i <= 50; ++i)
            bench.send("point eraser", QEvent::MouseMove, QPointF(150 + i * 32, 100 + i * 16));
        bench.send("point eraser", QEvent::MouseButtonRelease, QPointF(1750, 900));
    }
    state.SetItemsProcessed(state.iterations() * 50);
}

} // namespace

BENCHMARK(BM_PencilStroke)->Arg(255)->Arg(128)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PointEraserPass)->Unit(benchmark::kMillisecond);

VESKAROO_WIDGET_BENCHMARK_MAIN()
