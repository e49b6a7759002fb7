// A Wi-Fi document camera through its RTSP camera thread.
#include "camera/inetworksource.h"

#include "ffmpeg/wifirtsp/iwificamerathread.h"
#include "ffmpeg/wifirtsp/iwifirtspthread.h"

INetworkSource::INetworkSource(QObject* parent)
    : INetworkSourceBase(IWifiControlProtocol::RtspCamera, parent)
{
}

INetworkSource::~INetworkSource()
{
    if (m_thread)
        m_thread->stopCamera();
    delete m_thread;
}

bool INetworkSource::open(const ICameraInfo& camera)
{
    if (!m_thread) {
        m_thread = new IWifiRtspThread(camera);
        // Direct and connected before the forwarding, so that controlOnly()
        // is settled by the time the facade hears of the error.
        connect(m_thread, &IWifiCameraThread::sgError, this, [this](int code) { onThreadError(code); },
                Qt::DirectConnection);
        attach(m_thread);
        connect(m_thread, &IWifiRtspThread::sgCameraFrame, this, &ICameraSource::sgCameraFrame,
                Qt::QueuedConnection);
        connect(m_thread, &IWifiRtspThread::sgCaptureImage, this, &ICameraSource::sgCaptureImage,
                Qt::QueuedConnection);
        m_thread->setOutputEnabled(m_live);
        m_thread->setAutoEdge(m_edgeDetection);
    }
    m_thread->setRtspUrl(camera.devicePath);
    m_thread->startCamera();
    return true;
}

void INetworkSource::onThreadError(int code)
{
    // Runs on the emitting thread: the reading thread (1) or this one (0).
    if (code == 0) {
        m_streamOpened = true;
        m_controlOnly = false;
    } else if (code == 1 && !m_streamOpened && m_thread->protocol()->isBound()) {
        m_controlOnly = true;
    }
}

void INetworkSource::setLive(bool live)
{
    m_live = live;
    if (m_thread)
        m_thread->setOutputEnabled(live);
}

void INetworkSource::setEdgeDetection(bool on)
{
    m_edgeDetection = on;
    if (m_thread)
        m_thread->setAutoEdge(on);
}

QImage INetworkSource::picture(int filterKind)
{
    return m_thread ? m_thread->grabFrame(filterKind) : QImage();
}

IEdgeResult INetworkSource::edgeResult()
{
    return m_thread ? m_thread->edgeResult() : IEdgeResult();
}

bool INetworkSource::triggerStill(int filterKind)
{
    return m_thread && m_thread->setCaptureFalg(filterKind);
}
