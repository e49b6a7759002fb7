// The camera and settings panels in the main window with the virtual
// camera: each button opens its panel where it belongs, filled when the
// camera opened; colour changes reach the picture; the camera list switches
// cameras through the title bar and the panels follow the new camera.
#include "common/fakevideodevice.h"
#include "common/logrecorder.h"
#include "common/testenv.h"

#include "customui/camera/icameraframe.h"
#include "customui/camera/icontrolslider.h"
#include "customui/camera/ifocusframe.h"
#include "customui/camera/iparameterframe.h"
#include "customui/camera/ipixrateframe.h"
#include "customui/setting/isettingframe.h"
#include "customui/toolbar/icameratoolbar.h"
#include "customui/toolbar/imaintitlewidget.h"
#include "directshow/ivideodeviceregistry.h"
#include "directshow/ivideodevicesetup.h"
#include "directshow/virtual/ivirtualcamera.h"
#include "icamera.h"
#include "iglobals.h"
#include "mainframe.h"
#include "service/iconfigureservice.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QToolButton>

namespace {

// Mean grey level of the live picture.
double meanLevel()
{
    const QImage picture = ICamera::instance()->picture(1).convertToFormat(QImage::Format_Grayscale8);
    if (picture.isNull())
        return -1;
    double sum = 0;
    for (int y = 0; y < picture.height(); y += 4) {
        const uchar* line = picture.constScanLine(y);
        for (int x = 0; x < picture.width(); x += 4)
            sum += line[x];
    }
    return sum / ((picture.height() + 3) / 4) / ((picture.width() + 3) / 4);
}

} // namespace

class TestPanelsWindow : public QObject
{
    Q_OBJECT

    std::shared_ptr<IVirtualCamera> m_camera;
    MainFrame* m_window = nullptr;

    QAbstractButton* cameraButton(int id) const { return m_window->cameraToolBar()->button(id); }
    QRect buttonRect(int id) const { return m_window->cameraToolBar()->buttonGlobalRect(id); }
    void openFromToolbar(int id, QWidget* panel)
    {
        if (panel->isVisible())
            QTest::mouseClick(cameraButton(id), Qt::LeftButton);
        QTest::mouseClick(cameraButton(id), Qt::LeftButton);
        QTRY_VERIFY(panel->isVisible());
    }

private slots:
    void initTestCase()
    {
        TestEnv::silenceOffscreenPlatformNotices();
        IVideoDeviceRegistry::instance().clear();
        m_camera = IVideoDeviceSetup::install({"veskaroo", "--virtual-camera"});
        QVERIFY(m_camera);
        IConfigureService::instance()->setCameraResolution(QSize(1920, 1080));
        m_window = new MainFrame(nullptr);
        m_window->createFirstSlide();
        QTRY_VERIFY_WITH_TIMEOUT(m_window->isVisible(), 30000);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QTRY_VERIFY_WITH_TIMEOUT(meanLevel() > 0, 10000);
    }

    void cleanupTestCase()
    {
        delete m_window;
        ICamera::instance()->closeAllSources();
    }

    void eachButtonOpensItsPanelFilledFromTheCamera()
    {
        IPixRateFrame* sizes = m_window->pixRateFrame();
        openFromToolbar(ICameraToolBar::Resolution, sizes);
        QCOMPARE(sizes->buttons().size(), 5);
        QCOMPARE(sizes->checkedButton()->text(), QString("1920 x 1080"));
        QVERIFY(sizes->geometry().bottom() < buttonRect(ICameraToolBar::Resolution).top());

        openFromToolbar(ICameraToolBar::FocusExposure, m_window->focusFrame());
        QVERIFY(!sizes->isVisible()); // one panel at a time
        QVERIFY(m_window->focusFrame()->focusSlider()->isAdjustable());

        openFromToolbar(ICameraToolBar::ColorAdjusting, m_window->parameterFrame());
        QCOMPARE(m_window->parameterFrame()->brightnessSlider()->slider()->maximum(), 255);

        // The camera list: centred above "Camera", 10 pixels up.
        ICameraFrame* cameras = m_window->cameraFrame();
        openFromToolbar(ICameraToolBar::Camera, cameras);
        const QRect anchor = buttonRect(ICameraToolBar::Camera);
        QVERIFY(qAbs(cameras->geometry().center().x() - anchor.center().x()) <= 1);
        QCOMPARE(cameras->geometry().bottom() + 1, anchor.top() - scaledPixels(10));
        QCOMPARE(cameras->buttons().size(), 1);
        QVERIFY(cameras->buttons().first()->isChecked());

        // The title bar's "Settings" opens the settings below it.
        QTest::mouseClick(m_window->titleWidget()->button(IMainTitleWidget::Settings), Qt::LeftButton);
        QTRY_VERIFY(m_window->settingFrame()->isVisible());
        QVERIFY(!cameras->isVisible());
        QTest::mouseClick(m_window->titleWidget()->button(IMainTitleWidget::Settings), Qt::LeftButton);
        QVERIFY(!m_window->settingFrame()->isVisible());
    }

