// The virtual document camera: listing, sizes, pacing, controls, unplugging, files, and the page's truth.
#include "common/testenv.h"

#include "directshow/ivideodeviceregistry.h"
#include "directshow/virtual/ivirtualcamera.h"
#include "directshow/virtual/ivirtualcameraoptions.h"
#include "directshow/virtual/ivirtualpage.h"
#include "opencv/icompressedpicture.h"
#include "opencv/iopencvapi.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>
#include <opencv2/videoio.hpp>

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cmath>
#include <thread>

Q_DECLARE_METATYPE(IVideoDevice::Control)

namespace {

const QList<QSize> expectedSizes = {QSize(640, 480), QSize(1280, 720), QSize(1920, 1080), QSize(2560, 1440),
                                    QSize(3840, 2160)};

// An opened device streaming at `size`; null when any step fails.
std::unique_ptr<IVideoDevice> streaming(IVideoDeviceProvider& camera, const QSize& size)
{
    std::unique_ptr<IVideoDevice> device = camera.open(IVirtualCamera::devicePath());
    if (!device || !device->setFormat(size) || !device->startStreaming())
        return nullptr;
    return device;
}

// A frame's picture, decoded when it came as MJPG.
cv::Mat pictureOf(const IVideoFrame& frame)
{
    return frame.bgr.empty() ? ICompressedPicture::decodeMat(frame.mjpeg) : frame.bgr;
}

// The next frame, or an empty matrix when the device did not give one.
cv::Mat nextFrame(IVideoDevice& device)
{
    IVideoFrame frame;
    if (device.read(frame, 3000) != IVideoDevice::Frame)
        return cv::Mat();
    return pictureOf(frame);
}

double meanLevel(const cv::Mat& frame)
{
    const cv::Scalar m = cv::mean(frame);
    return (m[0] + m[1] + m[2]) / 3.0;
}

double spread(const cv::Mat& frame)
{
    cv::Mat grey;
    cv::cvtColor(frame, grey, cv::COLOR_BGR2GRAY);
    cv::Scalar mean;
    cv::Scalar deviation;
    cv::meanStdDev(grey, mean, deviation);
    return deviation[0];
}

double saturation(const cv::Mat& frame)
{
    cv::Mat hsv;
    cv::cvtColor(frame, hsv, cv::COLOR_BGR2HSV);
    return cv::mean(hsv)[1];
}

// Variance of the Laplacian: high for crisp print, low for a blurred one.
double sharpness(const cv::Mat& frame)
{
    cv::Mat grey;
    cv::cvtColor(frame, grey, cv::COLOR_BGR2GRAY);
    cv::Mat laplacian;
    cv::Laplacian(grey, laplacian, CV_64F);
    cv::Scalar mean;
    cv::Scalar deviation;
    cv::meanStdDev(laplacian, mean, deviation);
    return deviation[0] * deviation[0];
}

enum Measure { Mean, Spread, Saturation, Sharpness };

double measure(Measure kind, const cv::Mat& frame)
{
    switch (kind) {
    case Mean: return meanLevel(frame);
    case Spread: return spread(frame);
    case Saturation: return saturation(frame);
    case Sharpness: return sharpness(frame);
    }
    return 0.0;
}

bool sameMatrix(const cv::Mat& a, const cv::Mat& b)
{
    return a.size() == b.size() && a.type() == b.type() && cv::norm(a, b, cv::NORM_INF) == 0.0;
}

double distance(const QPointF& a, const QPointF& b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// A video of `count` frames, frame i a flat grey of 20 + 20 i.
QString writeVideo(const QString& folder, double fps, int count)
{
    const QString path = folder + QString("/clip-%1fps.avi").arg(fps);
    cv::VideoWriter writer(QFile::encodeName(path).toStdString(), cv::VideoWriter::fourcc('M', 'J', 'P', 'G'), fps,
                           cv::Size(320, 240));
    if (!writer.isOpened())
        return QString();
    for (int i = 0; i < count; ++i)
        writer.write(cv::Mat(240, 320, CV_8UC3, cv::Scalar::all(20 + 20 * i)));
    return path;
}

} // namespace

Q_DECLARE_METATYPE(Measure)

class TestVirtualCamera : public QObject
{
    Q_OBJECT

private:
    // Shared by the tests that leave it plugged in, so each size renders once.
    std::unique_ptr<IVirtualCamera> m_camera;
    QTemporaryDir m_folder;

private slots:
    void initTestCase()
    {
        m_camera = std::make_unique<IVirtualCamera>();
        QVERIFY(m_folder.isValid());
    }

