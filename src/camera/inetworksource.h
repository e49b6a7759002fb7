// A Wi-Fi document camera through its RTSP camera thread.
#pragma once

#include "camera/icamerasource.h"

class IWifiRtspThread;

class INetworkSource : public ICameraSource
{
    Q_OBJECT
public:
    explicit INetworkSource(QObject* parent = nullptr);
    // Stops the reading thread and the control connection.
    ~INetworkSource() override;

    // Null until the camera is opened.
    IWifiRtspThread* thread() const { return m_thread; }

    bool open(const ICameraInfo& camera) override;
    void setResolution(const QSize& size) override;
    void setFocus(int value) override;
    void setExposure(int value) override;
    void setBrightness(const QVariant& value) override;
    void setContrast(const QVariant& value) override;
    void setSaturation(const QVariant& value) override;
    void setLive(bool live) override;
    void setEdgeDetection(bool on) override;
    QImage picture(int filterKind) override;
    IEdgeResult edgeResult() override;
    ICameraParameterData parameters() override;
    QList<QSizeF> supportedResolutions() override;
    bool triggerStill(int filterKind) override;
    int stillTimeoutMs() const override;
    // One step of the lamp cycle; -1 when there is no control connection.
    int switchLamp();

private:
    IWifiRtspThread* m_thread = nullptr;
    // What the facade asked for before the camera was opened.
    QSize m_resolution;
    bool m_live = true;
    bool m_edgeDetection = false;
};
