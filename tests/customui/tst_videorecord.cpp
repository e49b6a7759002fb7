// The screen-recording overlay: the zone choice, start, pause, resume and
// stop through the recording service (with the fake recorder), the clock,
// what the user sees when a start fails, and the saved-file dialog.
#include "common/fakerecorderlog.h"
#include "common/testenv.h"

#include "customui/videorecord/ivideorecordframe.h"
#include "customui/videorecord/ivideorecordmsgbox.h"
#include "ffmpeg/iffmpegapi.h"
#include "ffmpeg/wifirtsp/itcpserver.h"
#include "iglobals.h"
#include "service/iconfigureservice.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

namespace {

class RecordingService : public IFFmpegApi
{
};

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

} // namespace

class TestVideoRecord : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void zoneButtonsChooseTheZone();
    void recordingRunsFromStartToTheSavedFileDialog();
    void pauseStopsTheClockAndResumeGoesOn();
    void aStartThatFailsClosesTheOverlayAndSaysSo_data();
    void aStartThatFailsClosesTheOverlayAndSaysSo();
    void theRecorderGoingAwayClosesTheOverlay();
    void theClockCountsHoursAndTurnsItsColour();
    void whileRecordingOnlyTheMarksAndTheBarCoverTheWindow();

private:
    void startAndWaitForTheBar();
    QAbstractButton* button(int id) const { return m_frame->button(id); }

    QTemporaryDir m_dir;
    QString m_log;
    QWidget* m_window = nullptr;
    RecordingService* m_api = nullptr;
    IVideoRecordFrame* m_frame = nullptr;
    QRect m_picture;
};

void TestVideoRecord::init()
{
    m_log = m_dir.filePath(QStringLiteral("recorder-%1.log").arg(QDateTime::currentMSecsSinceEpoch()));
    qputenv("FAKE_RECORDER_LOG", m_log.toLocal8Bit());
    qputenv("FAKE_RECORDER_MODE", "normal");
    IConfigureService::instance()->setVideoPath(m_dir.filePath(QStringLiteral("videos/")));
    m_window = new QWidget;
    m_window->resize(1280, 800);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_api = new RecordingService;
    m_api->initRecorder();
    m_api->recordServer()->setRecorderProgram(TestEnv::peerPath(QStringLiteral("fakerecorder")));
    m_picture = QRect(m_window->mapToGlobal(QPoint(100, 50)), QSize(640, 360));
    m_frame = new IVideoRecordFrame(m_window, m_api, [this] { return m_picture; });
    m_frame->showFrame();
}

void TestVideoRecord::cleanup()
{
    delete m_window;
    m_api->releaseRecorder();
    delete m_api;
}

void TestVideoRecord::startAndWaitForTheBar()
{
    QSignalSpy messages(m_api, &IFFmpegApi::recordMessage);
    button(IVideoRecordFrame::BigStart)->click();
    QVERIFY(!button(IVideoRecordFrame::BigStart)->isVisible());
    QTRY_COMPARE(messages.size(), 1);
    QVERIFY(m_frame->isVisible());
    QVERIFY(button(IVideoRecordFrame::Stop)->isVisible());
    QVERIFY(!button(IVideoRecordFrame::FullScreen)->isVisible());
}

