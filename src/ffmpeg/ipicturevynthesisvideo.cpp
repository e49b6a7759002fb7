// Pictures to an H.264 MP4 on a thread of its own.
#include "ffmpeg/ipicturevynthesisvideo.h"

#include <QDebug>
#include <QFile>
#include <QMutexLocker>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/error.h>
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

namespace {

// QImage::Format_RGB32/ARGB32 keep 0xAARRGGBB words: B, G, R, A in memory on
// little-endian machines.
constexpr AVPixelFormat kPictureFormat =
    Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? AV_PIX_FMT_BGRA : AV_PIX_FMT_ARGB;

QString avError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

bool isEncoderFormat(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32;
}

} // namespace

IPictureVynthesisVideo::IPictureVynthesisVideo(const QString& fileName, int width, int height, int frameRate)
    : m_fileName(fileName), m_width(width), m_height(height), m_frameRate(frameRate)
{
}

IPictureVynthesisVideo::~IPictureVynthesisVideo()
{
    requestFinish();
    wait();
}

bool IPictureVynthesisVideo::addPicture(const QImage& picture)
{
    if (picture.isNull() || m_failed.load())
        return false;
    // A shared copy: the caller's later changes detach from it, so no pixel
    // is copied on the GUI thread (a deep copy of a 1080p picture cost 10 ms
    // and more there). Format conversion is left to the thread as well.
    QImage copy = picture;
    QMutexLocker lock(&m_queueLock);
    if (m_finishRequested || m_failed.load())
        return false;
    m_queue.append(std::move(copy));
    m_queueChanged.wakeOne();
    return true;
}

void IPictureVynthesisVideo::requestFinish()
{
    QMutexLocker lock(&m_queueLock);
    m_finishRequested = true;
    m_queueChanged.wakeOne();
}

QString IPictureVynthesisVideo::failure() const
{
    QMutexLocker lock(const_cast<QMutex*>(&m_queueLock));
    return m_failure;
}

void IPictureVynthesisVideo::fail(const QString& reason)
{
    QMutexLocker lock(&m_queueLock);
    if (!m_failed.load())
        m_failure = reason;
    m_failed.store(true);
    // Nothing more will be encoded: let the pictures go now.
    m_queue.clear();
}

void IPictureVynthesisVideo::run()
{
#ifdef Q_OS_LINUX
    // The encoder, and the threads x264 starts from it, give way to the
    // window; on Linux the nice value is per thread and inherited.
    setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), 10);
#endif
    if (!openOutputStream()) {
        qDebug() << "init ffmpeg error.";
        closeOutputStream();
        emit sgFailed(failure());
        return;
    }
    encodeLoop();
    closeOutputStream();
    if (m_failed.load())
        emit sgFailed(failure());
    else if (m_framesEncoded > 0)
        emit sgWritten(m_fileName);
}

