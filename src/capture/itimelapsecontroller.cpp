// The main window's time-lapse operations.
#include "capture/itimelapsecontroller.h"

#include "board/iboard.h"
#include "capture/ioutlinelock.h"
#include "customui/common/itimemsgbox.h"
#include "customui/timelapse/itimelapseframe.h"
#include "customui/timelapse/itimelapsetimes.h"
#include "customui/toolbar/icameratoolbar.h"
#include "ffmpeg/iffmpegapi.h"
#include "icamera.h"
#include "iglobals.h"
#include "iimagetansformthread.h"
#include "opencv/ifilterkind.h"
#include "service/iconfigureservice.h"

#include <QDebug>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {

const int kFrameRate = 30;
const int kMaxWidth = 1920;

// Buttons whose use would mix into a run or change its pictures.
const int kConflicting[] = {ICameraToolBar::Snap, ICameraToolBar::PhotoMode, ICameraToolBar::Freeze,
                            ICameraToolBar::Resolution, ICameraToolBar::VideoRecording};

// IFFmpegApi's picture video, word for word.
class IFFmpegRecorder : public ITimelapseRecorder
{
public:
    explicit IFFmpegRecorder(QObject* parent)
        : ITimelapseRecorder(parent)
    {
        connect(IFFmpegApi::instance(), &IFFmpegApi::sgPictureVideoFailed, this, &ITimelapseRecorder::sgFailed);
    }
    void startVideo(const QString& directory, const QSize& size, int frameRate) override
    {
        IFFmpegApi::instance()->startPictureVideo(directory, size, frameRate);
    }
    void addFrame(const QImage& picture) override { IFFmpegApi::instance()->addPictureVideoFrame(picture); }
    QString finishVideo(int* seconds, QString* error) override
    {
        return IFFmpegApi::instance()->finishPictureVideo(seconds, error);
    }
};

} // namespace

