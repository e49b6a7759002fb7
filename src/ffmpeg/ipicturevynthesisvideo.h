// Pictures to an H.264 MP4 on a thread of its own, encoded while they arrive.
#pragma once

#include <QImage>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QVector>
#include <QWaitCondition>

#include <atomic>

struct AVCodec;
struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVStream;
struct SwsContext;

class IPictureVynthesisVideo : public QThread
{
    Q_OBJECT
public:
    // Every picture becomes one frame of width x height (rounded to even
    // numbers by the caller) at frameRate frames a second.
    IPictureVynthesisVideo(const QString& fileName, int width, int height, int frameRate);
    // Finishes the run and waits for the thread: whoever deletes a running
    // encoder must have waited for it or accept this wait.
    ~IPictureVynthesisVideo() override;

    // GUI thread. Queues a (shared) copy of the picture; false (and nothing
    // queued) once the encoder has failed or the run was finished.
    bool addPicture(const QImage& picture);
    // GUI thread. The thread encodes what is queued, then closes the file.
    void requestFinish();

    bool failed() const { return m_failed.load(); }
    QString failure() const;
    QString fileName() const { return m_fileName; }
    int frameRate() const { return m_frameRate; }

    // Kept by the recording service on the GUI thread: pictures of this run.
    int m_pictureCount = 0;
    bool m_resetCountOnNextPicture = true;

signals:
    // Emitted on the encoder thread.
    void sgFailed(QString reason);
    void sgWritten(QString path);

protected:
    void run() override;

private:
    bool openOutputStream();
    void closeOutputStream();
    void encodeLoop();
    // Sends `frame` (nullptr drains) and writes out the packets it yields.
    void encodeFrame(AVFrame* frame, int64_t frameIndex);
    void fail(const QString& reason);

    const QString m_fileName;
    const int m_width;
    const int m_height;
    const int m_frameRate;

    QMutex m_queueLock;
    QWaitCondition m_queueChanged;
    QVector<QImage> m_queue; // oldest first
    bool m_finishRequested = false;
    QString m_failure;
    std::atomic<bool> m_failed{false};

    int m_videoStreamIndex = 0;
    const AVCodec* m_encoder = nullptr;
    AVStream* m_stream = nullptr;
    AVFormatContext* m_output = nullptr;
    AVCodecContext* m_codec = nullptr;
    SwsContext* m_converter = nullptr;
    QSize m_converterSource;
    bool m_fileOpened = false;
    bool m_headerWritten = false;
    int64_t m_framesEncoded = 0;
};
