// Per-frame cost of conversions, filters and edge detector at 1080p and 4K beside memcpy, cvtColor and bare calls.
#include "common/syntheticdocument.h"

#include "opencv/iopencvapi.h"

#include <benchmark/benchmark.h>

#include <opencv2/imgproc.hpp>

#include <cstring>
#include <map>
#include <vector>

using namespace IOpencvApi;

namespace {

// A tilted page on a desk, as the camera sees it; rendered once per size.
const cv::Mat& deskFrame(int height)
{
    static std::map<int, cv::Mat> frames;
    auto it = frames.find(height);
    if (it == frames.end()) {
        const cv::Size size(height * 16 / 9, height);
        it = frames.emplace(height, SyntheticDocument::render(size, 12.0, 1).frame).first;
    }
    return it->second;
}

cv::Mat deskFrame(int height, int channels)
{
    cv::Mat frame;
    if (channels == 1)
        cv::cvtColor(deskFrame(height), frame, cv::COLOR_BGR2GRAY);
    else if (channels == 4)
        cv::cvtColor(deskFrame(height), frame, cv::COLOR_BGR2BGRA);
    else
        frame = deskFrame(height).clone();
    return frame;
}

void sizes(benchmark::internal::Benchmark* b)
{
    b->ArgName("height")->Arg(1080)->Arg(2160)->Unit(benchmark::kMillisecond)->UseRealTime();
}

void sizesAndChannels(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"height", "channels"})->Unit(benchmark::kMillisecond)->UseRealTime();
    for (int height : {1080, 2160})
        for (int channels : {1, 3, 4})
            b->Args({height, channels});
}

void frameBytes(benchmark::State& state, const cv::Mat& frame)
{
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(frame.total() * frame.elemSize()));
}

// References.

