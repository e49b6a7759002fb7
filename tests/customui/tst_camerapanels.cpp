// The camera panels on a scripted USB camera: the resolution list and its
// choice, automatic and manual focus and exposure, the colour sliders and
// their defaults, and cameras whose controls report no usable range.
#include "common/fakevideodevice.h"
#include "common/logrecorder.h"
#include "common/testenv.h"

#include "customui/camera/icontrolslider.h"
#include "customui/camera/ifocusframe.h"
#include "customui/camera/iparameterframe.h"
#include "customui/camera/ipixrateframe.h"
#include "directshow/ivideodeviceregistry.h"
#include "icamera.h"
#include "icamerainfo.h"
#include "service/iconfigureservice.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QToolButton>

using Controls = QMap<int, IControlRange>;

class TestCameraPanels : public QObject
{
    Q_OBJECT

    std::shared_ptr<FakeVideoProvider> m_device;

    // Opens a fake camera with that product id, sizes and controls, and
    // waits until it streams.
    void openCamera(const QString& pid, const QList<QSize>& sizes, const Controls& controls = {})
    {
        ICamera* camera = ICamera::instance();
        camera->closeAllSources();
        ICameraInfo::current() = ICameraInfo();
        IVideoDeviceRegistry::instance().clear();
        TestEnv::forgetCameraSettings();
        m_device = std::make_shared<FakeVideoProvider>("Document Camera", "/dev/video1", "2E1A", pid);
        m_device->state()->sizes = sizes;
        for (auto it = controls.cbegin(); it != controls.cend(); ++it) {
            if (it.value().valid)
                m_device->state()->controls[it.key()] = it.value();
            else
                m_device->state()->controls.remove(it.key());
        }
        IVideoDeviceRegistry::instance().add(m_device);
        QSignalSpy errors(camera, &ICamera::sgError);
        QVERIFY(camera->openCurrentCamera());
        QTRY_VERIFY_WITH_TIMEOUT(!errors.isEmpty(), 10000);
        QCOMPARE(errors.first().first().toInt(), 0);
    }
    QList<QPair<int, int>> writes() const
    {
        QMutexLocker lock(&m_device->state()->mutex);
        return m_device->state()->writes;
    }
    void forgetWrites()
    {
        QMutexLocker lock(&m_device->state()->mutex);
        m_device->state()->writes.clear();
    }
    QList<QSize> formatsAsked() const
    {
        QMutexLocker lock(&m_device->state()->mutex);
        return m_device->state()->formatsAsked;
    }
    static QStringList texts(const IPixRateFrame& panel)
    {
        QStringList list;
        for (QToolButton* b : panel.buttons())
            list << b->text();
        return list;
    }
    static QString checkedText(const IPixRateFrame& panel)
    {
        return panel.checkedButton() ? panel.checkedButton()->text() : QString();
    }
    // A user's drag of the slider to `value`.
    static void drag(IControlSlider* control, int value)
    {
        QVERIFY(control->slider()->isEnabled());
        control->slider()->setSliderDown(true);
        control->slider()->setValue(value);
        control->slider()->setSliderDown(false);
    }

private slots:
    void cleanupTestCase() { ICamera::instance()->closeAllSources(); }

    void resolutionListKeepsTheCamerasOrder_data()
    {
        QTest::addColumn<QString>("pid");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("type 0") << "5DA0" << QStringList{"3840 x 2160", "1920 x 1080", "2560 x 1440", "1280 x 720"};
        // Its 1440p is the stream behind the 4K stills, never a size of its own.
        QTest::newRow("type 1") << "5DA4" << QStringList{"3840 x 2160", "1920 x 1080", "1280 x 720"};
    }
    void resolutionListKeepsTheCamerasOrder()
    {
        QFETCH(QString, pid);
        QFETCH(QStringList, offered);
        IConfigureService::instance()->setCameraResolution(QSize(1920, 1080));
        openCamera(pid, {{3840, 2160}, {1920, 1080}, {2560, 1440}, {1280, 720}});
        IPixRateFrame panel;
        panel.refresh();
        QCOMPARE(texts(panel), offered);
        QCOMPARE(checkedText(panel), QString("1920 x 1080"));
        QCOMPARE(panel.checkedButton()->property("pixrate").toSizeF(), QSizeF(1920, 1080));
        QCOMPARE(panel.checkedButton()->font().pointSize(), 14);

        // Chosen from outside, 1440p falls back to the first offered size.
        panel.selectResolution(QSize(2560, 1440));
        QCOMPARE(IConfigureService::instance()->cameraResolution(),
                 pid == "5DA4" ? QSize(3840, 2160) : QSize(2560, 1440));
    }

