// The Wi-Fi camera thread against the camera simulator, in a private network
// namespace: live picture over TCP and UDP, stills (whole, split, cut by a
// dropped connection, never sent), lost RTP packets, an outage, a resolution
// change and a camera that sends garbage.
#include "common/logrecorder.h"
#include "common/privatenetwork.h"
#include "common/testenv.h"
#include "common/wificamerasimulator.h"
#include "common/wifitestpattern.h"

#include "ffmpeg/wifirtsp/iwifirtspthread.h"
#include "ffmpeg/wifirtsp/iwifitimings.h"
#include "opencv/ifilterkind.h"

#include <QElapsedTimer>

namespace {

// What the thread sends to the GUI, checked as it arrives: each frame is
// compared with the simulator's own rendering of the frame it says it is.
class Receiver : public QObject
{
public:
    explicit Receiver(IWifiRtspThread* thread)
    {
        connect(thread, &IWifiRtspThread::sgCameraFrame, this, [this](const QImage& frame) { onFrame(frame); },
                Qt::QueuedConnection);
        connect(thread, &IWifiRtspThread::sgCaptureImage, this, [this](const QImage& still) { stills << still; },
                Qt::QueuedConnection);
        connect(thread, &IWifiRtspThread::sgError, this, [this](int code) { errors << code; },
                Qt::QueuedConnection);
        connect(thread, &IWifiRtspThread::sgChangeResolutionFromOtherApp, this,
                [this](const QSize& size) { resolutions << size; }, Qt::QueuedConnection);
    }

    void onFrame(const QImage& frame)
    {
        ++frames;
        sizes << frame.size();
        if (!checking)
            return;
        const int number = WifiTestPattern::readCounter(frame);
        const int difference =
            WifiTestPattern::worstBlockDifference(frame, WifiTestPattern::render(frame.size(), quint32(number)));
        if (difference > kBroken) {
            ++broken;
            qWarning() << "broken frame" << number << "difference" << difference;
        }
        if (number >= 0)
            numbers << number;
    }

    // Mean grey difference of a 16x16 block that no compression explains.
    static constexpr int kBroken = 40;
    // Off once the picture carries more than the camera filmed.
    bool checking = true;
    int frames = 0;
    int broken = 0;
    QList<int> numbers;
    QList<QSize> sizes;
    QList<QImage> stills;
    QList<int> errors;
    QList<QSize> resolutions;
};

} // namespace

class TestWifiRtspThread : public QObject
{
    Q_OBJECT

private slots:
    void init() { shortenWifiTimings(); }

    // --- the live picture and the control connection ----------------------------

    void streamsAndAnswersTheControlCommands_data()
    {
        QTest::addColumn<QString>("transport");
        QTest::newRow("tcp") << "tcp";
        QTest::newRow("udp") << "udp";
    }

