// Network cameras found by discovery, in the whole program, against an ONVIF
// responder and two camera simulators in a private network namespace: the
// USB camera's picture does not wait for the network, the discovered cameras
// join the title bar's list, a streaming camera is switched to, and a camera
// without a video stream is driven through its stills.
#include "common/fakevideodevice.h"
#include "common/logrecorder.h"
#include "common/onvifresponder.h"
#include "common/privatenetwork.h"
#include "common/queuedspy.h"
#include "common/testenv.h"
#include "common/wificamerasimulator.h"

#include "camera/inetworkcamerafinder.h"
#include "camera/inetworksocketsource.h"
#include "customui/toolbar/icameratoolbar.h"
#include "customui/toolbar/imaintitlewidget.h"
#include "directshow/ivideodeviceregistry.h"
#include "icamera.h"
#include "icamerainfo.h"
#include "mainframe.h"
#include "service/iconfigureservice.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>

namespace {

constexpr int kDiscoveryMs = 3000;

OnvifResponder::Device camera(const QString& host, const QString& name)
{
    OnvifResponder::Device d;
    d.host = host;
    d.name = name;
    return d;
}

} // namespace

class TestMainFrameOnvif : public QObject
{
    Q_OBJECT

    OnvifResponder m_responder;
    WifiCameraSimulator m_streaming;
    WifiCameraSimulator m_stillsOnly;
    std::shared_ptr<FakeVideoProvider> m_usb;
    MainFrame* m_window = nullptr;
    qint64 m_startMs = 0;
    int m_endedBeforeFirstPicture = -1;
    QStringList m_listAtFirstPicture;

    QComboBox* cameraList() const { return m_window->titleWidget()->cameraComboBox(); }

    int row(const QString& name) const
    {
        for (int i = 0; i < cameraList()->count(); ++i) {
            if (cameraList()->itemText(i) == name)
                return i;
        }
        return -1;
    }

    static QStringList photos()
    {
        return QDir(IConfigureService::instance()->photoPath()).entryList({"*.jpeg"}, QDir::Files);
    }

private slots:
    void initTestCase()
    {
        TestEnv::silenceOffscreenPlatformNotices();
        QVERIFY(m_streaming.start({"--address", "127.0.0.5"}));
        QVERIFY(m_stillsOnly.start({"--address", "127.0.0.6", "--control-only", "--still-size", "640x480"}));
        m_responder.addDevice(camera("127.0.0.5", "Doc Cam"));
        m_responder.addDevice(camera("127.0.0.6", "Stills Cam"));
        OnvifResponder::Device late = camera("127.0.0.7", "Late Cam");
        late.delayMs = 1500;
        m_responder.addDevice(late);
        QString error;
        QVERIFY2(m_responder.start(&error), qPrintable(error));

        ICamera::setDiscoveryEnabled(true);
        INetworkCameraFinder::setDiscoveryTimeoutMs(kDiscoveryMs);
        IVideoDeviceRegistry::instance().clear();
        m_usb = std::make_shared<FakeVideoProvider>("Document Camera", "/dev/video7", "2E1A", "5DA0");
        m_usb->state()->sizes = {{640, 480}, {1920, 1080}};
        IVideoDeviceRegistry::instance().add(m_usb);

        LogRecorder log;
        m_window = new MainFrame(nullptr);
        QueuedSpy frames(ICamera::instance(), &ICamera::sgCameraFrame);
        QElapsedTimer clock;
        clock.start();
        m_window->createFirstSlide();
        m_startMs = clock.elapsed();
        QTRY_VERIFY_WITH_TIMEOUT(!frames.isEmpty(), 10000);
        m_endedBeforeFirstPicture = log.count("停止搜索ONVIF设备...");
        // The user opens the list while the network is still answering.
        m_window->titleWidget()->refreshCameraList();
        for (int i = 0; i < cameraList()->count(); ++i)
            m_listAtFirstPicture << cameraList()->itemText(i);
        // The search goes on in the background and ends by itself.
        QTRY_COMPARE_WITH_TIMEOUT(log.count("停止搜索ONVIF设备..."), 1, kDiscoveryMs + 5000);
    }

    void cleanupTestCase()
    {
        delete m_window;
        ICamera::instance()->closeAllSources();
        ICamera::setDiscoveryEnabled(false);
    }

    void theUsbCameraShowsWithoutWaitingForTheNetwork()
    {
        QCOMPARE(ICameraInfo::current().type, int(UsbCamera));
        QVERIFY2(m_startMs < kDiscoveryMs / 2, qPrintable(QString::number(m_startMs)));
        QCOMPARE(m_endedBeforeFirstPicture, 0);
    }

