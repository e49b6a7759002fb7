// Camera settings remembered per camera: chosen in the panels, they are on
// the device again after the program restarts, after a replug and after a
// switch back; each camera keeps its own; a camera with other ranges gets
// them within its ranges; "Default" gives the device's own defaults back.
#include "common/fakevideodevice.h"
#include "common/testenv.h"

#include "customui/camera/icontrolslider.h"
#include "customui/camera/ifocusframe.h"
#include "customui/camera/iparameterframe.h"
#include "customui/camera/ipixrateframe.h"
#include "customui/toolbar/imaintitlewidget.h"
#include "directshow/ivideodeviceregistry.h"
#include "directshow/ivideodevicesetup.h"
#include "directshow/iwinusbdevice.h"
#include "directshow/virtual/ivirtualcamera.h"
#include "icamera.h"
#include "mainframe.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QToolButton>

namespace {

const QString kFirst = "/dev/v4l/by-id/usb-Tarnwick_Document_Camera_A1-video-index0";
const QString kSecond = "/dev/v4l/by-id/usb-Tarnwick_Document_Camera_B2-video-index0";

std::shared_ptr<FakeVideoProvider> addCamera(const QString& path, const QString& pid)
{
    auto camera = std::make_shared<FakeVideoProvider>("Document Camera", path, "2E1A", pid);
    IVideoDeviceRegistry::instance().add(camera);
    return camera;
}

int current(const FakeVideoProvider& camera, IVideoDevice::Control control)
{
    QMutexLocker lock(&camera.state()->mutex);
    return camera.state()->controls.value(control).current;
}

// Back on its own values, as a camera that lost power.
void powerCycle(const FakeVideoProvider& camera)
{
    const FakeCameraState fresh;
    QMutexLocker lock(&camera.state()->mutex);
    camera.state()->controls = fresh.controls;
    camera.state()->formatsAsked.clear();
}

void setPresent(const FakeVideoProvider& camera, bool present)
{
    QMutexLocker lock(&camera.state()->mutex);
    camera.state()->present = present;
}

void drag(IControlSlider* control, int value)
{
    QVERIFY(control->slider()->isEnabled());
    control->slider()->setSliderDown(true);
    control->slider()->setValue(value);
    control->slider()->setSliderDown(false);
}

// Mean grey level of the live picture; -1 before the first frame.
double meanLevel()
{
    const QImage picture = ICamera::instance()->picture(1).convertToFormat(QImage::Format_Grayscale8);
    if (picture.isNull())
        return -1;
    double sum = 0;
    for (int y = 0; y < picture.height(); y += 4) {
        for (int x = 0; x < picture.width(); x += 4)
            sum += picture.constScanLine(y)[x];
    }
    return sum / ((picture.height() + 3) / 4) / ((picture.width() + 3) / 4);
}

} // namespace

class TestCameraSettings : public QObject
{
    Q_OBJECT

    MainFrame* m_window = nullptr;

    // The program's start: a new window opens the first camera.
    void start()
    {
        QSignalSpy errors(ICamera::instance(), &ICamera::sgError);
        m_window = new MainFrame(nullptr);
        m_window->createFirstSlide();
        QTRY_VERIFY_WITH_TIMEOUT(!errors.isEmpty(), 10000);
        QCOMPARE(errors.first().first().toInt(), 0);
    }
    void quit()
    {
        m_window->close();
        delete m_window;
        m_window = nullptr;
        ICamera::instance()->closeAllSources();
    }
    void switchTo(int index)
    {
        QSignalSpy errors(ICamera::instance(), &ICamera::sgError);
        emit m_window->titleWidget()->sgSwitchCamera(ICamera::instance()->validUsbCameraInfo().at(index));
        QTRY_VERIFY_WITH_TIMEOUT(errors.contains({0}), 10000);
    }
    IParameterFrame* colours() const { return m_window->parameterFrame(); }

private slots:
    void initTestCase() { TestEnv::silenceOffscreenPlatformNotices(); }
    void init()
    {
        IVideoDeviceRegistry::instance().clear();
        ICameraInfo::current() = ICameraInfo();
        TestEnv::forgetCameraSettings();
    }
    void cleanup()
    {
        if (m_window)
            quit();
        IVideoDeviceSetup::uninstall();
    }

