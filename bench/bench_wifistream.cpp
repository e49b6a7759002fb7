// The Wi-Fi camera's live picture against FFmpeg's own command-line tools,
// on one shared 1080p30 stream of the camera simulator, in a private network
// namespace (the program re-executes itself under unshare):
//   - decoding CPU: this program's camera thread (read, decode, convert to
//     the 32-bit picture the board shows) against `ffmpeg -i rtsp://... -f
//     null -`, both watching the stream over the same seconds;
//   - glass-to-glass latency: from the simulator drawing a frame (its
//     number is burnt into the picture) to the frame reaching the GUI
//     thread, against ffmpeg run with ffplay's low-delay flags
//     (-fflags nobuffer -flags low_delay) writing raw frames to a pipe,
//     read and timed the same way (ffplay itself shows into a window,
//     whose moment of showing cannot be timed from here).
// Run by hand: build/bench-bin/bench_wifistream [seconds] [WxH]
#include "common/privatenetwork.h"
#include "common/testenv.h"
#include "common/wificamerasimulator.h"
#include "common/wifitestpattern.h"

#include "ffmpeg/wifirtsp/iwifirtspthread.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

namespace {

qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

double ownCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double processCpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    // utime and stime are fields 14 and 15 of the whole line.
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

// CPU seconds of this process's threads of that name.
double threadCpuSeconds(const QByteArray& name)
{
    double total = 0;
    const QStringList tasks = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& task : tasks) {
        QFile comm(QStringLiteral("/proc/self/task/%1/comm").arg(task));
        if (!comm.open(QIODevice::ReadOnly) || comm.readAll().trimmed() != name)
            continue;
        QFile stat(QStringLiteral("/proc/self/task/%1/stat").arg(task));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        total += (fields.value(11).toDouble() + fields.value(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
    }
    return total;
}

QHash<int, qint64> drawnTimes(const QString& path)
{
    QHash<int, qint64> times;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() == 2)
                times.insert(parts[0].toInt(), parts[1].toLongLong());
        }
    }
    return times;
}

double median(QVector<double> values)
{
    if (values.isEmpty())
        return -1;
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Raw grey frames from ffmpeg's pipe: arrival time and burnt-in number.
class PipeReader
{
public:
    PipeReader(QProcess* process, QSize size)
        : m_process(process)
        , m_size(size)
    {
    }
    QVector<QPair<int, qint64>> arrivals;

    void readAvailable()
    {
        m_buffer += m_process->readAllStandardOutput();
        const int frameBytes = m_size.width() * m_size.height();
        while (m_buffer.size() >= frameBytes) {
            const qint64 now = monotonicNs();
            // The counter cells straight from the grey bytes.
            const int cell = m_size.height();
            int number = 0;
            for (int bit = 0; bit < WifiTestPattern::kCounterBits; ++bit) {
                const uchar grey = uchar(m_buffer.at((cell / 2) * m_size.width() + bit * cell + cell / 2));
                if (grey < 128)
                    number |= 1 << bit;
            }
            arrivals.append({number, now});
            m_buffer.remove(0, frameBytes);
        }
    }

private:
    QProcess* m_process;
    QSize m_size;
    QByteArray m_buffer;
};

} // namespace