ITimelapseController::ITimelapseController(QWidget* window, IBoard* board, ICameraToolBar* bar, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_board(board)
    , m_bar(bar)
{
    m_frame = new ITimelapseFrame(window);
    m_frame->hide();
    m_frame->setAnchor(bar, ICameraToolBar::PhotoMode);
    connect(m_frame, &ITimelapseFrame::sgCaptureImage, this, &ITimelapseController::slOperate);
    m_cornerNotice = new ITimeMsgBox;
    m_ownRecorder = new IFFmpegRecorder(this);
    setRecorder(nullptr);
}

ITimelapseController::~ITimelapseController()
{
    // A window deleted without being closed still leaves a whole video.
    if (m_running) {
        int seconds = 0;
        const QString path = m_recorder->finishVideo(&seconds, nullptr);
        qDebug() << "video times: " << seconds << path;
    }
    delete m_cornerNotice;
}

void ITimelapseController::setImageThread(IImageTansformThread* thread)
{
    if (m_thread)
        disconnect(m_thread, nullptr, this, nullptr);
    m_thread = thread;
    m_pendingShots = 0;
    if (!thread)
        return;
    connect(thread, &IImageTansformThread::sgCaptureImage, this, &ITimelapseController::onPicture);
    connect(thread, &IImageTansformThread::sgCaptureFailed, this, &ITimelapseController::onShotFailed);
}

void ITimelapseController::setRecorder(ITimelapseRecorder* recorder)
{
    if (m_recorder)
        disconnect(m_recorder, nullptr, this, nullptr);
    m_recorder = recorder ? recorder : m_ownRecorder;
    connect(m_recorder, &ITimelapseRecorder::sgFailed, this, &ITimelapseController::onRecorderFailed);
}

void ITimelapseController::setOutlineLock(IOutlineLock* lock)
{
    m_outlineLock = lock;
}

void ITimelapseController::showPanel()
{
    m_frame->showPanel();
}

void ITimelapseController::windowStateChanged()
{
    if (!m_frame->isVisible())
        return;
    // Laid out again first, so that the bar follows the new button place.
    QTimer::singleShot(0, m_frame, [this] { m_frame->place(); });
}

void ITimelapseController::slOperate(int operateType)
{
    switch (operateType) {
    case ITimelapseFrame::TakeShot: takeShot(); break;
    case ITimelapseFrame::StartRun: start(); break;
    case ITimelapseFrame::StopRun: finish(); break;
    default: break;
    }
}

void ITimelapseController::setResolutionChooser(std::function<void(const QSize&)> choose)
{
    m_chooseResolution = std::move(choose);
}

void ITimelapseController::stop()
{
    finish();
}

void ITimelapseController::close()
{
    finish();
    m_frame->hide();
}

void ITimelapseController::start()
{
    if (m_running)
        return;
    ICamera* camera = ICamera::instance();
    if (!camera->hasSource() || !m_thread) {
        emit sgMessage(tr("The camera is not available."), 3000);
        return;
    }
    // A frozen picture would make a video of one picture; and the freeze
    // button is off during the run.
    emit sgLiveNeeded();
    IConfigureService* config = IConfigureService::instance();
    if (config->cameraResolution().width() > kMaxWidth) {
        if (m_chooseResolution)
            m_chooseResolution(QSize(1920, 1080));
        else
            camera->setResolution(QSize(1920, 1080));
        const double s = scaleFactors().uniform;
        const QScreen* screen = m_window && m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->geometry() : QRect(0, 0, 1920, 1080);
        m_cornerNotice->showMessage(tr("Current resolution: 1920*1080"), 1000,
                                    area.x() + area.width() - qRound(460 * s), area.y() + qRound(25 * s));
    }
    QSize size = config->cameraResolution();
    // Every shot is cut to the kept outline at one size: the video's.
    if (m_outlineLock && m_outlineLock->isLocked())
        size = m_outlineLock->fixOutputSize(size);
    const int turn = ((m_board ? m_board->rotation() : 0) % 360 + 360) % 360;
    if (turn == 90 || turn == 270)
        size.transpose();

    m_running = true;
    m_pendingShots = 0;
    setConflictingButtonsEnabled(false);
    m_frame->setRunning(true);
    const QString folder = config->videoPath();
    QDir().mkpath(folder);
    qDebug() << "timelapse started:" << folder << size;
    // A failure may be reported at once (onRecorderFailed): the run is set up before.
    m_recorder->startVideo(folder, size, kFrameRate);
}

void ITimelapseController::takeShot()
{
    if (!m_running)
        return;
    const QImage picture = ICamera::instance()->picture(FilterNone);
    if (picture.isNull() || !m_thread) {
        // The series goes on with the next shot.
        m_frame->times()->shotLost();
        emit sgMessage(tr("The camera sent no picture."), 3000);
        return;
    }
    ICaptureJob job;
    job.picture = picture;
    job.timelapse = true;
    // As the board shows it, to match the video's size.
    job.rotation = m_board ? m_board->rotation() : 0;
    ++m_pendingShots;
    if (m_outlineLock)
        m_outlineLock->submit(job, m_thread);
    else
        m_thread->addCaptureJob(job);
}

void ITimelapseController::onPicture(const QImage& picture, const QString& path)
{
    // Pictures with a file are the other captures'.
    if (!path.isEmpty() || m_pendingShots <= 0)
        return;
    --m_pendingShots;
    if (!m_running)
        return;
    m_frame->times()->shotTaken();
    m_recorder->addFrame(picture);
}

void ITimelapseController::onShotFailed(const QString& path)
{
    if (!path.isEmpty() || m_pendingShots <= 0)
        return;
    --m_pendingShots;
    if (m_running)
        m_frame->times()->shotLost();
}

void ITimelapseController::finish()
{
    if (!m_running)
        return;
    endRun();
    int seconds = 0;
    QString error;
    const QString path = m_recorder->finishVideo(&seconds, &error);
    if (path.isEmpty()) {
        qDebug() << "timelapse video not made:" << error;
        // The service's reasons are whole sentences for the user.
        emit sgMessage(error, 3000);
        return;
    }
    qDebug() << "video times: " << seconds << path;
    emit sgMessage(tr("Video is saved."), 1000);
}

void ITimelapseController::onRecorderFailed(const QString& reason)
{
    if (!m_running)
        return;
    // The service has ended the run itself: nothing to finish.
    endRun();
    qDebug() << "timelapse video failed:" << reason;
    emit sgMessage(reason, 3000);
}

void ITimelapseController::endRun()
{
    m_running = false;
    m_frame->setRunning(false);
    // A moment before a new run can start, so a double click does not start one.
    m_frame->setEnabled(false);
    QTimer::singleShot(1000, m_frame, [frame = m_frame] { frame->setEnabled(true); });
    setConflictingButtonsEnabled(true);
}

void ITimelapseController::setConflictingButtonsEnabled(bool enabled)
{
    if (!m_bar)
        return;
    for (const int id : kConflicting)
        m_bar->setButtonEnabled(id, enabled);
    // Resolution follows the camera as the main window keeps it.
    if (enabled)
        m_bar->setButtonEnabled(ICameraToolBar::Resolution, ICamera::instance()->isLive());
}
