// The board's pen and point eraser on a full-HD board:
// - the cost of one more segment of a stroke, early and 10 000 segments in
//   (overlay raster, the stroke's region, and the board repainting the area);
// - pen latency, from the pointer event to the end of the paint that shows
//   its ink, while the camera picture is replaced at 30 fps, on an empty
//   board and on one holding 1000 strokes;
// - a pen tap (press to the finished dot shown) on such boards;
// - one eraser move over a board holding 1000 pen strokes.
#include "benchboard.h"
#include "penstrokes.h"
#include "widgetbenchmarkmain.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/item/ipixmapitem.h"
#include "board/mode/imodemanager.h"
#include "board/tk_iboard_enum.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;


// Notes, after each paint, which of the pen's segments waiting to be seen
// it showed.
class ProbedBoard : public IBoard
{
public:
    struct Waiting
    {
        QRect area;
        Clock::time_point movedAt;
    };
    std::vector<Waiting> waiting;
    std::vector<double> latenciesMs;
    double paintedPixels = 0;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        IBoard::paintEvent(event);
        ++paints;
        for (const QRect& r : event->region())
            paintedPixels += double(r.width()) * r.height();
        const auto now = Clock::now();
        const QRegion painted = event->region();
        auto shown = std::remove_if(waiting.begin(), waiting.end(), [&](const Waiting& w) {
            if (!painted.intersects(w.area))
                return false;
            latenciesMs.push_back(std::chrono::duration<double, std::milli>(now - w.movedAt).count());
            return true;
        });
        waiting.erase(shown, waiting.end());
    }
};

// A shown 1920 x 1080 board with a camera picture, in the given tool.
struct PenBoard
{
    explicit PenBoard(int mode)
    {
        slide = showFullHdBoard(board);
        board.setBackgroundImage(cameraFrame(Qt::darkGray));
        board.setMode(mode);
        QApplication::processEvents();
    }

    void send(QEvent::Type type, const QPointF& pos)
    {
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, pos, board.viewport()->mapToGlobal(pos.toPoint()), button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(board.viewport(), &event);
    }

    ProbedBoard board;
    ISlide* slide = nullptr;
};

// Until the board has painted all that is pending: the scene reports its
// changes a turn after they happen, the view paints a turn later.
void settle()
{
    for (int i = 0; i < 4; ++i)
        QApplication::processEvents();
}

// Back and forth across the board in rows 30 pixels apart, 6 pixels a step:
// every segment the same length, and each on fresh ground, so that segment
// 10 000 differs from segment 10 only in how much of the stroke lies behind it.
QPointF rowPoint(int i)
{
    const int travelled = i * 6;
    const int row = travelled / 1800;
    const int along = travelled % 1800;
    return QPointF(60 + (row % 2 ? 1800 - along : along), 40 + row * 30);
}

void BM_PenSegment(benchmark::State& state)
{
    PenBoard pen(TK_IBOARD_ENUM::PencilMode);
    const int first = int(state.range(0));
    constexpr int kTimed = 50;
    for (auto _ : state) {
        pen.send(QEvent::MouseButtonPress, rowPoint(0));
        for (int i = 1; i < first; ++i)
            pen.send(QEvent::MouseMove, rowPoint(i));
        settle();
        pen.board.paintedPixels = 0;
        pen.board.paints = 0;
        const auto start = Clock::now();
        for (int i = first; i < first + kTimed; ++i) {
            pen.send(QEvent::MouseMove, rowPoint(i));
            QApplication::processEvents();
        }
        const std::chrono::duration<double> spent = Clock::now() - start;
        state.SetIterationTime(spent.count() / kTimed);
        state.counters["px_per_paint"] = pen.board.paintedPixels / std::max(1, pen.board.paints);
        state.counters["paints_per_segment"] = double(pen.board.paints) / kTimed;
        pen.board.cancelInput();
        QApplication::processEvents();
    }
}

