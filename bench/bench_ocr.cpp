// Text recognition on the virtual camera's page: character error rate of
// straightened captures at 1080p and 4K (and of a capture with automatic
// edging off), seconds per page beside the tesseract command line, and the
// longest the GUI thread is held up while a 20-page job runs.
#include "common/benchapplication.h"
#include "common/virtualcamerawindow.h"

#include "customui/toolbar/icameratoolbar.h"
#include "directshow/virtual/ivirtualpage.h"
#include "icamera.h"
#include "iglobals.h"
#include "iimagetansformthread.h"
#include "mainframe.h"
#include "ocr/iocrengine.h"
#include "ocr/iocrframe.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <map>
#include <vector>

namespace {

QTemporaryDir& workFolder()
{
    static QTemporaryDir dir;
    return dir;
}

// A capture of the page at `height` through the main window's Snap, with
// automatic edging (straightened and cut to the page) or without; taken once.
QString capture(int height, bool edging)
{
    static std::map<std::pair<int, bool>, QString> captures;
    const auto key = std::make_pair(height, edging);
    if (captures.count(key))
        return captures[key];
    VirtualCameraWindow* camera = VirtualCameraWindow::instance();
    if (!camera || !camera->setResolution(QSize(height * 16 / 9, height)))
        return QString();
    ICamera::instance()->setEdgeDetection(edging);
    // Let the detector see a few frames at this size.
    processEventsFor(1500);
    QString saved;
    const QMetaObject::Connection done =
        QObject::connect(camera->window()->imageThread(), &IImageTansformThread::sgCaptureImage,
                         [&saved](const QImage&, const QString& path) { saved = path; });
    camera->window()->cameraToolBar()->button(ICameraToolBar::Snap)->click();
    VirtualCameraWindow::waitFor([&] { return !saved.isEmpty(); }, 60000);
    QObject::disconnect(done);
    ICamera::instance()->setEdgeDetection(false);
    if (saved.isEmpty())
        return QString();
    const QString kept = workFolder().filePath(QStringLiteral("page-%1-%2.jpg").arg(height).arg(edging));
    QFile::remove(kept);
    QFile::rename(saved, kept);
    captures[key] = kept;
    return kept;
}

// Runs one job on `engine` and waits for its end; false on an error.
bool recognise(IOcrEngine* engine, const QStringList& images, const QString& output, ExportFileType type)
{
    bool finished = false;
    bool failed = false;
    const QMetaObject::Connection progress =
        QObject::connect(engine, &IOcrEngine::sgOcrProgress, [&](int percent) { finished = percent == 100; });
    const QMetaObject::Connection error = QObject::connect(engine, &IOcrEngine::sgOcrError, [&](const QString& text) {
        failed = true;
        qWarning("%s", qPrintable(text));
    });
    OcrParameter parameter;
    parameter.images = images;
    parameter.outputFile = output;
    parameter.exportType = type;
    parameter.languages = QStringLiteral("English");
    engine->startOcr(parameter);
    VirtualCameraWindow::waitFor([&] { return finished || failed; }, 600000);
    QObject::disconnect(progress);
    QObject::disconnect(error);
    return finished && !failed;
}

QString normalised(const QString& text)
{
    return text.simplified();
}

// Edits needed to turn `truth` into the best matching stretch of `text`
// (free start and end in `text`): what the reader got wrong of a passage,
// whatever else it read on the page (headings, chart labels).
int editsAgainst(const QString& truth, const QString& text)
{
    std::vector<int> previous(size_t(text.size()) + 1, 0);
    std::vector<int> current(previous.size());
    for (int i = 1; i <= truth.size(); ++i) {
        current[0] = i;
        for (int j = 1; j <= text.size(); ++j) {
            const int substitution = previous[size_t(j - 1)] + (truth[i - 1] == text[j - 1] ? 0 : 1);
            current[size_t(j)] = std::min({substitution, previous[size_t(j)] + 1, current[size_t(j - 1)] + 1});
        }
        std::swap(previous, current);
    }
    return *std::min_element(previous.begin(), previous.end());
}

// Character error rate, in percent, of the page's known text in `text`.
double characterErrorRate(const QString& text)
{
    const QString read = normalised(text);
    int edits = 0;
    int characters = 0;
    QStringList truth = IVirtualPage::paragraphs();
    truth.prepend(IVirtualPage::heading());
    for (const QString& passage : truth) {
        const QString known = normalised(passage);
        edits += editsAgainst(known, read);
        characters += known.size();
    }
    return 100.0 * edits / std::max(1, characters);
}

IOcrEngine* engine()
{
    static IOcrEngine* shared = new IOcrEngine;
    return shared;
}

void BM_OcrCharacterErrorRate(benchmark::State& state)
{
    const int height = int(state.range(0));
    const bool edging = state.range(1) != 0;
    const QString picture = capture(height, edging);
    if (picture.isEmpty()) {
        state.SkipWithError("no capture");
        return;
    }
    const QString out = workFolder().filePath(QStringLiteral("cer.txt"));
    double cer = 0;
    for (auto _ : state) {
        if (!recognise(engine(), {picture}, out, ExportText)) {
            state.SkipWithError("recognition failed");
            return;
        }
        QFile file(out);
        file.open(QIODevice::ReadOnly);
        cer = characterErrorRate(QString::fromUtf8(file.readAll()));
    }
    state.counters["cer_percent"] = cer;
}

// Seconds per page, ours (searchable PDF, engine loaded as in the program
// after its first job) and the command line's (same picture, language and
// output), in the same run.
void BM_OcrSecondsPerPage(benchmark::State& state)
{
    const QString picture = capture(int(state.range(0)), true);
    if (picture.isEmpty()) {
        state.SkipWithError("no capture");
        return;
    }
    const QString out = workFolder().filePath(QStringLiteral("speed"));
    if (!recognise(engine(), {picture}, out + ".pdf", ExportPdf)) {
        state.SkipWithError("recognition failed");
        return;
    }
    double ours = 0;
    double theirs = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        recognise(engine(), {picture}, out + ".pdf", ExportPdf);
        ours += clock.nsecsElapsed() / 1e9;
        clock.restart();
        QProcess::execute(QStringLiteral("tesseract"), {picture, out + "-cli", "-l", "eng", "pdf"});
        theirs += clock.nsecsElapsed() / 1e9;
    }
    const double n = double(state.iterations());
    state.counters["ours_s"] = ours / n;
    state.counters["cli_s"] = theirs / n;
    state.counters["ratio"] = ours / std::max(theirs, 1e-9);
}

