// The simulator's RTSP server.
// GLib before Qt: GLib's headers use "signals" as a name, which Qt defines.
#include <gst/app/gstappsrc.h>
#include <gst/gst.h>
#include <gst/rtsp-server/rtsp-server.h>

#include "peers/wificamera/simrtspserver.h"

#include "common/wifitestpattern.h"

#include <QElapsedTimer>
#include <QImage>

#include <chrono>
#include <cstdio>
#include <random>
#include <thread>
#include <time.h>

struct SimRtspServer::Feeder
{
    SimRtspServer* server = nullptr;
    GstElement* appsrc = nullptr;
    std::thread thread;
    std::atomic<bool> stop{false};
    std::mt19937 random{12345};
    double lossPercent = 0;
    bool outage = false;
    double outageAfter = 0;
    double outageLength = 0;
    QElapsedTimer clock;

    bool dropNow()
    {
        if (outage) {
            const double t = clock.elapsed() / 1000.0;
            if (t >= outageAfter && t < outageAfter + outageLength)
                return true;
        }
        return lossPercent > 0 && std::uniform_real_distribution<double>(0, 100)(random) < lossPercent;
    }

    void run()
    {
        const auto period = std::chrono::nanoseconds(1000000000LL / std::max(1, server->m_options.fps));
        auto next = std::chrono::steady_clock::now();
        QSize size;
        QImage page;
        quint32 number = 0;
        while (!stop) {
            const QSize wanted = server->resolution();
            if (wanted != size) {
                size = wanted;
                page = WifiTestPattern::page(size);
                GstCaps* caps = gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "BGRx", "width",
                                                    G_TYPE_INT, size.width(), "height", G_TYPE_INT, size.height(),
                                                    "framerate", GST_TYPE_FRACTION, server->m_options.fps, 1,
                                                    nullptr);
                gst_app_src_set_caps(GST_APP_SRC(appsrc), caps);
                gst_caps_unref(caps);
            }
            auto* frame = new QImage(page.copy());
            WifiTestPattern::drawFrameMarks(*frame, number);
            if (FILE* out = server->m_timestamps) {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::lock_guard<std::mutex> lock(server->m_mutex);
                std::fprintf(out, "%u %lld\n", number, (long long)now.tv_sec * 1000000000LL + now.tv_nsec);
                std::fflush(out);
            }
            GstBuffer* buffer = gst_buffer_new_wrapped_full(
                GST_MEMORY_FLAG_READONLY, frame->bits(), gsize(frame->sizeInBytes()), 0,
                gsize(frame->sizeInBytes()), frame, [](gpointer data) { delete static_cast<QImage*>(data); });
            if (gst_app_src_push_buffer(GST_APP_SRC(appsrc), buffer) != GST_FLOW_OK)
                break;
            ++number;
            next += period;
            std::this_thread::sleep_until(next);
        }
    }
};

namespace {

GstPadProbeReturn dropPackets(GstPad*, GstPadProbeInfo* info, gpointer data)
{
    auto* feeder = static_cast<SimRtspServer::Feeder*>(data);
    if (GST_PAD_PROBE_INFO_TYPE(info) & GST_PAD_PROBE_TYPE_BUFFER_LIST) {
        GstBufferList* list = gst_buffer_list_make_writable(GST_PAD_PROBE_INFO_BUFFER_LIST(info));
        for (int i = int(gst_buffer_list_length(list)) - 1; i >= 0; --i) {
            if (feeder->dropNow())
                gst_buffer_list_remove(list, guint(i), 1);
        }
        GST_PAD_PROBE_INFO_DATA(info) = list;
        return gst_buffer_list_length(list) == 0 ? GST_PAD_PROBE_DROP : GST_PAD_PROBE_OK;
    }
    return feeder->dropNow() ? GST_PAD_PROBE_DROP : GST_PAD_PROBE_OK;
}

void stopFeeder(GstRTSPMedia*, gpointer data)
{
    auto* feeder = static_cast<SimRtspServer::Feeder*>(data);
    feeder->stop = true;
}

void freeFeeder(gpointer data, GClosure*)
{
    auto* feeder = static_cast<SimRtspServer::Feeder*>(data);
    feeder->stop = true;
    if (feeder->thread.joinable())
        feeder->thread.join();
    gst_object_unref(feeder->appsrc);
    delete feeder;
}

} // namespace

