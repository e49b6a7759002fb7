// The recording service: the screen recorder's control and the timelapse
// run's pictures-to-video encoder.
#include "ffmpeg/iffmpegapi.h"

#include "ffmpeg/ipicturevynthesisvideo.h"
#include "ffmpeg/wifirtsp/itcpserver.h"
#include "service/iconfigureservice.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>

namespace {

// How long leaving the program waits for runs still encoding their queue.
constexpr qint64 kFinishingWaitMs = 10000;
// How long leaving the program waits for a stopped recording's saved report.
constexpr int kRecorderSaveWaitMs = 3000;
// H.264 at 4:2:0 takes even sizes only.
int evenDown(int length)
{
    return length & ~1;
}

} // namespace

IFFmpegApi* IFFmpegApi::instance()
{
    static IFFmpegApi api;
    return &api;
}

IFFmpegApi::IFFmpegApi() = default;

IFFmpegApi::~IFFmpegApi()
{
    if (m_pictureVideo)
        m_finishingRuns.push_back(std::move(m_pictureVideo));
    const QDeadlineTimer deadline(kFinishingWaitMs);
    for (auto& run : m_finishingRuns) {
        disconnect(run.get(), nullptr, this, nullptr);
        run->requestFinish();
    }
    for (auto& run : m_finishingRuns) {
        if (!run->wait(deadline)) {
            // Deleting a running thread aborts the program; leaving it to
            // the end of the process only loses this one video.
            qWarning() << "The video encoder did not end in time:" << run->fileName();
            (void)run.release();
        }
    }
}

void IFFmpegApi::initRecorder()
{
    if (m_server)
        return;
    m_server = new ITcpServer(this);
    m_server->starSocketListen();
    connect(m_server, &ITcpServer::recordMessage, this, &IFFmpegApi::onRecordMessage);
}

void IFFmpegApi::startRecord(const QString& directory, const QRect& region)
{
    initRecorder();
    QString folder = directory;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    QDir().mkpath(folder);
    const IConfigureService* config = IConfigureService::instance();
    m_recordFile = folder + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmss.")) +
                   config->videoFormat();
    m_server->startRecordVideo(m_recordFile, region, config->screenRecordingFrameRate());
}

void IFFmpegApi::pauseRecord(bool pause)
{
    if (m_server)
        m_server->pauseRecordVideo(pause);
}

void IFFmpegApi::stopRecord()
{
    if (m_server)
        m_server->stopRecordVideo();
}

void IFFmpegApi::onRecordMessage(int code, const QString& info)
{
    switch (code) {
    case ITcpServer::Saved:
        m_recording = false;
        emit sgRecordVideo(info);
        break;
    case ITcpServer::Started:
        m_recording = true;
        emit recordMessage(code);
        break;
    case ITcpServer::StartFailed:
        if (m_recording) {
            // It broke off on its way: what was recorded is kept.
            m_recording = false;
            emit sgRecordFailed(tr("Recording stopped: %1").arg(info));
            emit recordMessage(code);
            if (QFileInfo(m_recordFile).size() > 0)
                emit sgRecordVideo(m_recordFile);
            break;
        }
        emit sgRecordFailed(info.isEmpty() ? tr("Recording could not start.")
                                           : tr("Recording could not start: %1").arg(info));
        emit recordMessage(code);
        break;
    case ITcpServer::Disconnected:
        m_recording = false;
        emit recordMessage(code);
        break;
    default: break;
    }
}

void IFFmpegApi::releaseRecorder()
{
    if (!m_server)
        return;
    // A recording still going is saved; the wait ends with its report.
    if (m_recording && m_server->isRecorderConnected()) {
        QEventLoop loop;
        QTimer::singleShot(kRecorderSaveWaitMs, &loop, &QEventLoop::quit);
        connect(m_server, &ITcpServer::recordMessage, &loop, [&loop](int code) {
            if (code == ITcpServer::Saved || code == ITcpServer::Disconnected)
                loop.quit();
        });
        m_server->stopRecordVideo();
        loop.exec();
    }
    m_server->stopSocketListen();
    m_server->closeProcess();
    delete m_server;
    m_server = nullptr;
    m_recording = false;
}

