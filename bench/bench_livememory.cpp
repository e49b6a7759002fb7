// Resident memory through a long 4K live view with automatic edging and a
// snap every 10 s, on the main window and the virtual camera's MJPG: it
// must level off after the first minute. VESKAROO_BENCH_MINUTES sets the
// length (30 by default).
#include "common/benchapplication.h"
#include "common/virtualcamerawindow.h"

#include "customui/toolbar/icameratoolbar.h"
#include "icamera.h"
#include "iimagetansformthread.h"
#include "mainframe.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <algorithm>

namespace {

const int kSampleMs = 10000;

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

void BM_LiveMemory(benchmark::State& state)
{
    const int minutes = std::max(1, qEnvironmentVariableIntValue("VESKAROO_BENCH_MINUTES"));
    const int samples = (qEnvironmentVariableIsSet("VESKAROO_BENCH_MINUTES") ? minutes : 30) * 60000 / kSampleMs;
    VirtualCameraWindow* camera = VirtualCameraWindow::instance();
    if (!camera || !camera->setResolution(QSize(3840, 2160))) {
        state.SkipWithError("the virtual camera did not stream at 4K");
        return;
    }
    MainFrame* window = camera->window();
    QAbstractButton* snap = window->cameraToolBar()->button(ICameraToolBar::Snap);
    int saved = 0;
    const QMetaObject::Connection onSaved = QObject::connect(
        window->imageThread(), &IImageTansformThread::sgCaptureImage, [&](const QImage&, const QString& path) {
            ++saved;
            QFile::remove(path); // the folder stays as it was
        });
    ICamera::instance()->setEdgeDetection(true);

    double afterMinute = 0, last = 0, most = 0;
    for (auto _ : state) {
        for (int i = 1; i <= samples; ++i) {
            snap->click();
            QEventLoop loop;
            QTimer::singleShot(kSampleMs, &loop, &QEventLoop::quit);
            loop.exec();
            last = residentMegabytes();
            most = std::max(most, last);
            if (i * kSampleMs == 60000 || (afterMinute == 0 && i == samples))
                afterMinute = last;
        }
    }
    QObject::disconnect(onSaved);
    ICamera::instance()->setEdgeDetection(false);
    state.counters["minutes"] = samples * kSampleMs / 60000.0;
    state.counters["snaps_saved"] = saved;
    state.counters["rss_after_1min_mb"] = afterMinute;
    state.counters["rss_end_mb"] = last;
    state.counters["rss_max_mb"] = most;
    state.counters["growth_pct"] = afterMinute > 0 ? (last - afterMinute) / afterMinute * 100.0 : 0;
}

} // namespace

BENCHMARK(BM_LiveMemory)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

VESKAROO_BENCH_MAIN()
