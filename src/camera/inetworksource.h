// The sources of the Wi-Fi document cameras: what both share, and the one
// for the camera with an RTSP stream.
#pragma once

#include "camera/icamerasource.h"
#include "ffmpeg/wifirtsp/iwificontrolprotocol.h"

#include <atomic>

class IWifiCameraThread;
class IWifiRtspThread;

// Settings, parameters, lamps and the forwarded signals of a Wi-Fi camera
// thread. Each subclass creates its thread in open() and deletes it first
// thing in its destructor.
class INetworkSourceBase : public ICameraSource
{
    Q_OBJECT
public:
    void setResolution(const QSize& size) override;
    void setFocus(int value) override;
    void setExposure(int value) override;
    void setBrightness(const QVariant& value) override;
    void setContrast(const QVariant& value) override;
    void setSaturation(const QVariant& value) override;
    ICameraParameterData parameters() override;
    // The camera's own table, also before it is opened.
    QList<QSizeF> supportedResolutions() override;
    int stillTimeoutMs() const override;
    // One step of the lamp cycle; -1 when there is no control connection.
    int switchLamp();

protected:
    INetworkSourceBase(IWifiControlProtocol::CameraType type, QObject* parent);
    // Forwards the thread's errors and resolution changes to this object's
    // thread and gives it the resolution asked for before.
    void attach(IWifiCameraThread* thread);

    IWifiControlProtocol::CameraType m_type;
    IWifiCameraThread* m_cameraThread = nullptr;
    // What the facade asked for before the camera was opened.
    QSize m_resolution;
    bool m_live = true;
    bool m_edgeDetection = false;
};

// A Wi-Fi document camera through its RTSP camera thread.
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
