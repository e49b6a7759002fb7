// PulseAudio capture (or generated silence) and AAC encoding for the recorder.
#include "audiocapture.h"

#include "averror.h"
#include "muxer.h"
#include "pauseclock.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavdevice/avdevice.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

long long samplesAt(long long ns)
{
    return ns * AudioCapture::kSampleRate / 1000000000LL;
}

// How long the silence generator sleeps between two rounds.
constexpr auto kSilenceTick = std::chrono::milliseconds(20);

} // namespace

AudioCapture::AudioCapture(PauseClock* clock, Muxer* muxer, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_muxer(muxer)
{
}

AudioCapture::~AudioCapture()
{
    requestStop();
    join();
    closeSource();
    av_frame_free(&m_frame);
    if (m_fifo)
        av_audio_fifo_free(m_fifo);
    avcodec_free_context(&m_encoder);
}

void AudioCapture::closeSource()
{
    swr_free(&m_resampler);
    avcodec_free_context(&m_decoder);
    av_frame_free(&m_decoded);
    avformat_close_input(&m_input);
}

QString AudioCapture::open()
{
    avdevice_register_all();
    const AVInputFormat* pulse = av_find_input_format("pulse");
    if (!pulse)
        return QStringLiteral("silence (this FFmpeg has no PulseAudio input)");
    AVDictionary* options = nullptr;
    av_dict_set_int(&options, "sample_rate", kSampleRate, 0);
    av_dict_set_int(&options, "channels", kChannels, 0);
    const int ret = avformat_open_input(&m_input, "default", pulse, &options);
    av_dict_free(&options);
    if (ret < 0)
        return QStringLiteral("silence (no sound server: %1)").arg(avErrorText(ret));
    const AVCodecParameters* source = m_input->streams[0]->codecpar;
    const AVCodec* pcm = avcodec_find_decoder(source->codec_id);
    m_decoder = pcm ? avcodec_alloc_context3(pcm) : nullptr;
    m_decoded = av_frame_alloc();
    if (!m_decoder || !m_decoded || avcodec_parameters_to_context(m_decoder, source) < 0 ||
        avcodec_open2(m_decoder, pcm, nullptr) < 0) {
        closeSource();
        return QStringLiteral("silence (cannot read the sound source's samples)");
    }
    AVChannelLayout out = AV_CHANNEL_LAYOUT_STEREO;
    const int made = swr_alloc_set_opts2(&m_resampler, &out, AV_SAMPLE_FMT_FLTP, kSampleRate, &m_decoder->ch_layout,
                                         m_decoder->sample_fmt, m_decoder->sample_rate, 0, nullptr);
    if (made < 0 || swr_init(m_resampler) < 0) {
        closeSource();
        return QStringLiteral("silence (cannot convert the sound source's samples)");
    }
    return QStringLiteral("the default PulseAudio source (%1 Hz, %2 channels)")
        .arg(source->sample_rate)
        .arg(source->ch_layout.nb_channels);
}

bool AudioCapture::addStream(QString* error)
{
    const AVCodec* codec = avcodec_find_encoder_by_name("aac");
    if (!codec) {
        *error = QStringLiteral("no AAC encoder");
        return false;
    }
    m_encoder = avcodec_alloc_context3(codec);
    m_encoder->sample_fmt = AV_SAMPLE_FMT_FLTP;
    m_encoder->sample_rate = kSampleRate;
    av_channel_layout_default(&m_encoder->ch_layout, kChannels);
    m_encoder->bit_rate = 128000;
    m_encoder->time_base = AVRational{1, kSampleRate};
    if (m_muxer->needsGlobalHeader())
        m_encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int ret = avcodec_open2(m_encoder, codec, nullptr);
    if (ret < 0) {
        *error = QStringLiteral("cannot open the AAC encoder: %1").arg(avErrorText(ret));
        return false;
    }
    m_streamIndex = m_muxer->addStream(m_encoder, error);
    if (m_streamIndex < 0)
        return false;
    m_fifo = av_audio_fifo_alloc(AV_SAMPLE_FMT_FLTP, kChannels, kSampleRate);
    m_frame = av_frame_alloc();
    if (!m_fifo || !m_frame) {
        *error = QStringLiteral("out of memory");
        return false;
    }
    return true;
}

void AudioCapture::start()
{
    m_thread = std::thread(&AudioCapture::run, this);
}

void AudioCapture::requestStop()
{
    {
        std::lock_guard<std::mutex> lock(m_wakeMutex);
        m_stop = true;
    }
    m_wake.notify_all();
}

void AudioCapture::join()
{
    if (m_thread.joinable())
        m_thread.join();
}

void AudioCapture::run()
{
    QString error;
    bool ok = true;
    while (ok && !m_stop) {
        if (m_input) {
            QString lost;
            if (!readSource(&lost)) {
                // The sound server went away: the rest is silence, the
                // recording goes on.
                qWarning("sound source lost (%s); recording silence from here", qPrintable(lost));
                closeSource();
            }
        } else {
            std::unique_lock<std::mutex> lock(m_wakeMutex);
            m_wake.wait_for(lock, kSilenceTick, [this] { return m_stop.load(); });
        }
        // Silence covers what the source did not: all of it without a
        // server, the start before the first samples arrive with one.
        if (!m_input || m_queuedUpTo == 0)
            ok = padWithSilenceTo(m_input ? 0 : samplesAt(m_clock->elapsedNs()), &error);
        if (ok)
            ok = encodeQueued(false, &error);
    }
    if (ok) {
        // Audio ends with the video: up to the media time of the stop.
        ok = padWithSilenceTo(samplesAt(m_clock->elapsedNs()), &error) && encodeQueued(true, &error);
    }
    QString flushError;
    if (!encode(nullptr, &flushError) && ok) {
        ok = false;
        error = flushError;
    }
    if (!ok)
        emit failed(error);
    emit finished();
}

bool AudioCapture::readSource(QString* error)
{
    AVPacket* packet = av_packet_alloc();
    const int ret = av_read_frame(m_input, packet);
    if (ret == AVERROR(EAGAIN)) {
        av_packet_free(&packet);
        return true;
    }
    if (ret < 0) {
        *error = avErrorText(ret);
        av_packet_free(&packet);
        return false;
    }
    bool ok = true;
    // While paused nothing is recorded; the sample count stands still with
    // the media clock.
    if (!m_clock->isPaused()) {
        if (m_queuedUpTo == 0) {
            // The first samples belong at the media time they arrive.
            ok = padWithSilenceTo(samplesAt(m_clock->elapsedNs()), error);
        }
        if (ok && avcodec_send_packet(m_decoder, packet) < 0) {
            *error = QStringLiteral("the sound source's samples cannot be read");
            ok = false;
        }
        while (ok && avcodec_receive_frame(m_decoder, m_decoded) >= 0) {
            const int room = swr_get_out_samples(m_resampler, m_decoded->nb_samples);
            std::vector<float> left(size_t(std::max(room, 1))), right(size_t(std::max(room, 1)));
            uint8_t* out[2] = {reinterpret_cast<uint8_t*>(left.data()), reinterpret_cast<uint8_t*>(right.data())};
            const int converted = swr_convert(m_resampler, out, room,
                                              const_cast<const uint8_t**>(m_decoded->extended_data),
                                              m_decoded->nb_samples);
            av_frame_unref(m_decoded);
            if (converted > 0) {
                av_audio_fifo_write(m_fifo, reinterpret_cast<void**>(out), converted);
                m_queuedUpTo += converted;
            }
        }
    }
    av_packet_free(&packet);
    return ok;
}

bool AudioCapture::padWithSilenceTo(long long sample, QString* error)
{
    static const std::vector<float> zeros(4800, 0.0f);
    while (m_queuedUpTo < sample) {
        const int count = int(std::min<long long>(sample - m_queuedUpTo, static_cast<long long>(zeros.size())));
        void* planes[kChannels];
        for (auto& plane : planes)
            plane = const_cast<float*>(zeros.data());
        if (av_audio_fifo_write(m_fifo, planes, count) < count) {
            *error = QStringLiteral("out of memory");
            return false;
        }
        m_queuedUpTo += count;
        // Keep the queue short; the encoder takes frames as they fill.
        if (!encodeQueued(false, error))
            return false;
    }
    return true;
}

bool AudioCapture::encodeQueued(bool flush, QString* error)
{
    const int frameSize = m_encoder->frame_size > 0 ? m_encoder->frame_size : 1024;
    const bool smallLast = m_encoder->codec->capabilities & AV_CODEC_CAP_SMALL_LAST_FRAME;
    while (av_audio_fifo_size(m_fifo) >= frameSize || (flush && av_audio_fifo_size(m_fifo) > 0)) {
        const int queued = av_audio_fifo_size(m_fifo);
        const int take = std::min(queued, frameSize);
        av_frame_unref(m_frame);
        m_frame->format = AV_SAMPLE_FMT_FLTP;
        m_frame->sample_rate = kSampleRate;
        av_channel_layout_copy(&m_frame->ch_layout, &m_encoder->ch_layout);
        // A short last frame is padded with silence when the encoder wants
        // whole frames.
        m_frame->nb_samples = (take < frameSize && !smallLast) ? frameSize : take;
        if (av_frame_get_buffer(m_frame, 0) < 0) {
            *error = QStringLiteral("out of memory");
            return false;
        }
        av_samples_set_silence(m_frame->data, 0, m_frame->nb_samples, kChannels, AV_SAMPLE_FMT_FLTP);
        av_audio_fifo_read(m_fifo, reinterpret_cast<void**>(m_frame->data), take);
        m_frame->pts = m_nextPts;
        m_nextPts += m_frame->nb_samples;
        if (!encode(m_frame, error))
            return false;
    }
    return true;
}

bool AudioCapture::encode(AVFrame* frame, QString* error)
{
    return m_muxer->encodeAndWrite(m_encoder, frame, m_streamIndex, "audio", error);
}
