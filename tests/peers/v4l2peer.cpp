// Drives the USB capture source through the V4L2 layer against the emulated
// camera (fakeuvc, preloaded by the test) and prints what it saw, one
// "key value" line each.
// Usage: v4l2peer ROOT sizes|refused WxH|controls|stream|resize WxH WxH
// ROOT gets the sysfs entry and /dev folder the enumeration reads; the
// emulated node is ROOT/dev/video0.
#include "common/testenv.h"

#include "directshow/idshowthread.h"
#include "directshow/ivideodeviceregistry.h"
#include "directshow/v4l2/iv4l2provider.h"
#include "icameraerror.h"
#include "service/iconfigureservice.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QThread>

#include <cstdio>
#include <functional>

namespace {

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

// A USB camera's class entry pointing at its interface, as the kernel lays it out.
void makeSysfs(const QString& root)
{
    const QString usb = root + "/sys/devices/pci0000:00/usb1/1-1";
    writeFile(usb + "/idVendor", "2e1a\n");
    writeFile(usb + "/idProduct", "5da0\n");
    QDir().mkpath(usb + "/1-1:1.0");
    writeFile(root + "/sys/class/video4linux/video0/name", "Emulated Document Camera\n");
    QFile::link(usb + "/1-1:1.0", root + "/sys/class/video4linux/video0/device");
    // The node itself is the preloaded camera's: nothing on disk.
    QDir().mkpath(root + "/dev");
}

void print(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

QString sizeText(const QSize& s)
{
    return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

QSize parseSize(const QString& text)
{
    const QStringList parts = text.split('x');
    return parts.size() == 2 ? QSize(parts[0].toInt(), parts[1].toInt()) : QSize();
}

bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return done();
}

// What the capture source told, gathered on this thread.
struct Watch
{
    QList<QImage> frames;
    QList<int> codes;
    int repeats = 0;

    explicit Watch(IDShowThread& thread)
    {
        QObject::connect(&thread, &IDShowThread::sgCameraFrame, QCoreApplication::instance(), [this](const QImage& frame) {
            // Every emulated frame differs from the one before.
            if (!frames.isEmpty() && frames.last() == frame)
                ++repeats;
            frames << frame;
            if (frames.size() > 4)
                frames.removeFirst();
        });
        QObject::connect(&thread, &IDShowThread::sgError, QCoreApplication::instance(), [this](int code) { codes << code; });
    }
    int count(int code) const { return codes.count(code); }
};

QString range(const QVariantList& values)
{
    QStringList parts;
    for (const QVariant& v : values)
        parts << v.toString();
    return parts.join(',');
}

} // namespace

int main(int argc, char** argv)
{
    TestEnv::isolateDataFolder();
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QString root = args[1];
    const QString scenario = args[2];
    makeSysfs(root);
    // Made here, as the program makes it on its GUI thread before any camera.
    IConfigureService::instance()->setCameraResolution(QSize(1920, 1080));
    IVideoDeviceRegistry::instance().clear();
    IVideoDeviceRegistry::instance().add(std::make_shared<IV4l2Provider>(root + "/sys", root + "/dev"));
    const QString node = root + "/dev/video0";

    IDShowThread thread;
    Watch watch(thread);
    int framesSeen = 0;
    QObject::connect(&thread, &IDShowThread::sgCameraFrame, &app, [&framesSeen] { ++framesSeen; });

    if (scenario == "sizes") {
        thread.open(node, false);
        waitFor([&] { return watch.count(CameraOpened) > 0; }, 5000);
        const QList<QSizeF> sizes = thread.supportedResolutions();
        thread.close();
        print(QStringLiteral("offered %1").arg(sizes.size()));
        for (const QSizeF& size : sizes) {
            thread.setResolution(size);
            // Frames of the last size may still be queued for this thread.
            QCoreApplication::processEvents();
            framesSeen = 0;
            thread.open(node, false);
            waitFor([&] { return framesSeen >= 3; }, 5000);
            thread.close();
            print("frame " + (watch.frames.isEmpty() ? QString("none") : sizeText(watch.frames.last().size())));
        }
    } else if (scenario == "refused") {
        thread.setResolution(QSizeF(parseSize(args.value(3))));
        thread.open(node, false);
        waitFor([&] { return framesSeen >= 3; }, 5000);
        print("frame " + (watch.frames.isEmpty() ? QString("none") : sizeText(watch.frames.last().size())));
        thread.close();
        waitFor([] { return false; }, 100); // the stored size arrives queued
        print("stored " + sizeText(IConfigureService::instance()->cameraResolution()));
    } else if (scenario == "controls") {
        thread.open(node, false);
        waitFor([&] { return watch.count(CameraOpened) > 0; }, 5000);
        const ICameraParameterData p = thread.cameraParameter();
        print("brightness " + range(p.brightness));
        print("contrast " + range(p.contrast));
        print("saturation " + range(p.saturation));
        print("focus " + range(p.focus));
        print("exposure " + range(p.exposure));
        print(QStringLiteral("set %1 %2 %3 %4 %5 %6 %7")
                  .arg(thread.setBrightness(-20)).arg(thread.setContrast(50)).arg(thread.setSaturation(70))
                  .arg(thread.setFocus(300)).arg(thread.setExposure(500))
                  .arg(thread.setFocus(-999)).arg(thread.setExposure(-999)));
        print(QStringLiteral("outofrange %1").arg(thread.setBrightness(500)));
        thread.close();
    } else if (scenario == "stream") {
        thread.open(node, false);
        // Until the camera is lost, and a while after it to see no second notice.
        waitFor([&] { return watch.count(CameraLost) > 0; }, 8000);
        waitFor([] { return false; }, 500);
        print(QStringLiteral("frames %1").arg(framesSeen));
        print(QStringLiteral("repeats %1").arg(watch.repeats));
        print(QStringLiteral("lost %1").arg(watch.count(CameraLost)));
        thread.close();
    } else if (scenario == "resize") {
        const QSize first = parseSize(args.value(3));
        const QSize second = parseSize(args.value(4));
        thread.setResolution(QSizeF(first));
        thread.open(node, false);
        // The device takes its time to set the format: ask meanwhile.
        QThread::msleep(150);
        thread.setResolution(QSizeF(second));
        waitFor([&] { return !watch.frames.isEmpty() && watch.frames.last().size() == second; }, 5000);
        waitFor([] { return false; }, 300);
        print("frame " + (watch.frames.isEmpty() ? QString("none") : sizeText(watch.frames.last().size())));
        thread.close();
    } else {
        return 2;
    }
    print("done");
    return 0;
}
