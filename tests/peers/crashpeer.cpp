// A process that arms the crash handler the way the program does, then
// crashes in the way its first argument names: on the main thread, or by a
// stack overflow on one of the program's capture threads.
#include "crash/globalhandler.h"
#include "directshow/idshowthread.h"
#include "directshow/ivideodeviceregistry.h"
#include "imessagehandler.h"
#include "opencv/iopencvthread.h"

#include <QCoreApplication>
#include <QThread>
#include <csignal>
#include <stdexcept>
#include <sys/mman.h>

namespace {

[[noreturn]] void throwUncaught()
{
    throw std::runtime_error("nobody catches this");
}

// A write into a page that allows no access: a real fault, which the
// sanitizers do not intercept as they would a null pointer.
int faultingWrite()
{
    void* page = ::mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    volatile int* target = static_cast<int*>(page);
    *target = 42;
    return *target;
}

volatile bool g_bottomReached = false;

// Deeper and deeper until the stack runs out; the frames are kept, so the
// compiler cannot turn the recursion into a loop.
int overflowStack(int depth)
{
    volatile char frame[1024];
    frame[0] = char(depth);
    if (g_bottomReached)
        return frame[0];
    return overflowStack(depth + 1) + frame[0];
}

const QString kDevicePath = QStringLiteral("/dev/v4l/by-id/usb-Crash_Camera-video-index0");

// A camera whose first read overflows the reading thread's stack.
class OverflowingVideoDevice : public IVideoDevice
{
public:
    QList<QSize> frameSizes() const override { return {QSize(640, 480)}; }
    bool setFormat(const QSize&) override { return true; }
    QSize format() const override { return QSize(640, 480); }
    bool startStreaming() override { return true; }
    ReadResult read(IVideoFrame&, int) override { return overflowStack(0) ? Frame : Lost; }
    void stopStreaming() override {}
    IControlRange control(Control) const override { return {}; }
    bool setControl(Control, int) override { return false; }
};

class OverflowingProvider : public IVideoDeviceProvider
{
public:
    QList<IVideoDeviceInfo> devices() override { return {{"Crash Camera", kDevicePath, "1A2B", "3C4D"}}; }
    std::unique_ptr<IVideoDevice> open(const QString&) override
    {
        return std::make_unique<OverflowingVideoDevice>();
    }
};

class OverflowingCaptureDevice : public ICaptureDevice
{
public:
    bool isOpened() const override { return true; }
    bool read(cv::Mat&) override { return overflowStack(0) != 0; }
    bool set(int, double) override { return true; }
    double get(int) const override { return 0; }
    void release() override {}
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    IMessageHandler::install();
    new BreakpadQt::GlobalHandler(args.at(2), args.at(3));

    const QString how = args.at(1);
    if (how == "segv")
        return faultingWrite();
    if (how == "exception")
        throwUncaught();
    if (how == "abort")
        std::abort();
    if (how == "overflow")
        return overflowStack(0);
    if (how == "overflow-usb-thread") {
        IVideoDeviceRegistry::instance().add(std::make_shared<OverflowingProvider>());
        auto* source = new IDShowThread;
        source->open(kDevicePath, false);
        return app.exec();
    }
    if (how == "overflow-opencv-thread") {
        auto* source = new IOpencvThread;
        source->setDeviceFactory([](const ICameraInfo&) { return std::make_unique<OverflowingCaptureDevice>(); });
        ICameraInfo camera;
        camera.index = 0;
        source->open(camera);
        return app.exec();
    }
    if (how == "twice") {
        // A second handler is refused, and the log says so.
        new BreakpadQt::GlobalHandler(args.at(2) + "-second", args.at(3));
        return 0;
    }
    return 0;
}
