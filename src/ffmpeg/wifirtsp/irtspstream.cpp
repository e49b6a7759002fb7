// The FFmpeg side of a Wi-Fi camera's live picture.
#include "ffmpeg/wifirtsp/irtspstream.h"

#include <QDebug>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

namespace {

// FFmpeg reports lost RTP packets and damaged pictures only through its log.
// The log hook is process-wide; each open stream registers the contexts whose
// messages count as its own.
struct Watched
{
    const void* input;
    const void* decoder;
    std::atomic<bool>* lost;
    std::atomic<bool>* decodeError;
};

std::mutex g_watchedMutex;
std::vector<Watched> g_watched;

bool isLossMessage(const char* fmt)
{
    // rtpdec: sequence gaps, late packets, a full reordering queue that had
    // to give up on a missing packet.
    return std::strstr(fmt, "RTP: missed") || std::strstr(fmt, "RTP: dropping") || std::strstr(fmt, "bad cseq");
}

void logHook(void* avcl, int level, const char* fmt, va_list args)
{
    bool ours = false;
    if (avcl) {
        std::lock_guard<std::mutex> lock(g_watchedMutex);
        for (const Watched& watched : g_watched) {
            if (avcl == watched.input) {
                ours = true;
                if (isLossMessage(fmt) || level <= AV_LOG_ERROR)
                    watched.lost->store(true);
            } else if (avcl == watched.decoder) {
                ours = true;
                if (level <= AV_LOG_ERROR)
                    watched.decodeError->store(true);
            }
        }
    }
    if (!ours) {
        av_log_default_callback(avcl, level, fmt, args);
        return;
    }
    if (level <= AV_LOG_WARNING) {
        char line[512];
        std::vsnprintf(line, sizeof line, fmt, args);
        qDebug().noquote() << "ffmpeg:" << QString::fromUtf8(line).trimmed();
    }
}

void installLogHook()
{
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_callback(logHook); });
}

void watch(const Watched& watched)
{
    std::lock_guard<std::mutex> lock(g_watchedMutex);
    g_watched.push_back(watched);
}

void unwatch(const std::atomic<bool>* lost)
{
    std::lock_guard<std::mutex> lock(g_watchedMutex);
    g_watched.erase(std::remove_if(g_watched.begin(), g_watched.end(),
                                   [lost](const Watched& w) { return w.lost == lost; }),
                    g_watched.end());
}

int interruptRequested(void* opaque)
{
    const auto* flag = static_cast<const std::atomic<bool>*>(opaque);
    return flag && flag->load() ? 1 : 0;
}

} // namespace

IRtspStream::IRtspStream()
{
    installLogHook();
}

IRtspStream::~IRtspStream()
{
    close();
}

