// The simulator's RTSP server: "/stream/main" as H.264 over RTP, filmed from
// the test pattern, with lost RTP packets and outages on request.
#pragma once

#include <QSize>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

typedef struct _GstRTSPServer GstRTSPServer;
typedef struct _GstRTSPMedia GstRTSPMedia;
typedef struct _GstRTSPMediaFactory GstRTSPMediaFactory;

struct SimStreamOptions
{
    QString address = QStringLiteral("192.168.43.1");
    int port = 554;
    QSize size{320, 240};
    int fps = 30;
    double lossPercent = 0;
    // The first session's RTP stops for this long, this long after it started.
    double outageAfterSeconds = -1;
    double outageSeconds = 0;
    // One stream for every client (several viewers of one picture).
    bool shared = false;
    // "frame-number monotonic-nanoseconds" for every frame drawn.
    QString timestampsFile;
};

class SimRtspServer
{
public:
    explicit SimRtspServer(const SimStreamOptions& options);
    ~SimRtspServer();

    bool start(QString* error);
    // Every stream switches to this size from its next frame.
    void setResolution(const QSize& size);
    QSize resolution() const;

    struct Feeder;

private:
    static void onMediaConfigure(GstRTSPMediaFactory* factory, GstRTSPMedia* media, void* self);

    SimStreamOptions m_options;
    GstRTSPServer* m_server = nullptr;
    mutable std::mutex m_mutex;
    QSize m_size;
    int m_sessions = 0;
    FILE* m_timestamps = nullptr;
};
