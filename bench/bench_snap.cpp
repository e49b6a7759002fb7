// Snap to file at 1080p and 4K on the main window and the virtual camera:
// button to JPEG in place, and what the GUI thread pays for it (the window
// should not spend more than 5 ms of it per picture).
#include "common/benchapplication.h"
#include "common/virtualcamerawindow.h"

#include "customui/toolbar/icameratoolbar.h"
#include "icamera.h"
#include "iimagetansformthread.h"
#include "mainframe.h"
#include "opencv/ifilterkind.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QMutex>

#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Wall time is button to file (manual time). Counters, in ms per snap:
// gui = the GUI thread inside the click plus inside the handler of the
// thumbnail signal; click and thumb are those two parts; shown = button to
// the handler done; gui_max = the worst snap.
void BM_Snap(benchmark::State& state)
{
    const QSize size(int(state.range(0)) * 16 / 9, int(state.range(0)));
    VirtualCameraWindow* camera = VirtualCameraWindow::instance();
    if (!camera) {
        state.SkipWithError("the virtual camera did not open");
        return;
    }
    if (!camera->setResolution(size)) {
        state.SkipWithError("the camera did not switch resolution");
        return;
    }
    MainFrame* window = camera->window();
    IImageTansformThread* saver = window->imageThread();
    QAbstractButton* snap = window->cameraToolBar()->button(ICameraToolBar::Snap);

    // The save thread announces a picture right after its file was renamed
    // into place: that moment, taken on the save thread, is "on disk".
    QMutex savedMutex;
    Clock::time_point savedAt;
    QString savedPath;
    const QMetaObject::Connection onSaved = QObject::connect(
        saver, &IImageTansformThread::sgCaptureImage, [&](const QImage&, const QString& path) {
            const Clock::time_point at = Clock::now();
            QMutexLocker lock(&savedMutex);
            savedAt = at;
            savedPath = path;
        });
    auto saved = [&] {
        QMutexLocker lock(&savedMutex);
        return savedPath;
    };

    // The thumbnail reaches the window as a queued call: time its handling.
    BenchApplication* app = BenchApplication::instance();
    app->timeEvents([window](QObject* receiver, QEvent* event) {
        return receiver == window && event->type() == QEvent::MetaCall;
    });

    auto takeOne = [&](double* clickMs, Clock::time_point* start) {
        {
            QMutexLocker lock(&savedMutex);
            savedPath.clear();
        }
        app->resetTimes();
        *start = Clock::now();
        snap->click();
        *clickMs = millisecondsBetween(*start, Clock::now());
        return VirtualCameraWindow::waitFor(
            [&] { return !saved().isEmpty() && app->selectedEvents() >= 1 && snap->isEnabled(); }, 30000);
    };

    // The first picture at a size pays for warming up the encoder.
    double clickMs = 0;
    Clock::time_point start;
    if (!snap->isEnabled() || !takeOne(&clickMs, &start)) {
        state.SkipWithError("no picture was saved");
        QObject::disconnect(onSaved);
        return;
    }

    double gui = 0, click = 0, thumb = 0, shown = 0, guiMax = 0;
    for (auto _ : state) {
        if (!takeOne(&clickMs, &start)) {
            state.SkipWithError("no picture was saved");
            break;
        }
        const Clock::time_point done = Clock::now();
        const QString path = saved();
        QMutexLocker lock(&savedMutex);
        state.SetIterationTime(millisecondsBetween(start, savedAt) / 1000.0);
        lock.unlock();

        const double thumbMs = app->selectedNanoseconds() / 1e6;
        click += clickMs;
        thumb += thumbMs;
        gui += clickMs + thumbMs;
        guiMax = std::max(guiMax, clickMs + thumbMs);
        shown += millisecondsBetween(start, done);

        // Outside the measured span: manual time counts only the above.
        if (QImageReader(path).size() != size)
            state.SkipWithError(qPrintable("not a full picture: " + path));
        QFile::remove(path); // keep the folder as small as at the start
    }
    QObject::disconnect(onSaved);
    app->timeEvents(nullptr);

    const double n = double(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["gui_ms"] = gui / n;
    state.counters["gui_max_ms"] = guiMax;
    state.counters["click_ms"] = click / n;
    state.counters["thumb_ms"] = thumb / n;
    state.counters["shown_ms"] = shown / n;
}

// The yardstick for BM_Snap: the same camera frame encoded as the saved
// JPEG is (quality 100) into memory, nothing else.
void BM_BareEncode(benchmark::State& state)
{
    const QSize size(int(state.range(0)) * 16 / 9, int(state.range(0)));
    VirtualCameraWindow* camera = VirtualCameraWindow::instance();
    if (!camera || !camera->setResolution(size)) {
        state.SkipWithError("the camera did not open at that size");
        return;
    }
    const QImage frame = ICamera::instance()->picture(FilterNone);
    if (frame.size() != size) {
        state.SkipWithError("no camera frame");
        return;
    }
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(100);
        if (!writer.write(frame))
            state.SkipWithError("the frame could not be encoded");
        benchmark::DoNotOptimize(buffer.data().size());
    }
}

} // namespace

BENCHMARK(BM_BareEncode)
    ->ArgName("height")
    ->Arg(1080)
    ->Arg(2160)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_Snap)
    ->ArgName("height")
    ->Arg(1080)
    ->Arg(2160)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

VESKAROO_BENCH_MAIN()