int IRtspStream::open(const QString& url, bool overTcp, qint64 timeoutUs, const std::atomic<bool>* interrupt)
{
    close();
    avformat_network_init();
    m_input = avformat_alloc_context();
    m_input->interrupt_callback.callback = interruptRequested;
    m_input->interrupt_callback.opaque = const_cast<std::atomic<bool>*>(interrupt);
    watch({m_input, nullptr, &m_lost, &m_decodeError});

    AVDictionary* options = nullptr;
    av_dict_set(&options, "buffer_size", "1024000", 0);
    av_dict_set(&options, "rtsp_transport", overTcp ? "tcp" : "udp", 0);
    // The socket time-out ("stimeout" in older FFmpeg).
    av_dict_set(&options, "timeout", QByteArray::number(timeoutUs).constData(), 0);
    av_dict_set(&options, "max_delay", "500000", 0);
    // Over TCP FFmpeg passes RTP sequence gaps on silently; the smallest
    // reordering queue that is one (two packets: one is no queue) makes it
    // report them, holding a packet back only while one is missing.
    if (overTcp)
        av_dict_set(&options, "reorder_queue_size", "2", 0);

    auto fail = [this](const char* why) {
        qDebug() << why;
        close();
        return -1;
    };
    if (url.isEmpty()) {
        av_dict_free(&options);
        return fail("wifi rtsp url is null.");
    }
    const int opened = avformat_open_input(&m_input, url.toUtf8().constData(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0) {
        // avformat_open_input frees the context on failure.
        unwatch(&m_lost);
        m_input = nullptr;
        return fail("can't open the rtsp url.");
    }
    if (avformat_find_stream_info(m_input, nullptr) < 0)
        return fail("Could't find stream infomation.");
    m_videoStream = -1;
    for (unsigned i = 0; i < m_input->nb_streams; ++i) {
        if (m_input->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_VIDEO)
            m_videoStream = int(i);
    }
    if (m_videoStream < 0)
        return fail("can not find a video stream.");
    const AVCodecParameters* parameters = m_input->streams[m_videoStream]->codecpar;
    const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
    if (!codec)
        return fail("Codec not found.");
    m_decoder = avcodec_alloc_context3(codec);
    avcodec_parameters_to_context(m_decoder, parameters);
    m_decoder->time_base = AVRational{1, 10};
    m_decoder->bit_rate = 0;
    // One decoding thread: no frame of delay, and the decoder's messages
    // come from this context, which is how its errors are recognised.
    m_decoder->thread_count = 1;
    unwatch(&m_lost);
    watch({m_input, m_decoder, &m_lost, &m_decodeError});
    if (avcodec_open2(m_decoder, codec, nullptr) < 0)
        return fail("Could not open codec.");
    m_packet = av_packet_alloc();
    m_frame = av_frame_alloc();
    return 0;
}

void IRtspStream::freeConverter()
{
    if (m_converter) {
        sws_freeContext(m_converter);
        m_converter = nullptr;
    }
}

void IRtspStream::close()
{
    if (!m_input && !m_decoder)
        return;
    unwatch(&m_lost);
    freeConverter();
    qDebug() << "sws_freeContext完成";
    av_frame_free(&m_frame);
    qDebug() << "av_frame_free(_pFrameRGB)完成";
    av_packet_free(&m_packet);
    qDebug() << "av_free(_out_buffer)完成";
    avcodec_free_context(&m_decoder);
    if (m_input)
        avformat_close_input(&m_input);
    qDebug() << "avformat_close_input完成";
    m_pictures.clear();
    m_hasPicture = false;
    m_videoStream = -1;
}

int IRtspStream::readPacket()
{
    if (!m_input || !m_packet)
        return AVERROR(EINVAL);
    return av_read_frame(m_input, m_packet);
}

bool IRtspStream::packetIsVideo() const
{
    return m_packet && m_packet->stream_index == m_videoStream;
}

bool IRtspStream::packetIsKey() const
{
    return m_packet && (m_packet->flags & AV_PKT_FLAG_KEY);
}

void IRtspStream::releasePacket()
{
    if (m_packet)
        av_packet_unref(m_packet);
}

IRtspStream::DecodeResult IRtspStream::decode()
{
    m_hasPicture = false;
    if (!m_decoder)
        return DecodeError;
    const int sent = avcodec_send_packet(m_decoder, m_packet);
    if (sent < 0 && sent != AVERROR(EAGAIN)) {
        m_decodeError = true;
        return DecodeError;
    }
    // Without reordering a packet gives at most one picture; should a
    // decoder give more, the newest is the one to show.
    for (;;) {
        const int received = avcodec_receive_frame(m_decoder, m_frame);
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
            break;
        if (received < 0) {
            m_decodeError = true;
            return DecodeError;
        }
        m_hasPicture = true;
        if (pictureIsDamaged())
            m_decodeError = true;
        break;
    }
    return m_hasPicture ? Picture : NoPicture;
}

bool IRtspStream::pictureIsKey() const
{
    return m_hasPicture && (m_frame->key_frame || m_frame->pict_type == AV_PICTURE_TYPE_I);
}

bool IRtspStream::pictureIsDamaged() const
{
    return m_hasPicture && ((m_frame->flags & AV_FRAME_FLAG_CORRUPT) || m_frame->decode_error_flags != 0);
}

QSize IRtspStream::pictureSize() const
{
    return m_hasPicture ? QSize(m_frame->width, m_frame->height) : QSize();
}

QSize IRtspStream::decoderSize() const
{
    return m_decoder ? QSize(m_decoder->width, m_decoder->height) : QSize();
}

bool IRtspStream::takeLossOrError()
{
    const bool lost = m_lost.exchange(false);
    const bool error = m_decodeError.exchange(false);
    return lost || error;
}

void IRtspStream::clearLossStates()
{
    m_lost = false;
    m_decodeError = false;
}

void IRtspStream::flush()
{
    if (m_input)
        avformat_flush(m_input);
}

void IRtspStream::setupConverter()
{
    m_frameSize = decoderSize();
    freeConverter();
    if (m_frameSize.isEmpty() || !m_decoder || m_decoder->pix_fmt == AV_PIX_FMT_NONE)
        return;
    m_converter = sws_getContext(m_frameSize.width(), m_frameSize.height(), m_decoder->pix_fmt,
                                 m_frameSize.width(), m_frameSize.height(), AV_PIX_FMT_RGB32, SWS_BICUBIC,
                                 nullptr, nullptr, nullptr);
}

QImage IRtspStream::convert()
{
    if (!m_hasPicture)
        return QImage();
    if (!m_converter || m_frame->format != m_decoder->pix_fmt)
        setupConverter();
    if (!m_converter || pictureSize() != m_frameSize)
        return QImage();
    // FFmpeg's native-endian RGB32 is Qt's 32-bit RGB (BGRA in memory here);
    // the picture is written in place, without a buffer in between.
    // A picture nobody holds any more is written again rather than a new
    // one allocated: fresh memory costs page faults at every frame.
    QImage image;
    for (int i = 0; i < m_pictures.size(); ++i) {
        if (m_pictures.at(i).size() == m_frameSize && m_pictures.at(i).isDetached()) {
            image = m_pictures.takeAt(i);
            break;
        }
    }
    if (image.isNull())
        image = QImage(m_frameSize, QImage::Format_RGB32);
    if (image.isNull())
        return QImage();
    uint8_t* planes[4] = {image.bits(), nullptr, nullptr, nullptr};
    int strides[4] = {int(image.bytesPerLine()), 0, 0, 0};
    sws_scale(m_converter, m_frame->data, m_frame->linesize, 0, m_frame->height, planes, strides);
    m_pictures.append(image);
    if (m_pictures.size() > kSparePictures)
        m_pictures.removeFirst();
    return image;
}