bool IPictureVynthesisVideo::openOutputStream()
{
    const QByteArray path = QFile::encodeName(m_fileName);
    const QString notWritten = tr("The video could not be written to %1: %2");

    avformat_alloc_output_context2(&m_output, nullptr, nullptr, path.constData());
    if (!m_output) {
        qDebug() << "Failed to open output file!" << m_fileName << "(no container for the name)";
        fail(notWritten.arg(m_fileName, tr("no video container fits the name")));
        return false;
    }

    m_encoder = avcodec_find_encoder_by_name("libx264");
    if (!m_encoder)
        m_encoder = avcodec_find_encoder(AV_CODEC_ID_H264);
    if (!m_encoder) {
        qDebug() << "Can not find output video encoder!" << "h264";
        fail(tr("The video could not be made: this system has no H.264 encoder."));
        return false;
    }

    m_codec = avcodec_alloc_context3(m_encoder);
    if (!m_codec) {
        qDebug() << "Failed to open output video encoder!" << "no memory";
        fail(tr("The video could not be made: out of memory."));
        return false;
    }
    m_codec->codec_id = AV_CODEC_ID_H264;
    m_codec->codec_type = AVMEDIA_TYPE_VIDEO;
    m_codec->pix_fmt = AV_PIX_FMT_YUV420P;
    m_codec->width = m_width;
    m_codec->height = m_height;
    m_codec->time_base = AVRational{1, m_frameRate};
    m_codec->framerate = AVRational{m_frameRate, 1};
    m_codec->bit_rate = 4000000;
    m_codec->gop_size = 100;
    if (m_output->oformat->flags & AVFMT_GLOBALHEADER)
        m_codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    m_codec->qmin = 10;
    m_codec->qmax = 51;
    m_codec->max_b_frames = 0;
    m_codec->keyint_min = 25;
    m_codec->b_quant_factor = 1.0f;
    m_codec->refs = 3;
    m_codec->me_subpel_quality = 7;
    m_codec->trellis = 1;

    AVDictionary* options = nullptr;
    av_dict_set(&options, "preset", "superfast", 0);
    av_dict_set(&options, "tune", "zerolatency", 0);
    av_dict_set(&options, "profile", "high", 0);
    int ret = avcodec_open2(m_codec, m_encoder, &options);
    av_dict_free(&options);
    if (ret < 0) {
        qDebug() << "Failed to open output video encoder!" << avError(ret) << m_width << m_height;
        fail(tr("The video could not be made: the H.264 encoder did not start (%1).").arg(avError(ret)));
        return false;
    }

    m_stream = avformat_new_stream(m_output, nullptr);
    if (!m_stream) {
        qDebug() << "Failed to open output file!" << "no stream";
        fail(tr("The video could not be made: out of memory."));
        return false;
    }
    m_stream->time_base = AVRational{1, m_frameRate};
    avcodec_parameters_from_context(m_stream->codecpar, m_codec);
    m_videoStreamIndex = m_stream->index;

    ret = avio_open(&m_output->pb, path.constData(), AVIO_FLAG_READ_WRITE);
    if (ret < 0) {
        qDebug() << "Failed to open output file!" << m_fileName << avError(ret);
        fail(notWritten.arg(m_fileName, avError(ret)));
        return false;
    }
    m_fileOpened = true;
    av_dump_format(m_output, 0, path.constData(), 1);
    ret = avformat_write_header(m_output, nullptr);
    if (ret < 0) {
        qDebug() << "Failed to open output file!" << m_fileName << "header:" << avError(ret);
        fail(notWritten.arg(m_fileName, avError(ret)));
        return false;
    }
    m_headerWritten = true;
    return true;
}

void IPictureVynthesisVideo::encodeLoop()
{
    AVFrame* source = av_frame_alloc();
    AVFrame* frame = av_frame_alloc();
    if (!source || !frame) {
        fail(tr("The video could not be made: out of memory."));
    } else {
        frame->format = AV_PIX_FMT_YUV420P;
        frame->width = m_width;
        frame->height = m_height;
        if (av_frame_get_buffer(frame, 0) < 0)
            fail(tr("The video could not be made: out of memory."));
    }

    int64_t n = 0;
    bool finishRequested = false;
    while (!m_failed.load()) {
        QImage picture;
        {
            QMutexLocker lock(&m_queueLock);
            while (m_queue.isEmpty() && !m_finishRequested)
                m_queueChanged.wait(&m_queueLock);
            finishRequested = m_finishRequested;
            if (m_queue.isEmpty())
                break;
            picture = m_queue.takeFirst();
        }
        if (!isEncoderFormat(picture.format()))
            picture = picture.convertToFormat(QImage::Format_RGB32);

        // The source frame only points at the picture's pixels.
        source->data[0] = const_cast<uint8_t*>(picture.constBits());
        source->linesize[0] = int(picture.bytesPerLine());
        source->width = picture.width();
        source->height = picture.height();
        source->format = kPictureFormat;

        // Every picture is scaled to the size the run started with; the
        // converter follows the pictures' size.
        if (!m_converter || picture.size() != m_converterSource) {
            qDebug() << "init video_convert_ctx";
            m_converter = sws_getCachedContext(m_converter, picture.width(), picture.height(), kPictureFormat,
                                               m_width, m_height, AV_PIX_FMT_YUV420P, SWS_BICUBIC,
                                               nullptr, nullptr, nullptr);
            m_converterSource = picture.size();
            if (!m_converter) {
                fail(tr("The video could not be made: a picture of %1 x %2 could not be converted.")
                         .arg(picture.width())
                         .arg(picture.height()));
                break;
            }
        }
        // The encoder may still hold the previous frame's buffer.
        if (av_frame_make_writable(frame) < 0) {
            fail(tr("The video could not be made: out of memory."));
            break;
        }
        sws_scale(m_converter, source->data, source->linesize, 0, picture.height(), frame->data, frame->linesize);
        // Frame n starts at n x (1/rate) s: in the codec's time base of
        // 1/rate that is n itself, exact for any length of run.
        frame->pts = n;
        encodeFrame(frame, n);
        m_framesEncoded = ++n;
    }
    if (!m_failed.load())
        encodeFrame(nullptr, n); // the frames the encoder still holds

    qDebug() << "exit IPictureVynthesisVideo." << finishRequested;
    av_frame_free(&source);
    av_frame_free(&frame);
}

