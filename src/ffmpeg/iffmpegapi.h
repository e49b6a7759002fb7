// The recording service: drives the screen recorder through its control
// server and owns the pictures-to-video encoder of a timelapse run. One
// process-wide object on the GUI thread.
#pragma once

#include <QImage>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

class IPictureVynthesisVideo;
class ITcpServer;

class IFFmpegApi : public QObject
{
    Q_OBJECT
public:
    static IFFmpegApi* instance();
    ~IFFmpegApi() override;

    // Screen recording. initRecorder creates the control server (once, by
    // the main window); releaseRecorder stops a recording still going and
    // ends the recorder (when the main window closes).
    void initRecorder();
    void releaseRecorder();
    // Records `region` (screen pixels) into directory + "yyyyMMddhhmmss." +
    // the video format setting; `directory` ends with a separator.
    void startRecord(const QString& directory, const QRect& region);
    void pauseRecord(bool pause);
    void stopRecord();
    bool isExternalRecorder() const { return true; }
    // The file the last start asked for.
    QString currentRecordFile() const { return m_recordFile; }
    // Null before initRecorder and after releaseRecorder.
    ITcpServer* recordServer() const { return m_server; }

    // Starts a new video "yyyyMMddhhmmss.mp4" in `directory` of `size` at
    // `frameRate`; a previous run is finished first.
    void startPictureVideo(const QString& directory, const QSize& size, const int& frameRate);
    // Queues a copy of the picture as the next frame; nothing when no run
    // is going or its encoder failed.
    void addPictureVideoFrame(const QImage& picture);
    // Ends the run once the queued pictures are encoded (without waiting):
    // `seconds` = pictures / frame rate. The video's path, or empty when no
    // video could be made; then `error` (when given) says why.
    QString finishPictureVideo(int* seconds, QString* error = nullptr);
    // Whether a run is going (started, not finished).
    bool pictureVideoRunning() const;

signals:
    // The recorder saved the recording at `path`.
    void sgRecordVideo(QString path);
    // 2 recording started, 3 start failed, 4 the recorder went away.
    void recordMessage(int code);
    // Why a start failed, or why a recording broke off (what it kept then
    // follows as sgRecordVideo), for the user; comes just before
    // recordMessage(3).
    void sgRecordFailed(QString reason);
    // The encoder of the running run could not be opened (the reason, for
    // the user); the run is over.
    void sgPictureVideoFailed(QString reason);
    // A finished run's file is complete on disk.
    void sgPictureVideoWritten(QString path);

protected:
    IFFmpegApi();

private:
    void failStart(const QString& reason);
    QString freeFileName(const QString& folder) const;
    // Deletes the finished runs whose threads have ended (`ended` has just
    // said so).
    void reapFinishedRuns(IPictureVynthesisVideo* ended = nullptr);

    void onRecordMessage(int code, const QString& info);

    ITcpServer* m_server = nullptr;
    QString m_recordFile;
    // Between the recorder's "started" and its saved, failed or gone report.
    bool m_recording = false;
    std::unique_ptr<IPictureVynthesisVideo> m_pictureVideo;
    // Finished runs still encoding what was queued; never deleted while
    // their thread runs.
    std::vector<std::unique_ptr<IPictureVynthesisVideo>> m_finishingRuns;
    // Why the last start made no run, for the finish that follows.
    QString m_startFailure;
};