    void cleanup()
    {
        m_camera->setPresent(true);
    }

    // Listing -----------------------------------------------------------

    // It shows up among the cameras like a USB one, and only its own path
    // opens it.
    void listedLikeAUsbCamera()
    {
        QCOMPARE(m_camera->source(), IVirtualCamera::RenderedPage);
        const QList<IVideoDeviceInfo> devices = m_camera->devices();
        QCOMPARE(devices.size(), 1);
        QCOMPARE(devices[0].name, QString("Veskaroo Virtual Document Camera"));
        QCOMPARE(devices[0].devicePath, IVirtualCamera::devicePath());
        const QRegularExpression hex4("^[0-9A-F]{4}$");
        QVERIFY(hex4.match(devices[0].vid).hasMatch());
        QVERIFY(hex4.match(devices[0].pid).hasMatch());
        QCOMPARE(devices[0].vid, IVirtualCamera::vendorId());
        QCOMPARE(devices[0].pid, IVirtualCamera::productId());

        QVERIFY(!m_camera->open("/dev/video0"));
        QVERIFY(!m_camera->open(QString()));

        auto shared = std::make_shared<IVirtualCamera>();
        IVideoDeviceRegistry::instance().add(shared);
        bool listed = false;
        for (const IVideoDeviceInfo& info : IVideoDeviceRegistry::instance().devices())
            listed = listed || info.devicePath == IVirtualCamera::devicePath();
        std::unique_ptr<IVideoDevice> device = IVideoDeviceRegistry::instance().open(IVirtualCamera::devicePath());
        IVideoDeviceRegistry::instance().remove(shared.get());
        QVERIFY(listed);
        QVERIFY(device);
    }

    // Sizes and pacing --------------------------------------------------

    void framesAtEverySize_data()
    {
        QTest::addColumn<QSize>("size");
        for (const QSize& size : expectedSizes)
            QTest::newRow(qPrintable(QString("%1x%2").arg(size.width()).arg(size.height()))) << size;
    }
    void framesAtEverySize()
    {
        QFETCH(QSize, size);
        std::unique_ptr<IVideoDevice> device = m_camera->open(IVirtualCamera::devicePath());
        QVERIFY(device);
        QCOMPARE(device->frameSizes(), expectedSizes);
        QVERIFY(device->setFormat(size));
        QCOMPARE(device->format(), size);
        QVERIFY(device->startStreaming());

        // MJPG, as a USB camera sends it.
        IVideoFrame frame;
        frame.bgr = cv::Mat(8, 8, CV_8UC3);
        QCOMPARE(device->read(frame, 3000), IVideoDevice::Frame);
        QVERIFY(frame.bgr.empty());
        const cv::Mat picture = ICompressedPicture::decodeMat(frame.mjpeg);
        QCOMPARE(picture.type(), CV_8UC3);
        QCOMPARE(picture.cols, size.width());
        QCOMPARE(picture.rows, size.height());
        // A bright page on a darker desk.
        const QPolygonF corners = m_camera->page()->corners(cv::Size(size.width(), size.height()));
        const QPointF centre = (corners[0] + corners[2]) / 2.0;
        const cv::Size patch(size.width() / 20, size.height() / 20);
        const double onPage = meanLevel(picture(cv::Rect(cv::Point(int(centre.x()), int(centre.y())), patch)));
        const double onDesk = meanLevel(picture(cv::Rect(cv::Point(size.width() / 80, size.height() / 2), patch)));
        QVERIFY2(onPage > onDesk + 60, qPrintable(QString("page %1, desk %2").arg(onPage).arg(onDesk)));
    }

    void refusesOtherSizes_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("800x600") << QSize(800, 600);
        QTest::newRow("1920x1200") << QSize(1920, 1200);
        QTest::newRow("portrait 1080x1920") << QSize(1080, 1920);
        QTest::newRow("empty") << QSize(0, 0);
        QTest::newRow("invalid") << QSize();
    }
    void refusesOtherSizes()
    {
        QFETCH(QSize, size);
        std::unique_ptr<IVideoDevice> device = m_camera->open(IVirtualCamera::devicePath());
        QVERIFY(device);
        QVERIFY(device->setFormat(QSize(1280, 720)));
        QVERIFY(!device->setFormat(size));
        QCOMPARE(device->format(), QSize(1280, 720));
        QCOMPARE(nextFrame(*device).cols, 0); // not streaming yet
        QVERIFY(device->startStreaming());
        QCOMPARE(nextFrame(*device).cols, 1280);
    }