void TestVideoRecord::zoneButtonsChooseTheZone()
{
    QCOMPARE(m_frame->geometry(), m_window->rect());
    button(IVideoRecordFrame::FullScreen)->click();
    QCOMPARE(m_frame->zone(), m_frame->rect());
    button(IVideoRecordFrame::Automatic)->click();
    QCOMPARE(m_frame->zone(), QRect(QPoint(100, 50), QSize(640, 360)));
    QCOMPARE(m_frame->zoneOnScreen().topLeft(), m_picture.topLeft());
    const struct
    {
        int id;
        QSize size;
    } presets[] = {{IVideoRecordFrame::Zone1024x768, {1024, 768}},
                   {IVideoRecordFrame::Zone1080x720, {1080, 720}},
                   {IVideoRecordFrame::Zone800x600, {800, 600}},
                   {IVideoRecordFrame::Zone640x480, {640, 480}}};
    for (const auto& preset : presets) {
        button(preset.id)->click();
        QCOMPARE(m_frame->zone().size(), preset.size * scaleFactors().uniform);
        QVERIFY(m_frame->rect().contains(m_frame->zone()));
        for (int id = IVideoRecordFrame::FullScreen; id <= IVideoRecordFrame::Zone640x480; ++id)
            QCOMPARE(button(id)->isChecked(), id == preset.id);
    }
    QCOMPARE(button(IVideoRecordFrame::Quit)->text(), QStringLiteral("Quit"));
    button(IVideoRecordFrame::Quit)->click();
    QVERIFY(!m_frame->isVisible());
}

void TestVideoRecord::recordingRunsFromStartToTheSavedFileDialog()
{
    button(IVideoRecordFrame::Zone800x600)->click();
    startAndWaitForTheBar();
    QTRY_VERIFY(QFile::exists(m_log));
    // The recorder records what the user chose, in screen pixels.
    const QRect zone = m_frame->zoneOnScreen();
    QFile log(m_log);
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> args = log.readLine().trimmed().mid(5).split('|');
    QCOMPARE(args.mid(1, 4), (QList<QByteArray>{QByteArray::number(zone.left()), QByteArray::number(zone.top()),
                                                QByteArray::number(800), QByteArray::number(600)}));
    QVERIFY(args.value(0).startsWith(m_dir.filePath(QStringLiteral("videos/")).toLocal8Bit()));

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    button(IVideoRecordFrame::Stop)->click();
    QVERIFY(!m_frame->isVisible());
    IVideoRecordMsgBox* box = m_frame->messageBox();
    QTRY_VERIFY(box->isVisible());
    QCOMPARE(box->text(), m_api->currentRecordFile());
    QCOMPARE(box->button(IVideoRecordMsgBox::OpenFile)->text(), QStringLiteral("Open file"));
    QCOMPARE(box->button(IVideoRecordMsgBox::OpenDirectory)->text(), QStringLiteral("Open directory"));
    QCOMPARE(box->button(IVideoRecordMsgBox::Close)->text(), QStringLiteral("Close"));
    box->button(IVideoRecordMsgBox::OpenFile)->click();
    QVERIFY(!box->isVisible());
    box->showPath(m_api->currentRecordFile());
    box->button(IVideoRecordMsgBox::OpenDirectory)->click();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(catcher.opened, (QList<QUrl>{QUrl::fromLocalFile(m_api->currentRecordFile()),
                                          QUrl::fromLocalFile(IConfigureService::instance()->videoPath())}));
    // Hidden from outside, it ends as accepted.
    box->showPath(QStringLiteral("/x.mp4"));
    box->hide();
    QCOMPARE(box->result(), int(QDialog::Accepted));
}

void TestVideoRecord::pauseStopsTheClockAndResumeGoesOn()
{
    startAndWaitForTheBar();
    QMetaObject::invokeMethod(m_frame, "slClockTimeout");
    QMetaObject::invokeMethod(m_frame, "slClockTimeout");
    button(IVideoRecordFrame::Pause)->click();
    QVERIFY(m_frame->isPaused());
    QVERIFY(button(IVideoRecordFrame::Resume)->isVisible());
    QVERIFY(!button(IVideoRecordFrame::Pause)->isVisible());
    QCOMPARE(button(IVideoRecordFrame::Pause)->text(), QStringLiteral("Halt"));
    QTest::qWait(1300);
    QCOMPARE(m_frame->clockText(), QStringLiteral("00 : 00 : 02"));
    button(IVideoRecordFrame::Resume)->click();
    QVERIFY(!m_frame->isPaused());
    QTRY_COMPARE_WITH_TIMEOUT(m_frame->clockText(), QStringLiteral("00 : 00 : 03"), 2500);
    QTRY_COMPARE(fakeRecorderLog(m_log, "command"), (QStringList{"2", "3"}));
}

