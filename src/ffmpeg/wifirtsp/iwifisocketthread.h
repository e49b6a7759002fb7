// The capture source of a Wi-Fi document camera that has no RTSP stream: it
// speaks the control protocol only, so every picture is a still. The thread
// itself only reports that the camera is in use; its owner builds the live
// view from stills.
#pragma once

#include "ffmpeg/wifirtsp/iwificamerathread.h"

#include <QMutex>
#include <QWaitCondition>

class IWifiSocketThread : public IWifiCameraThread
{
    Q_OBJECT
public:
    // `camera` gives the host and the control port; the control connection
    // opens at once.
    explicit IWifiSocketThread(const ICameraInfo& camera, QObject* parent = nullptr);
    // Closes the control connection and ends the thread.
    ~IWifiSocketThread() override;

    // Ends run() within one of its steps at most; a lost control connection
    // is no longer opened again after it.
    void requestStop();

public slots:
    // Logged and reported as sgError(1); the connection is opened again.
    void slTcpError(QString text) override;

protected:
    // sgError(0), then idles until a stop is requested.
    void run() override;

private:
    QMutex m_waitMutex;
    QWaitCondition m_wake;
};
