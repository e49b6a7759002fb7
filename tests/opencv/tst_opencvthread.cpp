// The OpenCV capture thread on a video-file source and on a fake device:
// frames, resolution changes, freezing, rotation, lost devices, shutdown.
#include "common/fakevideodevice.h"
#include "common/queuedspy.h"
#include "common/testenv.h"

#include "common/syntheticdocument.h"
#include "directshow/ivideodeviceregistry.h"
#include "opencv/iopencvthread.h"

#include <opencv2/imgcodecs.hpp>

#include <opencv2/imgproc.hpp>
#include <opencv2/videoio.hpp>

#include <QElapsedTimer>
#include <QMutex>
#include <QSignalSpy>

namespace {

// Writes a small MJPG video whose frames are told apart by their grey level.
QString writeVideo(const QString& folder, int frames, cv::Size size = {320, 240})
{
    const QString path = folder + QStringLiteral("/clip%1.avi").arg(frames);
    cv::VideoWriter writer(path.toStdString(), cv::VideoWriter::fourcc('M', 'J', 'P', 'G'), 30.0, size);
    for (int i = 0; i < frames; ++i) {
        cv::Mat frame(size, CV_8UC3, cv::Scalar(40 + (i * 3) % 200, 90, 160));
        cv::putText(frame, std::to_string(i), {20, 60}, cv::FONT_HERSHEY_SIMPLEX, 1.5, {255, 255, 255}, 3);
        writer.write(frame);
    }
    return path;
}

ICameraInfo fileCamera(const QString& path)
{
    ICameraInfo camera;
    camera.index = 0;
    camera.devicePath = path;
    return camera;
}

// A device that answers like a camera refusing some heights; it records
// every property write.
class FakeDevice : public ICaptureDevice
{
public:
    struct Log
    {
        QMutex mutex;
        QList<QPair<int, double>> writes;
    };

    FakeDevice(std::shared_ptr<Log> log, QList<int> refusedHeights)
        : m_log(std::move(log)), m_refused(std::move(refusedHeights)) {}

    bool isOpened() const override { return m_open; }
    bool read(cv::Mat& frame) override
    {
        QThread::msleep(5);
        frame = cv::Mat(m_size, CV_8UC3, cv::Scalar(10, 20, 30));
        return true;
    }
    bool set(int property, double value) override
    {
        {
            QMutexLocker lock(&m_log->mutex);
            m_log->writes.append({property, value});
        }
        if (property == cv::CAP_PROP_FRAME_WIDTH)
            m_size.width = int(value);
        else if (property == cv::CAP_PROP_FRAME_HEIGHT) {
            if (m_refused.contains(int(value)))
                return false;
            m_size.height = int(value);
        }
        return true;
    }
    double get(int property) const override
    {
        if (property == cv::CAP_PROP_FRAME_WIDTH)
            return m_size.width;
        if (property == cv::CAP_PROP_FRAME_HEIGHT)
            return m_size.height;
        return 0.5;
    }
    void release() override { m_open = false; }

private:
    std::shared_ptr<Log> m_log;
    QList<int> m_refused;
    cv::Size m_size{640, 480};
    bool m_open = true;
};

QList<int> codes(const QList<QList<QVariant>>& spy)
{
    QList<int> result;
    for (const QList<QVariant>& args : spy)
        result << args.first().toInt();
    return result;
}

using Writes = QList<QPair<int, int>>; // (control, value)

QSize lastFrameSize(const QList<QList<QVariant>>& frames)
{
    return frames.isEmpty() ? QSize() : frames.last().first().value<QImage>().size();
}

const QString kCameraPath = QStringLiteral("/dev/v4l/by-id/usb-Test_Camera-video-index0");

// Two cameras of the program's device list, the one under test second.
struct ListedCameras
{
    std::shared_ptr<FakeVideoProvider> other =
        std::make_shared<FakeVideoProvider>("Other Camera", "/dev/v4l/by-id/usb-Other-video-index0", "AAAA", "BBBB");
    std::shared_ptr<FakeVideoProvider> camera =
        std::make_shared<FakeVideoProvider>("Test Camera", kCameraPath, "1A2B", "3C4D");