    void colourChangesReachThePicture()
    {
        IParameterFrame* colours = m_window->parameterFrame();
        openFromToolbar(ICameraToolBar::ColorAdjusting, colours);
        const double before = meanLevel();
        QSlider* brightness = colours->brightnessSlider()->slider();
        brightness->setSliderDown(true);
        brightness->setValue(brightness->minimum());
        brightness->setSliderDown(false);
        QTRY_VERIFY_WITH_TIMEOUT(meanLevel() < before - 30, 10000);

        QTest::mouseClick(colours->defaultButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(meanLevel() - before) < 8, 10000);
    }

    void aSizeChosenFromOutsideIsShownAndApplied()
    {
        m_window->pixRateFrame()->selectResolution(QSize(1280, 720));
        QCOMPARE(m_window->pixRateFrame()->checkedButton()->text(), QString("1280 x 720"));
        QTRY_COMPARE_WITH_TIMEOUT(ICamera::instance()->picture(1).size(), QSize(1280, 720), 20000);
        m_window->pixRateFrame()->selectResolution(QSize(1920, 1080));
        QTRY_COMPARE_WITH_TIMEOUT(ICamera::instance()->picture(1).size(), QSize(1920, 1080), 20000);
    }

    void theCameraListSwitchesAndThePanelsFollow()
    {
        auto second = std::make_shared<FakeVideoProvider>("Second Camera", "/dev/video9", "2E1A", "5DA0");
        second->state()->sizes = {{1280, 720}, {640, 480}};
        second->state()->controls[IVideoDevice::Brightness] = {true, 10, 20, -64, 64};
        IVideoDeviceRegistry::instance().add(second);

        ICameraFrame* cameras = m_window->cameraFrame();
        openFromToolbar(ICameraToolBar::Camera, cameras);
        QCOMPARE(cameras->buttons().size(), 2);
        QCOMPARE(cameras->buttons().at(1)->text(), QString("Second Camera #1"));

        LogRecorder log;
        QSignalSpy switched(m_window->titleWidget(), &IMainTitleWidget::sgSwitchCamera);
        QTest::mouseClick(cameras->buttons().at(1), Qt::LeftButton);
        QVERIFY(!cameras->isVisible());
        QCOMPARE(log.count("switch camera index:  1"), 1);
        QCOMPARE(switched.count(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(ICameraInfo::current().devicePath, QString("/dev/video9"), 10000);

        // Filled again for the new camera once it streams.
        QStringList texts;
        QTRY_VERIFY_WITH_TIMEOUT(m_window->pixRateFrame()->buttons().size() == 2, 20000);
        for (QToolButton* b : m_window->pixRateFrame()->buttons())
            texts << b->text();
        QCOMPARE(texts, (QStringList{"1280 x 720", "640 x 480"}));
        QCOMPARE(m_window->parameterFrame()->brightnessSlider()->slider()->minimum(), -64);
        QCOMPARE(m_window->parameterFrame()->brightnessSlider()->value(), 10);
    }
};

VESKAROO_TEST_MAIN(TestPanelsWindow)
#include "tst_panelswindow.moc"
