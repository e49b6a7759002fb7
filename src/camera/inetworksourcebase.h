// What the sources of the Wi-Fi document cameras share.
#pragma once

#include "camera/icamerasource.h"
#include "ffmpeg/wifirtsp/iwificontrolprotocol.h"

class IWifiCameraThread;

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
