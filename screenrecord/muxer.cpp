// Output file muxing for the recorder.
#include "muxer.h"

#include "averror.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

Muxer::~Muxer()
{
    QString ignored;
    if (m_headerWritten && !m_finished)
        finish(&ignored);
    if (m_context) {
        if (m_context->pb)
            avio_closep(&m_context->pb);
        avformat_free_context(m_context);
    }
}

bool Muxer::create(const QString& path, const QString& containerName, QString* error)
{
    const QByteArray file = path.toUtf8();
    const int ret = avformat_alloc_output_context2(&m_context, nullptr, containerName.toUtf8().constData(),
                                                   file.constData());
    if (ret < 0 || !m_context) {
        *error = QStringLiteral("no %1 muxer: %2").arg(containerName, avErrorText(ret));
        return false;
    }
    return true;
}

bool Muxer::needsGlobalHeader() const
{
    return m_context && (m_context->oformat->flags & AVFMT_GLOBALHEADER);
}

int Muxer::addStream(const AVCodecContext* codec, QString* error)
{
    AVStream* stream = avformat_new_stream(m_context, nullptr);
    if (!stream) {
        *error = QStringLiteral("out of memory");
        return -1;
    }
    const int ret = avcodec_parameters_from_context(stream->codecpar, codec);
    if (ret < 0) {
        *error = QStringLiteral("cannot set up a stream: %1").arg(avErrorText(ret));
        return -1;
    }
    stream->time_base = codec->time_base;
    if (codec->codec_type == AVMEDIA_TYPE_VIDEO) {
        stream->avg_frame_rate = codec->framerate;
        stream->r_frame_rate = codec->framerate;
    }
    return stream->index;
}

bool Muxer::writeHeader(QString* error)
{
    int ret = 0;
    if (!(m_context->oformat->flags & AVFMT_NOFILE)) {
        ret = avio_open(&m_context->pb, m_context->url, AVIO_FLAG_WRITE);
        if (ret < 0) {
            *error = QStringLiteral("cannot create %1: %2").arg(QString::fromUtf8(m_context->url), avErrorText(ret));
            return false;
        }
    }
    AVDictionary* options = nullptr;
    // mp4 and mov: the index goes in front once the recording is complete,
    // so the file plays (and streams) from the start.
    const QByteArray name(m_context->oformat->name);
    if (name.contains("mp4") || name.contains("mov"))
        av_dict_set(&options, "movflags", "+faststart", 0);
    ret = avformat_write_header(m_context, &options);
    av_dict_free(&options);
    if (ret < 0) {
        *error = QStringLiteral("cannot write the file header: %1").arg(avErrorText(ret));
        return false;
    }
    m_headerWritten = true;
    return true;
}

bool Muxer::write(AVPacket* packet, int index, const AVCodecContext* codec, QString* error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_headerWritten || m_finished || m_failed) {
        av_packet_unref(packet);
        *error = QStringLiteral("the file is not open");
        return false;
    }
    AVStream* stream = m_context->streams[index];
    av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
    packet->stream_index = index;
    const int ret = av_interleaved_write_frame(m_context, packet);
    if (ret < 0) {
        m_failed = true;
        *error = QStringLiteral("cannot write to the file: %1").arg(avErrorText(ret));
        return false;
    }
    return true;
}

bool Muxer::finish(QString* error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_headerWritten || m_finished) {
        *error = QStringLiteral("the file is not open");
        return false;
    }
    m_finished = true;
    int ret = av_write_trailer(m_context);
    if (ret < 0)
        *error = QStringLiteral("cannot finish the file: %1").arg(avErrorText(ret));
    if (m_context->pb) {
        // A write error may surface only when the last buffer goes out.
        const int flushed = m_context->pb->error;
        const int closed = avio_closep(&m_context->pb);
        if (ret >= 0 && (flushed < 0 || closed < 0)) {
            ret = flushed < 0 ? flushed : closed;
            *error = QStringLiteral("cannot finish the file: %1").arg(avErrorText(ret));
        }
    }
    return ret >= 0 && !m_failed;
}

bool Muxer::encodeAndWrite(AVCodecContext* encoder, AVFrame* frame, int index, const char* what, QString* error,
                           long long* written)
{
    int ret = avcodec_send_frame(encoder, frame);
    if (ret < 0 && ret != AVERROR_EOF) {
        *error = QStringLiteral("%1 encoding failed: %2").arg(QLatin1String(what), avErrorText(ret));
        return false;
    }
    AVPacket* packet = av_packet_alloc();
    bool ok = true;
    while ((ret = avcodec_receive_packet(encoder, packet)) >= 0) {
        if (!write(packet, index, encoder, error)) {
            ok = false;
            break;
        }
        if (written)
            ++*written;
    }
    av_packet_free(&packet);
    if (ok && ret != AVERROR(EAGAIN) && ret != AVERROR_EOF) {
        *error = QStringLiteral("%1 encoding failed: %2").arg(QLatin1String(what), avErrorText(ret));
        ok = false;
    }
    return ok;
}
