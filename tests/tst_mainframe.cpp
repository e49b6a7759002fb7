// The main window driven like a user: shortcuts and toolbar buttons take
// pictures, freeze and outline; unplugging and replugging the camera; closing.
#include "common/testenv.h"

#include "board/iboard.h"
#include "board/item/ipixmapitem.h"
#include "customui/icameratoolbar.h"
#include "directshow/ivideodeviceregistry.h"
#include "directshow/ivideodevicesetup.h"
#include "directshow/virtual/ivirtualcamera.h"
#include "icamera.h"
#include "iimagetansformthread.h"
#include "mainframe.h"
#include "service/iconfigureservice.h"

#include <QDir>
#include <QImageReader>
#include <QSignalSpy>
#include <QToolButton>

class TestMainFrame : public QObject
{
    Q_OBJECT

    std::shared_ptr<IVirtualCamera> m_camera;
    MainFrame* m_window = nullptr;

    static QStringList photos()
    {
        return QDir(IConfigureService::instance()->photoPath()).entryList({"*.jpeg", "*.jpg"}, QDir::Files);
    }
    QAbstractButton* cameraButton(int id)
    {
        for (QAbstractButton* button : m_window->cameraToolBar()->findChildren<QAbstractButton*>()) {
            const QStringList texts = {"Focus and Exposure", "Magnifier", "Resolution", "Zoom-in", "Zoom-out",
                                       "Rotate", "Freeze", "Color-adjusting", "Self-adapting", "Automatic edging",
                                       "Snap", "Photo-mode", "Video-Recording", "OCR", "PDF", "Camera",
                                       "Picture-in-picture", "Split-screen"};
            if (button->toolTip() == texts.value(id))
                return button;
        }
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        TestEnv::silenceOffscreenPlatformNotices();
        IVideoDeviceRegistry::instance().clear();
        m_camera = IVideoDeviceSetup::install({"veskaroo", "--virtual-camera"});
        QVERIFY(m_camera);
        m_window = new MainFrame(nullptr);
        QSignalSpy frames(ICamera::instance(), &ICamera::sgCameraFrame);
        m_window->createFirstSlide();
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 2, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(m_window->isVisible(), 10000); // shown when the camera opened
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QTRY_VERIFY(!m_window->board()->pictureItem()->pixmap().isNull()
                    || !m_window->board()->pictureItem()->boundingRect().isEmpty());
    }

    void cleanupTestCase()
    {
        delete m_window;
        ICamera::instance()->closeAllSources();
    }

    void ctrlAlt5AndSpaceTakeAPictureLikeSnap()
    {
        const int before = photos().size();
        QTest::keyClick(m_window, Qt::Key_5, Qt::ControlModifier | Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(photos().size(), before + 1, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(cameraButton(ICameraToolBar::Snap)->isEnabled(), 10000);

        QTest::qWait(20); // names are stamped to the millisecond
        QTest::keyClick(m_window, Qt::Key_Space);
        QTRY_COMPARE_WITH_TIMEOUT(photos().size(), before + 2, 20000);

        QImageReader reader(IConfigureService::instance()->photoPath() + "/" + photos().first());
        QCOMPARE(reader.size(), QSize(1920, 1080)); // the camera's resolution
    }

    void pictureTakenOnATurnedViewIsTurnedToo()
    {
        const QStringList before = photos();
        cameraButton(ICameraToolBar::Rotate)->click();
        QTRY_VERIFY_WITH_TIMEOUT(cameraButton(ICameraToolBar::Snap)->isEnabled(), 10000);
        QTest::qWait(20);
        cameraButton(ICameraToolBar::Snap)->click();
        QTRY_COMPARE_WITH_TIMEOUT(photos().size(), before.size() + 1, 20000);
        for (int turn = 0; turn < 3; ++turn)
            cameraButton(ICameraToolBar::Rotate)->click();
        QCOMPARE(m_window->board()->rotation(), 0);

        QStringList added = photos();
        for (const QString& name : before)
            added.removeOne(name);
        QCOMPARE(added.size(), 1);
        QImageReader reader(IConfigureService::instance()->photoPath() + "/" + added.first());
        QCOMPARE(reader.size(), QSize(1080, 1920));
        QTRY_VERIFY_WITH_TIMEOUT(cameraButton(ICameraToolBar::Snap)->isEnabled(), 10000);
    }

    void shutterSoundIsOurs()
    {
        QFile sound(":/root/root/photoSound.wav");
        QVERIFY(sound.open(QIODevice::ReadOnly));
        const QByteArray head = sound.read(12);
        QVERIFY(head.startsWith("RIFF") && head.endsWith("WAVE"));
        QVERIFY(sound.size() > 10000);
    }

    void freezeStopsTheLivePicture()
    {
        QSignalSpy frames(ICamera::instance(), &ICamera::sgCameraFrame);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        cameraButton(ICameraToolBar::Freeze)->click();
        QTest::qWait(200);
        frames.clear();
        QTest::qWait(300);
        QCOMPARE(frames.count(), 0);
        QVERIFY(!cameraButton(ICameraToolBar::Resolution)->isEnabled());
        cameraButton(ICameraToolBar::Freeze)->click();
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
    }

    void automaticEdgingOutlinesThePage()
    {
        cameraButton(ICameraToolBar::AutoEdge)->click();
        QTRY_VERIFY_WITH_TIMEOUT(ICamera::instance()->edgeResult().corners.size() == 4, 10000);
        const double angle = ICamera::instance()->edgeResult().angle;
        QVERIFY2(angle < 0 && angle >= -90, qPrintable(QString::number(angle)));
        cameraButton(ICameraToolBar::AutoEdge)->click();
    }

    void unpluggingAndReplugging()
    {
        QSignalSpy errors(ICamera::instance(), &ICamera::sgError);
        m_camera->setPresent(false);
        QTRY_VERIFY_WITH_TIMEOUT(errors.count() >= 1, 10000);
        QCOMPARE(errors.first().first().toInt(), 3);
        QTRY_VERIFY(!ICamera::instance()->hasSource());
        for (int id = ICameraToolBar::Pdf; id <= ICameraToolBar::SplitScreen; ++id)
            QVERIFY2(!cameraButton(id)->isEnabled(), qPrintable(QString::number(id)));

        m_camera->setPresent(true);
        QTRY_VERIFY_WITH_TIMEOUT(ICamera::instance()->hasSource(), 10000);
        for (int id = ICameraToolBar::Pdf; id <= ICameraToolBar::SplitScreen; ++id)
            QTRY_VERIFY_WITH_TIMEOUT(cameraButton(id)->isEnabled(), 10000);
    }

    void closingStopsTheSaveThreadAndTheCamera()
    {
        QVERIFY(m_window->imageThread());
        m_window->close();
        QVERIFY(!m_window->imageThread());
        QVERIFY(!ICamera::instance()->hasSource());
    }
};

VESKAROO_TEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