    void theDiscoveredCamerasJoinTheListAfterTheUsbCamera()
    {
        QCOMPARE(m_listAtFirstPicture.value(0), QString("Document Camera #1"));
        QVERIFY(!m_listAtFirstPicture.contains("WIFI:Late Cam(127.0.0.7)"));
        // It answered later and joined the open list at its end.
        QCOMPARE(cameraList()->itemText(cameraList()->count() - 1), QString("WIFI:Late Cam(127.0.0.7)"));

        LogRecorder log;
        m_window->titleWidget()->refreshCameraList();
        QCOMPARE(cameraList()->currentIndex(), 0);
        QCOMPARE(cameraList()->count(), 4);
        QCOMPARE(cameraList()->itemText(0), QString("Document Camera #1"));
        const ICameraInfo doc = cameraList()->itemData(row("WIFI:Doc Cam(127.0.0.5)")).value<ICameraInfo>();
        QCOMPARE(doc.index, 100);
        QCOMPARE(doc.type, int(NetworkCamera));
        QCOMPARE(doc.devicePath, QString("rtsp://127.0.0.5/stream/main"));
        QCOMPARE(doc.host, QString("127.0.0.5"));
        QCOMPARE(doc.port, 5324);
        QCOMPARE(row("WIFI:Stills Cam(127.0.0.6)"), 2);
        QCOMPARE(row("WIFI:Late Cam(127.0.0.7)"), 3);
        // Each opening asks the network again; the cameras it knows stay listed.
        QTRY_COMPARE_WITH_TIMEOUT(log.count("开始搜索ONVIF设备..."), 1, 1000);
    }

    void choosingADiscoveredCameraSwitchesToIt()
    {
        QueuedSpy frames(ICamera::instance(), &ICamera::sgCameraFrame);
        QueuedSpy errors(ICamera::instance(), &ICamera::sgError);
        m_window->titleWidget()->refreshCameraList();
        m_window->titleWidget()->changeCameraIndex(row("WIFI:Doc Cam(127.0.0.5)"));
        QCOMPARE(ICameraInfo::current().host, QString("127.0.0.5"));
        QVERIFY(ICamera::instance()->networkSource());
        QTRY_VERIFY_WITH_TIMEOUT(!errors.isEmpty(), 15000);
        QCOMPARE(errors.first().first().toInt(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 5, 15000);
        QCOMPARE(frames.last().first().value<QImage>().size(), QSize(320, 240));
        QVERIFY(m_streaming.count("bound ") >= 1);
    }

    void aCameraWithoutAVideoStreamIsDrivenThroughItsStills()
    {
        QueuedSpy frames(ICamera::instance(), &ICamera::sgCameraFrame);
        QueuedSpy errors(ICamera::instance(), &ICamera::sgError);
        LogRecorder log;
        m_window->titleWidget()->refreshCameraList();
        m_window->titleWidget()->changeCameraIndex(row("WIFI:Stills Cam(127.0.0.6)"));
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 3, 20000);
        QCOMPARE(frames.last().first().value<QImage>().size(), QSize(640, 480));
        QVERIFY(dynamic_cast<INetworkSocketSource*>(ICamera::instance()->networkSource()));
        // The stream that could not be opened is no failure shown to the user.
        QVERIFY(!errors.isEmpty());
        for (const QList<QVariant>& error : qAsConst(errors))
            QCOMPARE(error.first().toInt(), 0);
        QVERIFY(m_window->isEnabled());

        const int before = photos().size();
        m_window->slCameratoolbarClick(true, int(ICameraToolBar::Snap));
        QTRY_COMPARE_WITH_TIMEOUT(photos().size(), before + 1, 20000);

        // Chosen again, it goes straight to its stills.
        m_window->titleWidget()->changeCameraIndex(row("WIFI:Doc Cam(127.0.0.5)"));
        QTRY_VERIFY_WITH_TIMEOUT(ICamera::instance()->networkSource(), 5000);
        m_window->titleWidget()->refreshCameraList();
        m_window->titleWidget()->changeCameraIndex(row("WIFI:Stills Cam(127.0.0.6)"));
        QVERIFY(dynamic_cast<INetworkSocketSource*>(ICamera::instance()->networkSource()));
    }

    void withoutAUsbCameraTheProgramWaitsForTheNetwork()
    {
        m_window->titleWidget()->changeCameraIndex(0);
        IVideoDeviceRegistry::instance().clear();
        ICamera* facade = ICamera::instance();
        facade->closeAllSources();

        // The first camera that answers is taken; the rest join later.
        QElapsedTimer clock;
        clock.start();
        QVERIFY(facade->initData());
        QVERIFY(clock.elapsed() < kDiscoveryMs);
        QCOMPARE(ICameraInfo::current().type, int(NetworkCamera));
        QCOMPARE(ICameraInfo::current().index, 100);
        facade->closeAllSources();

        // No camera anywhere: told only once the search is over.
        m_responder.stop();
        QTest::qWait(kDiscoveryMs + 500); // the search the list opened ends
        clock.restart();
        QVERIFY(!facade->initData());
        QVERIFY(clock.elapsed() >= kDiscoveryMs - 100);
        QCOMPARE(ICameraInfo::current().index, -1);
    }
};

VESKAROO_NETWORK_TEST_MAIN(TestMainFrameOnvif)
#include "tst_mainframeonvif.moc"