void IFFmpegApi::startPictureVideo(const QString& directory, const QSize& size, const int& frameRate)
{
    // The previous run encodes the rest of its queue on its own thread; the
    // window does not wait for it.
    if (m_pictureVideo) {
        m_pictureVideo->requestFinish();
        m_finishingRuns.push_back(std::move(m_pictureVideo));
    }
    reapFinishedRuns();
    m_startFailure.clear();

    if (directory.isEmpty()) {
        failStart(tr("The video could not be made: no folder was given."));
        return;
    }
    QString folder = directory;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const QString fileName = freeFileName(folder);

    const int width = evenDown(size.width());
    const int height = evenDown(size.height());
    if (width < 2 || height < 2) {
        failStart(tr("The video could not be made: a picture size of %1 x %2 is not usable.")
                      .arg(size.width())
                      .arg(size.height()));
        return;
    }
    if (frameRate < 1 || frameRate > 1000) {
        failStart(tr("The video could not be made: %1 frames a second is not a usable frame rate.").arg(frameRate));
        return;
    }
    // The usual failures, told at once so that a finish right after the
    // start already knows; the encoder thread reports the rarer ones.
    const QFileInfo folderInfo(folder);
    QString cause;
    if (!folderInfo.exists())
        cause = tr("No such file or directory");
    else if (!folderInfo.isDir())
        cause = tr("Not a directory");
    else if (!folderInfo.isWritable())
        cause = tr("Permission denied");
    if (!cause.isEmpty()) {
        qDebug() << "Failed to open output file!" << fileName << cause;
        failStart(tr("The video could not be written to %1: %2").arg(fileName, cause));
        return;
    }

    auto run = std::make_unique<IPictureVynthesisVideo>(fileName, width, height, frameRate);
    IPictureVynthesisVideo* raw = run.get();
    connect(raw, &IPictureVynthesisVideo::sgFailed, this, &IFFmpegApi::sgPictureVideoFailed, Qt::QueuedConnection);
    connect(raw, &IPictureVynthesisVideo::sgWritten, this, &IFFmpegApi::sgPictureVideoWritten, Qt::QueuedConnection);
    connect(raw, &QThread::finished, this, [this, raw] { reapFinishedRuns(raw); }, Qt::QueuedConnection);
    run->start();
    m_pictureVideo = std::move(run);
}

void IFFmpegApi::addPictureVideoFrame(const QImage& picture)
{
    if (!m_pictureVideo || m_pictureVideo->failed())
        return;
    if (!m_pictureVideo->addPicture(picture))
        return;
    if (m_pictureVideo->m_resetCountOnNextPicture) {
        m_pictureVideo->m_pictureCount = 0;
        m_pictureVideo->m_resetCountOnNextPicture = false;
    }
    m_pictureVideo->m_pictureCount += 1;
}

QString IFFmpegApi::finishPictureVideo(int* seconds, QString* error)
{
    if (seconds)
        *seconds = 0;
    if (!m_pictureVideo) {
        if (error)
            *error = m_startFailure.isEmpty() ? tr("No video is being made.") : m_startFailure;
        m_startFailure.clear();
        return QString();
    }
    std::unique_ptr<IPictureVynthesisVideo> run = std::move(m_pictureVideo);
    run->requestFinish();
    const bool failed = run->failed();
    const QString fileName = run->fileName();
    // Without a single picture there is no video to show (the thread
    // removes the file it began).
    const bool empty = run->m_pictureCount == 0;
    if (failed) {
        if (error)
            *error = run->failure();
    } else if (empty) {
        if (error)
            *error = tr("No pictures were taken, so no video was made.");
    } else if (seconds) {
        *seconds = run->m_pictureCount / run->frameRate();
    }
    m_finishingRuns.push_back(std::move(run));
    reapFinishedRuns();
    return failed || empty ? QString() : fileName;
}

bool IFFmpegApi::pictureVideoRunning() const
{
    return m_pictureVideo && !m_pictureVideo->failed();
}

void IFFmpegApi::failStart(const QString& reason)
{
    m_startFailure = reason;
    QMetaObject::invokeMethod(
        this, [this, reason] { emit sgPictureVideoFailed(reason); }, Qt::QueuedConnection);
}

QString IFFmpegApi::freeFileName(const QString& folder) const
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmss"));
    auto taken = [this](const QString& name) {
        if (QFileInfo::exists(name))
            return true;
        // A run started a moment ago may not have created its file yet.
        if (m_pictureVideo && m_pictureVideo->fileName() == name)
            return true;
        return std::any_of(m_finishingRuns.begin(), m_finishingRuns.end(),
                           [&name](const auto& run) { return run->fileName() == name; });
    };
    // Two runs in one second must not write the same file.
    QString name = folder + stamp + QStringLiteral(".mp4");
    for (int n = 2; taken(name); ++n)
        name = folder + stamp + QStringLiteral("-%1.mp4").arg(n);
    return name;
}

void IFFmpegApi::reapFinishedRuns(IPictureVynthesisVideo* ended)
{
    auto done = [ended](const std::unique_ptr<IPictureVynthesisVideo>& run) {
        if (run.get() == ended) {
            // finished() comes just before the thread is gone.
            run->wait();
            return true;
        }
        return run->isFinished();
    };
    m_finishingRuns.erase(std::remove_if(m_finishingRuns.begin(), m_finishingRuns.end(), done),
                          m_finishingRuns.end());
}
