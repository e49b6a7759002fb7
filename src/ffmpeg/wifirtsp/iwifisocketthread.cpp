// The capture source of a Wi-Fi document camera without an RTSP stream.
#include "ffmpeg/wifirtsp/iwifisocketthread.h"

#include <QDebug>
#include <QMutexLocker>

IWifiSocketThread::IWifiSocketThread(const ICameraInfo& camera, QObject* parent)
    : IWifiCameraThread(camera, IWifiControlProtocol::ControlOnlyCamera, parent)
{
    initSocket();
}

IWifiSocketThread::~IWifiSocketThread()
{
    closeSocket();
    requestStop();
    quit();
    wait();
}

void IWifiSocketThread::requestStop()
{
    QMutexLocker lock(&m_waitMutex);
    m_stop = true;
    m_wake.wakeAll();
}

void IWifiSocketThread::slTcpError(QString text)
{
    IWifiCameraThread::slTcpError(text);
    emit sgError(1);
}

void IWifiSocketThread::run()
{
    emit sgError(0);
    QMutexLocker lock(&m_waitMutex);
    while (!stopRequested()) {
        // Woken at once by a stop, so that no stop waits out a whole step.
        m_wake.wait(&m_waitMutex, 300);
        if (stopRequested())
            break;
        qDebug() << "-----msleep(300)-----";
    }
    qDebug() << "exit rtsp stream.";
}
