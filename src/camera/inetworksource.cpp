// A Wi-Fi document camera through its RTSP camera thread.
#include "camera/inetworksource.h"

#include "ffmpeg/wifirtsp/iwificontrolprotocol.h"
#include "ffmpeg/wifirtsp/iwifirtspthread.h"

INetworkSource::INetworkSource(QObject* parent)
    : ICameraSource(parent)
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
        // Queued: the thread emits from its reading and socket threads; what
        // is still queued for this object dies with it.
        connect(m_thread, &IWifiRtspThread::sgCameraFrame, this, &ICameraSource::sgCameraFrame,
                Qt::QueuedConnection);
        connect(m_thread, &IWifiRtspThread::sgCaptureImage, this, &ICameraSource::sgCaptureImage,
                Qt::QueuedConnection);
        connect(m_thread, &IWifiRtspThread::sgError, this, &ICameraSource::sgError, Qt::QueuedConnection);
        connect(m_thread, &IWifiRtspThread::sgChangeResolutionFromOtherApp, this,
                &ICameraSource::sgChangeResolutionFromOtherApp, Qt::QueuedConnection);
        if (m_resolution.isValid())
            m_thread->setResolution(m_resolution);
        m_thread->setOutputEnabled(m_live);
        m_thread->setAutoEdge(m_edgeDetection);
    }
    m_thread->setRtspUrl(camera.devicePath);
    m_thread->startCamera();
    return true;
}

void INetworkSource::setResolution(const QSize& size)
{
    m_resolution = size;
    if (m_thread)
        m_thread->setResolution(size);
}

void INetworkSource::setFocus(int value)
{
    if (m_thread)
        m_thread->setAutoFocusFlag(value);
}

void INetworkSource::setExposure(int value)
{
    if (m_thread)
        m_thread->setAutoExposureFlag(value);
}

void INetworkSource::setBrightness(const QVariant& value)
{
    if (m_thread)
        m_thread->setBrightness(value);
}

void INetworkSource::setContrast(const QVariant& value)
{
    if (m_thread)
        m_thread->setContrast(value);
}

void INetworkSource::setSaturation(const QVariant& value)
{
    if (m_thread)
        m_thread->setSaturation(value);
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

ICameraParameterData INetworkSource::parameters()
{
    ICameraParameterData data;
    const IWifiControlProtocol* protocol = m_thread ? m_thread->protocol() : nullptr;
    // Nothing until the camera has told its values, so that the facade
    // asks again rather than keeping zeros.
    if (!protocol || !protocol->currentValuesKnown())
        return data;
    auto values = [protocol](IWifiControlProtocol::QualityField field) {
        return QVariantList{protocol->currentValue(field), protocol->defaultValue(field), 255, 0};
    };
    data.brightness = values(IWifiControlProtocol::Brightness);
    data.contrast = values(IWifiControlProtocol::Contrast);
    data.saturation = values(IWifiControlProtocol::Saturation);
    data.focus = values(IWifiControlProtocol::Focus);
    data.exposure = values(IWifiControlProtocol::Exposure);
    return data;
}

QList<QSizeF> INetworkSource::supportedResolutions()
{
    QList<QSizeF> sizes;
    for (const QSize& size : IWifiControlProtocol::supportedResolutions())
        sizes << QSizeF(size);
    return sizes;
}

bool INetworkSource::triggerStill(int filterKind)
{
    return m_thread && m_thread->setCaptureFalg(filterKind);
}

int INetworkSource::stillTimeoutMs() const
{
    // The camera thread gives up by itself and says so with a null picture;
    // this is only the net under it.
    return (m_thread ? m_thread->captureTimeoutMs() : 10000) + 5000;
}

int INetworkSource::switchLamp()
{
    return m_thread ? m_thread->switchLamp() : -1;
}
