// The capture source of a Wi-Fi document camera: reads and decodes its RTSP
// picture on this thread, and drives its control connection (binding,
// settings, lamps, full-resolution stills) through an ITcpSocket.
#pragma once

#include "ffmpeg/wifirtsp/irtspstream.h"
#include "ffmpeg/wifirtsp/iwificontrolprotocol.h"
#include "icamerainfo.h"
#include "opencv/iedgeresult.h"

#include <QImage>
#include <QList>
#include <QMutex>
#include <QSize>
#include <QThread>
#include <QVariant>

#include <atomic>

class ITcpSocket;
class QTimer;

class IWifiRtspThread : public QThread
{
    Q_OBJECT
public:
    // `camera` gives the RTSP address, the host and the control port.
    explicit IWifiRtspThread(const ICameraInfo& camera, QObject* parent = nullptr);
    // Stops reading and closes the control connection.
    ~IWifiRtspThread() override;

    // Operations of the camera facade; all called on the facade's thread.
    virtual QString rtspUrl() const;
    virtual void setRtspUrl(const QString& url);
    virtual void startCamera();
    virtual void stopCamera();
    // Thread-safe: the latest picture through a filter kind; null before the first.
    virtual QImage grabFrame(int filterKind);
    virtual QVariant contrast() const;
    virtual QVariant saturation() const;
    virtual QVariant brightness() const;
    virtual QSize resolution() const;
    virtual QList<QSize> supportedResolutions() const;
    virtual IEdgeResult edgeResult() const;
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
    virtual void setOutputEnabled(bool enabled);
    virtual void setAutoEdge(bool enabled);
    // Asks the camera for a full-resolution still through a filter kind
    // (sgCaptureImage); false when refused: one is still on its way, or the
    // camera is not bound.
    virtual bool setCaptureFalg(int filterKind);

    virtual int initrtsp();
    virtual bool reopenrtsp();
    virtual void initSocket();
    virtual void Unpacket(const QByteArray& packet);
    QByteArray buildPacket(int command, const QVariant& data = QVariant()) const;

    // What the camera told of its settings (defaults, current values).
    const IWifiControlProtocol* protocol() const { return m_protocol; }
    // The capture time-out in force for this camera.
    int captureTimeoutMs() const { return m_captureTimeoutMs; }

signals:
    // 0: the stream is open and running; 1: it cannot be opened.
    void sgError(int code);
    void sgCameraFrame(QImage frame);
    // A still; null when it failed.
    void sgCaptureImage(QImage picture);
    void sgTcpDisconnect();
    void sgChangeResolutionFromOtherApp(QSize size);

public slots:
    void slTimeOut();
    void slTcpError(QString text);
    void slTcpDisconnect();
    void slTcpReceivePacket(QByteArray bytes);

protected:
    void run() override;

private:
    void onBound(bool ok);
    void onPicture(const QImage& picture);
    void onCaptureTimeout();
    void onSocketFinished();
    void sendPacket(const QByteArray& packet);
    bool stopRequested() const;

    ICameraInfo m_camera;
    IWifiControlProtocol* m_protocol = nullptr;
    IRtspStream m_stream;

    // Guards the flags, the capture filter kind, the flush request and the
    // latest picture with its edge result.
    mutable QMutex m_stateMutex;
    bool m_outputEnabled = true;
    bool m_autoEdge = false;
    bool m_flushRequested = false;
    int m_captureFilter = 1;
    QImage m_latest;
    IEdgeResult m_edge;
    QString m_url;
    // Read by FFmpeg's interrupt hook, so that a stop never waits out a read.
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_capturePending{false};

    // The control connection; replaced on every reconnection.
    mutable QMutex m_socketMutex;
    ITcpSocket* m_socket = nullptr;
    QTimer* m_captureTimer = nullptr;
    QTimer* m_flushTimer = nullptr;
    int m_captureTimeoutMs = 10000;
};
