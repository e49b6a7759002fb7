// A Wi-Fi document camera through its RTSP camera thread.
#pragma once

#include "camera/inetworksourcebase.h"

#include <atomic>

class IWifiRtspThread;

class INetworkSource : public INetworkSourceBase
{
    Q_OBJECT
public:
    explicit INetworkSource(QObject* parent = nullptr);
    // Stops the reading thread and the control connection.
    ~INetworkSource() override;

    // Null until the camera is opened.
    IWifiRtspThread* thread() const { return m_thread; }

    bool open(const ICameraInfo& camera) override;
    void setLive(bool live) override;
    void setEdgeDetection(bool on) override;
    QImage picture(int filterKind) override;
    IEdgeResult edgeResult() override;
    bool triggerStill(int filterKind) override;
    // The camera took the binding, but its RTSP stream failed to open before
    // it ever ran: a camera that speaks the control protocol only. Set by the
    // time its sgError(1) arrives; cleared should the stream open later.
    bool controlOnly() const { return m_controlOnly; }

private:
    void onThreadError(int code);

    IWifiRtspThread* m_thread = nullptr;
    std::atomic<bool> m_streamOpened{false};
    std::atomic<bool> m_controlOnly{false};
};