    void settingsAreOnTheCameraAgainAfterARestart()
    {
        const auto camera = addCamera(kFirst, "5DA0");
        start();
        drag(colours()->brightnessSlider(), 200);
        drag(colours()->contrastSlider(), 40);
        // The fake's focus is automatic, its exposure manual: both sliders move.
        drag(m_window->focusFrame()->focusSlider(), 90);
        drag(m_window->focusFrame()->exposureSlider(), 500);
        m_window->pixRateFrame()->buttons().first()->click(); // 640 x 480
        QTRY_COMPARE(current(*camera, IVideoDevice::Exposure), 500);

        quit();
        powerCycle(*camera);
        start();
        QCOMPARE(current(*camera, IVideoDevice::Brightness), 200);
        QCOMPARE(current(*camera, IVideoDevice::Contrast), 40);
        QCOMPARE(current(*camera, IVideoDevice::Saturation), 64); // never changed, never sent
        QCOMPARE(current(*camera, IVideoDevice::FocusAuto), 0);
        QCOMPARE(current(*camera, IVideoDevice::Focus), 90);
        QCOMPARE(current(*camera, IVideoDevice::Exposure), 500);
        {
            QMutexLocker lock(&camera->state()->mutex);
            QCOMPARE(camera->state()->formatsAsked.first(), QSize(640, 480)); // before it streams
        }
        // The panels show what the camera now runs at.
        QCOMPARE(colours()->brightnessSlider()->value(), 200);
        QCOMPARE(m_window->focusFrame()->focusSlider()->value(), 90);
        QVERIFY(!m_window->focusFrame()->automaticBox()->isChecked());
        QCOMPARE(m_window->pixRateFrame()->checkedButton()->text(), QString("640 x 480"));

        // "Default": the device's own defaults, and from then on those.
        colours()->defaultButton()->click();
        QCOMPARE(current(*camera, IVideoDevice::Brightness), 128);
        QCOMPARE(current(*camera, IVideoDevice::Contrast), 32);
        quit();
        {
            QMutexLocker lock(&camera->state()->mutex);
            camera->state()->controls[IVideoDevice::Brightness].current = 10;
        }
        start();
        QCOMPARE(current(*camera, IVideoDevice::Brightness), 128);
        QCOMPARE(colours()->brightnessSlider()->value(), 128);
    }

    void eachCameraKeepsItsOwnAndGetsThemBackWhenReplugged()
    {
        const auto first = addCamera(kFirst, "5DA0");
        const auto second = addCamera(kSecond, "5DA1");
        {
            QMutexLocker lock(&second->state()->mutex);
            second->state()->controls[IVideoDevice::Brightness] = {true, 0, 0, -64, 64};
        }
        start();
        drag(colours()->brightnessSlider(), 230);
        QTRY_COMPARE(current(*first, IVideoDevice::Brightness), 230);

        switchTo(1);
        QCOMPARE(current(*second, IVideoDevice::Brightness), 0);
        drag(colours()->brightnessSlider(), -30);
        QTRY_COMPARE(current(*second, IVideoDevice::Brightness), -30);
        powerCycle(*first);
        switchTo(0);
        QCOMPARE(current(*first, IVideoDevice::Brightness), 230);
        QCOMPARE(current(*second, IVideoDevice::Brightness), -30);

        // Unplugged, off, plugged back.
        setPresent(*first, false);
        emit m_window->usbWatcher()->connectionChanged(false, kFirst);
        QTRY_VERIFY(!ICamera::instance()->hasSource());
        powerCycle(*first);
        setPresent(*first, true);
        emit m_window->usbWatcher()->connectionChanged(true, kFirst);
        QTRY_COMPARE_WITH_TIMEOUT(current(*first, IVideoDevice::Brightness), 230, 10000);
        QTRY_COMPARE(colours()->brightnessSlider()->value(), 230);
    }

    void anotherCameraOnThePathGetsThemWithinItsRanges()
    {
        auto camera = addCamera(kFirst, "5DA0");
        start();
        drag(colours()->brightnessSlider(), 250);
        drag(colours()->saturationSlider(), 100);
        QTRY_COMPARE(current(*camera, IVideoDevice::Saturation), 100);
        quit();

        // A camera of the same model with a narrower brightness and no saturation.
        IVideoDeviceRegistry::instance().clear();
        camera = addCamera(kFirst, "5DA0");
        {
            QMutexLocker lock(&camera->state()->mutex);
            camera->state()->controls[IVideoDevice::Brightness] = {true, 50, 50, 0, 100};
            camera->state()->controls.remove(IVideoDevice::Saturation);
        }
        start();
        QCOMPARE(current(*camera, IVideoDevice::Brightness), 100);
        QMutexLocker lock(&camera->state()->mutex);
        for (const auto& write : camera->state()->writes)
            QVERIFY(write.first != IVideoDevice::Saturation);
    }

    void theVirtualCameraGetsThemBackAfterReplugAndRestart()
    {
        const auto camera = IVideoDeviceSetup::install({"veskaroo", "--virtual-camera"});
        QVERIFY(camera);
        start();
        QTRY_VERIFY_WITH_TIMEOUT(meanLevel() > 0, 10000);
        const double normal = meanLevel();
        drag(colours()->brightnessSlider(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(meanLevel() < normal - 30, 10000);

        camera->setPresent(false);
        QTRY_VERIFY_WITH_TIMEOUT(!ICamera::instance()->hasSource(), 10000);
        camera->setPresent(true);
        QTRY_VERIFY_WITH_TIMEOUT(ICamera::instance()->hasSource(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(meanLevel() >= 0 && meanLevel() < normal - 30, 10000);
        QTRY_COMPARE(colours()->brightnessSlider()->value(), 0);

        quit();
        start();
        QTRY_VERIFY_WITH_TIMEOUT(meanLevel() >= 0 && meanLevel() < normal - 30, 10000);
    }
};

VESKAROO_TEST_MAIN(TestCameraSettings)
#include "tst_camerasettings.moc"