void TestVideoRecord::aStartThatFailsClosesTheOverlayAndSaysSo_data()
{
    QTest::addColumn<QByteArray>("mode");
    QTest::newRow("never connects") << QByteArray("silent");
    QTest::newRow("refuses") << QByteArray("refuse");
}

void TestVideoRecord::aStartThatFailsClosesTheOverlayAndSaysSo()
{
    QFETCH(QByteArray, mode);
    qputenv("FAKE_RECORDER_MODE", mode);
    m_api->recordServer()->setStartTimeoutMs(800);
    QSignalSpy told(m_frame, &IVideoRecordFrame::sgMessage);
    button(IVideoRecordFrame::BigStart)->click();
    QTRY_VERIFY(!m_frame->isVisible());
    QCOMPARE(told.size(), 1);
    QVERIFY(told.at(0).at(0).toString().startsWith(QStringLiteral("Recording could not start")));
    QVERIFY(!button(IVideoRecordFrame::Stop)->isVisible());
    // The overlay opens again for the next try.
    m_frame->showFrame();
    QVERIFY(button(IVideoRecordFrame::BigStart)->isVisible());
}

void TestVideoRecord::theRecorderGoingAwayClosesTheOverlay()
{
    startAndWaitForTheBar();
    emit m_api->recordMessage(4);
    QVERIFY(!m_frame->isVisible());
    QVERIFY(!m_frame->isRecording());
    m_frame->showFrame();
    QVERIFY(!button(IVideoRecordFrame::Stop)->isVisible());
}

void TestVideoRecord::theClockCountsHoursAndTurnsItsColour()
{
    startAndWaitForTheBar();
    const QColor colours[] = {QColor(90, 90, 255), QColor(90, 255, 90), QColor(255, 90, 90)};
    for (int tick = 0; tick < 3; ++tick) {
        QMetaObject::invokeMethod(m_frame, "slClockTimeout");
        QCOMPARE(m_frame->clockColour(), colours[tick]);
    }
    for (int tick = 3; tick < 61; ++tick)
        QMetaObject::invokeMethod(m_frame, "slClockTimeout");
    QCOMPARE(m_frame->clockText(), QStringLiteral("00 : 01 : 01"));
    for (int tick = 61; tick < 3600; ++tick)
        QMetaObject::invokeMethod(m_frame, "slClockTimeout");
    QCOMPARE(m_frame->clockText(), QStringLiteral("01 : 00 : 00"));
    QCOMPARE(m_frame->findChild<QLabel*>()->text(), QStringLiteral("01 : 00 : 00"));
}

void TestVideoRecord::whileRecordingOnlyTheMarksAndTheBarCoverTheWindow()
{
    button(IVideoRecordFrame::Zone640x480)->click();
    QVERIFY(m_frame->mask().isEmpty());
    startAndWaitForTheBar();
    const QRegion covered = m_frame->mask();
    const QRect zone = m_frame->zone();
    QVERIFY(!covered.isEmpty());
    QVERIFY(covered.contains(zone.topLeft() - QPoint(3, 3)));
    // Nothing of ours lies in what is recorded, but the bar when it must.
    QVERIFY((covered - m_frame->findChild<QWidget*>(QStringLiteral("recordBar"))->geometry())
                .intersected(zone)
                .isEmpty());
    QVERIFY(!covered.contains(zone.center()));
    // The zone stays where the recorder was told.
    QTest::mousePress(m_frame, Qt::LeftButton, {}, zone.center());
    QTest::mouseMove(m_frame, zone.center() + QPoint(50, 50));
    QTest::mouseRelease(m_frame, Qt::LeftButton, {}, zone.center() + QPoint(50, 50));
    QCOMPARE(m_frame->zone(), zone);
}

VESKAROO_TEST_MAIN(TestVideoRecord)
#include "tst_videorecord.moc"
