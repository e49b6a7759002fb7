// Time-lapse: the bar's countdown waits for each shot, pauses and takes a
// new interval; in the main window a run switches a 4K camera to 1080p,
// hands every shot to the recording service and tells the user whether the
// video was made, also when the window closes or the camera goes.
#include "common/logrecorder.h"
#include "common/testenv.h"

#include "board/iboard.h"
#include "capture/itimelapsecontroller.h"
#include "customui/camera/ipixrateframe.h"
#include "customui/capture/icapturemodeframe.h"
#include "customui/common/itimemsgbox.h"
#include "customui/timelapse/itimelapsebutton.h"
#include "customui/timelapse/itimelapseframe.h"
#include "customui/timelapse/itimelapsetimes.h"
#include "customui/toolbar/icameratoolbar.h"
#include "directshow/ivideodeviceregistry.h"
#include "directshow/ivideodevicesetup.h"
#include "directshow/virtual/ivirtualcamera.h"
#include "icamera.h"
#include "iglobals.h"
#include "mainframe.h"
#include "service/iconfigureservice.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>

namespace {

// Records what a run asks of the recording service; finishes with `result`
// (empty: fails with `error`).
class FakeRecorder : public ITimelapseRecorder
{
public:
    void startVideo(const QString& directory, const QSize& size, int frameRate) override
    {
        ++starts;
        folder = directory;
        videoSize = size;
        rate = frameRate;
        frames.clear();
    }
    void addFrame(const QImage& picture) override { frames << picture; }
    QString finishVideo(int* seconds, QString* errorText) override
    {
        ++finishes;
        if (seconds)
            *seconds = frames.size() / 30;
        if (result.isEmpty() && errorText)
            *errorText = error;
        return result;
    }

    int starts = 0;
    int finishes = 0;
    QString folder;
    QSize videoSize;
    int rate = 0;
    QList<QImage> frames;
    QString result;
    QString error;
};

// The texts of the notices on screen now.
QStringList notices()
{
    QStringList texts;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<ITimeMsgBox*>(widget) && widget->isVisible())
            texts << widget->findChild<QLabel*>()->text();
    }
    return texts;
}

ITimeMsgBox* noticeWith(const QString& text)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<ITimeMsgBox*>(widget) && widget->isVisible()
            && widget->findChild<QLabel*>()->text() == text)
            return static_cast<ITimeMsgBox*>(widget);
    }
    return nullptr;
}

} // namespace

class TestTimelapse : public QObject
{
    Q_OBJECT

    std::shared_ptr<IVirtualCamera> m_camera;
    MainFrame* m_window = nullptr;
    FakeRecorder m_recorder;

    ITimelapseFrame* bar() const { return m_window->timelapse()->frame(); }
    QAbstractButton* cameraButton(int id) const { return m_window->cameraToolBar()->button(id); }
    static void click(ITimelapseFrame* frame, int id) { QTest::mouseClick(frame->button(id), Qt::LeftButton); }

    void openBar()
    {
        QTest::mouseClick(cameraButton(ICameraToolBar::PhotoMode), Qt::LeftButton);
        QTRY_VERIFY(m_window->captureModeFrame()->isVisible());
        for (QPushButton* button : m_window->captureModeFrame()->findChildren<QPushButton*>()) {
            if (button->text() == "Time-lapse")
                QTest::mouseClick(button, Qt::LeftButton);
        }
        QTRY_VERIFY(bar()->isVisible());
    }
    void startRun()
    {
        QTRY_VERIFY_WITH_TIMEOUT(bar()->isEnabled(), 5000);
        click(bar(), ITimelapseFrame::CameraButton);
        QVERIFY(m_window->timelapse()->isRunning());
    }
    // Counts down to the shot and waits for the picture to reach the video.
    void shoot()
    {
        const int before = m_recorder.frames.size();
        ITimelapseTimes* times = bar()->times();
        while (times->secondsLeft() > 0)
            times->tick();
        QTRY_COMPARE_WITH_TIMEOUT(m_recorder.frames.size(), before + 1, 10000);
    }

private slots:
    void initTestCase()
    {
        TestEnv::silenceOffscreenPlatformNotices();
        QVERIFY(!ICamera::discoveryEnabled());
        IVideoDeviceRegistry::instance().clear();
        m_camera = IVideoDeviceSetup::install({"veskaroo", "--virtual-camera"});
        QVERIFY(m_camera);
        m_window = new MainFrame(nullptr);
        m_window->timelapse()->setRecorder(&m_recorder);
        QVERIFY(TestEnv::showFirstPicture(m_window));
    }

