// The camera facade: which cameras are accepted, dispatch to the source, the
// type-1 4K mapping, switching, and errors forwarded from the source.
#include "common/fakevideodevice.h"
#include "common/testenv.h"

#include "directshow/idshowthread.h"
#include "directshow/ivideodevicesetup.h"
#include "directshow/virtual/ivirtualcamera.h"
#include "mainframe.h"
#include "directshow/ivideodeviceregistry.h"
#include "icamera.h"
#include "service/iconfigureservice.h"

#include <QSignalSpy>

namespace {

QList<int> codes(const QSignalSpy& spy)
{
    QList<int> result;
    for (const QList<QVariant>& args : spy)
        result << args.first().toInt();
    return result;
}

std::shared_ptr<FakeVideoProvider> addCamera(const QString& path, const QString& vid, const QString& pid,
                                             const QString& name = "Document Camera")
{
    auto camera = std::make_shared<FakeVideoProvider>(name, path, vid, pid);
    camera->state()->sizes = {{640, 480}, {1280, 720}, {1920, 1080}, {2560, 1440}, {3840, 2160}};
    IVideoDeviceRegistry::instance().add(camera);
    return camera;
}

} // namespace

class TestCamera : public QObject
{
    Q_OBJECT

    ICamera* camera() { return ICamera::instance(); }

private slots:
    void init()
    {
        camera()->closeAllSources();
        ICameraInfo::current() = ICameraInfo();
        IVideoDeviceRegistry::instance().clear();
        IConfigureService::instance()->readConfigure();
        IConfigureService::instance()->setValue("camera/acceptedids", QVariant());
    }
    void cleanupTestCase() { camera()->closeAllSources(); }

    void noCameraMeansNoCurrentCamera()
    {
        addCamera("/dev/video0", "FFFF", "0001", "Laptop webcam"); // not one of ours
        QVERIFY(!camera()->initData());
        QCOMPARE(ICameraInfo::current().index, -1);
        QVERIFY(!camera()->openCurrentCamera());
        QVERIFY(!camera()->hasSource());
    }

    void acceptedCamerasWhateverTheCaseOfTheirIds_data()
    {
        QTest::addColumn<QString>("vid");
        QTest::addColumn<QString>("pid");
        QTest::addColumn<int>("type");
        QTest::newRow("capitals") << "2E1A" << "5DA0" << 0;
        QTest::newRow("small letters") << "2e1a" << "5da1" << 0;
        QTest::newRow("swapped pair") << "5DA0" << "2E1A" << 0;
        QTest::newRow("type 1") << "2E1A" << "5DA4" << 1;
    }

    void acceptedCamerasWhateverTheCaseOfTheirIds()
    {
        QFETCH(QString, vid);
        QFETCH(QString, pid);
        QFETCH(int, type);
        addCamera("/dev/video3", "FFFF", "0001", "Laptop webcam");
        addCamera("/dev/video5", vid, pid);
        const QList<ICameraInfo> valid = camera()->validCameraInfo();
        QCOMPARE(valid.size(), 1);
        QCOMPARE(valid.first().devicePath, QString("/dev/video5"));
        QCOMPARE(valid.first().index, 1);
        QCOMPARE(valid.first().type, type);
        QCOMPARE(valid.first().name, QString("Document Camera #1"));
    }

    void userAddedIdsAreAccepted()
    {
        addCamera("/dev/video2", "ABCD", "1234");
        QVERIFY(camera()->validCameraInfo().isEmpty());
        IConfigureService::instance()->setValue("camera/acceptedids", QStringList{"abcd:1234"});
        QVERIFY(camera()->initData());
        QCOMPARE(ICameraInfo::current().devicePath, QString("/dev/video2"));
    }

    void framesAndErrorsComeThroughTheFacade()
    {
        auto device = addCamera("/dev/video1", "2E1A", "5DA0");
        QSignalSpy frames(camera(), &ICamera::sgCameraFrame);
        QSignalSpy errors(camera(), &ICamera::sgError);
        QVERIFY(camera()->openCurrentCamera());
        QVERIFY(camera()->dshowSource());
        QVERIFY(!camera()->opencvSource());
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 2, 10000);
        QCOMPARE(frames.last().first().value<QImage>().size(), QSize(1920, 1080)); // the configured size
        QCOMPARE(codes(errors), QList<int>{0});
        QVERIFY(!camera()->picture(1).isNull());
        QCOMPARE(camera()->cameraParameter().brightness.first().toInt(), 128);
        QCOMPARE(camera()->supportedResolutions().size(), 5);

