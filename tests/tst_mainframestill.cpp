// A still-capture camera set to 4K: "Snap" asks the camera for a still and
// the picture saved is the one the camera sent back.
#include "common/fakevideodevice.h"
#include "common/queuedspy.h"
#include "common/testenv.h"

#include "customui/toolbar/icameratoolbar.h"
#include "directshow/ivideodeviceregistry.h"
#include "icamera.h"
#include "icamerainfo.h"
#include "mainframe.h"
#include "service/iconfigureservice.h"

#include <QDir>
#include <QImageReader>
#include <QSignalSpy>

class TestMainFrameStill : public QObject
{
    Q_OBJECT

    std::shared_ptr<FakeVideoProvider> m_device;
    MainFrame* m_window = nullptr;

    static QStringList photos()
    {
        return QDir(IConfigureService::instance()->photoPath()).entryList({"*.jpeg"}, QDir::Files);
    }

private slots:
    void initTestCase()
    {
        TestEnv::silenceOffscreenPlatformNotices();
        IVideoDeviceRegistry::instance().clear();
        m_device = std::make_shared<FakeVideoProvider>("Document Camera", "/dev/video7", "2E1A", "5DA4");
        m_device->state()->sizes = {{1920, 1080}, {2560, 1440}, {3840, 2160}};
        IVideoDeviceRegistry::instance().add(m_device);
        IConfigureService::instance()->setCameraResolution(QSize(3840, 2160));

        m_window = new MainFrame(nullptr);
        QSignalSpy frames(ICamera::instance(), &ICamera::sgCameraFrame);
        m_window->createFirstSlide();
        QCOMPARE(ICameraInfo::current().type, 1);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 2, 30000);
    }

    void cleanupTestCase()
    {
        delete m_window;
        ICamera::instance()->closeAllSources();
    }

    void snapSavesTheStillTheCameraSends()
    {
        QueuedSpy stills(ICamera::instance(), &ICamera::sgStillImage);
        m_window->slCameratoolbarClick(true, int(ICameraToolBar::Snap));
        QTRY_COMPARE_WITH_TIMEOUT(stills.count(), 1, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(photos().size(), 1, 20000);
        QImageReader reader(IConfigureService::instance()->photoPath() + "/" + photos().first());
        // Stills come from the stream, which a 4K setting runs at 2560x1440.
        QCOMPARE(reader.size(), QSize(2560, 1440));
    }
};

VESKAROO_TEST_MAIN(TestMainFrameStill)
#include "tst_mainframestill.moc"
