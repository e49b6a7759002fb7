// What every Wi-Fi document camera source shares: the control connection
// (binding, reconnection, settings, lamps) and full-resolution stills through
// an ITcpSocket. Subclasses add how the live picture comes.
#pragma once

#include "ffmpeg/wifirtsp/iwificontrolprotocol.h"
#include "icamerainfo.h"

#include <QImage>
#include <QList>
#include <QMutex>
#include <QSize>
#include <QThread>
#include <QVariant>

#include <atomic>

class ITcpSocket;
class QTimer;

class IWifiCameraThread : public QThread
{
    Q_OBJECT
public:
    // Closes the control connection.
    ~IWifiCameraThread() override;

    // A picture through a filter kind; FilterNone and null pictures come back
    // as they are. Any thread.
    static QImage applyFilter(const QImage& picture, int filterKind);

    // Operations of the camera facade; all called on the facade's thread.
    virtual QVariant contrast() const;
    virtual QVariant saturation() const;
    virtual QVariant brightness() const;
    virtual QSize resolution() const;
    virtual QList<QSize> supportedResolutions() const;
    virtual void setBrightness(const QVariant& value);
    virtual void setSaturation(const QVariant& value);
    virtual void setContrast(const QVariant& value);
    virtual void setResolution(const QSize& size);
    // -999: autofocus once.
    virtual void setAutoFocusFlag(const QVariant& value);
    // -999: automatic exposure, which the camera has no command for.
    virtual void setAutoExposureFlag(const QVariant& value);
    // One step of the lamp cycle; the new step (0-4), -1 without a connection.
    virtual int switchLamp();
    // Asks the camera for a full-resolution still through a filter kind
    // (sgCaptureImage); false when refused: one is still on its way, or the
    // camera is not bound.
    virtual bool setCaptureFalg(int filterKind);

    virtual void initSocket();
    virtual void Unpacket(const QByteArray& packet);
    QByteArray buildPacket(int command, const QVariant& data = QVariant()) const;

    // What the camera told of its settings (defaults, current values).
    const IWifiControlProtocol* protocol() const { return m_protocol; }
    // The capture time-out in force for this camera.
    int captureTimeoutMs() const { return m_captureTimeoutMs; }

signals:
    // 0: the camera's picture is running; 1: it failed.
    void sgError(int code);
    void sgCameraFrame(QImage frame);
    // A still; null when it failed.
    void sgCaptureImage(QImage picture);
    void sgTcpDisconnect();
    void sgChangeResolutionFromOtherApp(QSize size);

public slots:
    virtual void slTcpError(QString text);
    void slTcpDisconnect();
    void slTcpReceivePacket(QByteArray bytes);

protected:
    IWifiCameraThread(const ICameraInfo& camera, IWifiControlProtocol::CameraType type, QObject* parent);

    // The camera took the binding; called on the socket thread, before the
    // first commands go out.
    virtual void onBinding() {}
    bool stopRequested() const;
    // Ends the control connection for good: subclasses call it first in their
    // destructor, so that the socket thread never calls into a half-destroyed
    // object.
    void closeSocket();
    void sendPacket(const QByteArray& packet);

    ICameraInfo m_camera;
    IWifiControlProtocol* m_protocol = nullptr;
    // Guards the capture filter kind and what subclasses keep beside it.
    mutable QMutex m_stateMutex;
    int m_captureFilter = 1;
    std::atomic<bool> m_stop{false};

private:
    void onBound(bool ok);
    void onPicture(const QImage& picture);
    void onCaptureTimeout();
    void onSocketFinished();

    std::atomic<bool> m_capturePending{false};
    // The control connection; replaced on every reconnection.
    mutable QMutex m_socketMutex;
    ITcpSocket* m_socket = nullptr;
    QTimer* m_captureTimer = nullptr;
    int m_captureTimeoutMs = 10000;
};
