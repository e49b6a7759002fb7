// Video of the recording: the zone grabbed from the X display (x11grab),
// converted to yuv420p and encoded H.264 on a thread of its own.
#pragma once

#include <QObject>
#include <QRect>
#include <QString>

#include <atomic>
#include <thread>

struct AVFormatContext;
struct AVInputFormat;
struct AVCodecContext;
struct SwsContext;
struct AVFrame;

class Muxer;
class PauseClock;

class VideoCapture : public QObject
{
    Q_OBJECT
public:
    VideoCapture(PauseClock* clock, Muxer* muxer, QObject* parent = nullptr);
    ~VideoCapture() override;

    // Opens the grabber on $DISPLAY for `zone` clamped to the screen, with
    // even width and height; `grabbedZone()` tells what it took.
    bool open(const QRect& zone, int frameRate, QString* error);
    QRect grabbedZone() const { return m_zone; }
    // Sets up the encoder and its stream in the muxer (before its header).
    bool addStream(QString* error);

    void start();
    // The thread flushes the encoder and emits finished() soon after.
    void requestStop();
    // Waits for the thread; call after finished().
    void join();

    long long framesWritten() const { return m_written; }
    // Grabbed frames thrown away because encoding fell behind.
    long long framesDropped() const { return m_dropped; }
    // Frame periods of the recording that have no frame in the file.
    long long periodsMissed() const { return m_missed; }

signals:
    void firstFrameWritten();
    void failed(const QString& reason);
    void finished();

private:
    bool openGrabber(const AVInputFormat* format, const QRect& zone, const QSize& screen, int frameRate,
                     QString* error);
    void run();
    bool encode(AVFrame* frame, QString* error);

    PauseClock* m_clock;
    Muxer* m_muxer;
    AVFormatContext* m_input = nullptr;
    AVCodecContext* m_encoder = nullptr;
    SwsContext* m_scaler = nullptr;
    AVFrame* m_frame = nullptr;
    int m_sourceFormat = -1;
    int m_streamIndex = -1;
    int m_frameRate = 0;
    QRect m_zone;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<long long> m_written{0};
    std::atomic<long long> m_dropped{0};
    std::atomic<long long> m_missed{0};
    bool m_announced = false;
};