    void cleanupTestCase()
    {
        delete m_window;
        ICamera::instance()->closeAllSources();
    }

    // The countdown alone, ticked by hand.

    void countdownWaitsForTheShotBeforeCountingAgain()
    {
        ITimelapseTimes times;
        QSignalSpy timeouts(&times, &ITimelapseTimes::sgTimeout);
        times.setInterval(5);
        QCOMPARE(times.timeText(), QString("00:05"));
        QCOMPARE(times.countText(), QString("0"));
        QVERIFY(times.isCounting());
        const QStringList expected = {"00:04", "00:03", "00:02", "00:01", "00:00"};
        for (const QString& text : expected) {
            times.tick();
            QCOMPARE(times.timeText(), text);
        }
        QCOMPARE(timeouts.count(), 1);
        // The shot is not handled yet: no new countdown, no second request.
        times.tick();
        times.tick();
        QCOMPARE(times.timeText(), QString("00:00"));
        QCOMPARE(timeouts.count(), 1);
        QVERIFY(!times.isCounting());

        times.shotTaken();
        QCOMPARE(times.timeText(), QString("00:05"));
        QCOMPARE(times.countText(), QString("1"));
        QVERIFY(times.isCounting());

        // A lost shot is not counted, but the series goes on.
        for (int i = 0; i < 5; ++i)
            times.tick();
        QCOMPARE(timeouts.count(), 2);
        times.shotLost();
        QCOMPARE(times.timeText(), QString("00:05"));
        QCOMPARE(times.countText(), QString("1"));
        QVERIFY(times.isCounting());

        // A stopped countdown stays stopped when the last shot comes back.
        times.stop();
        times.shotTaken();
        QVERIFY(!times.isCounting());
    }

    void aLongRunsCountIsNeverCut()
    {
        ITimelapseFrame frame;
        frame.show();
        frame.setRunning(true);
        ITimelapseTimes* times = frame.times();
        for (int i = 0; i < 123456; ++i)
            times->shotTaken();
        QLabel* count = times->findChild<QLabel*>("timelapseCount");
        QCOMPARE(count->text(), QString("123456"));
        QVERIFY(count->width() >= count->fontMetrics().horizontalAdvance("123456"));
    }

    void pauseHoldsTheShotsAndResumeGoesOn()
    {
        ITimelapseFrame frame;
        frame.show();
        QSignalSpy operations(&frame, &ITimelapseFrame::sgCaptureImage);
        // Nothing to pause before a run.
        QVERIFY(!frame.button(ITimelapseFrame::PauseButton)->isEnabled());
        frame.setRunning(true);
        frame.times()->tick();
        click(&frame, ITimelapseFrame::PauseButton);
        QVERIFY(frame.isPaused());
        for (int i = 0; i < 10; ++i)
            frame.times()->tick();
        QCOMPARE(frame.times()->timeText(), QString("00:04"));
        QVERIFY(operations.isEmpty());

        click(&frame, ITimelapseFrame::PauseButton);
        QVERIFY(!frame.isPaused());
        for (int i = 0; i < 4; ++i)
            frame.times()->tick();
        QCOMPARE(operations.count(), 1);
        QCOMPARE(operations.first().first().toInt(), int(ITimelapseFrame::TakeShot));
    }

    void intervalChoiceChangesTheCountdownAndClosesTheChooser()
    {
        ITimelapseFrame frame;
        frame.show();
        QCOMPARE(frame.interval(), 5);
        frame.setRunning(true);
        frame.times()->shotTaken();
        click(&frame, ITimelapseFrame::IntervalButton);
        QWidget* chooser = frame.chooser();
        QVERIFY(chooser->isVisible());
        // Centred above the interval button, 10 reference pixels higher.
        const QWidget* opener = frame.button(ITimelapseFrame::IntervalButton);
        const QRect over(opener->mapToGlobal(QPoint(0, 0)), opener->size());
        QCOMPARE(chooser->y() + chooser->height() + scaledPixels(10), over.top());
        QVERIFY(qAbs(chooser->geometry().center().x() - over.center().x()) <= 1);

        ITimelapseButton* ten = frame.button(ITimelapseFrame::FirstInterval + ITimelapseFrame::intervals().indexOf(10));
        QCOMPARE(ten->text(), QString("10"));
        QTest::mouseClick(ten, Qt::LeftButton);
        QVERIFY(!chooser->isVisible());
        QCOMPARE(frame.interval(), 10);
        QCOMPARE(frame.times()->timeText(), QString("00:10"));
        QCOMPARE(frame.button(ITimelapseFrame::IntervalButton)->text(), QString("10"));
        // Within a run the shots taken stay counted.
        QCOMPARE(frame.times()->countText(), QString("1"));
    }

