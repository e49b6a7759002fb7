// The recording service: owns the pictures-to-video encoder of a timelapse
// run (and, later, the screen recorder's control). One process-wide object
// on the GUI thread.
#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

class IPictureVynthesisVideo;

class IFFmpegApi : public QObject
{
    Q_OBJECT
public:
    static IFFmpegApi* instance();
    ~IFFmpegApi() override;

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

    std::unique_ptr<IPictureVynthesisVideo> m_pictureVideo;
    // Finished runs still encoding what was queued; never deleted while
    // their thread runs.
    std::vector<std::unique_ptr<IPictureVynthesisVideo>> m_finishingRuns;
    // Why the last start made no run, for the finish that follows.
    QString m_startFailure;
};
