// The Wi-Fi camera without an RTSP stream, against the camera simulator
// (--control-only) in a private network namespace: its socket thread
// (binding, settings, stills, a dropped connection, stopping).
#include "common/logrecorder.h"
#include "common/privatenetwork.h"
#include "common/testenv.h"
#include "common/wificamerasimulator.h"

#include "ffmpeg/wifirtsp/iwifisocketthread.h"
#include "ffmpeg/wifirtsp/iwifitimings.h"
#include "opencv/ifilterkind.h"

#include <QElapsedTimer>

#include <memory>

namespace {

ICameraInfo simulatedCamera()
{
    ICameraInfo camera;
    camera.index = 100;
    camera.type = NetworkCamera;
    camera.host = TestEnv::accessPointAddress();
    camera.port = 5324;
    camera.devicePath = QStringLiteral("rtsp://admin:rorod@%1/stream/main").arg(camera.host);
    return camera;
}

// What the socket thread sends to the GUI.
class Receiver : public QObject
{
public:
    explicit Receiver(IWifiSocketThread* thread)
    {
        connect(thread, &IWifiCameraThread::sgCameraFrame, this, [this] { ++frames; }, Qt::QueuedConnection);
        connect(thread, &IWifiCameraThread::sgCaptureImage, this, [this](const QImage& still) { stills << still; },
                Qt::QueuedConnection);
        connect(thread, &IWifiCameraThread::sgError, this, [this](int code) { errors << code; },
                Qt::QueuedConnection);
    }

    int frames = 0;
    QList<QImage> stills;
    QList<int> errors;
};

} // namespace

class TestWifiSocketThread : public QObject
{
    Q_OBJECT

    IWifiTimings m_defaults;

private slots:
    void initTestCase() { m_defaults = IWifiTimings::current(); }

    void init()
    {
        IWifiTimings& timings = IWifiTimings::current();
        timings = m_defaults;
        timings.captureTimeoutMs = 2000;
        timings.readStallMs = 600;
        timings.reconnectDelayMs = 300;
    }

    // --- the socket thread ------------------------------------------------------------

    void bindsAsksForItsSettingsAndTakesStills()
    {
        LogRecorder log;
        WifiCameraSimulator sim;
        QVERIFY(sim.start({"--control-only"}));
        IWifiSocketThread thread(simulatedCamera());
        Receiver receiver(&thread);
        thread.start();
        QTRY_COMPARE(receiver.errors, QList<int>{0});

        // Binding, then encoding and defaults (the current values follow those).
        QVERIFY(sim.waitFor("command 6 "));
        QVERIFY(sim.waitFor("command 9 "));
        QTRY_VERIFY(thread.protocol()->currentValuesKnown());
        QCOMPARE(sim.count("bound "), 1);
        QCOMPARE(thread.brightness().toInt(), 0x70);
        QCOMPARE(log.count("reserve1: "), 1);
        QCOMPARE(thread.protocol()->encodeRecord(), QByteArray::fromHex("01001e003d060000"));
        QCOMPARE(thread.resolution(), QSize(320, 240));
        QCOMPARE(thread.supportedResolutions().last(), QSize(3264, 2440));

        // Stills through a filter kind.
        QVERIFY(thread.setCaptureFalg(FilterGray));
        QTRY_COMPARE(receiver.stills.size(), 1);
        QCOMPARE(receiver.stills.first().size(), QSize(320, 240));
        QCOMPARE(receiver.stills.first().format(), QImage::Format_Indexed8);

        // The largest size goes as index 0a, and stills follow the size chosen.
        thread.setResolution(QSize(3264, 2440));
        QVERIFY(sim.waitFor("command 5 01 00 1e 0a 3d 06 00 00"));
        QVERIFY(sim.waitFor("resolution 3264x2440"));
        thread.setResolution(QSize(640, 480));
        QVERIFY(sim.waitFor("resolution 640x480"));
        QVERIFY(thread.setCaptureFalg(FilterNone));
        QTRY_COMPARE(receiver.stills.size(), 2);
        QCOMPARE(receiver.stills.last().size(), QSize(640, 480));
        QVERIFY(receiver.stills.last().format() != QImage::Format_Indexed8);

        thread.setAutoFocusFlag(-999);
        QVERIFY(sim.waitFor("command 1 "));
        QCOMPARE(thread.switchLamp(), 1);
        QVERIFY(sim.waitFor("command 2 01"));

        // The thread only idles; every picture is a still.
        QVERIFY(log.count("-----msleep(300)-----") >= 1);
        QCOMPARE(receiver.frames, 0);
        QCOMPARE(receiver.errors, QList<int>{0});
    }

    void aDroppedConnectionIsReportedAndBoundAgain()
    {
        LogRecorder log;
        WifiCameraSimulator sim;
        QVERIFY(sim.start({"--control-only", "--drop-after", "0.5"}));
        IWifiSocketThread thread(simulatedCamera());
        Receiver receiver(&thread);
        thread.start();
        QVERIFY(sim.waitFor("dropped "));
        QTRY_COMPARE(receiver.errors, (QList<int>{0, 1}));
        QVERIFY(log.count("wifi tcp socket error: ") >= 1);

        QVERIFY(sim.waitFor("bound ", 2));
        QVERIFY(sim.waitFor("command 6 ", 2));
        QTRY_VERIFY(thread.protocol()->isBound());
        QVERIFY(thread.setCaptureFalg(FilterNone));
        QTRY_COMPARE(receiver.stills.size(), 1);
        QVERIFY(!receiver.stills.first().isNull());
        QCOMPARE(sim.count("dropped "), 1);
    }

    void aCameraThatIsNotThereYetIsTriedAgain()
    {
        IWifiSocketThread thread(simulatedCamera());
        QTest::qWait(400);
        WifiCameraSimulator sim;
        QVERIFY(sim.start({"--control-only"}));
        QTRY_VERIFY_WITH_TIMEOUT(thread.protocol()->isBound(), 5000);
        QVERIFY(sim.waitFor("command 6 "));
    }

    void stoppingEndsTheThreadWithinAStep()
    {
        LogRecorder log;
        WifiCameraSimulator sim;
        QVERIFY(sim.start({"--control-only"}));
        auto thread = std::make_unique<IWifiSocketThread>(simulatedCamera());
        thread->start();
        QTRY_VERIFY(thread->protocol()->isBound());
        QTRY_VERIFY(log.count("-----msleep(300)-----") >= 2);

        thread->requestStop();
        QVERIFY(thread->wait(1000));
        QCOMPARE(log.count("exit rtsp stream."), 1);

        thread.reset();
        QVERIFY(sim.waitFor("client gone", 1));

        // Deleting a running one lets the camera go at once.
        thread = std::make_unique<IWifiSocketThread>(simulatedCamera());
        thread->start();
        QVERIFY(sim.waitFor("bound ", 2));
        QElapsedTimer clock;
        clock.start();
        thread.reset();
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(sim.waitFor("client gone", 2));
    }
};

VESKAROO_NETWORK_TEST_MAIN(TestWifiSocketThread)
#include "tst_wifisocketthread.moc"