void BM_Memcpy(benchmark::State& state)
{
    const cv::Mat frame = deskFrame(int(state.range(0)), int(state.range(1)));
    const size_t bytes = frame.total() * frame.elemSize();
    std::vector<uchar> target(bytes);
    for (auto _ : state) {
        std::memcpy(target.data(), frame.data, bytes);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    frameBytes(state, frame);
}
BENCHMARK(BM_Memcpy)->Apply(sizesAndChannels);

void BM_CvtColorGrey(benchmark::State& state)
{
    const cv::Mat& frame = deskFrame(int(state.range(0)));
    for (auto _ : state) {
        cv::Mat grey;
        cv::cvtColor(frame, grey, cv::COLOR_BGR2GRAY);
        benchmark::DoNotOptimize(grey.data);
    }
    frameBytes(state, frame);
}
BENCHMARK(BM_CvtColorGrey)->Apply(sizes);

// Conversions.

void BM_Mat2Image(benchmark::State& state)
{
    const cv::Mat frame = deskFrame(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        QImage image = cvMat2Image(frame);
        benchmark::DoNotOptimize(image.constBits());
    }
    frameBytes(state, frame);
}
BENCHMARK(BM_Mat2Image)->Apply(sizesAndChannels);

void BM_Image2Mat(benchmark::State& state)
{
    const cv::Mat frame = deskFrame(int(state.range(0)), int(state.range(1)));
    const QImage image = cvMat2Image(frame);
    for (auto _ : state) {
        cv::Mat mat = cvImage2Mat(image);
        benchmark::DoNotOptimize(mat.data);
    }
    frameBytes(state, frame);
}
BENCHMARK(BM_Image2Mat)->Apply(sizesAndChannels);

// Filters.

void BM_Filter(benchmark::State& state)
{
    const cv::Mat& frame = deskFrame(int(state.range(0)));
    const int kind = int(state.range(1));
    for (auto _ : state) {
        cv::Mat filtered = cvFilter(frame, kind);
        benchmark::DoNotOptimize(filtered.data);
    }
    static const char* const names[] = {"", "", "grey", "black and white", "sharpen", "sketch", "relief"};
    state.SetLabel(names[kind]);
}
BENCHMARK(BM_Filter)->ArgNames({"height", "kind"})->ArgsProduct({{1080, 2160}, {2, 3, 4, 5, 6}})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

// Edge detection. Both get a fresh copy of the frame outside the timing,
// since the detector draws into it.

void BM_EdgeDetect(benchmark::State& state)
{
    const cv::Mat& source = deskFrame(int(state.range(0)));
    cv::Mat frame;
    for (auto _ : state) {
        state.PauseTiming();
        source.copyTo(frame);
        state.ResumeTiming();
        IEdgeResult result = cvEdgeDetect(frame);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_EdgeDetect)->Apply(sizes);

void BM_EdgeBareCalls(benchmark::State& state)
{
    const cv::Mat& source = deskFrame(int(state.range(0)));
    cv::Mat frame;
    for (auto _ : state) {
        state.PauseTiming();
        source.copyTo(frame);
        state.ResumeTiming();
        cv::Mat grey;
        cv::cvtColor(frame, grey, cv::COLOR_BGR2GRAY);
        cv::adaptiveThreshold(grey, grey, 255.0, cv::ADAPTIVE_THRESH_MEAN_C, cv::THRESH_BINARY, 27, 0.0);
        cv::medianBlur(grey, grey, 3);
        cv::erode(grey, grey, cv::Mat(), cv::Point(-1, -1), 2);
        cv::dilate(grey, grey, cv::Mat(), cv::Point(-1, -1), 1);
        std::vector<std::vector<cv::Point>> contours;
        cv::findContours(grey, contours, cv::RETR_LIST, cv::CHAIN_APPROX_SIMPLE);
        size_t largest = 0;
        int largestArea = -1;
        for (size_t i = 0; i < contours.size(); ++i) {
            const int area = cv::boundingRect(contours[i]).area();
            if (area > largestArea) {
                largest = i;
                largestArea = area;
            }
        }
        cv::Point2f corners[4];
        cv::minAreaRect(contours[largest]).points(corners);
        benchmark::DoNotOptimize(corners);
    }
}
BENCHMARK(BM_EdgeBareCalls)->Apply(sizes);

// The detector's first part alone: grey to dilation, in bands side by side.
void BM_DocumentMask(benchmark::State& state)
{
    const cv::Mat& frame = deskFrame(int(state.range(0)));
    for (auto _ : state) {
        cv::Mat mask = cvDocumentMask(frame);
        benchmark::DoNotOptimize(mask.data);
    }
}
BENCHMARK(BM_DocumentMask)->Apply(sizes);

// Where the detector's time goes: each step alone, on what the step before
// it produced.
enum EdgeStep { StepGrey, StepThreshold, StepMedian, StepErode, StepDilate, StepContours, StepBox, StepCount };

void BM_EdgeStep(benchmark::State& state)
{
    const int step = int(state.range(1));
    std::vector<cv::Mat> stage(StepContours + 1);
    stage[StepGrey] = deskFrame(int(state.range(0)));
    cv::cvtColor(stage[StepGrey], stage[StepThreshold], cv::COLOR_BGR2GRAY);
    cv::adaptiveThreshold(stage[StepThreshold], stage[StepMedian], 255.0, cv::ADAPTIVE_THRESH_MEAN_C,
                          cv::THRESH_BINARY, 27, 0.0);
    cv::medianBlur(stage[StepMedian], stage[StepErode], 3);
    cv::erode(stage[StepErode], stage[StepDilate], cv::Mat(), cv::Point(-1, -1), 2);
    cv::dilate(stage[StepDilate], stage[StepContours], cv::Mat(), cv::Point(-1, -1), 1);
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(stage[StepContours], contours, cv::RETR_LIST, cv::CHAIN_APPROX_SIMPLE);
    size_t largest = 0;
    for (size_t i = 1; i < contours.size(); ++i)
        if (cv::boundingRect(contours[i]).area() > cv::boundingRect(contours[largest]).area())
            largest = i;

    cv::Mat out;
    for (auto _ : state) {
        switch (step) {
        case StepGrey:
            cv::cvtColor(stage[step], out, cv::COLOR_BGR2GRAY);
            break;
        case StepThreshold:
            cv::adaptiveThreshold(stage[step], out, 255.0, cv::ADAPTIVE_THRESH_MEAN_C, cv::THRESH_BINARY, 27, 0.0);
            break;
        case StepMedian:
            cv::medianBlur(stage[step], out, 3);
            break;
        case StepErode:
            cv::erode(stage[step], out, cv::Mat(), cv::Point(-1, -1), 2);
            break;
        case StepDilate:
            cv::dilate(stage[step], out, cv::Mat(), cv::Point(-1, -1), 1);
            break;
        case StepContours: {
            std::vector<std::vector<cv::Point>> found;
            cv::findContours(stage[step], found, cv::RETR_LIST, cv::CHAIN_APPROX_SIMPLE);
            benchmark::DoNotOptimize(found.data());
            break;
        }
        case StepBox: {
            int area = 0;
            for (const auto& contour : contours)
                area = std::max(area, cv::boundingRect(contour).area());
            cv::Point2f corners[4];
            cv::minAreaRect(contours[largest]).points(corners);
            benchmark::DoNotOptimize(area);
            benchmark::DoNotOptimize(corners);
            break;
        }
        }
        benchmark::DoNotOptimize(out.data);
    }
    static const char* const names[] = {"grey", "adaptive threshold", "median 3x3", "erode x2",
                                        "dilate", "find contours", "bounding areas + box"};
    state.SetLabel(names[step]);
    if (step == StepContours)
        state.counters["contours"] = double(contours.size());
}
BENCHMARK(BM_EdgeStep)->ArgNames({"height", "step"})
    ->ArgsProduct({{1080, 2160}, {StepGrey, StepThreshold, StepMedian, StepErode, StepDilate, StepContours, StepBox}})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