    ListedCameras()
    {
        IVideoDeviceRegistry::instance().clear();
        IVideoDeviceRegistry::instance().add(other);
        IVideoDeviceRegistry::instance().add(camera);
    }
    ~ListedCameras() { IVideoDeviceRegistry::instance().clear(); }

    // Its index is the first place of the list: what counts is the path.
    static ICameraInfo info()
    {
        ICameraInfo camera;
        camera.index = 0;
        camera.devicePath = kCameraPath;
        return camera;
    }
};

} // namespace

class TestOpencvThread : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_longVideo;
    QString m_shortVideo;

private slots:
    void initTestCase()
    {
        m_longVideo = writeVideo(m_dir.path(), 600);
        m_shortVideo = writeVideo(m_dir.path(), 8);
    }

    void framesArriveAsPictures()
    {
        IOpencvThread thread;
        QueuedSpy frames(&thread, &IOpencvThread::sgCameraFrame);
        QueuedSpy errors(&thread, &IOpencvThread::sgError);
        thread.open(fileCamera(m_longVideo));
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 5, 10000);
        const QImage first = frames.first().first().value<QImage>();
        QCOMPARE(first.size(), QSize(320, 240));
        QCOMPARE(first.format(), QImage::Format_RGB888);
        QCOMPARE(codes(errors), QList<int>{0});
        QCOMPARE(thread.parameter(IOpencvThread::FrameSize).toSizeF(), QSizeF(320, 240));
    }

    void sizeAskedBeforeOpeningIsAppliedWhileOpening()
    {
        IOpencvThread thread;
        QueuedSpy frames(&thread, &IOpencvThread::sgCameraFrame);
        QueuedSpy errors(&thread, &IOpencvThread::sgError);
        thread.setOperate(IOpencvThread::FrameSize, QSizeF(160, 120));
        thread.open(fileCamera(m_longVideo));
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        QCOMPARE(frames.first().first().value<QImage>().size(), QSize(160, 120));
        QCOMPARE(codes(errors), QList<int>{0});
    }

    void sizeAskedWhileRunningIsAppliedOnTheNextTurn()
    {
        IOpencvThread thread;
        QueuedSpy frames(&thread, &IOpencvThread::sgCameraFrame);
        thread.open(fileCamera(m_longVideo));
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 2, 10000);
        thread.setOperate(IOpencvThread::FrameSize, QSizeF(200, 150));
        // Frames already on their way keep the old size, however many a busy
        // machine has queued; once the new size shows, it stays.
        const auto lastSize = [&frames] { return frames.last().first().value<QImage>().size(); };
        QTRY_VERIFY_WITH_TIMEOUT(!frames.isEmpty() && lastSize() == QSize(200, 150), 10000);
        frames.clear();
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 2, 10000);
        for (const QList<QVariant>& frame : frames)
            QCOMPARE(frame.first().value<QImage>().size(), QSize(200, 150));
    }

    void refusedHeightIsRetriedTenPixelsLower()
    {
        auto log = std::make_shared<FakeDevice::Log>();
        IOpencvThread thread;
        thread.setDeviceFactory([log](const ICameraInfo&) {
            return std::make_unique<FakeDevice>(log, QList<int>{1080});
        });
        QueuedSpy frames(&thread, &IOpencvThread::sgCameraFrame);
        QueuedSpy errors(&thread, &IOpencvThread::sgError);
        thread.open(fileCamera("fake"));
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        thread.setOperate(IOpencvThread::FrameSize, QSizeF(1920, 1080));
        QTRY_COMPARE_WITH_TIMEOUT(frames.last().first().value<QImage>().size(), QSize(1920, 1070), 10000);
        QMutexLocker lock(&log->mutex);
        QVERIFY(log->writes.contains({int(cv::CAP_PROP_FRAME_HEIGHT), 1080.0}));
        QVERIFY(log->writes.contains({int(cv::CAP_PROP_FRAME_HEIGHT), 1070.0}));
        QVERIFY(log->writes.contains({int(cv::CAP_PROP_FOURCC), double(cv::VideoWriter::fourcc('M', 'J', 'P', 'G'))}));
        QCOMPARE(codes(errors), QList<int>{0}); // the retry succeeded
    }

    void heightRefusedTwiceReportsCodeTwo()
    {
        auto log = std::make_shared<FakeDevice::Log>();
        IOpencvThread thread;
        thread.setDeviceFactory([log](const ICameraInfo&) {
            return std::make_unique<FakeDevice>(log, QList<int>{1080, 1070});
        });
        QueuedSpy errors(&thread, &IOpencvThread::sgError);
        thread.open(fileCamera("fake"));
        QTRY_COMPARE_WITH_TIMEOUT(codes(errors), QList<int>{0}, 10000);
        thread.setOperate(IOpencvThread::FrameSize, QSizeF(1920, 1080));
        QTRY_COMPARE_WITH_TIMEOUT(codes(errors), (QList<int>{0, 2}), 10000);
    }

    void deviceSettingsApplyAtOnce()
    {
        auto log = std::make_shared<FakeDevice::Log>();
        IOpencvThread thread;
        thread.setDeviceFactory([log](const ICameraInfo&) { return std::make_unique<FakeDevice>(log, QList<int>{}); });
        QueuedSpy errors(&thread, &IOpencvThread::sgError);
        thread.open(fileCamera("fake"));
        QTRY_COMPARE_WITH_TIMEOUT(codes(errors), QList<int>{0}, 10000);
        QCOMPARE(thread.parameter(IOpencvThread::Brightness).toDouble(), 0.5); // read from the device
        thread.setOperate(IOpencvThread::Brightness, 0.25);
        thread.setOperate(IOpencvThread::Focus, -999);
        thread.setOperate(IOpencvThread::Focus, 30);
        thread.setOperate(IOpencvThread::Exposure, -999);
        QCOMPARE(thread.parameter(IOpencvThread::Brightness).toDouble(), 0.25);
        QMutexLocker lock(&log->mutex);
        QVERIFY(log->writes.contains({int(cv::CAP_PROP_BRIGHTNESS), 0.25}));
        QVERIFY(log->writes.contains({int(cv::CAP_PROP_AUTOFOCUS), 1.0}));
        QVERIFY(log->writes.contains({int(cv::CAP_PROP_FOCUS), 30.0}));
        QVERIFY(log->writes.contains({int(cv::CAP_PROP_AUTO_EXPOSURE), 1.0}));
    }

    void freezingKeepsTheFrameAndEmitsNothing()
    {
        IOpencvThread thread;
        QueuedSpy frames(&thread, &IOpencvThread::sgCameraFrame);
        thread.open(fileCamera(m_longVideo));
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 2, 10000);
        thread.setOperate(IOpencvThread::Live, false);
        QTest::qWait(100); // a frame already queued may still arrive
        frames.clear();
        QTest::qWait(400);
        QCOMPARE(frames.count(), 0);
        const QImage still = thread.picture(1);
        QVERIFY(!still.isNull());
        QCOMPARE(thread.picture(1), still); // the same frozen frame every time
        QCOMPARE(thread.picture(2).format(), QImage::Format_Indexed8);

        thread.setOperate(IOpencvThread::Live, true);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 2, 10000);
    }

    void edgeDetectionOutlinesThePageInEveryFrame()
    {
        const SyntheticDocument page = SyntheticDocument::render({640, 480}, 12.0);
        const QString picture = m_dir.path() + "/page.png";
        QVERIFY(cv::imwrite(picture.toStdString(), page.frame));

        IOpencvThread thread;
        QueuedSpy frames(&thread, &IOpencvThread::sgCameraFrame);
        thread.open(fileCamera(picture));
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        QCOMPARE(thread.edgeResult().angle, -1.0); // off after opening
        thread.setOperate(IOpencvThread::EdgeDetection, true);
        QTRY_VERIFY_WITH_TIMEOUT(thread.edgeResult().corners.size() == 4, 10000);
        const IEdgeResult edge = thread.edgeResult();
        QVERIFY(qAbs(edge.angle - (12.0 - 90.0)) < 2.0);
        for (const cv::Point2f& truth : page.corners) {
            bool near = false;
            for (const QPointF& found : edge.corners)
                near = near || QLineF(found, QPointF(truth.x, truth.y)).length() < 4.0;
            QVERIFY2(near, qPrintable(QString("corner %1,%2 not found").arg(truth.x).arg(truth.y)));
        }
        frames.clear();
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        const QImage outlined = frames.last().first().value<QImage>();
        const QPointF corner = edge.corners.first();
        QCOMPARE(outlined.pixelColor(corner.toPoint()), QColor(255, 0, 0));
    }

    // --- A camera of the program's device list ---

    void cameraIsOpenedByItsDevicePath()
    {
        ListedCameras cameras;
        cameras.camera->state()->format = QSize(1280, 720);
        IOpencvThread thread;
        QueuedSpy frames(&thread, &IOpencvThread::sgCameraFrame);
        QueuedSpy errors(&thread, &IOpencvThread::sgError);
        thread.open(ListedCameras::info());
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 2, 10000);
        QCOMPARE(lastFrameSize(frames), QSize(1280, 720));
        QCOMPARE(codes(errors), QList<int>{0});
        QCOMPARE(cameras.camera->state()->opens, 1);
        QCOMPARE(cameras.other->state()->opens, 0);
        QCOMPARE(thread.parameter(IOpencvThread::Brightness).toDouble(), 128.0); // the device's own

        // A new size restarts the stream at it.
        thread.setOperate(IOpencvThread::FrameSize, QSizeF(1920, 1080));
        QTRY_COMPARE_WITH_TIMEOUT(lastFrameSize(frames), QSize(1920, 1080), 10000);
        QCOMPARE(codes(errors), QList<int>{0});

        // Unplugged, it is lost.
        {
            QMutexLocker lock(&cameras.camera->state()->mutex);
            cameras.camera->state()->present = false;
        }
        QTRY_COMPARE_WITH_TIMEOUT(codes(errors), (QList<int>{0, 3}), 10000);
        thread.stop();
    }

    // -999 means automatic; any other value is a manual one, which needs the
    // automatic mode off first.
    void focusAndExposureOfACamera_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("value");
        QTest::addColumn<Writes>("writes");
        QTest::newRow("automatic exposure") << int(IOpencvThread::Exposure) << -999
                                            << Writes{{IVideoDevice::ExposureAuto, 1}};
        QTest::newRow("manual exposure") << int(IOpencvThread::Exposure) << 300
                                         << Writes{{IVideoDevice::ExposureAuto, 0}, {IVideoDevice::Exposure, 300}};
        QTest::newRow("automatic focus") << int(IOpencvThread::Focus) << -999 << Writes{{IVideoDevice::FocusAuto, 1}};
        QTest::newRow("manual focus") << int(IOpencvThread::Focus) << 120
                                      << Writes{{IVideoDevice::FocusAuto, 0}, {IVideoDevice::Focus, 120}};
    }

    void focusAndExposureOfACamera()
    {
        QFETCH(int, operation);
        QFETCH(int, value);
        QFETCH(Writes, writes);
        ListedCameras cameras;
        const auto state = cameras.camera->state();
        IOpencvThread thread;
        QueuedSpy errors(&thread, &IOpencvThread::sgError);
        thread.open(ListedCameras::info());
        QTRY_COMPARE_WITH_TIMEOUT(codes(errors), QList<int>{0}, 10000);
        {
            QMutexLocker lock(&state->mutex);
            state->writes.clear();
        }
        thread.setOperate(IOpencvThread::OperateType(operation), value);
        QMutexLocker lock(&state->mutex);
        QCOMPARE(state->writes, writes);
    }

    void rotationArithmetic()
    {
        IOpencvThread thread;
        thread.setOperate(IOpencvThread::RotateBy, 200);
        QCOMPARE(thread.parameter(IOpencvThread::RotateBy).toInt(), 200);
        thread.setOperate(IOpencvThread::RotateBy, 200);
        QCOMPARE(thread.parameter(IOpencvThread::RotateBy).toInt(), 0);
        thread.setOperate(IOpencvThread::RotateBy, 90);
        thread.setOperate(IOpencvThread::RotateBy, 90);
        QCOMPARE(thread.parameter(IOpencvThread::RotateBy).toInt(), 180);
        thread.setOperate(IOpencvThread::Rotation, 270);
        QCOMPARE(thread.parameter(IOpencvThread::RotateBy).toInt(), 270);
    }

    void pictureWithoutDeviceIsNull()
    {
        IOpencvThread thread;
        QVERIFY(thread.picture(1).isNull());
        QVERIFY(!thread.parameter(IOpencvThread::Live).isValid());
        QCOMPARE(thread.edgeResult().angle, -1.0);
    }

    void emptyFrameReportsCodeThreeAndEnds()
    {
        IOpencvThread thread;
        QueuedSpy frames(&thread, &IOpencvThread::sgCameraFrame);
        QueuedSpy errors(&thread, &IOpencvThread::sgError);
        thread.open(fileCamera(m_shortVideo));
        QTRY_VERIFY_WITH_TIMEOUT(thread.isFinished(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(codes(errors), (QList<int>{0, 3}), 5000);
        QVERIFY(frames.count() >= 7);
        QVERIFY(thread.picture(1).isNull()); // the device is released
    }

    void unopenableDeviceReportsCodeOne()
    {
        IOpencvThread thread;
        QueuedSpy errors(&thread, &IOpencvThread::sgError);
        ICameraInfo camera;
        camera.index = 97; // no device has an empty path
        thread.open(camera);
        QTRY_VERIFY_WITH_TIMEOUT(thread.isFinished(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(codes(errors), QList<int>{1}, 5000);

        // The camera may be there next time.
        QueuedSpy frames(&thread, &IOpencvThread::sgCameraFrame);
        thread.open(fileCamera(m_longVideo));
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
    }

    void stopWhileOpeningIsNotLost()
    {
        QElapsedTimer clock;
        clock.start();
        {
            IOpencvThread thread;
            thread.open(fileCamera(m_longVideo)); // 20 s of video
            thread.stop();                         // at once, mid-opening
            QVERIFY(thread.isFinished());
        }
        QVERIFY(clock.elapsed() < 5000);
    }

    void destructorStopsARunningThread()
    {
        auto* thread = new IOpencvThread;
        QueuedSpy frames(thread, &IOpencvThread::sgCameraFrame);
        QSignalSpy finished(thread, &QThread::finished);
        thread->open(fileCamera(m_longVideo));
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        QVERIFY(thread->isRunning());
        delete thread;
        QCOMPARE(finished.count(), 1);
    }

    void stoppedThreadCanBeOpenedAgain()
    {
        IOpencvThread thread;
        QueuedSpy frames(&thread, &IOpencvThread::sgCameraFrame);
        thread.open(fileCamera(m_longVideo));
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        thread.stop();
        QVERIFY(thread.isFinished());
        QTest::qWait(50); // frames of the first run still on their way
        frames.clear();
        thread.open(fileCamera(m_longVideo));
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
    }
};

VESKAROO_TEST_MAIN(TestOpencvThread)
#include "tst_opencvthread.moc"