int main(int argc, char** argv)
{
    TestEnv::enterPrivateNetwork(argc, argv);
    TestEnv::isolateDataFolder();
    QGuiApplication app(argc, argv);
    const int seconds = argc > 1 ? QString(argv[1]).toInt() : 15;
    const QString sizeText = argc > 2 ? QString(argv[2]) : QStringLiteral("1920x1080");
    const QSize size(sizeText.section('x', 0, 0).toInt(), sizeText.section('x', 1, 1).toInt());
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});

    QTemporaryDir dir;
    const QString stamps = dir.filePath("drawn.txt");
    WifiCameraSimulator sim;
    if (!sim.start({"--shared", "--size", sizeText, "--fps", "30", "--timestamps", stamps})) {
        std::fprintf(stderr, "the simulator did not start\n");
        return 1;
    }
    const QString url = QStringLiteral("rtsp://admin:rorod@%1/stream/main").arg(TestEnv::accessPointAddress());

    // --- this program's camera thread ---
    ICameraInfo camera;
    camera.index = 100;
    camera.type = NetworkCamera;
    camera.host = TestEnv::accessPointAddress();
    camera.port = 5324;
    camera.devicePath = url;
    IWifiRtspThread thread(camera);
    QVector<QPair<int, qint64>> ours;
    QObject receiver;
    QObject::connect(
        &thread, &IWifiRtspThread::sgCameraFrame, &receiver,
        [&ours](const QImage& frame) { ours.append({WifiTestPattern::readCounter(frame), monotonicNs()}); },
        Qt::QueuedConnection);
    thread.startCamera();

    // --- ffmpeg, decoding only ---
    QProcess decoder;
    decoder.start("ffmpeg", {"-nostdin", "-loglevel", "error", "-rtsp_transport", "tcp", "-i", url, "-f", "null", "-"});
    // --- ffmpeg with ffplay's low-delay flags, frames to a pipe ---
    QProcess viewer;
    viewer.start("ffmpeg", {"-nostdin", "-loglevel", "error", "-fflags", "nobuffer", "-flags", "low_delay",
                            "-rtsp_transport", "tcp", "-i", url, "-fps_mode", "passthrough", "-vf",
                            QStringLiteral("crop=iw:%1:0:0").arg(WifiTestPattern::cellSize(size)), "-f",
                            "rawvideo", "-pix_fmt", "gray", "-"});
    // Only the counter's row comes through the pipe.
    PipeReader pipe(&viewer, QSize(size.width(), WifiTestPattern::cellSize(size)));
    QObject::connect(&viewer, &QProcess::readyReadStandardOutput, &receiver, [&pipe] { pipe.readAvailable(); });

    // Let all three settle, then measure over the same window.
    QTest::qWait(4000);
    const double ownStart = ownCpuSeconds();
    const double readerStart = threadCpuSeconds("IWifiRtspThread");
    const double ffStart = processCpuSeconds(decoder.processId());
    const int oursStart = ours.size();
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(seconds * 1000);
    const double elapsed = clock.elapsed() / 1000.0;
    const double ownCpu = ownCpuSeconds() - ownStart;
    const double readerCpu = threadCpuSeconds("IWifiRtspThread") - readerStart;
    const double ffCpu = processCpuSeconds(decoder.processId()) - ffStart;
    const int oursFrames = ours.size() - oursStart;

    thread.stopCamera();
    decoder.terminate();
    viewer.terminate();
    decoder.waitForFinished(3000);
    viewer.waitForFinished(3000);
    sim.stop();

    const QHash<int, qint64> drawn = drawnTimes(stamps);
    auto latencies = [&drawn](const QVector<QPair<int, qint64>>& arrivals) {
        QVector<double> ms;
        for (const auto& arrival : arrivals) {
            if (drawn.contains(arrival.first))
                ms << (arrival.second - drawn.value(arrival.first)) / 1e6;
        }
        return ms;
    };
    const QVector<double> ourLatency = latencies(ours);
    const QVector<double> ffLatency = latencies(pipe.arrivals);

    std::printf("stream %dx%d at 30 fps, measured over %.1f s\n", size.width(), size.height(), elapsed);
    std::printf("frames shown by the camera thread: %d (%.1f fps)\n", oursFrames, oursFrames / elapsed);
    std::printf("CPU, whole process:         %.2f s (%.1f %% of a core)\n", ownCpu, 100 * ownCpu / elapsed);
    std::printf("CPU, reading thread alone:  %.2f s (%.1f %% of a core)\n", readerCpu, 100 * readerCpu / elapsed);
    std::printf("CPU, ffmpeg -f null:        %.2f s (%.1f %% of a core)\n", ffCpu, 100 * ffCpu / elapsed);
    std::printf("CPU ratio, whole process / ffmpeg: %.2f; reading thread / ffmpeg: %.2f\n",
                ffCpu > 0 ? ownCpu / ffCpu : -1.0, ffCpu > 0 ? readerCpu / ffCpu : -1.0);
    std::printf("latency, camera thread: median %.1f ms over %d frames\n", median(ourLatency), int(ourLatency.size()));
    std::printf("latency, ffmpeg low-delay: median %.1f ms over %d frames\n", median(ffLatency),
                int(ffLatency.size()));
    std::printf("latency difference: %.1f ms (one frame: 33.3 ms)\n", median(ourLatency) - median(ffLatency));
    return 0;
}