SimRtspServer::SimRtspServer(const SimStreamOptions& options)
    : m_options(options)
    , m_size(options.size)
{
}

SimRtspServer::~SimRtspServer()
{
    if (m_server)
        g_object_unref(m_server);
    if (m_timestamps)
        std::fclose(m_timestamps);
}

bool SimRtspServer::start(QString* error)
{
    if (!m_options.timestampsFile.isEmpty())
        m_timestamps = std::fopen(m_options.timestampsFile.toLocal8Bit().constData(), "w");
    m_server = gst_rtsp_server_new();
    g_object_set(m_server, "address", m_options.address.toLatin1().constData(), "service",
                 QByteArray::number(m_options.port).constData(), nullptr);
    GstRTSPMountPoints* mounts = gst_rtsp_server_get_mount_points(m_server);
    GstRTSPMediaFactory* factory = gst_rtsp_media_factory_new();
    // Low delay and a key frame every second, as a camera's live stream;
    // SPS and PPS with every key frame so that a new size is announced. An
    // encoder that falls behind drops the oldest frames, as a camera does,
    // rather than building up delay. One slice per picture: FFmpeg's RTP
    // depacketiser conceals parts of multi-slice key frames.
    gst_rtsp_media_factory_set_launch(
        factory, "( appsrc name=src is-live=true format=time do-timestamp=true max-buffers=2 leaky-type=downstream "
                 "! videoconvert ! video/x-raw,format=I420 "
                 "! x264enc tune=zerolatency speed-preset=ultrafast key-int-max=30 pass=quant quantizer=20 threads=1 "
                 "! video/x-h264,profile=constrained-baseline "
                 "! rtph264pay name=pay0 pt=96 config-interval=-1 )");
    gst_rtsp_media_factory_set_shared(factory, m_options.shared);
    gst_rtsp_media_factory_set_protocols(
        factory, GstRTSPLowerTrans(GST_RTSP_LOWER_TRANS_TCP | GST_RTSP_LOWER_TRANS_UDP));
    g_signal_connect(factory, "media-configure", G_CALLBACK(onMediaConfigure), this);
    gst_rtsp_mount_points_add_factory(mounts, "/stream/main", factory);
    g_object_unref(mounts);
    if (gst_rtsp_server_attach(m_server, nullptr) == 0) {
        *error = QStringLiteral("cannot listen on %1:%2").arg(m_options.address).arg(m_options.port);
        return false;
    }
    return true;
}

void SimRtspServer::setResolution(const QSize& size)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_size = size;
}

QSize SimRtspServer::resolution() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_size;
}

void SimRtspServer::onMediaConfigure(GstRTSPMediaFactory*, GstRTSPMedia* media, void* self)
{
    auto* server = static_cast<SimRtspServer*>(self);
    GstElement* bin = gst_rtsp_media_get_element(media);
    auto* feeder = new Feeder;
    feeder->server = server;
    feeder->appsrc = gst_bin_get_by_name(GST_BIN(bin), "src");
    feeder->lossPercent = server->m_options.lossPercent;
    {
        std::lock_guard<std::mutex> lock(server->m_mutex);
        feeder->outage = server->m_sessions++ == 0 && server->m_options.outageAfterSeconds >= 0;
    }
    feeder->outageAfter = server->m_options.outageAfterSeconds;
    feeder->outageLength = server->m_options.outageSeconds;
    GstElement* pay = feeder->lossPercent > 0 || feeder->outage ? gst_bin_get_by_name(GST_BIN(bin), "pay0") : nullptr;
    if (pay) {
        GstPad* pad = gst_element_get_static_pad(pay, "src");
        gst_pad_add_probe(pad, GstPadProbeType(GST_PAD_PROBE_TYPE_BUFFER | GST_PAD_PROBE_TYPE_BUFFER_LIST),
                          dropPackets, feeder, nullptr);
        gst_object_unref(pad);
        gst_object_unref(pay);
    }
    gst_object_unref(bin);
    g_signal_connect(media, "unprepared", G_CALLBACK(stopFeeder), feeder);
    // The feeder lives as long as its media.
    g_signal_connect_data(media, "unprepared", G_CALLBACK(+[](GstRTSPMedia*, gpointer) {}), feeder, freeFeeder,
                          GConnectFlags(0));
    feeder->clock.start();
    feeder->thread = std::thread([feeder] { feeder->run(); });
    std::printf("rtsp session %d\n", server->m_sessions);
    std::fflush(stdout);
}
