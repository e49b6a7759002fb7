// The USB capture source against scripted devices: format negotiation, MJPG
// decoding, fall-back sizes, odd samples, reopening at a new size, controls,
// freezing, stills, lost devices, and the enumeration functions.
#include "common/fakevideodevice.h"
#include "common/queuedspy.h"
#include "common/testenv.h"

#include "directshow/idirectshowapi.h"
#include "directshow/idshowthread.h"
#include "directshow/ivideodeviceregistry.h"
#include "service/iconfigureservice.h"

#include <QSettings>
#include <QSignalSpy>

#include <chrono>
#include <future>

namespace {

const QString kPath = QStringLiteral("/dev/v4l/by-id/usb-Test_Camera-video-index0");

QList<int> codes(const QList<QList<QVariant>>& spy)
{
    QList<int> result;
    for (const QList<QVariant>& args : spy)
        result << args.first().toInt();
    return result;
}

QSize lastFrameSize(const QList<QList<QVariant>>& frames)
{
    return frames.isEmpty() ? QSize() : frames.last().first().value<QImage>().size();
}

// Collects the log lines of every thread while it lives; they still reach
// the test's own output.
class LogCapture
{
public:
    LogCapture()
    {
        QMutexLocker lock(&s_mutex);
        s_lines.clear();
        s_previous = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture() { qInstallMessageHandler(s_previous); }
    QStringList lines() const
    {
        QMutexLocker lock(&s_mutex);
        return s_lines;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        QtMessageHandler previous;
        {
            QMutexLocker lock(&s_mutex);
            s_lines << text;
            previous = s_previous;
        }
        if (previous)
            previous(type, context, text);
    }

    static QMutex s_mutex;
    static QStringList s_lines;
    static QtMessageHandler s_previous;
};

QMutex LogCapture::s_mutex;
QStringList LogCapture::s_lines;
QtMessageHandler LogCapture::s_previous = nullptr;

} // namespace

class TestDShowThread : public QObject
{
    Q_OBJECT

    std::shared_ptr<FakeVideoProvider> m_camera;

    std::shared_ptr<FakeCameraState> state() { return m_camera->state(); }

private slots:
    void init()
    {
        IVideoDeviceRegistry::instance().clear();
        m_camera = std::make_shared<FakeVideoProvider>("Test Camera", kPath, "1A2B", "3C4D");
        IVideoDeviceRegistry::instance().add(m_camera);
        IConfigureService::instance()->readConfigure();
    }

    void requestedSizeIsNegotiatedAndFramesDecodedAtIt_data()
    {
        QTest::addColumn<bool>("raw");
        QTest::newRow("MJPG") << false;
        QTest::newRow("ready pictures") << true;
    }

    void requestedSizeIsNegotiatedAndFramesDecodedAtIt()
    {
        QFETCH(bool, raw);
        state()->rawFrames = raw;
        IDShowThread source;
        QueuedSpy frames(&source, &IDShowThread::sgCameraFrame);
        QueuedSpy errors(&source, &IDShowThread::sgError);
        source.setResolution(QSizeF(1280, 720));
        source.open(kPath, false);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 3, 10000);
        QCOMPARE(lastFrameSize(frames), QSize(1280, 720));
        QCOMPARE(frames.last().first().value<QImage>().format(), QImage::Format_RGB888);
        QCOMPARE(codes(errors), QList<int>{0});
        QCOMPARE(source.supportedResolutions(), (QList<QSizeF>{{640, 480}, {1280, 720}, {1920, 1080}}));
        QVERIFY(!source.picture(1).isNull());
        QCOMPARE(source.picture(2).format(), QImage::Format_Indexed8);
    }

    void withoutARequestTheDeviceSizeIsKept()
    {
        IDShowThread source;
        QueuedSpy frames(&source, &IDShowThread::sgCameraFrame);
        source.open(kPath.toUpper(), false); // paths compare without regard to case
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        QCOMPARE(lastFrameSize(frames), QSize(640, 480));
    }

    void refusedSizeFallsBackToTheFirstAndIsStored()
    {
        state()->refused = {QSize(1920, 1080)};
        IDShowThread source;
        QueuedSpy frames(&source, &IDShowThread::sgCameraFrame);
        QueuedSpy errors(&source, &IDShowThread::sgError);
        source.setResolution(QSizeF(1920, 1080));
        source.open(kPath, false);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        QCOMPARE(lastFrameSize(frames), QSize(640, 480));
        QCOMPARE(codes(errors), QList<int>{0});
        QTRY_COMPARE(IConfigureService::instance()->cameraResolution(), QSize(640, 480));
        QSettings ini(IConfigureService::settingsFilePath(), QSettings::IniFormat);
        QCOMPARE(ini.value("cameraresolution/width").toInt(), 640);
    }