    void closingTheBarStopsItsRun()
    {
        ITimelapseFrame frame;
        frame.show();
        QSignalSpy operations(&frame, &ITimelapseFrame::sgCaptureImage);
        click(&frame, ITimelapseFrame::CameraButton);
        QCOMPARE(operations.takeFirst().first().toInt(), int(ITimelapseFrame::StartRun));
        frame.setRunning(true);
        click(&frame, ITimelapseFrame::CloseButton);
        QCOMPARE(operations.takeFirst().first().toInt(), int(ITimelapseFrame::StopRun));
        QVERIFY(!frame.isVisible());
    }

    // The run in the main window, on the virtual camera.

    void timelapseModeShowsTheBarAbovePhotoModeAndFollowsTheWindow()
    {
        openBar();
        const QRect screen = m_window->screen()->availableGeometry();
        QVERIFY(screen.contains(bar()->frameGeometry()));
        // A smaller window moves the button; the bar goes with it.
        m_window->showNormal();
        m_window->setGeometry(screen.x(), screen.y(), screen.width() * 3 / 4, screen.height() * 3 / 4);
        QTRY_VERIFY(!m_window->isMaximized());
        QTRY_VERIFY(bar()->isVisible());
        const auto expected = [this] {
            const QRect anchor = m_window->cameraToolBar()->buttonGlobalRect(ICameraToolBar::PhotoMode);
            return QPoint(anchor.x() + scaledPixels(76) - bar()->width() / 2,
                          anchor.y() - bar()->height() - scaledPixels(30));
        };
        QTRY_COMPARE(bar()->pos(), expected());
        m_window->showMaximized();
        QTRY_VERIFY(m_window->isMaximized());
        openBar();
        QTRY_COMPARE(bar()->pos(), expected());
    }