        {
            QMutexLocker lock(&device->state()->mutex);
            device->state()->present = false;
        }
        QTRY_COMPARE_WITH_TIMEOUT(codes(errors), (QList<int>{0, 3}), 10000);
    }

    void anotherCameraNeverShowsTheLastOnesSettings()
    {
        auto first = addCamera("/dev/video1", "2E1A", "5DA0");
        QVERIFY(camera()->openCurrentCamera());
        QTRY_COMPARE_WITH_TIMEOUT(camera()->cameraParameter().brightness.value(2).toInt(), 255, 10000); // its maximum

        // Unplugged; another accepted camera with other ranges comes in.
        camera()->closeUsbSource();
        IVideoDeviceRegistry::instance().remove(first.get());
        auto second = addCamera("/dev/video3", "2E1A", "5DA1", "Second Camera");
        {
            QMutexLocker lock(&second->state()->mutex);
            second->state()->controls[IVideoDevice::Brightness] = {true, 10, 20, -64, 64};
        }
        QVERIFY(camera()->openCurrentCamera());
        QTRY_VERIFY_WITH_TIMEOUT(!camera()->cameraParameter().isEmpty(), 10000);
        const QVariantList brightness = camera()->cameraParameter().brightness;
        // {current, default, maximum, minimum}
        QCOMPARE(brightness.value(1).toInt(), 20);
        QCOMPARE(brightness.value(2).toInt(), 64);
        QCOMPARE(brightness.value(3).toInt(), -64);
    }

    void settingsReachTheSource()
    {
        auto device = addCamera("/dev/video1", "2E1A", "5DA0");
        QSignalSpy errors(camera(), &ICamera::sgError);
        QVERIFY(camera()->openCurrentCamera());
        QTRY_COMPARE_WITH_TIMEOUT(codes(errors), QList<int>{0}, 10000);
        camera()->setFocus(-999);
        camera()->setExposure(200);
        camera()->setBrightness(77);
        QMutexLocker lock(&device->state()->mutex);
        QVERIFY(device->state()->writes.contains({int(IVideoDevice::FocusAuto), 1}));
        QVERIFY(device->state()->writes.contains({int(IVideoDevice::Exposure), 200}));
        QVERIFY(device->state()->writes.contains({int(IVideoDevice::Brightness), 77}));
    }

    void typeOneCameraAsksFor1440pWhen4KIsConfigured()
    {
        auto device = addCamera("/dev/video4", "2E1A", "5DA4");
        IConfigureService::instance()->setCameraResolution(QSize(3840, 2160));
        QSignalSpy frames(camera(), &ICamera::sgCameraFrame);
        QVERIFY(camera()->openCurrentCamera());
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        QCOMPARE(frames.last().first().value<QImage>().size(), QSize(2560, 1440));
        QCOMPARE(IConfigureService::instance()->cameraResolution(), QSize(3840, 2160));
        QMutexLocker lock(&device->state()->mutex);
        QVERIFY(device->state()->formatsAsked.contains(QSize(2560, 1440)));
        QVERIFY(!device->state()->formatsAsked.contains(QSize(3840, 2160)));
    }

    void switchingReappliesFullHdBeforeOpening()
    {
        addCamera("/dev/video1", "2E1A", "5DA0");
        auto second = addCamera("/dev/video2", "2E1A", "5DA1", "Second Camera");
        IConfigureService::instance()->setCameraResolution(QSize(640, 480));
        QSignalSpy frames(camera(), &ICamera::sgCameraFrame);
        QVERIFY(camera()->openCurrentCamera());
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        QCOMPARE(frames.last().first().value<QImage>().size(), QSize(640, 480));

        const ICameraInfo target = camera()->validCameraInfo().at(1);
        camera()->switchCamera(target);
        QCOMPARE(ICameraInfo::current().devicePath, QString("/dev/video2"));
        QCOMPARE(IConfigureService::instance()->cameraResolution(), QSize(1920, 1080));
        frames.clear();
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        QCOMPARE(frames.last().first().value<QImage>().size(), QSize(1920, 1080));
        QMutexLocker lock(&second->state()->mutex);
        QCOMPARE(second->state()->formatsAsked.first(), QSize(1920, 1080));
    }

    void virtualCameraFreezesAndIsLostLikeARealOne()
    {
        auto virtualCamera = std::make_shared<IVirtualCamera>();
        IVideoDeviceRegistry::instance().add(virtualCamera);
        QSignalSpy frames(camera(), &ICamera::sgCameraFrame);
        QSignalSpy errors(camera(), &ICamera::sgError);
        QVERIFY(camera()->openCurrentCamera());
        QCOMPARE(ICameraInfo::current().devicePath, IVirtualCamera::devicePath());
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 3, 20000);
        QCOMPARE(frames.last().first().value<QImage>().size(), QSize(1920, 1080));

        camera()->setLive(false);
        QTest::qWait(150);
        frames.clear();
        QTest::qWait(300);
        QCOMPARE(frames.count(), 0);
        QVERIFY(!camera()->picture(1).isNull());
        camera()->setLive(true);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);

        virtualCamera->setPresent(false);
        QTRY_COMPARE_WITH_TIMEOUT(codes(errors), (QList<int>{0, 3}), 10000);
    }

    void windowClosesAndReopensTheUnpluggedVirtualCamera()
    {
        const auto virtualCamera = IVideoDeviceSetup::install({"veskaroo", "--virtual-camera"});
        QVERIFY(virtualCamera);
        QSignalSpy frames(camera(), &ICamera::sgCameraFrame);
        QSignalSpy errors(camera(), &ICamera::sgError);
        MainFrame window(nullptr);
        window.InitData();
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 20000);

        virtualCamera->setPresent(false);
        QTRY_VERIFY_WITH_TIMEOUT(codes(errors).contains(3), 10000);
        QTRY_VERIFY(!camera()->hasSource());

        virtualCamera->setPresent(true);
        QTRY_VERIFY_WITH_TIMEOUT(camera()->hasSource(), 10000);
        frames.clear();
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 20000);
        camera()->closeAllSources();
    }

    void closingAllSourcesStopsStreaming()
    {
        addCamera("/dev/video1", "2E1A", "5DA0");
        QSignalSpy frames(camera(), &ICamera::sgCameraFrame);
        QVERIFY(camera()->openCurrentCamera());
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        camera()->closeAllSources();
        QVERIFY(!camera()->hasSource());
        QTest::qWait(100);
        frames.clear();
        QTest::qWait(200);
        QCOMPARE(frames.count(), 0);
        QVERIFY(camera()->picture(1).isNull());
    }
};

VESKAROO_TEST_MAIN(TestCamera)
#include "tst_camera.moc"
