// X11 screen grabbing and H.264 encoding for the recorder.
#include "videocapture.h"

#include "averror.h"
#include "muxer.h"
#include "pauseclock.h"

#include <QByteArray>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavdevice/avdevice.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <chrono>
#include <cmath>

namespace {

QByteArray displayName()
{
    return qgetenv("DISPLAY");
}

// The size of the X screen, read from the grabber's default (whole screen).
// The caller closes `probe` only after its own connection is up: an X server
// with no client left resets and refuses connections for a moment.
bool screenSize(const AVInputFormat* format, AVFormatContext** probe, QSize* size, QString* error)
{
    const int ret = avformat_open_input(probe, displayName().constData(), format, nullptr);
    if (ret < 0) {
        *error = QStringLiteral("cannot open display %1: %2").arg(QString::fromLocal8Bit(displayName()), avErrorText(ret));
        return false;
    }
    *size = QSize((*probe)->streams[0]->codecpar->width, (*probe)->streams[0]->codecpar->height);
    return true;
}

} // namespace

VideoCapture::VideoCapture(PauseClock* clock, Muxer* muxer, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_muxer(muxer)
{
}

VideoCapture::~VideoCapture()
{
    requestStop();
    join();
    sws_freeContext(m_scaler);
    av_frame_free(&m_frame);
    avcodec_free_context(&m_encoder);
    avformat_close_input(&m_input);
}

bool VideoCapture::open(const QRect& zone, int frameRate, QString* error)
{
    if (displayName().isEmpty()) {
        *error = QStringLiteral("no X display (DISPLAY is not set)");
        return false;
    }
    avdevice_register_all();
    const AVInputFormat* format = av_find_input_format("x11grab");
    if (!format) {
        *error = QStringLiteral("this FFmpeg has no X11 grabber");
        return false;
    }
    QSize screen;
    AVFormatContext* probe = nullptr;
    if (!screenSize(format, &probe, &screen, error))
        return false;
    const bool opened = openGrabber(format, zone, screen, frameRate, error);
    avformat_close_input(&probe);
    return opened;
}

bool VideoCapture::openGrabber(const AVInputFormat* format, const QRect& zone, const QSize& screen, int frameRate,
                               QString* error)
{
    QRect grab = zone.intersected(QRect(QPoint(0, 0), screen));
    // H.264 in 4:2:0 needs even sizes.
    grab.setWidth(grab.width() & ~1);
    grab.setHeight(grab.height() & ~1);
    if (grab.width() < 2 || grab.height() < 2) {
        *error = QStringLiteral("the zone is outside the %1x%2 screen").arg(screen.width()).arg(screen.height());
        return false;
    }
    m_zone = grab;
    m_frameRate = frameRate;

    AVDictionary* options = nullptr;
    av_dict_set(&options, "video_size", QByteArray::number(grab.width()).append('x').append(QByteArray::number(grab.height())).constData(), 0);
    av_dict_set_int(&options, "grab_x", grab.x(), 0);
    av_dict_set_int(&options, "grab_y", grab.y(), 0);
    av_dict_set_int(&options, "framerate", frameRate, 0);
    av_dict_set_int(&options, "draw_mouse", 1, 0);
    const int ret = avformat_open_input(&m_input, displayName().constData(), format, &options);
    av_dict_free(&options);
    if (ret < 0) {
        *error = QStringLiteral("cannot grab display %1: %2").arg(QString::fromLocal8Bit(displayName()), avErrorText(ret));
        return false;
    }
    const AVCodecParameters* source = m_input->streams[0]->codecpar;
    m_sourceFormat = source->format;
    if (source->width != grab.width() || source->height != grab.height()) {
        *error = QStringLiteral("the grabber gave %1x%2 instead of %3x%4")
                     .arg(source->width).arg(source->height).arg(grab.width()).arg(grab.height());
        return false;
    }
    return true;
}

bool VideoCapture::addStream(QString* error)
{
    const AVCodec* codec = avcodec_find_encoder_by_name("libx264");
    if (!codec) {
        *error = QStringLiteral("no H.264 encoder (libx264)");
        return false;
    }
    m_encoder = avcodec_alloc_context3(codec);
    m_encoder->width = m_zone.width();
    m_encoder->height = m_zone.height();
    m_encoder->pix_fmt = AV_PIX_FMT_YUV420P;
    m_encoder->time_base = AVRational{1, m_frameRate};
    m_encoder->framerate = AVRational{m_frameRate, 1};
    m_encoder->sample_aspect_ratio = AVRational{1, 1};
    // A key frame every 5 s keeps seeking quick at little cost for mostly
    // still screen content.
    m_encoder->gop_size = 5 * m_frameRate;
    m_encoder->max_b_frames = 0;
    if (m_muxer->needsGlobalHeader())
        m_encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    // Low CPU for screen content: veryfast costs about half of medium and
    // compresses still screens nearly as well; zerolatency drops the
    // look-ahead and B-frames (no frame queue inside the encoder, so a stop
    // flushes at once and the CPU load stays even); crf 25 keeps text crisp.
    AVDictionary* options = nullptr;
    av_dict_set(&options, "preset", "veryfast", 0);
    av_dict_set(&options, "tune", "zerolatency", 0);
    av_dict_set(&options, "crf", "25", 0);
    int ret = avcodec_open2(m_encoder, codec, &options);
    av_dict_free(&options);
    if (ret < 0) {
        *error = QStringLiteral("cannot open the H.264 encoder: %1").arg(avErrorText(ret));
        return false;
    }
    m_streamIndex = m_muxer->addStream(m_encoder, error);
    if (m_streamIndex < 0)
        return false;

    m_scaler = sws_getContext(m_zone.width(), m_zone.height(), AVPixelFormat(m_sourceFormat),
                              m_zone.width(), m_zone.height(), AV_PIX_FMT_YUV420P, SWS_BILINEAR,
                              nullptr, nullptr, nullptr);
    m_frame = av_frame_alloc();
    if (!m_scaler || !m_frame) {
        *error = QStringLiteral("cannot convert the %1 screen pixels").arg(QString::fromUtf8(av_get_pix_fmt_name(AVPixelFormat(m_sourceFormat))));
        return false;
    }
    m_frame->format = AV_PIX_FMT_YUV420P;
    m_frame->width = m_zone.width();
    m_frame->height = m_zone.height();
    ret = av_frame_get_buffer(m_frame, 0);
    if (ret < 0) {
        *error = QStringLiteral("out of memory");
        return false;
    }
    return true;
}

void VideoCapture::start()
{
    m_thread = std::thread(&VideoCapture::run, this);
}

void VideoCapture::requestStop()
{
    m_stop = true;
}

void VideoCapture::join()
{
    if (m_thread.joinable())
        m_thread.join();
}

void VideoCapture::run()
{
    AVPacket* grabbed = av_packet_alloc();
    const long long framePeriodNs = 1000000000LL / m_frameRate;
    long long last = -1;
    QString error;
    bool ok = true;
    // The grabber paces itself from the moment it was opened and hands out
    // the frames it owes since then at once: skip that backlog, so that the
    // recording starts in step with the media clock.
    while (!m_stop) {
        const auto before = PauseClock::Clock::now();
        const int ret = av_read_frame(m_input, grabbed);
        av_packet_unref(grabbed);
        if (ret < 0 || PauseClock::Clock::now() - before >= std::chrono::nanoseconds(framePeriodNs / 2))
            break;
    }
    while (ok && !m_stop) {
        const int ret = av_read_frame(m_input, grabbed);
        if (ret == AVERROR(EAGAIN))
            continue; // the grabber waits for the next frame itself
        if (ret < 0) {
            error = QStringLiteral("lost the X display: %1").arg(avErrorText(ret));
            ok = false;
            break;
        }
        // Frames grabbed while paused are simply not recorded; the media
        // clock stands still, so the next frame follows the last one.
        if (m_clock->isPaused()) {
            av_packet_unref(grabbed);
            continue;
        }
        const long long now = m_clock->elapsedNs();
        const long long slot = (now + framePeriodNs / 2) / framePeriodNs;
        long long pts = last + 1;
        if (last < 0) {
            pts = slot;
        } else if (slot < last) {
            // The grabber is catching up on frames late because encoding
            // fell behind: drop them rather than queue.
            ++m_dropped;
            av_packet_unref(grabbed);
            continue;
        } else if (slot > last + 2) {
            // Fell behind by more than the jitter of a frame: the missing
            // periods stay empty, later frames keep their real time.
            pts = slot;
        }
        uint8_t* planes[4] = {};
        int strides[4] = {};
        const int need = av_image_fill_arrays(planes, strides, grabbed->data, AVPixelFormat(m_sourceFormat),
                                              m_zone.width(), m_zone.height(), 1);
        if (need < 0 || grabbed->size < need) {
            av_packet_unref(grabbed);
            error = QStringLiteral("the grabber gave a short frame");
            ok = false;
            break;
        }
        if (av_frame_make_writable(m_frame) < 0) {
            av_packet_unref(grabbed);
            error = QStringLiteral("out of memory");
            ok = false;
            break;
        }
        sws_scale(m_scaler, planes, strides, 0, m_zone.height(), m_frame->data, m_frame->linesize);
        av_packet_unref(grabbed);
        m_frame->pts = pts;
        if (last >= 0 && pts > last + 1)
            m_missed += pts - last - 1;
        last = pts;
        ok = encode(m_frame, &error);
    }
    // Whatever the encoder still holds goes into the file, also after a
    // failure of the grabber.
    QString flushError;
    if (!encode(nullptr, &flushError) && ok) {
        ok = false;
        error = flushError;
    }
    av_packet_free(&grabbed);
    if (!ok)
        emit failed(error);
    emit finished();
}

bool VideoCapture::encode(AVFrame* frame, QString* why)
{
    long long written = 0;
    const bool ok = m_muxer->encodeAndWrite(m_encoder, frame, m_streamIndex, "video", why, &written);
    m_written += written;
    if (m_written > 0 && !m_announced) {
        m_announced = true;
        emit firstFrameWritten();
    }
    return ok;
}
