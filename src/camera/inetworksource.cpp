// The sources of the Wi-Fi document cameras.
#include "camera/inetworksource.h"

#include "ffmpeg/wifirtsp/iwificamerathread.h"
#include "ffmpeg/wifirtsp/iwifirtspthread.h"

INetworkSourceBase::INetworkSourceBase(IWifiControlProtocol::CameraType type, QObject* parent)
    : ICameraSource(parent)
    , m_type(type)
{
}

void INetworkSourceBase::attach(IWifiCameraThread* thread)
{
    m_cameraThread = thread;
    // Queued: the thread emits from its own and its socket's threads; what
    // is still queued for this object dies with it.
    connect(thread, &IWifiCameraThread::sgError, this, &ICameraSource::sgError, Qt::QueuedConnection);
    connect(thread, &IWifiCameraThread::sgChangeResolutionFromOtherApp, this,
            &ICameraSource::sgChangeResolutionFromOtherApp, Qt::QueuedConnection);
    if (m_resolution.isValid())
        thread->setResolution(m_resolution);
}

void INetworkSourceBase::setResolution(const QSize& size)
{
    m_resolution = size;
    if (m_cameraThread)
        m_cameraThread->setResolution(size);
}

void INetworkSourceBase::setFocus(int value)
{
    if (m_cameraThread)
        m_cameraThread->setAutoFocusFlag(value);
}

void INetworkSourceBase::setExposure(int value)
{
    if (m_cameraThread)
        m_cameraThread->setAutoExposureFlag(value);
}

void INetworkSourceBase::setBrightness(const QVariant& value)
{
    if (m_cameraThread)
        m_cameraThread->setBrightness(value);
}

void INetworkSourceBase::setContrast(const QVariant& value)
{
    if (m_cameraThread)
        m_cameraThread->setContrast(value);
}

void INetworkSourceBase::setSaturation(const QVariant& value)
{
    if (m_cameraThread)
        m_cameraThread->setSaturation(value);
}

ICameraParameterData INetworkSourceBase::parameters()
{
    ICameraParameterData data;
    const IWifiControlProtocol* protocol = m_cameraThread ? m_cameraThread->protocol() : nullptr;
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

QList<QSizeF> INetworkSourceBase::supportedResolutions()
{
    QList<QSizeF> sizes;
    for (const QSize& size : IWifiControlProtocol::supportedResolutions(m_type))
        sizes << QSizeF(size);
    return sizes;
}

int INetworkSourceBase::stillTimeoutMs() const
{
    // The camera thread gives up by itself and says so with a null picture;
    // this is only the net under it.
    return (m_cameraThread ? m_cameraThread->captureTimeoutMs() : 10000) + 5000;
}

int INetworkSourceBase::switchLamp()
{
    return m_cameraThread ? m_cameraThread->switchLamp() : -1;
}

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
