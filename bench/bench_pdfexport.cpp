// PDF export of twenty camera pictures (1920x1080 JPEGs of the virtual
// camera's page) on A4, fitted and centred: the save thread's export job in
// mode 1 against img2pdf on the same files, in the same run. Then the peak
// memory of exporting three large pictures (48 megapixels, under the pixel
// limit), as JPEG and as PNG.
#include "common/benchapplication.h"

#include "directshow/virtual/ivirtualcamera.h"
#include "iimagetansformthread.h"
#include "opencv/iopencvapi.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <malloc.h>
#include <memory>

namespace {

const int kPictures = 20;
const QSize kFrameSize(1920, 1080);

// The pictures are taken once, the way the program takes them: a frame of
// the virtual camera, written as a quality-100 JPEG.
const QStringList& pictures()
{
    static QTemporaryDir folder;
    static QStringList files;
    if (!files.isEmpty() || !folder.isValid())
        return files;

    IVirtualCamera camera;
    std::unique_ptr<IVideoDevice> device = camera.open(IVirtualCamera::devicePath());
    IVideoFrame frame;
    if (!device || !device->setFormat(kFrameSize) || !device->startStreaming()
        || device->read(frame, 5000) != IVideoDevice::Frame)
        return files;
    const QImage picture = IOpencvApi::cvMat2Image(frame.bgr);
    for (int i = 0; i < kPictures; ++i) {
        const QString path = folder.filePath(QStringLiteral("page%1.jpeg").arg(i + 1, 2, 10, QChar('0')));
        QImageWriter writer(path, "jpeg");
        writer.setQuality(100);
        if (!writer.write(picture))
            return files;
        files << path;
    }
    return files;
}

QString outputFolder()
{
    static QTemporaryDir folder;
    return folder.path();
}

// Page objects in the file; both writers keep them as plain text.
int pageCount(const QString& pdf)
{
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray data = file.readAll();
    return data.count("/Type /Page") - data.count("/Type /Pages");
}

// The large pictures: the camera's page scaled up to 8000 x 6000, the
// way a high-resolution scan or photo of it would look.
const int kLargePictures = 3;
const QSize kLargeSize(8000, 6000);

QStringList largePictures(const char* format)
{
    static QTemporaryDir folder;
    const QString prefix = QStringLiteral("large-%1-").arg(QLatin1String(format));
    QStringList files;
    for (int i = 0; i < kLargePictures; ++i)
        files << folder.filePath(prefix + QString::number(i + 1) + "." + QLatin1String(format));
    if (QFile::exists(files.last()) || pictures().isEmpty())
        return files;
    QImage large(kLargeSize, QImage::Format_RGB32);
    {
        QPainter painter(&large);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(large.rect(), QImage(pictures().first()));
    }
    for (const QString& file : files) {
        QImageWriter writer(file, format);
        writer.setQuality(95);
        if (!writer.write(large))
            return {};
    }
    return files;
}

// Kilobytes from /proc/self/status: "VmRSS" now, "VmHWM" the peak.
qint64 statusKb(const QByteArray& field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Brings the peak back down to what the process holds now (Linux 4.0+).
// Large blocks are kept out of the heap first: freed heap memory stays
// resident and would hide what the next export needs.
bool resetPeak()
{
    static const bool fixedThreshold = mallopt(M_MMAP_THRESHOLD, 256 * 1024) == 1;
    malloc_trim(0);
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return fixedThreshold && clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

struct Result
{
    double seconds = 0;
    qint64 bytes = 0;
};
Result g_ours;

void report(benchmark::State& state, const QString& pdf, double seconds)
{
    const qint64 bytes = QFileInfo(pdf).size();
    state.counters["MB"] = bytes / 1e6;
    state.counters["pages"] = pageCount(pdf);
    state.counters["input_MB"] = [] {
        qint64 sum = 0;
        for (const QString& file : pictures())
            sum += QFileInfo(file).size();
        return sum / 1e6;
    }();
    if (g_ours.bytes > 0 && g_ours.seconds > 0 && seconds > 0) {
        state.counters["ours_time_ratio"] = g_ours.seconds / seconds;
        state.counters["ours_size_ratio"] = double(g_ours.bytes) / double(bytes);
    } else {
        g_ours = {seconds, bytes};
    }
}

void BM_PdfExport_SaveThread(benchmark::State& state)
{
    if (pictures().size() != kPictures) {
        state.SkipWithError("the pictures could not be made");
        return;
    }
    const QString pdf = outputFolder() + "/ours.pdf";
    IImageTansformThread thread; // not started: the job runs here, as its loop would run it
    bool succeeded = false;
    QObject::connect(&thread, &IImageTansformThread::sgSaveFilesSuccess, [&] { succeeded = true; });
    double seconds = 0;
    for (auto _ : state) {
        succeeded = false;
        const auto start = std::chrono::steady_clock::now();
        thread.setExportJob(pdf, pictures(), 1);
        thread.processExportJob();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!succeeded)
            state.SkipWithError("the export failed");
    }
    report(state, pdf, seconds / double(state.iterations()));
}

void BM_PdfExport_Img2pdf(benchmark::State& state)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("img2pdf"));
    if (program.isEmpty()) {
        state.SkipWithError("img2pdf is not installed (scripts/install-deps.sh)");
        return;
    }
    if (pictures().size() != kPictures) {
        state.SkipWithError("the pictures could not be made");
        return;
    }
    const QString pdf = outputFolder() + "/img2pdf.pdf";
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        QProcess process;
        process.start(program, QStringList{"--pagesize", "A4", "-o", pdf} + pictures());
        const bool finished = process.waitForFinished(120000);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            state.SkipWithError(qPrintable("img2pdf failed: " + process.readAllStandardError()));
    }
    report(state, pdf, seconds / double(state.iterations()));
}

// How far above what it held before the export the process went.
void BM_PdfExport_LargePicturesPeakMemory(benchmark::State& state)
{
    const char* format = state.range(0) == 0 ? "jpeg" : "png";
    const QStringList files = largePictures(format);
    if (files.size() != kLargePictures) {
        state.SkipWithError("the pictures could not be made");
        return;
    }
    const QString pdf = outputFolder() + "/large.pdf";
    IImageTansformThread thread;
    bool succeeded = false;
    QObject::connect(&thread, &IImageTansformThread::sgSaveFilesSuccess, [&] { succeeded = true; });
    qint64 peakKb = 0;
    for (auto _ : state) {
        if (!resetPeak()) {
            state.SkipWithError("the peak memory cannot be reset here");
            return;
        }
        const qint64 before = statusKb("VmRSS");
        thread.setExportJob(pdf, files, 1);
        thread.processExportJob();
        peakKb = std::max(peakKb, statusKb("VmHWM") - before);
        if (!succeeded)
            state.SkipWithError("the export failed");
    }
    state.counters["peak_MB"] = peakKb / 1024.0;
    state.counters["decoded_MB_each"] = kLargeSize.width() * kLargeSize.height() * 4 / 1048576.0;
    state.SetLabel(format);
}

} // namespace

// Ours first: the img2pdf case reports the ratios against it.
BENCHMARK(BM_PdfExport_SaveThread)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PdfExport_Img2pdf)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PdfExport_LargePicturesPeakMemory)->Arg(0)->Arg(1)->Iterations(2)->UseRealTime()->Unit(
    benchmark::kMillisecond);

VESKAROO_BENCH_MAIN()
