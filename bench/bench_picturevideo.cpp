// Timelapse encoding of 1080p pictures: the recording service from start to
// written file beside the ffmpeg tool on the same pictures, and what one
// added picture costs the GUI thread.
#include "widgetbenchmarkmain.h"

#include "ffmpeg/iffmpegapi.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>

namespace {

class RecordingService : public IFFmpegApi
{
};

const QSize kSize(1920, 1080);
constexpr int kPictures = 120;
constexpr int kFrameRate = 30;

// A desk with a page and a hand moving over it: every picture differs.
const QVector<QImage>& pictures()
{
    static QVector<QImage> all;
    if (all.isEmpty()) {
        for (int i = 0; i < kPictures; ++i) {
            QImage picture(kSize, QImage::Format_RGB32);
            QPainter painter(&picture);
            QLinearGradient desk(0, 0, kSize.width(), kSize.height());
            desk.setColorAt(0, QColor::fromHsv((i * 3) % 360, 80, 120));
            desk.setColorAt(1, QColor::fromHsv((i * 3 + 120) % 360, 90, 60));
            painter.fillRect(picture.rect(), desk);
            painter.fillRect(QRect(300 + i * 2, 120, 1200, 840), QColor(245, 245, 235));
            painter.setPen(QPen(Qt::black, 3));
            for (int line = 0; line < 30; ++line)
                painter.drawLine(360 + i * 2, 170 + line * 26, 1400 + i * 2 - (line * 37) % 300, 170 + line * 26);
            painter.setBrush(QColor(200, 150, 120));
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(QPoint(200 + i * 12, 700 - i * 3), 160, 110);
            all.append(picture);
        }
    }
    return all;
}

void encodeWithService(benchmark::State& state)
{
    const QVector<QImage>& input = pictures();
    QTemporaryDir folder(QStringLiteral("/tmp/encoder-bench-XXXXXX"));
    RecordingService service;
    qint64 addNs = 0, addMaxNs = 0, adds = 0;
    for (auto _ : state) {
        QEventLoop loop;
        QString failure;
        QObject::connect(&service, &IFFmpegApi::sgPictureVideoWritten, &loop, &QEventLoop::quit);
        QObject::connect(&service, &IFFmpegApi::sgPictureVideoFailed, &loop, [&](const QString& reason) {
            failure = reason;
            loop.quit();
        });
        service.startPictureVideo(folder.path(), kSize, kFrameRate);
        for (const QImage& picture : input) {
            QElapsedTimer add;
            add.start();
            service.addPictureVideoFrame(picture);
            const qint64 ns = add.nsecsElapsed();
            addNs += ns;
            addMaxNs = std::max(addMaxNs, ns);
            ++adds;
        }
        int seconds = 0;
        const QString path = service.finishPictureVideo(&seconds);
        loop.exec();
        if (!failure.isEmpty()) {
            state.SkipWithError(qPrintable(failure));
            break;
        }
        QFile::remove(path);
    }
    state.counters["fps"] = benchmark::Counter(double(state.iterations()) * kPictures, benchmark::Counter::kIsRate);
    state.counters["add_ms"] = adds ? double(addNs) / adds / 1e6 : 0.0;
    state.counters["add_max_ms"] = double(addMaxNs) / 1e6;
}
BENCHMARK(encodeWithService)->Name("service_1080p_120_pictures")->Iterations(3)->Unit(benchmark::kSecond)->UseRealTime();

// The same pictures piped raw into the ffmpeg tool with the same x264 preset.
void encodeWithFfmpegTool(benchmark::State& state)
{
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty()) {
        state.SkipWithError("ffmpeg is not installed");
        return;
    }
    const QVector<QImage>& input = pictures();
    QTemporaryDir folder(QStringLiteral("/tmp/encoder-bench-XXXXXX"));
    const QString out = folder.filePath(QStringLiteral("out.mp4"));
    const QStringList args = {"-y", "-loglevel", "error", "-f", "rawvideo", "-pix_fmt", "bgra",
                              "-s", "1920x1080", "-r", "30", "-i", "-", "-c:v", "libx264",
                              "-preset", "superfast", "-tune", "zerolatency", "-profile:v", "high",
                              "-pix_fmt", "yuv420p", out};
    for (auto _ : state) {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(ffmpeg, args);
        if (!process.waitForStarted()) {
            state.SkipWithError("ffmpeg did not start");
            break;
        }
        for (const QImage& picture : input) {
            process.write(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
            while (process.bytesToWrite() > 0)
                process.waitForBytesWritten(-1);
        }
        process.closeWriteChannel();
        process.waitForFinished(-1);
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            state.SkipWithError("ffmpeg failed");
            break;
        }
    }
    state.counters["fps"] = benchmark::Counter(double(state.iterations()) * kPictures, benchmark::Counter::kIsRate);
}
BENCHMARK(encodeWithFfmpegTool)->Name("ffmpeg_tool_1080p_120_pictures")->Iterations(3)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

VESKAROO_WIDGET_BENCHMARK_MAIN()
