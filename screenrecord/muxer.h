// The output file: one FFmpeg muxer shared by the video and audio threads,
// every write serialised behind a mutex.
#pragma once

#include <QString>

#include <mutex>

struct AVFormatContext;
struct AVCodecContext;
struct AVFrame;
struct AVPacket;

class Muxer
{
public:
    Muxer() = default;
    ~Muxer();
    Muxer(const Muxer&) = delete;
    Muxer& operator=(const Muxer&) = delete;

    // Prepares `path` in the `containerName` format (mp4, mov, flv, avi).
    bool create(const QString& path, const QString& containerName, QString* error);
    // Encoders must put codec headers out of band when this is true.
    bool needsGlobalHeader() const;
    // A stream carrying what the opened encoder `codec` makes; its index.
    int addStream(const AVCodecContext* codec, QString* error);
    // Opens the file and writes the header.
    bool writeHeader(QString* error);
    // Writes one encoded packet of stream `index`, whose timestamps are in the
    // encoder's time base; takes the packet's data. Thread-safe.
    bool write(AVPacket* packet, int index, const AVCodecContext* codec, QString* error);
    // Sends `frame` (null: the end) to `encoder` and writes every packet it
    // gives back into stream `index`; `written` (when given) counts them.
    // `what` names the stream in the error.
    bool encodeAndWrite(AVCodecContext* encoder, AVFrame* frame, int index, const char* what, QString* error,
                        long long* written = nullptr);
    // Writes the trailer and closes the file. Thread-safe; once only.
    bool finish(QString* error);
    bool isOpen() const { return m_headerWritten && !m_finished; }

private:
    std::mutex m_mutex;
    AVFormatContext* m_context = nullptr;
    bool m_headerWritten = false;
    bool m_finished = false;
    bool m_failed = false;
};