    void samplesOfUnexpectedSizeAreDropped()
    {
        state()->oddSampleEvery = 2;
        IDShowThread source;
        QueuedSpy frames(&source, &IDShowThread::sgCameraFrame);
        QueuedSpy errors(&source, &IDShowThread::sgError);
        source.open(kPath, false);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 6, 10000);
        for (const QList<QVariant>& args : frames)
            QCOMPARE(args.first().value<QImage>().size(), QSize(640, 480));
        QVERIFY(state()->framesDelivered >= 11);
        QCOMPARE(codes(errors), QList<int>{0}); // strays are no lost camera
    }

    // A camera that never sends a frame that can be shown is no success:
    // the user hears of it once, the log says why, and frames that become
    // right again are shown.
    void aCameraSendingNothingShowableIsReportedOnce_data()
    {
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<QString>("why");
        QTest::newRow("frames at another size") << false << "camera frames of 320x240 do not match the negotiated 640x480";
        QTest::newRow("frames that do not decode") << true << "camera frames cannot be decoded";
    }

    void aCameraSendingNothingShowableIsReportedOnce()
    {
        QFETCH(bool, damaged);
        QFETCH(QString, why);
        state()->oddSampleEvery = damaged ? 0 : 1;
        state()->damagedFrames = damaged;
        LogCapture log;
        IDShowThread source;
        QueuedSpy frames(&source, &IDShowThread::sgCameraFrame);
        QueuedSpy errors(&source, &IDShowThread::sgError);
        source.open(kPath, false);
        QTRY_COMPARE_WITH_TIMEOUT(codes(errors), (QList<int>{0, 3}), 10000);
        const QStringList told = log.lines().filter(why);
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.first().contains(kPath), qPrintable(told.first()));
        QTest::qWait(400);
        QCOMPARE(codes(errors), (QList<int>{0, 3}));
        QCOMPARE(frames.count(), 0);
        QVERIFY(source.isStreaming());

        state()->oddSampleEvery = 0;
        state()->damagedFrames = false;
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        QCOMPARE(lastFrameSize(frames), QSize(640, 480));
        QCOMPARE(codes(errors), (QList<int>{0, 3}));
    }

    void resolutionChangeWhileStreamingReopensAtTheNewSize()
    {
        IDShowThread source;
        QueuedSpy frames(&source, &IDShowThread::sgCameraFrame);
        QueuedSpy errors(&source, &IDShowThread::sgError);
        source.open(kPath, false);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        source.setResolution(QSizeF(1920, 1080));
        QTRY_COMPARE_WITH_TIMEOUT(lastFrameSize(frames), QSize(1920, 1080), 10000);
        QCOMPARE(state()->opens, 2);
        QCOMPARE(codes(errors), (QList<int>{0, 0}));
    }

    void focusAndExposureAutomaticOrManual()
    {
        IDShowThread source;
        QueuedSpy errors(&source, &IDShowThread::sgError);
        source.open(kPath, false);
        QTRY_COMPARE_WITH_TIMEOUT(codes(errors), QList<int>{0}, 10000);

        const ICameraParameterData p = source.cameraParameter();
        QCOMPARE(p.focus, (QVariantList{-999, 0, 250, 0}));          // automatic focus
        QCOMPARE(p.exposure, (QVariantList{156, 156, 2047, 3}));     // manual exposure
        QCOMPARE(p.brightness, (QVariantList{128, 128, 255, 0}));

        QVERIFY(source.setFocus(100));
        QVERIFY(source.setExposure(-999));
        QVERIFY(source.setBrightness(90));
        QVERIFY(!source.setContrast(500)); // out of range: refused
        QMutexLocker lock(&state()->mutex);
        const auto& w = state()->writes;
        QVERIFY(w.contains({int(IVideoDevice::FocusAuto), 0}));
        QVERIFY(w.contains({int(IVideoDevice::Focus), 100}));
        QVERIFY(w.contains({int(IVideoDevice::ExposureAuto), 1}));
        QVERIFY(!w.contains({int(IVideoDevice::Exposure), -999}));
        QVERIFY(w.contains({int(IVideoDevice::Brightness), 90}));
    }

    void freezingKeepsThePicture()
    {
        IDShowThread source;
        QueuedSpy frames(&source, &IDShowThread::sgCameraFrame);
        source.open(kPath, false);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 2, 10000);
        source.setLive(false);
        QTest::qWait(100);
        const QImage frozen = source.picture(1);
        frames.clear();
        QTest::qWait(300);
        QCOMPARE(frames.count(), 0);
        QCOMPARE(source.picture(1), frozen);
        source.setLive(true);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 2, 10000);
        QVERIFY(source.picture(1) != frozen);
    }

    // The GUI thread pauses and resumes the frames while the worker reads
    // them: by freezing, or by a preview render that takes them over.
    void pausingWhileFramesFlow_data()
    {
        QTest::addColumn<bool>("byPreviewRender");
        QTest::newRow("freeze") << false;
        QTest::newRow("preview render") << true;
    }

    void pausingWhileFramesFlow()
    {
        QFETCH(bool, byPreviewRender);
        IDShowThread source;
        QueuedSpy frames(&source, &IDShowThread::sgCameraFrame);
        source.open(kPath, false);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        const auto pause = [&](bool paused) {
            if (byPreviewRender)
                source.setPreviewRender(paused ? 1 : 0);
            else
                source.setLive(!paused);
        };
        for (int i = 0; i < 40; ++i) {
            pause(i % 2 == 0);
            QTest::qWait(3);
        }
        pause(true);
        QTest::qWait(100); // a frame already on its way may still arrive
        frames.clear();
        QTest::qWait(300);
        QCOMPARE(frames.count(), 0);
        pause(false);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 2, 10000);
    }

    // A snap asks for the picture on the GUI thread while the capture thread
    // waits inside the device for the next frame: it must not wait too.
    void pictureAndOutlineAnswerWhileAReadWaits()
    {
        IDShowThread source;
        QueuedSpy frames(&source, &IDShowThread::sgCameraFrame);
        source.setEdgeDetection(true);
        source.open(kPath, false);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        state()->holdReads = true;
        QTRY_COMPARE_WITH_TIMEOUT(state()->readsWaiting.load(), 1, 10000);

        auto answer = std::async(std::launch::async, [&source] {
            return qMakePair(source.picture(1), source.edgeResult());
        });
        const bool answered = answer.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
        state()->holdReads = false;
        QVERIFY(answered);
        const auto result = answer.get();
        QCOMPARE(result.first.size(), lastFrameSize(frames));
        QVERIFY(result.second.angle != -1.0); // the fake's frames were outlined
    }

    void stillsOnlyFromStillCameras()
    {
        IDShowThread plain;
        QueuedSpy plainStills(&plain, &IDShowThread::sgStillImage);
        QueuedSpy plainFrames(&plain, &IDShowThread::sgCameraFrame);
        plain.open(kPath, false);
        QTRY_VERIFY_WITH_TIMEOUT(plainFrames.count() >= 1, 10000);
        plain.triggerStill();
        QTest::qWait(200);
        QCOMPARE(plainStills.count(), 0);
        plain.close();

        IDShowThread still;
        QueuedSpy stills(&still, &IDShowThread::sgStillImage);
        QueuedSpy frames(&still, &IDShowThread::sgCameraFrame);
        still.setResolution(QSizeF(1920, 1080));
        still.open(kPath, true);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        still.triggerStill();
        QTRY_COMPARE_WITH_TIMEOUT(stills.count(), 1, 10000);
        QCOMPARE(stills.first().first().value<QImage>().size(), QSize(1920, 1080));
        QTest::qWait(200);
        QCOMPARE(stills.count(), 1); // one trigger, one still
    }

    void unpluggedDeviceReportsCodeThree()
    {
        IDShowThread source;
        QueuedSpy frames(&source, &IDShowThread::sgCameraFrame);
        QueuedSpy errors(&source, &IDShowThread::sgError);
        source.open(kPath, false);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        {
            QMutexLocker lock(&state()->mutex);
            state()->present = false;
        }
        QTRY_COMPARE_WITH_TIMEOUT(codes(errors), (QList<int>{0, 3}), 10000);
        QTRY_VERIFY(!source.isStreaming());
        // Back again: the same source opens it anew.
        {
            QMutexLocker lock(&state()->mutex);
            state()->present = true;
        }
        QTest::qWait(50);
        frames.clear();
        source.open(kPath, false);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
    }

    void unknownDeviceReportsCodeOne()
    {
        IDShowThread source;
        QueuedSpy errors(&source, &IDShowThread::sgError);
        source.open("/dev/v4l/by-id/no-such-camera", false);
        QTRY_COMPARE_WITH_TIMEOUT(codes(errors), QList<int>{1}, 10000);
    }

    void enumeration()
    {
        auto twin = std::make_shared<FakeVideoProvider>("Test Camera", "/dev/video7", "1a2b", "3c4d");
        auto other = std::make_shared<FakeVideoProvider>("Other", "/dev/video9", "AAAA", "BBBB");
        IVideoDeviceRegistry::instance().add(twin);
        IVideoDeviceRegistry::instance().add(other);

        QList<ICameraInfo> cameras;
        QVERIFY(IDirectShowApi::dxCameraDevices(cameras));
        QCOMPARE(cameras.size(), 3);
        QCOMPARE(cameras[0].index, 0);
        QCOMPARE(cameras[0].name, QString("Test Camera #1"));
        QCOMPARE(cameras[1].name, QString("Test Camera #2"));
        QCOMPARE(cameras[2].name, QString("Other #1"));
        QCOMPARE(cameras[2].index, 2);
        QCOMPARE(cameras[0].devicePath, kPath);
        QCOMPARE(cameras[0].vid, QString("1A2B"));
        QCOMPARE(cameras[1].pid, QString("3c4d"));

        QList<QSizeF> sizes;
        QVERIFY(IDirectShowApi::dxCameraSupportResolution(2, sizes));
        QCOMPARE(sizes.size(), 3);
        ICameraParameterData data;
        QVERIFY(IDirectShowApi::dxCameraParameter(1, data));
        QCOMPARE(data.contrast, (QVariantList{32, 32, 95, 0}));
        QVERIFY(!IDirectShowApi::dxCameraParameter(3, data));
    }
};

VESKAROO_TEST_MAIN(TestDShowThread)
#include "tst_dshowthread.moc"