    void configuredSizeTheCameraLacksGivesWayToTheFirst()
    {
        IConfigureService::instance()->setCameraResolution(QSize(1280, 720));
        openCamera("5DA0", {{1280, 720}, {1920, 1080}});
        IPixRateFrame panel;
        // Told not to apply: marked only.
        IConfigureService::instance()->setCameraResolution(QSize(800, 600));
        panel.refresh(false);
        QCOMPARE(checkedText(panel), QString("1280 x 720"));
        QCOMPARE(IConfigureService::instance()->cameraResolution(), QSize(800, 600));

        const int asked = formatsAsked().size();
        panel.refresh();
        QCOMPARE(checkedText(panel), QString("1280 x 720"));
        QCOMPARE(IConfigureService::instance()->cameraResolution(), QSize(1280, 720));
        // The camera is reopened at that size.
        QTRY_VERIFY_WITH_TIMEOUT(formatsAsked().size() > asked, 10000);
        QCOMPARE(formatsAsked().last(), QSize(1280, 720));
    }

    void aClickAppliesItsSizeAndCloses()
    {
        IConfigureService::instance()->setCameraResolution(QSize(1920, 1080));
        openCamera("5DA0", {{1280, 720}, {1920, 1080}});
        IPixRateFrame panel;
        panel.refresh();
        panel.show();
        QTest::mouseClick(panel.buttons().first(), Qt::LeftButton);
        QVERIFY(!panel.isVisible());
        QCOMPARE(checkedText(panel), QString("1280 x 720"));
        QCOMPARE(IConfigureService::instance()->cameraResolution(), QSize(1280, 720));
        QTRY_COMPARE_WITH_TIMEOUT(formatsAsked().last(), QSize(1280, 720), 10000);

        // A size another program set is marked, not applied again.
        const int asked = formatsAsked().size();
        panel.markResolution(QSize(1920, 1080));
        QCOMPARE(checkedText(panel), QString("1920 x 1080"));
        QCOMPARE(IConfigureService::instance()->cameraResolution(), QSize(1280, 720));
        QTest::qWait(200);
        QCOMPARE(formatsAsked().size(), asked);

        // Chosen from outside, as a time-lapse start does.
        panel.selectResolution(QSize(1920, 1080));
        QCOMPARE(IConfigureService::instance()->cameraResolution(), QSize(1920, 1080));
        QTRY_COMPARE_WITH_TIMEOUT(formatsAsked().last(), QSize(1920, 1080), 10000);
    }

    void automaticSendsMinus999AndSlidersSendManualValues()
    {
        openCamera("5DA0", {{1920, 1080}});
        LogRecorder log;
        IFocusFrame panel;
        panel.refresh();
        QCOMPARE(log.count("focus--->:"), 1);
        QCOMPARE(log.count("exposure--->:"), 1);
        // The fake's focus is automatic, its exposure manual at 156.
        QVERIFY(!panel.automaticBox()->isChecked());
        QCOMPARE(panel.exposureSlider()->value(), 156);
        QCOMPARE(panel.exposureSlider()->slider()->minimum(), 3);
        QCOMPARE(panel.exposureSlider()->slider()->maximum(), 2047);
        QVERIFY(writes().isEmpty()); // reading changes nothing

        panel.show();
        panel.automaticBox()->click();
        QVERIFY(writes().contains({int(IVideoDevice::FocusAuto), 1}));
        QVERIFY(writes().contains({int(IVideoDevice::ExposureAuto), 1}));
        QVERIFY(!panel.focusSlider()->slider()->isEnabled());

        forgetWrites();
        panel.automaticBox()->click();
        drag(panel.focusSlider(), 90);
        QTRY_VERIFY(writes().contains({int(IVideoDevice::Focus), 90}));
        QVERIFY(writes().contains({int(IVideoDevice::FocusAuto), 0}));
        QVERIFY(writes().contains({int(IVideoDevice::Exposure), 156}));
    }