void IPictureVynthesisVideo::encodeFrame(AVFrame* frame, int64_t frameIndex)
{
    int ret = avcodec_send_frame(m_codec, frame);
    if (ret < 0) {
        qDebug().nospace() << "h264 avcodec_encode_video2 error " << ret;
        return;
    }
    AVPacket* packet = av_packet_alloc();
    int gotPicture = 0;
    while (packet) {
        ret = avcodec_receive_packet(m_codec, packet);
        if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF)
            break;
        if (ret < 0) {
            qDebug().nospace() << "h264 avcodec_encode_video2 error " << ret;
            break;
        }
        gotPicture = 1;
        // Without a duration the last frame would get none in the file.
        if (packet->duration <= 0)
            packet->duration = 1;
        av_packet_rescale_ts(packet, m_codec->time_base, m_stream->time_base);
        packet->stream_index = m_videoStreamIndex;
        ret = av_interleaved_write_frame(m_output, packet);
        if (ret < 0) {
            qDebug() << "Failed to write the video" << m_fileName << avError(ret);
            fail(tr("The video could not be written to %1: %2").arg(m_fileName, avError(ret)));
            break;
        }
    }
    av_packet_free(&packet);
    // Only the first frames: an encoder that buffers would otherwise log
    // every frame of the run.
    if (frame && !gotPicture && frameIndex < 3)
        qDebug() << " video --> got_picture != 1" << gotPicture;
}

void IPictureVynthesisVideo::closeOutputStream()
{
    if (m_output && m_headerWritten) {
        const int ret = av_write_trailer(m_output);
        if (ret < 0 && !m_failed.load()) {
            qDebug() << "Failed to write the video" << m_fileName << avError(ret);
            fail(tr("The video could not be written to %1: %2").arg(m_fileName, avError(ret)));
        }
    }
    sws_freeContext(m_converter);
    m_converter = nullptr;
    if (m_output && m_fileOpened) {
        const int ret = avio_closep(&m_output->pb);
        if (ret < 0 && !m_failed.load()) {
            qDebug() << "Failed to write the video" << m_fileName << avError(ret);
            fail(tr("The video could not be written to %1: %2").arg(m_fileName, avError(ret)));
        }
    }
    avcodec_free_context(&m_codec);
    avformat_free_context(m_output);
    m_output = nullptr;
    m_stream = nullptr;
    // A file without its trailer, or without any frame, plays nowhere; it
    // would only take space.
    if (m_fileOpened && (m_failed.load() || m_framesEncoded == 0))
        QFile::remove(m_fileName);
    m_fileOpened = false;
    m_headerWritten = false;
    qDebug() << "closeOutputStream";
}