// The OCR window runs a 20-page job; a 5 ms timer on the GUI thread records
// the longest time between its ticks.
void BM_OcrGuiDuringJob(benchmark::State& state)
{
    const QString picture = capture(1080, true);
    if (picture.isEmpty()) {
        state.SkipWithError("no capture");
        return;
    }
    QStringList pages;
    for (int i = 0; i < 20; ++i)
        pages << picture;
    IOcrFrame frame(engine(), VirtualCameraWindow::instance()->window());
    frame.setSaveFileChooser([](const QString&) { return workFolder().filePath(QStringLiteral("twenty.pdf")); });
    QString said;
    frame.setMessageShower([&said](const QString& text) { said = text; });
    double longest = 0;
    double seconds = 0;
    for (auto _ : state) {
        said.clear();
        frame.setImages(pages);
        frame.show();
        QElapsedTimer clock;
        QElapsedTimer sinceTick;
        double worst = 0;
        QTimer tick;
        tick.setInterval(5);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            worst = std::max(worst, sinceTick.nsecsElapsed() / 1e6);
            sinceTick.restart();
        });
        clock.start();
        sinceTick.start();
        tick.start();
        frame.startButton()->click();
        VirtualCameraWindow::waitFor([&] { return !said.isEmpty(); }, 900000);
        tick.stop();
        seconds = clock.nsecsElapsed() / 1e9;
        longest = std::max(longest, worst);
        if (said != QLatin1String("OCR Analysing Succeed!"))
            state.SkipWithError(qPrintable(said));
    }
    state.counters["gui_max_gap_ms"] = longest;
    state.counters["job_s"] = seconds;
}

} // namespace

BENCHMARK(BM_OcrCharacterErrorRate)
    ->ArgNames({"height", "edging"})
    ->Args({1080, 1})
    ->Args({2160, 1})
    ->Args({2160, 0})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK(BM_OcrSecondsPerPage)->ArgName("height")->Arg(1080)->Arg(2160)->Iterations(3)->Unit(benchmark::kSecond);
BENCHMARK(BM_OcrGuiDuringJob)->Iterations(1)->Unit(benchmark::kSecond);

VESKAROO_BENCH_MAIN()