    void colourSlidersSpanTheDeviceAndReachIt()
    {
        Controls controls;
        controls[IVideoDevice::Brightness] = {true, 50, 128, 0, 255}; // moved away from its default
        openCamera("5DA0", {{1920, 1080}}, controls);
        LogRecorder log;
        IParameterFrame panel;
        panel.refresh();
        QCOMPARE(panel.contrastSlider()->text(), QString("Contrast "));
        QCOMPARE(panel.brightnessSlider()->value(), 50);
        QCOMPARE(panel.contrastSlider()->slider()->maximum(), 95);
        QCOMPARE(panel.saturationSlider()->value(), 64);

        panel.show();
        drag(panel.brightnessSlider(), 200);
        drag(panel.contrastSlider(), 40);
        drag(panel.saturationSlider(), 100);
        QTRY_VERIFY(writes().contains({int(IVideoDevice::Brightness), 200}));
        QTRY_VERIFY(writes().contains({int(IVideoDevice::Contrast), 40}));
        QTRY_VERIFY(writes().contains({int(IVideoDevice::Saturation), 100}));
        QCOMPARE(log.count("brightness--->:"), 1);
        QCOMPARE(log.count("contrast--->:"), 1);
        QCOMPARE(log.count("saturation--->:"), 1);

        // Default: the device's own defaults, on the sliders and the device.
        forgetWrites();
        QTest::mouseClick(panel.defaultButton(), Qt::LeftButton);
        const QList<QPair<int, int>> expected = {
            {IVideoDevice::Contrast, 32}, {IVideoDevice::Brightness, 128}, {IVideoDevice::Saturation, 64}};
        QCOMPARE(writes(), expected);
        QCOMPARE(panel.brightnessSlider()->value(), 128);
        QTest::qWait(100); // nothing else follows the defaults
        QCOMPARE(writes(), expected);

        QTest::mouseClick(panel.okButton(), Qt::LeftButton);
        QVERIFY(!panel.isVisible());
    }

    void controlsWithoutAUsableRangeAreLeftAlone()
    {
        Controls controls;
        controls[IVideoDevice::Brightness] = {};                          // none
        controls[IVideoDevice::Contrast] = {true, 5, 5, 10, 0};           // minimum above maximum
        controls[IVideoDevice::Saturation] = {true, 300, 500, 0, 128};    // value and default outside
        controls[IVideoDevice::Focus] = {};
        controls[IVideoDevice::Exposure] = {true, 7, 7, 7, 7};            // a single value
        openCamera("5DA0", {{1920, 1080}}, controls);

        IParameterFrame colours;
        colours.refresh();
        colours.show();
        for (IControlSlider* control : {colours.brightnessSlider(), colours.contrastSlider()}) {
            QVERIFY(!control->isAdjustable());
            QVERIFY(!control->slider()->isEnabled());
            QVERIFY(control->findChildren<QLabel*>().last()->text() == "Not adjustable");
            control->slider()->setValue(3); // even if it moved
        }
        QVERIFY(colours.saturationSlider()->isAdjustable());
        QCOMPARE(colours.saturationSlider()->value(), 128);
        QTest::mouseClick(colours.defaultButton(), Qt::LeftButton);
        QTest::qWait(100);
        // Only the one usable control, and only within its range.
        QCOMPARE(writes(), (QList<QPair<int, int>>{{IVideoDevice::Saturation, 128}}));

        forgetWrites();
        IFocusFrame focus;
        focus.refresh();
        focus.show();
        QVERIFY(!focus.focusSlider()->isAdjustable());
        QVERIFY(!focus.exposureSlider()->isAdjustable());
        QVERIFY(!focus.automaticBox()->isEnabled());
        // Left to the camera's automatic mode, never a made-up value.
        for (const auto& write : writes()) {
            QVERIFY2(write.first == IVideoDevice::FocusAuto || write.first == IVideoDevice::ExposureAuto,
                     qPrintable(QString::number(write.first)));
            QCOMPARE(write.second, 1);
        }

        // No camera at all: empty panels, no crash.
        ICamera::instance()->closeAllSources();
        colours.refresh();
        focus.refresh();
        QVERIFY(!colours.defaultButton()->isEnabled());
        IPixRateFrame sizes;
        sizes.refresh();
        QVERIFY(sizes.buttons().isEmpty());
    }
};

VESKAROO_TEST_MAIN(TestCameraPanels)
#include "tst_camerapanels.moc"
