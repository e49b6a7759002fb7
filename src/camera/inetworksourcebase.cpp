// What the sources of the Wi-Fi document cameras share.
#include "camera/inetworksourcebase.h"

#include "ffmpeg/wifirtsp/iwificamerathread.h"

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