    void streamsAndAnswersTheControlCommands()
    {
        QFETCH(QString, transport);
        LogRecorder log;
        WifiCameraSimulator sim;
        QVERIFY(sim.start({"--transport", transport, "--still-size", "640x480"}));
        IWifiRtspThread thread(simulatedCamera());
        Receiver receiver(&thread);
        thread.startCamera();

        QTRY_COMPARE_WITH_TIMEOUT(receiver.errors, QList<int>{0}, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(receiver.frames >= 20, 20000);
        QCOMPARE(receiver.broken, 0);
        QCOMPARE(receiver.sizes.last(), QSize(320, 240));
        QCOMPARE(log.count(transport == "tcp" ? "rtsp TCP---->" : "rtsp UDP---->"), 1);
        // Pictures follow one another.
        QVERIFY(receiver.numbers.last() > receiver.numbers.first());

        // After binding: encoding, defaults, then the current values.
        QTRY_VERIFY(thread.protocol()->currentValuesKnown());
        QVERIFY(sim.count("command 6 ") == 1 && sim.count("command 9 ") == 1 && sim.count("command 8 ") == 1);
        QCOMPARE(thread.brightness().toInt(), 0x70);
        QCOMPARE(thread.protocol()->defaultValue(IWifiControlProtocol::Brightness), 0x80);
        // The camera runs at 320x240; the program follows.
        QCOMPARE(thread.resolution(), QSize(320, 240));

        thread.setBrightness(16);
        QVERIFY(sim.waitFor("command 7 10 40 50 05 01 30 60 00"));
        thread.setAutoFocusFlag(-999);
        QVERIFY(sim.waitFor("command 1 "));
        thread.setAutoExposureFlag(-999); // nothing to send
        QCOMPARE(thread.switchLamp(), 1);
        QVERIFY(sim.waitFor("command 2 01"));
        QCOMPARE(thread.switchLamp(), 2);
        QVERIFY(sim.waitFor("command 3 01"));
        QVERIFY(!thread.grabFrame(FilterNone).isNull());
        QCOMPARE(thread.grabFrame(FilterGray).format(), QImage::Format_Indexed8);
        // The page under the camera is found in the live picture.
        QCOMPARE(thread.edgeResult().angle, -1.0);
        receiver.checking = false; // the outline is drawn into the picture
        thread.setAutoEdge(true);
        QTRY_VERIFY(thread.edgeResult().angle != -1.0);
        QCOMPARE(thread.edgeResult().corners.size(), 4);

        thread.stopCamera();
        QVERIFY(!thread.isRunning());
        QCOMPARE(log.count("exit rtsp stream"), 1);
    }

    // --- stills -------------------------------------------------------------------

    void stillsComeWholeOverTheControlConnection_data()
    {
        QTest::addColumn<QStringList>("fault");
        QTest::newRow("in one piece") << QStringList();
        QTest::newRow("split over many reads") << QStringList{"--split-picture"};
    }

    void stillsComeWholeOverTheControlConnection()
    {
        QFETCH(QStringList, fault);
        WifiCameraSimulator sim;
        QVERIFY(sim.start(QStringList{"--still-size", "800x600"} + fault));
        IWifiRtspThread thread(simulatedCamera());
        Receiver receiver(&thread);
        thread.startCamera();
        QTRY_VERIFY_WITH_TIMEOUT(thread.protocol()->currentValuesKnown(), 10000);

        QVERIFY(thread.setCaptureFalg(FilterNone));
        // A second request while the first is on its way is refused.
        QVERIFY(!thread.setCaptureFalg(FilterNone));
        QTRY_COMPARE_WITH_TIMEOUT(receiver.stills.size(), 1, 5000);
        QCOMPARE(receiver.stills.first().size(), QSize(800, 600));
        QCOMPARE(sim.count("command 10 "), 1);
        QCOMPARE(WifiTestPattern::readCounter(receiver.stills.first()), 1);

        // Through a filter kind.
        QVERIFY(thread.setCaptureFalg(FilterGray));
        QTRY_COMPARE_WITH_TIMEOUT(receiver.stills.size(), 2, 5000);
        QCOMPARE(receiver.stills.last().format(), QImage::Format_Indexed8);
        QCOMPARE(sim.count("command 10 "), 2);
    }

    void aDroppedConnectionRebindsAndAsksForThePendingStillAgain()
    {
        LogRecorder log;
        WifiCameraSimulator sim;
        QVERIFY(sim.start({"--drop-mid-picture", "--still-size", "800x600"}));
        IWifiRtspThread thread(simulatedCamera());
        Receiver receiver(&thread);
        thread.startCamera();
        QTRY_VERIFY_WITH_TIMEOUT(thread.protocol()->currentValuesKnown(), 10000);

        QVERIFY(thread.setCaptureFalg(FilterNone));
        QTRY_COMPARE_WITH_TIMEOUT(receiver.stills.size(), 1, 5000);
        QVERIFY(!receiver.stills.first().isNull());
        QCOMPARE(sim.count("bound "), 2);
        QCOMPARE(sim.count("command 10 "), 2);
        QCOMPARE(log.count("拍照超时：重连成功，发送拍照命令!"), 1);
        // The picture went on all along.
        const int frames = receiver.frames;
        QTRY_VERIFY(receiver.frames > frames + 5);
        QCOMPARE(receiver.broken, 0);
    }

    void aStillThatNeverComesGivesOneNullPicture()
    {
        LogRecorder log;
        WifiCameraSimulator sim;
        QVERIFY(sim.start({"--no-picture"}));
        IWifiRtspThread thread(simulatedCamera());
        Receiver receiver(&thread);
        thread.startCamera();
        QTRY_VERIFY_WITH_TIMEOUT(thread.protocol()->isBound(), 10000);

        QElapsedTimer clock;
        clock.start();
        QVERIFY(thread.setCaptureFalg(FilterNone));
        QTRY_COMPARE_WITH_TIMEOUT(receiver.stills.size(), 1, 5000);
        QVERIFY(clock.elapsed() >= 1900);
        QVERIFY(receiver.stills.first().isNull());
        QCOMPARE(log.count("一次拍照失败，提示!"), 1);
        QTest::qWait(500);
        QCOMPARE(receiver.stills.size(), 1);
        QCOMPARE(sim.count("command 10 "), 1);
        // The next request is taken again.
        QVERIFY(thread.setCaptureFalg(FilterNone));
    }

    // --- a flaky link ---------------------------------------------------------------

    void lostPacketsNeverShowABrokenFrame_data()
    {
        QTest::addColumn<QString>("transport");
        QTest::newRow("tcp") << "tcp";
        QTest::newRow("udp") << "udp";
    }

    void lostPacketsNeverShowABrokenFrame()
    {
        QFETCH(QString, transport);
        LogRecorder log;
        WifiCameraSimulator sim;
        QVERIFY(sim.start({"--transport", transport, "--loss", "5"}));
        IWifiRtspThread thread(simulatedCamera());
        Receiver receiver(&thread);
        thread.startCamera();
        QTRY_VERIFY_WITH_TIMEOUT(receiver.frames >= 1, 20000);
        QTest::qWait(4000);
        QCOMPARE(receiver.broken, 0);
        // Losses were noticed, and pictures still came between them.
        QVERIFY(log.count("丢包或者编码失败 不显示图片") > 0);
        QVERIFY2(receiver.frames >= 10, qPrintable(QString::number(receiver.frames)));
    }

    void aFrozenPictureResumesAtAKeyFrame()
    {
        WifiCameraSimulator sim;
        QVERIFY(sim.start());
        IWifiRtspThread thread(simulatedCamera());
        Receiver receiver(&thread);
        thread.startCamera();
        QTRY_VERIFY_WITH_TIMEOUT(receiver.frames >= 5, 20000);
        thread.setOutputEnabled(false);
        QTest::qWait(500);
        const int frozen = receiver.frames;
        QTest::qWait(700);
        QCOMPARE(receiver.frames, frozen);
        // The decoder missed the pictures read meanwhile: nothing is shown
        // that was built on them.
        thread.setOutputEnabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(receiver.frames >= frozen + 10, 5000);
        QCOMPARE(receiver.broken, 0);
    }

    void theRegularFlushShowsNoBrokenFrame()
    {
        IWifiTimings::current().flushIntervalMs = 1000;
        LogRecorder log;
        WifiCameraSimulator sim;
        QVERIFY(sim.start());
        IWifiRtspThread thread(simulatedCamera());
        Receiver receiver(&thread);
        thread.startCamera();
        QTRY_VERIFY_WITH_TIMEOUT(log.count("I frame avformat_flush cache.") >= 2, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(receiver.frames >= 30, 10000);
        QCOMPARE(receiver.broken, 0);
    }

    void aCameraThatIsNotThereYetIsTriedAgain()
    {
        LogRecorder log;
        IWifiRtspThread thread(simulatedCamera());
        Receiver receiver(&thread);
        thread.startCamera();
        QTRY_VERIFY(log.count("tcp connect server error: ") >= 1);
        WifiCameraSimulator sim;
        QVERIFY(sim.start());
        QTRY_VERIFY_WITH_TIMEOUT(thread.protocol()->isBound(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(receiver.frames >= 5, 20000);
    }

    void anOutageReopensTheStreamOnce()
    {
        IWifiTimings& timings = IWifiTimings::current();
        // Scaled down so that the 4 s outage is well past the reopen time;
        // the camera's RTCP reports still come now and then during it.
        timings.rtspTimeoutUs = 500000;
        timings.reopenAfterMs = 1000;
        LogRecorder log;
        WifiCameraSimulator sim;
        QVERIFY(sim.start({"--outage-after", "1", "--outage", "4"}));
        IWifiRtspThread thread(simulatedCamera());
        Receiver receiver(&thread);
        thread.startCamera();
        QTRY_VERIFY_WITH_TIMEOUT(receiver.frames >= 1, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(log.count("reopen rtsp "), 1, 10000);
        const int frames = receiver.frames;
        QTRY_VERIFY_WITH_TIMEOUT(receiver.frames > frames + 20, 10000);
        QCOMPARE(log.count("rtsp device connect error..."), 1);
        QCOMPARE(log.count("reopen rtsp "), 1);
        QCOMPARE(receiver.errors, QList<int>{0});
        QCOMPARE(receiver.broken, 0);
    }

    void aResolutionChangeIsFollowed()
    {
        LogRecorder log;
        WifiCameraSimulator sim;
        // Late enough for the first pictures to come at the old size, also on a busy machine.
        QVERIFY(sim.start({"--change-resolution-after", "4", "--change-resolution", "640x480"}));
        IWifiRtspThread thread(simulatedCamera());
        Receiver receiver(&thread);
        thread.startCamera();
        QTRY_VERIFY_WITH_TIMEOUT(receiver.sizes.contains(QSize(320, 240)), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(receiver.sizes.count(QSize(640, 480)) >= 10, 10000);
        QVERIFY(receiver.resolutions.contains(QSize(640, 480)));
        QCOMPARE(thread.resolution(), QSize(640, 480));
        QCOMPARE(log.count("rtsp resolution change after size: "), 1);
        // No picture of the old size after the new one.
        QCOMPARE(receiver.sizes.lastIndexOf(QSize(320, 240)) < receiver.sizes.indexOf(QSize(640, 480)), true);
        QCOMPARE(receiver.broken, 0);

        // The program's own choice goes to the camera and comes back as frames.
        thread.setResolution(QSize(480, 272));
        QVERIFY(sim.waitFor("resolution 480x272"));
        QTRY_VERIFY_WITH_TIMEOUT(receiver.sizes.count(QSize(480, 272)) >= 5, 10000);
        QCOMPARE(receiver.broken, 0);
    }

    void garbageFromTheCameraIsSurvived()
    {
        WifiCameraSimulator sim;
        QVERIFY(sim.start({"--garbage", "1.5", "--still-size", "320x240"}));
        IWifiRtspThread thread(simulatedCamera());
        Receiver receiver(&thread);
        thread.startCamera();
        QVERIFY(sim.waitFor("garbage over", 1, 10000));
        // Whatever half-packet the garbage left is dropped when it stalls.
        QTest::qWait(IWifiTimings::current().readStallMs + 200);
        QVERIFY(receiver.frames > 10);
        QVERIFY(thread.setCaptureFalg(FilterNone));
        QTRY_COMPARE_WITH_TIMEOUT(receiver.stills.size(), 1, 5000);
        QVERIFY(!receiver.stills.first().isNull());
    }
};

VESKAROO_NETWORK_TEST_MAIN(TestWifiRtspThread)
#include "tst_wifirtspthread.moc"
