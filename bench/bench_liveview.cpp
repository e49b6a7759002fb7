// The live view on the main window, shown offscreen on a full-HD desktop,
// fed by the virtual camera's MJPG at 30 fps: frames the capture side
// delivers against frames the board really paints, at 1080p and 4K, with
// automatic edging off and on, and the CPU the whole process takes.
//
// A frame counts as painted when the board's viewport receives a paint
// event while the picture item holds that frame (told apart by the
// picture's cache key, which every shallow copy of a frame shares); repaints
// of a frame already painted do not count again. Only what is painted
// reaches the screen, so a frame replaced before the next paint was never
// seen by the user.
#include "common/benchapplication.h"
#include "common/virtualcamerawindow.h"

#include "board/iboard.h"
#include "board/item/ipixmapitem.h"
#include "directshow/idshowthread.h"
#include "icamera.h"
#include "directshow/virtual/ivirtualcameradevice.h"
#include "mainframe.h"
#include "opencv/iopencvapi.h"

#include <opencv2/imgcodecs.hpp>

#include <benchmark/benchmark.h>

#include <QEventLoop>
#include <QHash>
#include <QMutex>
#include <QTimer>
#include <QVector>

#include <atomic>
#include <chrono>
#include <ctime>

namespace {

using Clock = std::chrono::steady_clock;

const int kSettleMs = 1000;
const int kRunMs = 5000;

// Notes each distinct frame painted on the viewport and when.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(IBoard* board)
        : m_board(board)
    {
        board->viewport()->installEventFilter(this);
    }

    QVector<QPair<qint64, Clock::time_point>> painted;
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        ++paints;
        const qint64 key = m_board->pictureItem()->image().cacheKey();
        if (key != m_lastKey) {
            m_lastKey = key;
            painted.append({key, Clock::now()});
        }
        return false;
    }

private:
    IBoard* m_board;
    qint64 m_lastKey = 0;
};

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// What the capture side does to one frame, timed on this thread with the
// camera's current frame and reduction: decode, outline, conversion.
double decodeMilliseconds(IDShowThread* source, IBoard* board, bool edge)
{
    ICompressedPicture frame = source->compressedPicture();
    int reduction = std::max(1, source->streamSize().width() / std::max(1, board->pictureItem()->image().width()));
    if (frame.isNull()) {
        // Shown at full size: nothing is kept, so take the frame again.
        const QImage full = source->picture(FilterNone);
        std::vector<uchar> bytes;
        cv::imencode(".jpg", IOpencvApi::cvImage2Mat(full), bytes,
                     {cv::IMWRITE_JPEG_QUALITY, IVirtualCameraDevice::mjpegQuality});
        frame.jpeg = QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size()));
        reduction = 1;
    }
    const int runs = 10;
    const Clock::time_point start = Clock::now();
    const cv::Size full(source->streamSize().width(), source->streamSize().height());
    for (int i = 0; i < runs; ++i) {
        cv::Mat bgr = ICompressedPicture::decodeMat(frame.jpeg, reduction);
        if (edge)
            IDShowThread::outlineOf(bgr, full, reduction);
        benchmark::DoNotOptimize(IOpencvApi::cvMat2Image(bgr));
    }
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / runs;
}

void runEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Counters per second of the run: captured = frames the capture thread
// emitted, delivered = frames the camera facade handed to the window,
// painted = distinct frames painted. paint_ms = time per paint event,
// gui_busy = share of the GUI thread spent handling events, cores = CPU
// time of the whole process over wall time, queue_growth = frames captured
// but not yet delivered (still queued for the GUI thread) by the end, net
// of the start.
// Latency, in ms: decode_ms = one frame's decode, outline and conversion
// as the capture side does them (device read to emit, when the pool keeps
// up), emit_to_paint_ms = emit on the capture side to the start of the
// frame's paint, read_to_paint_ms = their sum.
void BM_LiveView(benchmark::State& state)
{
    const QSize size(int(state.range(0)) * 16 / 9, int(state.range(0)));
    const bool edge = state.range(1) != 0;
    VirtualCameraWindow* camera = VirtualCameraWindow::instance();
    if (!camera || !camera->setResolution(size)) {
        state.SkipWithError("the virtual camera did not stream at this size");
        return;
    }
    MainFrame* window = camera->window();
    IBoard* board = window->board();
    IDShowThread* source = ICamera::instance()->dshowSource();
    if (!source) {
        state.SkipWithError("the camera has no USB source");
        return;
    }
    ICamera::instance()->setEdgeDetection(edge);
    runEventLoop(kSettleMs);

    // Capture times taken on the capture thread would race with the GUI
    // (the frame is queued before a second slot could note it), so latency
    // runs from delivery to the window, on the GUI thread, to the paint.
    QHash<qint64, Clock::time_point> delivered;
    QMutex emittedMutex;
    QHash<qint64, Clock::time_point> emitted;
    std::atomic<bool> counting{false};
    std::atomic<int> captured{0};
    const QMetaObject::Connection onCaptured
        = QObject::connect(source, &IDShowThread::sgCameraFrame, [&](const QImage& frame) {
              if (!counting)
                  return;
              ++captured;
              const Clock::time_point at = Clock::now();
              QMutexLocker lock(&emittedMutex);
              emitted.insert(frame.cacheKey(), at);
          });
    const QMetaObject::Connection onDelivered
        = QObject::connect(ICamera::instance(), &ICamera::sgCameraFrame, [&](const QImage& frame) {
              if (counting)
                  delivered.insert(frame.cacheKey(), Clock::now());
          });
    QWidget* viewport = board->viewport();
    BenchApplication* app = BenchApplication::instance();
    app->timeEvents([viewport](QObject* receiver, QEvent* event) {
        return receiver == viewport && event->type() == QEvent::Paint;
    });

    PaintCounter counter(board);
    double seconds = 0;
    double cpuSeconds = 0;
    for (auto _ : state) {
        app->resetTimes();
        delivered.clear();
        counter.painted.clear();
        counter.paints = 0;
        counting = true;
        const double cpuStart = processCpuSeconds();
        const Clock::time_point start = Clock::now();
        runEventLoop(kRunMs);
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
        cpuSeconds = processCpuSeconds() - cpuStart;
        counting = false;
    }
    QObject::disconnect(onCaptured);
    QObject::disconnect(onDelivered);
    const double paintMs = app->selectedEvents() ? app->selectedNanoseconds() / 1e6 / app->selectedEvents() : 0;
    const double busy = app->busyNanoseconds() / 1e9 / seconds;
    app->timeEvents(nullptr);
    ICamera::instance()->setEdgeDetection(false);

    state.counters["captured_fps"] = captured / seconds;
    state.counters["delivered_fps"] = delivered.size() / seconds;
    // Frames delivered before the run began are not counted.
    int painted = 0;
    double emitToPaintMs = 0;
    for (const auto& frame : qAsConst(counter.painted)) {
        if (!delivered.contains(frame.first))
            continue;
        ++painted;
        QMutexLocker lock(&emittedMutex);
        emitToPaintMs += std::chrono::duration<double, std::milli>(frame.second - emitted.value(frame.first)).count();
    }
    emitToPaintMs = painted ? emitToPaintMs / painted : 0;
    // Frozen, so that the live view's threads do not share the cores.
    ICamera::instance()->setLive(false);
    runEventLoop(200);
    const double decodeMs = decodeMilliseconds(source, board, edge);
    ICamera::instance()->setLive(true);
    state.counters["painted_fps"] = painted / seconds;
    state.counters["paints_fps"] = counter.paints / seconds;
    state.counters["paint_ms"] = paintMs;
    state.counters["gui_busy"] = busy;
    state.counters["cores"] = cpuSeconds / seconds;
    state.counters["decode_ms"] = decodeMs;
    state.counters["emit_to_paint_ms"] = emitToPaintMs;
    state.counters["read_to_paint_ms"] = decodeMs + emitToPaintMs;
    state.counters["queue_growth"] = captured - delivered.size();
}

} // namespace

BENCHMARK(BM_LiveView)
    ->ArgNames({"height", "edge"})
    ->Args({1080, 0})
    ->Args({1080, 1})
    ->Args({2160, 0})
    ->Args({2160, 1})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

VESKAROO_BENCH_MAIN()