    // Like a real camera, it keeps its size while streaming.
    void keepsItsSizeWhileStreaming()
    {
        std::unique_ptr<IVideoDevice> device = streaming(*m_camera, QSize(640, 480));
        QVERIFY(device);
        QVERIFY(!device->setFormat(QSize(1280, 720)));
        QCOMPARE(nextFrame(*device).cols, 640);
        device->stopStreaming();
        QVERIFY(device->setFormat(QSize(1280, 720)));
        QVERIFY(device->startStreaming());
        QCOMPARE(nextFrame(*device).cols, 1280);
    }

    // 30 frames a second: 15 frames span 14 periods (467 ms).
    void pacedAtThirtyFramesPerSecond()
    {
        std::unique_ptr<IVideoDevice> device = streaming(*m_camera, QSize(640, 480));
        QVERIFY(device);
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 15; ++i)
            QVERIFY(!nextFrame(*device).empty());
        const qint64 elapsed = timer.elapsed();
        QVERIFY2(elapsed >= 400, qPrintable(QString("%1 ms").arg(elapsed)));
        QVERIFY2(elapsed < 5000, qPrintable(QString("%1 ms").arg(elapsed)));
    }

    // A wait longer than the caller allows ends in Timeout; the frame then
    // still comes.
    void timesOutBeforeTheNextFrame()
    {
        std::unique_ptr<IVideoDevice> device = streaming(*m_camera, QSize(640, 480));
        QVERIFY(device);
        IVideoFrame frame;
        IVideoDevice::ReadResult result = IVideoDevice::Frame;
        // Right after a frame the next is a period away, unless this thread
        // was held up that long; then try again.
        for (int attempt = 0; attempt < 5 && result != IVideoDevice::Timeout; ++attempt) {
            QVERIFY(!nextFrame(*device).empty());
            frame = IVideoFrame();
            result = device->read(frame, 2);
        }
        QCOMPARE(result, IVideoDevice::Timeout);
        QVERIFY(frame.bgr.empty() && frame.mjpeg.isEmpty());
        QCOMPARE(device->read(frame, 1000), IVideoDevice::Frame);
        QCOMPARE(pictureOf(frame).cols, 640);
    }

    // A reader that fell behind gets the camera's pace again, not a burst
    // of the frames it missed.
    void slowReaderGetsNoBurst()
    {
        std::unique_ptr<IVideoDevice> device = streaming(*m_camera, QSize(640, 480));
        QVERIFY(device);
        QVERIFY(!nextFrame(*device).empty());
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!nextFrame(*device).empty());
        timer.restart();
        for (int i = 0; i < 4; ++i)
            QVERIFY(!nextFrame(*device).empty());
        const qint64 next = timer.elapsed();
        // Four frames on the camera's ticks: more than three periods.
        QVERIFY2(next >= 95, qPrintable(QString("%1 ms").arg(next)));
    }

    // Frames are the reader's own: drawing into one (as the edge detector
    // does) leaves the next one clean, and the picture is the same each
    // time and from each device.
    void framesAreTheReadersOwn()
    {
        std::unique_ptr<IVideoDevice> device = streaming(*m_camera, QSize(1280, 720));
        QVERIFY(device);
        cv::Mat first = nextFrame(*device);
        QVERIFY(!first.empty());
        const cv::Mat clean = first.clone();
        cv::rectangle(first, cv::Rect(100, 100, 400, 300), cv::Scalar(0, 0, 255), cv::FILLED);
        const cv::Mat second = nextFrame(*device);
        QVERIFY(sameMatrix(second, clean));
        device.reset();

        std::unique_ptr<IVideoDevice> other = streaming(*m_camera, QSize(1280, 720));
        QVERIFY(other);
        QVERIFY(sameMatrix(nextFrame(*other), clean));
    }

    // The raw option sends the very pictures the MJPG frames encode: the
    // two differ by no more than JPEG's loss.
    void rawFramesMatchTheMjpegOnes()
    {
        const QSize size(1920, 1080);
        std::unique_ptr<IVideoDevice> mjpeg = streaming(*m_camera, size);
        QVERIFY(mjpeg);
        const cv::Mat decoded = nextFrame(*mjpeg);
        mjpeg.reset();

        m_camera->setRawFrames(true);
        std::unique_ptr<IVideoDevice> raw = streaming(*m_camera, size);
        m_camera->setRawFrames(false);
        QVERIFY(raw);
        IVideoFrame frame;
        QCOMPARE(raw->read(frame, 3000), IVideoDevice::Frame);
        QVERIFY(frame.mjpeg.isEmpty());
        QCOMPARE(frame.bgr.size(), decoded.size());
        const double psnr = cv::PSNR(frame.bgr, decoded);
        QVERIFY2(psnr > 32.0 && psnr < 60.0, qPrintable(QString("PSNR %1 dB").arg(psnr)));
    }

    // Controls ----------------------------------------------------------

    void controlRanges_data()
    {
        QTest::addColumn<IVideoDevice::Control>("control");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("defaultValue");
        QTest::newRow("brightness") << IVideoDevice::Brightness << 255 << 128;
        QTest::newRow("contrast") << IVideoDevice::Contrast << 255 << 128;
        QTest::newRow("saturation") << IVideoDevice::Saturation << 255 << 128;
        QTest::newRow("focus") << IVideoDevice::Focus << 255 << 96;
        QTest::newRow("exposure") << IVideoDevice::Exposure << 255 << 128;
        QTest::newRow("automatic focus") << IVideoDevice::FocusAuto << 1 << 1;
        QTest::newRow("automatic exposure") << IVideoDevice::ExposureAuto << 1 << 1;
    }
    void controlRanges()
    {
        QFETCH(IVideoDevice::Control, control);
        QFETCH(int, maximum);
        QFETCH(int, defaultValue);
        std::unique_ptr<IVideoDevice> device = m_camera->open(IVirtualCamera::devicePath());
        QVERIFY(device);
        IControlRange range = device->control(control);
        QVERIFY(range.valid);
        QCOMPARE(range.minimum, 0);
        QCOMPARE(range.maximum, maximum);
        QCOMPARE(range.defaultValue, defaultValue);
        QCOMPARE(range.current, defaultValue);

        QVERIFY(device->setControl(control, 0));
        QCOMPARE(device->control(control).current, 0);
        QCOMPARE(device->control(control).defaultValue, defaultValue);
        if (maximum == 1) {
            // A switch is on or off, nothing else.
            QVERIFY(!device->setControl(control, 2));
            QVERIFY(!device->setControl(control, -1));
            QCOMPARE(device->control(control).current, 0);
        } else {
            // Out of range is clamped, as V4L2 drivers do.
            QVERIFY(device->setControl(control, 1000));
            QCOMPARE(device->control(control).current, 255);
            QVERIFY(device->setControl(control, -5));
            QCOMPARE(device->control(control).current, 0);
        }
        // Settings belong to the opened device.
        std::unique_ptr<IVideoDevice> other = m_camera->open(IVirtualCamera::devicePath());
        QCOMPARE(other->control(control).current, defaultValue);
    }

    // Each control changes the next frame measurably, in its direction.
    void controlChangesThePicture_data()
    {
        QTest::addColumn<int>("manual"); // switch to turn off first, or -1
        QTest::addColumn<IVideoDevice::Control>("control");
        QTest::addColumn<int>("value");
        QTest::addColumn<Measure>("measured");
        QTest::addColumn<double>("factor"); // at least this (>1) or at most this (<1) times the default's
        QTest::newRow("brightness up") << -1 << IVideoDevice::Brightness << 220 << Mean << 1.2;
        QTest::newRow("brightness down") << -1 << IVideoDevice::Brightness << 30 << Mean << 0.8;
        QTest::newRow("contrast up") << -1 << IVideoDevice::Contrast << 230 << Spread << 1.4;
        QTest::newRow("contrast down") << -1 << IVideoDevice::Contrast << 20 << Spread << 0.7;
        QTest::newRow("saturation up") << -1 << IVideoDevice::Saturation << 255 << Saturation << 1.4;
        QTest::newRow("saturation down") << -1 << IVideoDevice::Saturation << 30 << Saturation << 0.5;
        QTest::newRow("focus far") << int(IVideoDevice::FocusAuto) << IVideoDevice::Focus << 255 << Sharpness << 0.3;
        QTest::newRow("focus near") << int(IVideoDevice::FocusAuto) << IVideoDevice::Focus << 0 << Sharpness << 0.3;
        QTest::newRow("focus slightly off") << int(IVideoDevice::FocusAuto) << IVideoDevice::Focus << 130
                                            << Sharpness << 0.8;
        QTest::newRow("exposure up") << int(IVideoDevice::ExposureAuto) << IVideoDevice::Exposure << 200 << Mean
                                     << 1.2;
        QTest::newRow("exposure down") << int(IVideoDevice::ExposureAuto) << IVideoDevice::Exposure << 40 << Mean
                                       << 0.6;
    }
    void controlChangesThePicture()
    {
        QFETCH(int, manual);
        QFETCH(IVideoDevice::Control, control);
        QFETCH(int, value);
        QFETCH(Measure, measured);
        QFETCH(double, factor);
        std::unique_ptr<IVideoDevice> device = streaming(*m_camera, QSize(640, 480));
        QVERIFY(device);
        const double before = measure(measured, nextFrame(*device));
        if (manual >= 0) {
            QVERIFY(device->setControl(IVideoDevice::Control(manual), 0));
            // Manual at the default value looks as automatic does.
            const double unchanged = measure(measured, nextFrame(*device));
            QVERIFY2(std::abs(unchanged - before) <= 0.02 * before,
                     qPrintable(QString("%1 -> %2").arg(before).arg(unchanged)));
        }
        QVERIFY(device->setControl(control, value));
        const double after = measure(measured, nextFrame(*device));
        const QByteArray message = QString("%1 -> %2").arg(before).arg(after).toLatin1();
        if (factor > 1.0)
            QVERIFY2(after >= before * factor, message);
        else
            QVERIFY2(after <= before * factor, message);
    }

    // Automatic focus and exposure give the plain picture whatever the
    // manual values say; the manual values come back with manual mode.
    void automaticModesRestoreThePicture()
    {
        std::unique_ptr<IVideoDevice> device = streaming(*m_camera, QSize(640, 480));
        QVERIFY(device);
        const cv::Mat plain = nextFrame(*device);
        QVERIFY(device->setControl(IVideoDevice::Focus, 250));
        QVERIFY(device->setControl(IVideoDevice::Exposure, 250));
        QVERIFY(sameMatrix(nextFrame(*device), plain));

        QVERIFY(device->setControl(IVideoDevice::FocusAuto, 0));
        const double blurred = sharpness(nextFrame(*device));
        QVERIFY(blurred < 0.3 * sharpness(plain));
        QVERIFY(device->setControl(IVideoDevice::FocusAuto, 1));
        QVERIFY(sameMatrix(nextFrame(*device), plain));

        QVERIFY(device->setControl(IVideoDevice::ExposureAuto, 0));
        QVERIFY(meanLevel(nextFrame(*device)) > 1.2 * meanLevel(plain));
        QVERIFY(device->setControl(IVideoDevice::ExposureAuto, 1));
        QVERIFY(sameMatrix(nextFrame(*device), plain));

        // The sharp manual value is as sharp as automatic focus.
        QVERIFY(device->setControl(IVideoDevice::FocusAuto, 0));
        QVERIFY(device->setControl(IVideoDevice::Focus, device->control(IVideoDevice::Focus).defaultValue));
        QVERIFY(sameMatrix(nextFrame(*device), plain));
    }

    // No saturation is a grey picture.
    void saturationOffIsGrey()
    {
        std::unique_ptr<IVideoDevice> device = streaming(*m_camera, QSize(640, 480));
        QVERIFY(device);
        QVERIFY(saturation(nextFrame(*device)) > 40.0);
        QVERIFY(device->setControl(IVideoDevice::Saturation, 0));
        const cv::Mat grey = nextFrame(*device);
        cv::Mat channels[3];
        cv::split(grey, channels);
        QVERIFY(cv::norm(channels[0], channels[1], cv::NORM_INF) <= 1.0);
        QVERIFY(cv::norm(channels[1], channels[2], cv::NORM_INF) <= 1.0);
    }

    // Unplugging ---------------------------------------------------------

    void unplugAndPlugBackIn()
    {
        IVirtualCamera camera;
        QSignalSpy changes(&camera, &IVirtualCamera::presenceChanged);
        std::unique_ptr<IVideoDevice> device = streaming(camera, QSize(640, 480));
        QVERIFY(device);
        QVERIFY(!nextFrame(*device).empty());

        camera.setPresent(false);
        QVERIFY(!camera.isPresent());
        QVERIFY(camera.devices().isEmpty());
        QVERIFY(!camera.open(IVirtualCamera::devicePath()));
        IVideoFrame frame;
        QCOMPARE(device->read(frame, 1000), IVideoDevice::Lost);
        QVERIFY(!device->control(IVideoDevice::Brightness).valid);
        QVERIFY(!device->setControl(IVideoDevice::Brightness, 10));
        QVERIFY(!device->startStreaming());
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes[0][0].toBool(), false);
        QCOMPARE(changes[0][1].toString(), IVirtualCamera::devicePath());
        camera.setPresent(false); // no news
        QCOMPARE(changes.size(), 1);

        camera.setPresent(true);
        QCOMPARE(changes.size(), 2);
        QCOMPARE(changes[1][0].toBool(), true);
        QCOMPARE(changes[1][1].toString(), IVirtualCamera::devicePath());
        QCOMPARE(camera.devices().size(), 1);
        // The handle from before the unplugging stays dead, as a real one.
        QCOMPARE(device->read(frame, 1000), IVideoDevice::Lost);
        std::unique_ptr<IVideoDevice> again = streaming(camera, QSize(640, 480));
        QVERIFY(again);
        QVERIFY(!nextFrame(*again).empty());
    }

    // Plugging happens on another thread than reading: a reader sees Lost
    // promptly, and no frame once it has.
    void unplugFromAnotherThread()
    {
        IVirtualCamera camera;
        std::unique_ptr<IVideoDevice> device = streaming(camera, QSize(640, 480));
        QVERIFY(device);
        QVERIFY(!nextFrame(*device).empty());
        std::thread unplugger([&camera] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            camera.setPresent(false);
        });
        QElapsedTimer timer;
        timer.start();
        IVideoFrame frame;
        IVideoDevice::ReadResult result = IVideoDevice::Frame;
        while (result == IVideoDevice::Frame && timer.elapsed() < 5000)
            result = device->read(frame, 1000);
        unplugger.join();
        QCOMPARE(result, IVideoDevice::Lost);
        QVERIFY(timer.elapsed() < 1000);
        QCOMPARE(device->read(frame, 100), IVideoDevice::Lost);
    }

    // The registry's list follows the plugging.
    void registryFollowsThePlugging()
    {
        auto camera = std::make_shared<IVirtualCamera>();
        IVideoDeviceRegistry& registry = IVideoDeviceRegistry::instance();
        registry.add(camera);
        auto listed = [&registry] {
            for (const IVideoDeviceInfo& info : registry.devices()) {
                if (info.devicePath == IVirtualCamera::devicePath())
                    return true;
            }
            return false;
        };
        const bool before = listed();
        camera->setPresent(false);
        const bool whileUnplugged = listed();
        const bool opensUnplugged = bool(registry.open(IVirtualCamera::devicePath()));
        camera->setPresent(true);
        const bool after = listed();
        registry.remove(camera.get());
        QVERIFY(before);
        QVERIFY(!whileUnplugged);
        QVERIFY(!opensUnplugged);
        QVERIFY(after);
    }

    // Files ----------------------------------------------------------------

    // A picture is fitted into the frame without distortion and repeats.
    void showsAPicture()
    {
        cv::Mat picture(300, 400, CV_8UC3, cv::Scalar(0, 0, 200)); // red, right half blue
        picture(cv::Rect(200, 0, 200, 300)).setTo(cv::Scalar(200, 0, 0));
        const QString path = m_folder.filePath("picture.png");
        QVERIFY(cv::imwrite(QFile::encodeName(path).toStdString(), picture));

        IVirtualCamera camera(path);
        camera.setRawFrames(true); // exact colours, without JPEG's loss
        QCOMPARE(camera.source(), IVirtualCamera::Picture);
        QVERIFY(!camera.page());
        QCOMPARE(camera.devices().size(), 1);
        std::unique_ptr<IVideoDevice> device = streaming(camera, QSize(1280, 720));
        QVERIFY(device);
        const cv::Mat first = nextFrame(*device);
        QCOMPARE(first.cols, 1280);
        // 400x300 becomes 960x720 between bars of 160 columns.
        QCOMPARE(first.at<cv::Vec3b>(360, 80), cv::Vec3b(0, 0, 0));
        QCOMPARE(first.at<cv::Vec3b>(360, 1200), cv::Vec3b(0, 0, 0));
        QCOMPARE(first.at<cv::Vec3b>(360, 400), cv::Vec3b(0, 0, 200));
        QCOMPARE(first.at<cv::Vec3b>(360, 900), cv::Vec3b(200, 0, 0));
        for (int i = 0; i < 3; ++i)
            QVERIFY(sameMatrix(nextFrame(*device), first));

        QVERIFY(device->setControl(IVideoDevice::Brightness, 220));
        QVERIFY(meanLevel(nextFrame(*device)) > meanLevel(first) + 20.0);
    }

    // A video plays once at its own speed on the camera's 30 frames a
    // second, then the camera is unplugged; plugged back in, it plays from
    // the start.
    void playsAVideoOnce_data()
    {
        QTest::addColumn<double>("fps");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("shown"); // file frame of each camera frame
        QTest::newRow("30 fps") << 30.0 << 6 << QList<int>{0, 1, 2, 3, 4, 5};
        QTest::newRow("15 fps, each twice") << 15.0 << 3 << QList<int>{0, 0, 1, 1, 2, 2};
        QTest::newRow("60 fps, every other") << 60.0 << 8 << QList<int>{0, 2, 4, 6};
    }
    void playsAVideoOnce()
    {
        QFETCH(double, fps);
        QFETCH(int, count);
        QFETCH(QList<int>, shown);
        const QString path = writeVideo(m_folder.path(), fps, count);
        QVERIFY(!path.isEmpty());

        IVirtualCamera camera(path);
        QCOMPARE(camera.source(), IVirtualCamera::Video);
        QSignalSpy changes(&camera, &IVirtualCamera::presenceChanged);
        std::unique_ptr<IVideoDevice> device = streaming(camera, QSize(640, 480));
        QVERIFY(device);
        for (int i = 0; i < shown.size(); ++i) {
            const cv::Mat frame = nextFrame(*device);
            QCOMPARE(frame.cols, 640);
            QVERIFY2(std::abs(meanLevel(frame) - (20 + 20 * shown[i])) < 4.0,
                     qPrintable(QString("camera frame %1: %2").arg(i).arg(meanLevel(frame))));
        }
        IVideoFrame frame;
        QCOMPARE(device->read(frame, 1000), IVideoDevice::Lost);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes[0][0].toBool(), false);
        QVERIFY(camera.devices().isEmpty());

        camera.setPresent(true);
        std::unique_ptr<IVideoDevice> again = streaming(camera, QSize(640, 480));
        QVERIFY(again);
        QVERIFY(std::abs(meanLevel(nextFrame(*again)) - 20.0) < 4.0);
    }

    // What is not a local picture or video lists nothing, and reaches for
    // nothing beyond the disk.
    void unreadableFilesListNothing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << m_folder.filePath("missing.png");
        QTest::newRow("folder") << m_folder.path();
        QTest::newRow("text") << [this] {
            const QString path = m_folder.filePath("notes.avi");
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write("not a video at all\n");
            return path;
        }();
        QTest::newRow("address") << QString("http://127.0.0.1:9/clip.avi");
    }
    void unreadableFilesListNothing()
    {
        QFETCH(QString, path);
        // The user is told why there is no camera.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^virtual camera: "));
        IVirtualCamera camera(path);
        QCOMPARE(camera.source(), IVirtualCamera::Unreadable);
        QVERIFY(camera.devices().isEmpty());
        QVERIFY(!camera.open(IVirtualCamera::devicePath()));
        camera.setPresent(false);
        camera.setPresent(true);
        QVERIFY(camera.devices().isEmpty());
    }

    // The page's truth ------------------------------------------------------

    // The edge detector finds the page where the page says it lies, at the
    // angle its tilt means in the detector's terms.
    void edgeDetectorFindsThePageTruth_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("1280x720") << QSize(1280, 720);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
    }
    void edgeDetectorFindsThePageTruth()
    {
        QFETCH(QSize, size);
        std::unique_ptr<IVideoDevice> device = streaming(*m_camera, size);
        QVERIFY(device);
        cv::Mat frame = nextFrame(*device);
        QVERIFY(!frame.empty());

        const IVirtualPage& page = *m_camera->page();
        QVERIFY(std::abs(page.tilt()) >= 4.0 && std::abs(page.tilt()) <= 8.0);
        const QPolygonF truth = page.corners(cv::Size(size.width(), size.height()));
        QCOMPARE(truth.size(), 4);
        // A4 on a good part of the frame, wholly inside it.
        const double longSide = distance(truth[1], truth[2]);
        QVERIFY(std::abs(longSide / distance(truth[0], truth[1]) - std::sqrt(2.0)) < 0.01);
        QVERIFY(longSide > 0.6 * size.height() && longSide < 0.95 * size.height());
        for (const QPointF& c : truth)
            QVERIFY(QRectF(20, 20, size.width() - 40, size.height() - 40).contains(c));
        // The page's top edge climbs to the right when the tilt is positive.
        const double topRise = truth[0].y() - truth[1].y();
        QCOMPARE(topRise > 0, page.tilt() > 0);

        const IEdgeResult found = IOpencvApi::cvEdgeDetect(frame);
        QCOMPARE(found.corners.size(), 4);
        for (const QPointF& c : truth) {
            double nearest = 1e9;
            for (const QPointF& f : found.corners)
                nearest = std::min(nearest, distance(c, f));
            QVERIFY2(nearest < 3.0, qPrintable(QString("corner (%1, %2) off by %3").arg(c.x()).arg(c.y()).arg(nearest)));
        }
        const double expectedAngle = page.tilt() - 90.0 * std::floor(page.tilt() / 90.0) - 90.0;
        QVERIFY2(std::abs(found.angle - expectedAngle) < 0.3,
                 qPrintable(QString("found %1, expected %2").arg(found.angle).arg(expectedAngle)));
    }

    // Other tilts keep the same meaning.
    void tiltFollowsTheDetectorsConvention_data()
    {
        QTest::addColumn<double>("tilt");
        QTest::addColumn<double>("angle");
        QTest::newRow("clockwise 5") << -5.0 << -5.0;
        QTest::newRow("counter-clockwise 7") << 7.0 << -83.0;
    }
    void tiltFollowsTheDetectorsConvention()
    {
        QFETCH(double, tilt);
        QFETCH(double, angle);
        IVirtualPage page(tilt);
        cv::Mat frame = page.scene(cv::Size(1280, 720)).clone();
        QVERIFY(std::abs(IOpencvApi::cvEdgeDetect(frame).angle - angle) < 0.3);
    }

    // Command line -----------------------------------------------------------

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("file");
        const QString program = "veskaroo";
        QTest::newRow("nothing") << QStringList{program} << int(IVirtualCameraOptions::Off) << QString();
        QTest::newRow("other options") << QStringList{program, "--verbose", "--virtual-cameras"}
                                       << int(IVirtualCameraOptions::Off) << QString();
        QTest::newRow("rendered") << QStringList{program, "--virtual-camera"} << int(IVirtualCameraOptions::Rendered)
                                  << QString();
        QTest::newRow("absolute file") << QStringList{program, "--virtual-camera=/data/page.png"}
                                       << int(IVirtualCameraOptions::File) << QString("/data/page.png");
        QTest::newRow("relative file") << QStringList{program, "--virtual-camera=clips/a b.avi"}
                                       << int(IVirtualCameraOptions::File)
                                       << QDir::current().absoluteFilePath("clips/a b.avi");
        QTest::newRow("home") << QStringList{program, "--virtual-camera=~/page.jpg"}
                              << int(IVirtualCameraOptions::File) << QDir::home().absoluteFilePath("page.jpg");
        QTest::newRow("empty file") << QStringList{program, "--virtual-camera="}
                                    << int(IVirtualCameraOptions::Rendered) << QString();
        QTest::newRow("last wins") << QStringList{program, "--virtual-camera=/a.png", "--virtual-camera"}
                                   << int(IVirtualCameraOptions::Rendered) << QString();
        QTest::newRow("last wins, file") << QStringList{program, "--virtual-camera", "--virtual-camera=/b.png"}
                                         << int(IVirtualCameraOptions::File) << QString("/b.png");
        QTest::newRow("after --") << QStringList{program, "--", "--virtual-camera"}
                                  << int(IVirtualCameraOptions::Off) << QString();
        QTest::newRow("raw frames") << QStringList{program, "--virtual-camera-raw", "--virtual-camera"}
                                    << int(IVirtualCameraOptions::Rendered) << QString();
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, mode);
        QFETCH(QString, file);
        const IVirtualCameraOptions options = IVirtualCameraOptions::parse(arguments);
        QCOMPARE(int(options.mode()), mode);
        QCOMPARE(options.filePath(), file);
        QCOMPARE(options.rawFrames(), arguments.contains("--virtual-camera-raw"));
    }
};

VESKAROO_TEST_MAIN(TestVirtualCamera)
#include "tst_virtualcamera.moc"
