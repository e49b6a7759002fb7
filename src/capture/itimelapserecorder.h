// The recording service as a time-lapse run uses it.
#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

// The recording service as a run uses it (IFFmpegApi's picture video
// unless another is set, as tests do).
class ITimelapseRecorder : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void startVideo(const QString& directory, const QSize& size, int frameRate) = 0;
    virtual void addFrame(const QImage& picture) = 0;
    // The video's path, or empty with `error` saying why.
    virtual QString finishVideo(int* seconds, QString* error) = 0;

signals:
    // The running video cannot be made; the run is over.
    void sgFailed(QString reason);
};
