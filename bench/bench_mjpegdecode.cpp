// Decoding a 4K MJPG camera stream: our decode per frame, in full and at the
// reduced sizes the live view uses, against FFmpeg's MJPG decoder on the
// same frames in the same run (`ffmpeg -c:v mjpeg -i frames.mjpeg -f null -`,
// on one thread and on its default threads).
#include "directshow/virtual/ivirtualcameradevice.h"
#include "directshow/virtual/ivirtualpage.h"
#include "opencv/icompressedpicture.h"

#include <benchmark/benchmark.h>

#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>
#include <vector>

namespace {

const int kFrames = 60;

// The virtual camera's page at 4K, each frame with sensor noise of its own
// so that no two are alike, encoded as the camera encodes them.
const std::vector<QByteArray>& frames()
{
    static const std::vector<QByteArray> encoded = [] {
        std::vector<QByteArray> result;
        IVirtualPage page;
        const cv::Mat scene = page.scene(cv::Size(3840, 2160));
        cv::RNG random(19);
        for (int i = 0; i < kFrames; ++i) {
            cv::Mat noise(scene.size(), CV_16SC3);
            random.fill(noise, cv::RNG::NORMAL, 0, IVirtualCameraDevice::sensorNoise);
            cv::Mat frame;
            cv::add(scene, noise, frame, cv::noArray(), CV_8UC3);
            std::vector<uchar> bytes;
            cv::imencode(".jpg", frame, bytes, {cv::IMWRITE_JPEG_QUALITY, IVirtualCameraDevice::mjpegQuality});
            result.emplace_back(reinterpret_cast<const char*>(bytes.data()), int(bytes.size()));
        }
        return result;
    }();
    return encoded;
}

void BM_OurDecode(benchmark::State& state)
{
    const int reduction = int(state.range(0));
    const std::vector<QByteArray>& all = frames();
    size_t next = 0;
    for (auto _ : state) {
        const cv::Mat picture = ICompressedPicture::decodeMat(all[next], reduction);
        if (picture.cols != 3840 / reduction)
            state.SkipWithError("the frame did not decode");
        next = (next + 1) % all.size();
    }
    state.counters["kb_per_frame"] = all[0].size() / 1024.0;
}

void BM_FfmpegDecode(benchmark::State& state)
{
    const int threads = int(state.range(0));
    QTemporaryDir folder;
    const QString path = folder.filePath("frames.mjpeg");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot write the frames");
        return;
    }
    for (const QByteArray& frame : frames())
        file.write(frame);
    file.close();
    const std::string command = "ffmpeg -nostdin -loglevel error" + std::string(threads ? " -threads 1" : "")
        + " -c:v mjpeg -i '" + path.toStdString() + "' -f null - >/dev/null 2>&1";
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("ffmpeg failed");
            break;
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds / kFrames);
    }
}

} // namespace

BENCHMARK(BM_OurDecode)->ArgName("reduction")->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);
// Per frame, from the wall time of a whole run (its start-up included).
BENCHMARK(BM_FfmpegDecode)
    ->ArgName("one_thread")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The page's text is drawn with Qt's fonts, which need a GUI application.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
