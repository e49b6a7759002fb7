// A Wi-Fi camera's settings are remembered by its address and sent to it
// again over its control connection when it is opened after a restart of
// the camera, once it has told its own values.
#include "common/privatenetwork.h"
#include "common/testenv.h"
#include "common/wificamerasimulator.h"

#include "icamera.h"
#include "icamerainfo.h"

#include <QSignalSpy>

class TestNetworkCameraSettings : public QObject
{
    Q_OBJECT

    WifiCameraSimulator m_sim;

    void open()
    {
        QSignalSpy errors(ICamera::instance(), &ICamera::sgError);
        ICamera::instance()->switchCamera(simulatedCamera());
        QTRY_VERIFY_WITH_TIMEOUT(errors.contains({0}), 15000);
    }

private slots:
    void initTestCase()
    {
        shortenWifiTimings();
        TestEnv::forgetCameraSettings();
    }
    void cleanupTestCase() { ICamera::instance()->closeAllSources(); }

    void brightnessComesBackAfterTheCameraRestarted()
    {
        QVERIFY(m_sim.start());
        open();
        QTRY_VERIFY_WITH_TIMEOUT(!ICamera::instance()->cameraParameter().isEmpty(), 15000);
        ICamera::instance()->setBrightness(0x30);
        // The quality record starts with the brightness.
        QVERIFY(m_sim.waitFor("command 7 30 "));
        ICamera::instance()->closeAllSources();

        QVERIFY(m_sim.start()); // back on its own values
        open();
        QVERIFY(m_sim.waitFor("command 7 30 ", 1, 15000));
        QCOMPARE(ICamera::instance()->cameraParameter().brightness.first().toInt(), 0x30);
    }
};

VESKAROO_NETWORK_TEST_MAIN(TestNetworkCameraSettings)
#include "tst_networkcamerasettings.moc"