void BM_PenLatency(benchmark::State& state)
{
    PenBoard pen(TK_IBOARD_ENUM::PencilMode);
    QRandomGenerator random(7);
    for (int i = 0; i < state.range(0); ++i)
        pen.slide->addElement(randomPenStroke(random));
    settle();
    const QImage frames[2] = {cameraFrame(Qt::darkGray), cameraFrame(Qt::gray)};
    int frame = 0;
    QTimer camera;
    camera.setTimerType(Qt::PreciseTimer);
    QObject::connect(&camera, &QTimer::timeout, [&] { pen.board.setBackgroundImage(frames[++frame % 2]); });
    for (auto _ : state) {
        pen.board.latenciesMs.clear();
        pen.board.waiting.clear();
        constexpr int kMoves = 1500;
        int moved = 0;
        QEventLoop loop;
        QTimer hand;
        hand.setTimerType(Qt::PreciseTimer);
        // A pen reports about every 4 ms.
        QObject::connect(&hand, &QTimer::timeout, [&] {
            if (moved == kMoves) {
                pen.send(QEvent::MouseButtonRelease, rowPoint(moved));
                loop.quit();
                return;
            }
            const QPointF from = rowPoint(moved);
            const QPointF to = rowPoint(++moved);
            const auto at = Clock::now();
            pen.send(moved == 1 ? QEvent::MouseButtonPress : QEvent::MouseMove, to);
            const QRect area = QRectF(from, to).normalized().toAlignedRect().adjusted(-3, -3, 3, 3);
            pen.board.waiting.push_back({area, at});
        });
        camera.start(33);
        hand.start(4);
        loop.exec();
        camera.stop();
        QApplication::processEvents();
        std::vector<double> latencies = pen.board.latenciesMs;
        if (latencies.empty()) {
            state.SkipWithError("no stroke segment was painted");
            return;
        }
        std::sort(latencies.begin(), latencies.end());
        state.counters["median_ms"] = latencies[latencies.size() / 2];
        state.counters["p99_ms"] = latencies[std::min(latencies.size() - 1, latencies.size() * 99 / 100)];
        state.counters["max_ms"] = latencies.back();
        state.counters["shown"] = double(latencies.size());
        state.counters["frames"] = frame;
        state.SetIterationTime(latencies[latencies.size() / 2] / 1000);
    }
}

void BM_EraserMove(benchmark::State& state)
{
    PenBoard eraser(TK_IBOARD_ENUM::PathEraserMode);
    QRandomGenerator random(7);
    for (int i = 0; i < 1000; ++i)
        eraser.slide->addElement(randomPenStroke(random));
    eraser.board.boardState()->setPointEraserSize(QSizeF(60, 60));
    QApplication::processEvents();
    const double step = double(state.range(0));
    // Back and forth across the board in rows, so every move meets strokes.
    int n = 0;
    const auto pointAt = [step](int k) {
        const int perRow = int(1800 / step);
        const int row = (k / perRow) % 10;
        const int col = k % perRow;
        const double x = row % 2 ? 1860 - col * step : 60 + col * step;
        return QPointF(x, 60 + row * 100);
    };
    eraser.send(QEvent::MouseButtonPress, pointAt(n));
    QApplication::processEvents();
    for (auto _ : state) {
        const auto start = Clock::now();
        eraser.send(QEvent::MouseMove, pointAt(++n));
        QApplication::processEvents();
        const std::chrono::duration<double> spent = Clock::now() - start;
        state.SetIterationTime(spent.count());
    }
    eraser.send(QEvent::MouseButtonRelease, pointAt(n));
    state.counters["strokes_left"] = double(eraser.slide->elements().size());
}

// A tap of the pen on a board holding 1000 strokes: from the press to the
// finished dot shown.
void BM_PenTap(benchmark::State& state)
{
    PenBoard pen(TK_IBOARD_ENUM::PencilMode);
    QRandomGenerator random(7);
    for (int i = 0; i < state.range(0); ++i)
        pen.slide->addElement(randomPenStroke(random));
    QApplication::processEvents();
    int n = 0;
    for (auto _ : state) {
        const QPointF at(100 + (n++ % 800) * 2, 500);
        const auto start = Clock::now();
        pen.send(QEvent::MouseButtonPress, at);
        QApplication::processEvents();
        pen.send(QEvent::MouseButtonRelease, at);
        QApplication::processEvents();
        const std::chrono::duration<double> spent = Clock::now() - start;
        state.SetIterationTime(spent.count());
    }
    state.counters["px_per_paint"] = pen.board.paintedPixels / std::max(1, pen.board.paints);
    state.counters["paints"] = pen.board.paints;
}

} // namespace

BENCHMARK(BM_PenTap)->Arg(0)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PenSegment)->Arg(10)->Arg(10000)->UseManualTime()->Iterations(20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PenLatency)->Arg(0)->Arg(1000)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EraserMove)->Arg(20)->Arg(200)->UseManualTime()->Unit(benchmark::kMillisecond);

VESKAROO_WIDGET_BENCHMARK_MAIN()