    void startOn4KSwitchesTo1080AndRecordsEveryShot()
    {
        IConfigureService::instance()->setCameraResolution(QSize(3840, 2160));
        m_window->pixRateFrame()->markResolution(QSize(3840, 2160));
        cameraButton(ICameraToolBar::Freeze)->click();
        QVERIFY(!ICamera::instance()->isLive());
        openBar();
        startRun();

        QCOMPARE(IConfigureService::instance()->cameraResolution(), QSize(1920, 1080));
        // Switched through the resolution panel, which shows it.
        QCOMPARE(m_window->pixRateFrame()->checkedButton()->text(), QString("1920 x 1080"));
        const ITimeMsgBox* notice = noticeWith("Current resolution: 1920*1080");
        QVERIFY2(notice, qPrintable(notices().join(" | ")));
        const QRect screen = m_window->screen()->geometry();
        QCOMPARE(notice->pos(), QPoint(screen.right() + 1 - scaledPixels(460), screen.top() + scaledPixels(25)));
        QVERIFY(ICamera::instance()->isLive());
        QCOMPARE(m_recorder.starts, 1);
        QCOMPARE(m_recorder.videoSize, QSize(1920, 1080));
        QCOMPARE(m_recorder.rate, 30);
        QCOMPARE(m_recorder.folder, IConfigureService::instance()->videoPath());
        for (int id : {ICameraToolBar::Snap, ICameraToolBar::PhotoMode, ICameraToolBar::Freeze})
            QVERIFY2(!cameraButton(id)->isEnabled(), qPrintable(QString::number(id)));

        for (int shot = 1; shot <= 3; ++shot) {
            shoot();
            QCOMPARE(bar()->times()->countText(), QString::number(shot));
            // A saved shot must not give "Snap" back in the middle of a run.
            QVERIFY(!cameraButton(ICameraToolBar::Snap)->isEnabled());
        }
        for (const QImage& frame : qAsConst(m_recorder.frames))
            QVERIFY(!frame.isNull());

        m_recorder.result = "/videos/20260101120000.mp4";
        LogRecorder log;
        click(bar(), ITimelapseFrame::CameraButton);
        QVERIFY(!m_window->timelapse()->isRunning());
        QCOMPARE(m_recorder.finishes, 1);
        QVERIFY(noticeWith("Video is saved."));
        QCOMPARE(log.count("video times:  0 \"/videos/20260101120000.mp4\""), 1);
        for (int id : {ICameraToolBar::Snap, ICameraToolBar::PhotoMode, ICameraToolBar::Freeze})
            QTRY_VERIFY2(cameraButton(id)->isEnabled(), qPrintable(QString::number(id)));
        // The bar takes a moment before it starts again.
        QVERIFY(!bar()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(bar()->isEnabled(), 3000);
    }

    void aFailedVideoIsReportedNotSaved()
    {
        m_recorder.result.clear();
        m_recorder.error = "The video could not be made: disk full";
        startRun();
        shoot();
        click(bar(), ITimelapseFrame::CameraButton);
        QVERIFY(noticeWith("The video could not be made: disk full"));
        QVERIFY(!notices().contains("Video is saved."));
        QTRY_VERIFY_WITH_TIMEOUT(bar()->isEnabled(), 3000);

        // The service gives up in the middle of a run: the run ends there.
        const int finishes = m_recorder.finishes;
        startRun();
        emit m_recorder.sgFailed("The video could not be made: no encoder");
        QVERIFY(!m_window->timelapse()->isRunning());
        QVERIFY(!bar()->isRunning());
        QVERIFY(noticeWith("The video could not be made: no encoder"));
        QCOMPARE(m_recorder.finishes, finishes);
        QTRY_VERIFY(cameraButton(ICameraToolBar::Snap)->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(bar()->isEnabled(), 3000);
    }

    void aTurnedBoardRecordsATurnedVideo()
    {
        m_window->board()->rotateBy(90);
        startRun();
        QCOMPARE(m_recorder.videoSize, QSize(1080, 1920));
        shoot();
        QCOMPARE(m_recorder.frames.last().width() < m_recorder.frames.last().height(), true);
        click(bar(), ITimelapseFrame::CameraButton);
        m_window->board()->rotateBy(-90);
        QTRY_VERIFY_WITH_TIMEOUT(bar()->isEnabled(), 3000);
    }

    void aShotWithoutAPictureDoesNotStallTheRun()
    {
        startRun();
        shoot();
        ICamera::instance()->closeUsbSource();
        ITimelapseTimes* times = bar()->times();
        for (int second = 0; second < times->interval(); ++second)
            times->tick();
        QCOMPARE(times->timeText(), QString("00:05"));
        QVERIFY(times->isCounting());
        QCOMPARE(times->countText(), QString("1"));
        QVERIFY(noticeWith("The camera sent no picture."));
        QVERIFY(ICamera::instance()->openCurrentCamera());
        shoot();
        QCOMPARE(times->countText(), QString("2"));
        click(bar(), ITimelapseFrame::CameraButton);
        QTRY_VERIFY_WITH_TIMEOUT(bar()->isEnabled(), 3000);
    }

    void unpluggingTheCameraFinishesTheVideo()
    {
        startRun();
        shoot();
        const int finishes = m_recorder.finishes;
        m_camera->setPresent(false);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->timelapse()->isRunning(), 10000);
        QCOMPARE(m_recorder.finishes, finishes + 1);
        QVERIFY(!bar()->isVisible());
        m_camera->setPresent(true);
        QTRY_VERIFY_WITH_TIMEOUT(ICamera::instance()->hasSource(), 10000);
    }

    void closingTheWindowDuringARunFinishesTheVideo()
    {
        openBar();
        startRun();
        shoot();
        const int finishes = m_recorder.finishes;
        m_window->close();
        QCOMPARE(m_recorder.finishes, finishes + 1);
        QVERIFY(!m_window->timelapse()->isRunning());
        QVERIFY(!bar()->isVisible());
    }
};

VESKAROO_TEST_MAIN(TestTimelapse)
#include "tst_timelapse.moc"
