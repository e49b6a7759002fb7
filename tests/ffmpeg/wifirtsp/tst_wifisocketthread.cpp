// The Wi-Fi camera without an RTSP stream, against the camera simulator
// (--control-only) in a private network namespace: its socket thread
// (binding, settings, stills, a dropped connection, stopping), the source
// that makes a live view of stills, and how the RTSP camera's source tells
// such a camera apart.
#include "common/logrecorder.h"
#include "common/privatenetwork.h"
#include "common/queuedspy.h"
#include "common/testenv.h"
#include "common/wificamerasimulator.h"
#include "common/wifitestpattern.h"

#include "camera/inetworksocketsource.h"
#include "camera/inetworksource.h"
#include "ffmpeg/wifirtsp/iwifisocketthread.h"
#include "ffmpeg/wifirtsp/iwifitimings.h"
#include "opencv/ifilterkind.h"

#include <QBuffer>
#include <QElapsedTimer>

#include <memory>

namespace {

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

// The spies on a source, which emits on the test's thread.
struct SourceSpies
{
    explicit SourceSpies(ICameraSource* source)
        : frames(source, &ICameraSource::sgCameraFrame)
        , stills(source, &ICameraSource::sgCaptureImage)
        , errors(source, &ICameraSource::sgError)
    {
    }

    QImage frame(int i) const { return frames.at(i).first().value<QImage>(); }
    QImage still(int i) const { return stills.at(i).first().value<QImage>(); }

    QueuedSpy frames;
    QueuedSpy stills;
    QueuedSpy errors;
};

// How far a still strays from the page the simulator drew for it: a few
// grey levels of JPEG, far more where something was drawn into it.
int strayFromPage(const QImage& still)
{
    const int number = WifiTestPattern::readCounter(still);
    return WifiTestPattern::worstBlockDifference(still.convertToFormat(QImage::Format_RGB32),
                                                 WifiTestPattern::render(still.size(), quint32(number)));
}

constexpr int kDrawnInto = 40;

} // namespace

class TestWifiSocketThread : public QObject
{
    Q_OBJECT

private slots:
    void init() { shortenWifiTimings(); }

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

    void aGreyStillGoesThroughAFilterToo()
    {
        // A camera may send its JPEG in grey, which decodes to 8-bit grey.
        QImage page = WifiTestPattern::page(QSize(160, 120)).convertToFormat(QImage::Format_Grayscale8);
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(page.save(&buffer, "JPG"));
        const QImage grey = QImage::fromData(jpeg);
        const QImage filtered = IWifiCameraThread::applyFilter(grey, FilterBlackWhite);
        QCOMPARE(filtered.size(), QSize(160, 120));
        QCOMPARE(filtered.format(), QImage::Format_Indexed8);
        QCOMPARE(IWifiCameraThread::applyFilter(grey, FilterNone), grey);
    }

    // --- the source: a live view of stills ------------------------------------------

    void theLiveViewIsMadeOfStills()
    {
        WifiCameraSimulator sim;
        QVERIFY(sim.start({"--control-only"}));
        INetworkSocketSource source;
        SourceSpies spies(&source);
        QCOMPARE(source.supportedResolutions().last(), QSizeF(3264, 2440));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(source.open(simulatedCamera()));
        QTRY_VERIFY_WITH_TIMEOUT(spies.frames.count() >= 5, 10000);
        QTRY_VERIFY(!spies.errors.isEmpty());
        QCOMPARE(spies.errors.first().first().toInt(), 0);

        // Each frame is a new still, none is reported as the user's.
        for (int i = 1; i < spies.frames.count(); ++i)
            QVERIFY(WifiTestPattern::readCounter(spies.frame(i)) > WifiTestPattern::readCounter(spies.frame(i - 1)));
        QCOMPARE(spies.frame(0).size(), QSize(320, 240));
        QVERIFY(spies.stills.isEmpty());
        // The camera is not flooded: a still every 250 ms at most.
        const int asked = sim.count("command 10 ");
        QVERIFY2(asked <= clock.elapsed() / INetworkSocketSource::kPreviewIntervalMs + 1,
                 qPrintable(QString("%1 stills in %2 ms").arg(asked).arg(clock.elapsed())));

        QCOMPARE(source.picture(FilterGray).format(), QImage::Format_Indexed8);

        // The page is found in the live view.
        QCOMPARE(source.edgeResult().angle, -1.0);
        source.setEdgeDetection(true);
        QTRY_VERIFY(source.edgeResult().angle != -1.0);
        QCOMPARE(source.edgeResult().corners.size(), 4);
        QTRY_VERIFY(strayFromPage(source.picture(FilterNone)) > kDrawnInto);
    }

