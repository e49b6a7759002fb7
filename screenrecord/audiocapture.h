// Audio of the recording: the default PulseAudio source when a sound server
// answers, silence otherwise, encoded AAC on a thread of its own. Either way
// the samples follow the media clock, so audio and video stay in step.
#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

struct AVFormatContext;
struct AVCodecContext;
struct AVAudioFifo;
struct AVFrame;
struct SwrContext;

class Muxer;
class PauseClock;

class AudioCapture : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSampleRate = 48000;
    static constexpr int kChannels = 2;

    AudioCapture(PauseClock* clock, Muxer* muxer, QObject* parent = nullptr);
    ~AudioCapture() override;

    // Opens the default sound source; without one the recording gets
    // silence. Returns what will be recorded, for the log.
    QString open();
    bool isSilence() const { return !m_input; }
    // Sets up the encoder and its stream in the muxer (before its header).
    bool addStream(QString* error);

    void start();
    void requestStop();
    void join();

signals:
    void failed(const QString& reason);
    void finished();

private:
    void run();
    bool readSource(QString* error);
    bool padWithSilenceTo(long long sample, QString* error);
    bool encodeQueued(bool flush, QString* error);
    bool encode(AVFrame* frame, QString* error);
    void closeSource();

    PauseClock* m_clock;
    Muxer* m_muxer;
    AVFormatContext* m_input = nullptr;
    // The sound server hands out raw PCM packets; decoding them tells the
    // sample format, which the demuxer leaves open.
    AVCodecContext* m_decoder = nullptr;
    AVFrame* m_decoded = nullptr;
    SwrContext* m_resampler = nullptr;
    AVCodecContext* m_encoder = nullptr;
    AVAudioFifo* m_fifo = nullptr;
    AVFrame* m_frame = nullptr;
    int m_streamIndex = -1;
    long long m_queuedUpTo = 0; // samples put in the queue since the start
    long long m_nextPts = 0;    // samples handed to the encoder
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::mutex m_wakeMutex;
    std::condition_variable m_wake;
};
