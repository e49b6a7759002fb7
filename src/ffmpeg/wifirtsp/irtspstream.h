// The FFmpeg side of a Wi-Fi camera's live picture: opening the RTSP
// address, reading packets, decoding H.264 and converting pictures, and
// noticing lost RTP packets and decoder errors. Standard FFmpeg has no flag
// for either, so both are caught from what FFmpeg reports: the RTP
// demuxer's sequence-gap messages, the decoder's error messages and the
// corrupt-frame and decode-error marks of the pictures.
// Used by one reading thread at a time.
#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <atomic>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct SwsContext;

class IRtspStream
{
public:
    IRtspStream();
    ~IRtspStream();
    IRtspStream(const IRtspStream&) = delete;
    IRtspStream& operator=(const IRtspStream&) = delete;

    // Opens the address and the decoder of its last video stream: 0, or -1
    // with the reason logged. `interrupt` (may be null) set ends any wait.
    int open(const QString& url, bool overTcp, qint64 timeoutUs, const std::atomic<bool>* interrupt);
    // Frees the converter and closes the input (logging each step).
    void close();
    bool isOpen() const { return m_input != nullptr; }

    // av_read_frame into the stream's packet; negative on failure.
    int readPacket();
    bool packetIsVideo() const;
    bool packetIsKey() const;
    void releasePacket();

    enum DecodeResult { Picture, NoPicture, DecodeError };
    // Decodes the read packet; a picture is then held until the next call.
    DecodeResult decode();
    bool pictureIsKey() const;
    // The picture carries the decoder's own mark of damage.
    bool pictureIsDamaged() const;
    QSize pictureSize() const;
    QSize decoderSize() const;

    // Lost RTP packets or decoder errors since the last call.
    bool takeLossOrError();
    void clearLossStates();
    // Drops what the demuxer holds.
    void flush();

    // The converter for the decoder's present size.
    void setupConverter();
    QSize converterSize() const { return m_frameSize; }
    // The held picture as 32-bit RGB; null when it cannot be converted.
    QImage convert();

private:
    void freeConverter();

    AVFormatContext* m_input = nullptr;
    AVCodecContext* m_decoder = nullptr;
    AVPacket* m_packet = nullptr;
    AVFrame* m_frame = nullptr;
    SwsContext* m_converter = nullptr;
    int m_videoStream = -1;
    bool m_hasPicture = false;
    QSize m_frameSize;
    // Pictures handed out, written again once their holders let them go.
    static constexpr int kSparePictures = 4;
    QList<QImage> m_pictures;
    std::atomic<bool> m_lost{false};
    std::atomic<bool> m_decodeError{false};
};