    void aUsersStillTakesThePreviewStillOnItsWay()
    {
        // Split stills take a while to come, so that one is always on its way.
        WifiCameraSimulator sim;
        QVERIFY(sim.start({"--control-only", "--split-picture"}));
        INetworkSocketSource source;
        SourceSpies spies(&source);
        source.setEdgeDetection(true);
        QVERIFY(source.open(simulatedCamera()));
        QTRY_VERIFY_WITH_TIMEOUT(spies.frames.count() >= 1, 10000);

        const int asked = sim.count("command 10 ");
        QVERIFY(sim.waitFor("command 10 ", asked + 1));
        QVERIFY(source.triggerStill(FilterGray));
        // The user's one is still on its way.
        QVERIFY(!source.triggerStill(FilterGray));
        QTRY_COMPARE_WITH_TIMEOUT(spies.stills.count(), 1, 5000);
        QCOMPARE(spies.still(0).format(), QImage::Format_Indexed8);
        QCOMPARE(spies.still(0).size(), QSize(320, 240));

        // A still taken while the live view shows the outline has none.
        QVERIFY(source.triggerStill(FilterNone));
        QTRY_COMPARE_WITH_TIMEOUT(spies.stills.count(), 2, 5000);
        QVERIFY(!spies.still(1).isNull());
        QVERIFY2(strayFromPage(spies.still(1)) < kDrawnInto, qPrintable(QString::number(strayFromPage(spies.still(1)))));
        QVERIFY(strayFromPage(spies.frame(spies.frames.count() - 1)) > kDrawnInto);

        // The live view goes on.
        const int frames = spies.frames.count();
        QTRY_VERIFY_WITH_TIMEOUT(spies.frames.count() >= frames + 2, 5000);
        QCOMPARE(spies.stills.count(), 2);
    }

    void failedStillsAreAskedForAgainAndOnlyTheUsersIsReported()
    {
        IWifiTimings::current().captureTimeoutMs = 500;
        WifiCameraSimulator sim;
        QVERIFY(sim.start({"--control-only", "--no-picture"}));
        INetworkSocketSource source;
        SourceSpies spies(&source);
        QVERIFY(source.open(simulatedCamera()));
        QVERIFY(sim.waitFor("command 10 ", 3, 10000));
        QVERIFY(spies.stills.isEmpty());
        QVERIFY(spies.frames.isEmpty());

        QVERIFY(source.triggerStill(FilterNone));
        QTRY_COMPARE_WITH_TIMEOUT(spies.stills.count(), 1, 3000);
        QVERIFY(spies.still(0).isNull());
        // Asked again afterwards as before.
        const int asked = sim.count("command 10 ");
        QVERIFY(sim.waitFor("command 10 ", asked + 1, 3000));
        QCOMPARE(spies.stills.count(), 1);
    }

    void withoutLiveViewNoStillIsAskedForAndThePictureStays()
    {
        // Split stills take a while to come: live view ends with one on its way.
        WifiCameraSimulator sim;
        QVERIFY(sim.start({"--control-only", "--split-picture"}));
        INetworkSocketSource source;
        SourceSpies spies(&source);
        QVERIFY(source.open(simulatedCamera()));
        QTRY_VERIFY_WITH_TIMEOUT(spies.frames.count() >= 2, 10000);
        QVERIFY(sim.waitFor("command 10 ", sim.count("command 10 ") + 1));

        source.setLive(false);
        QTest::qWait(900); // the one on its way lands
        const int asked = sim.count("command 10 ");
        const int frames = spies.frames.count();
        const QImage frozen = source.picture(FilterNone);
        QTest::qWait(700);
        QCOMPARE(sim.count("command 10 "), asked);
        QCOMPARE(spies.frames.count(), frames);
        QVERIFY(!frozen.isNull());

        // A user's still still comes, and leaves the frozen picture alone.
        QVERIFY(source.triggerStill(FilterNone));
        QTRY_COMPARE(spies.stills.count(), 1);
        QVERIFY(WifiTestPattern::readCounter(spies.still(0)) > WifiTestPattern::readCounter(frozen));
        QCOMPARE(source.picture(FilterNone), frozen);
        QCOMPARE(spies.frames.count(), frames);

        source.setLive(true);
        QTRY_VERIFY(spies.frames.count() >= frames + 2);
    }

    // --- telling the cameras apart ---------------------------------------------------

    void theRtspSourceTellsACameraWithoutStream_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("controlOnly");
        QTest::newRow("control only") << QStringList{"--control-only"} << 1 << true;
        QTest::newRow("with RTSP") << QStringList() << 0 << false;
    }

    void theRtspSourceTellsACameraWithoutStream()
    {
        QFETCH(QStringList, options);
        QFETCH(int, error);
        QFETCH(bool, controlOnly);
        WifiCameraSimulator sim;
        QVERIFY(sim.start(options));
        INetworkSource source;
        QVERIFY(!source.controlOnly());
        SourceSpies spies(&source);
        QVERIFY(source.open(simulatedCamera()));
        QTRY_VERIFY_WITH_TIMEOUT(!spies.errors.isEmpty(), 15000);
        QCOMPARE(spies.errors.first().first().toInt(), error);
        QCOMPARE(source.controlOnly(), controlOnly);
    }
};

VESKAROO_NETWORK_TEST_MAIN(TestWifiSocketThread)
#include "tst_wifisocketthread.moc"
