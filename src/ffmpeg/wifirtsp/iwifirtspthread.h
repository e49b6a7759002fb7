// The capture source of a Wi-Fi document camera: reads and decodes its RTSP
// picture on this thread; the control connection (binding, settings, lamps,
// full-resolution stills) is IWifiCameraThread's.
#pragma once

#include "ffmpeg/wifirtsp/irtspstream.h"
#include "ffmpeg/wifirtsp/iwificamerathread.h"
#include "opencv/iedgeresult.h"

#include <QImage>
#include <QString>

class QTimer;

class IWifiRtspThread : public IWifiCameraThread
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
    virtual IEdgeResult edgeResult() const;
    virtual void setOutputEnabled(bool enabled);
    virtual void setAutoEdge(bool enabled);

    virtual int initrtsp();
    virtual bool reopenrtsp();

public slots:
    void slTimeOut();

protected:
    void run() override;
    // The reading loop starts with the first binding.
    void onBinding() override;

private:
    IRtspStream m_stream;

    // m_stateMutex also guards the flags, the flush request and the latest
    // picture with its edge result.
    bool m_outputEnabled = true;
    bool m_autoEdge = false;
    bool m_flushRequested = false;
    QImage m_latest;
    IEdgeResult m_edge;
    QString m_url;
    QTimer* m_flushTimer = nullptr;
};
