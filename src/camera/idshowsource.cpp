// The USB camera through the V4L2 capture thread.
#include "camera/idshowsource.h"

#include "directshow/idshowthread.h"

IDShowSource::IDShowSource(QObject* parent)
    : ICameraSource(parent)
    , m_thread(new IDShowThread)
{
    // Queued: the thread emits from its worker; what it still has queued
    // for this object dies with it.
    connect(m_thread, &IDShowThread::sgCameraFrame, this, &ICameraSource::sgCameraFrame, Qt::QueuedConnection);
    connect(m_thread, &IDShowThread::sgStillImage, this, &ICameraSource::sgStillImage, Qt::QueuedConnection);
    connect(m_thread, &IDShowThread::sgError, this, &ICameraSource::sgError, Qt::QueuedConnection);
}

IDShowSource::~IDShowSource()
{
    delete m_thread;
}

bool IDShowSource::open(const ICameraInfo& camera)
{
    m_thread->open(camera.devicePath, camera.type == StillUsbCamera);
    return true;
}

void IDShowSource::setResolution(const QSize& size)
{
    m_thread->setResolution(QSizeF(size));
}

void IDShowSource::setFocus(int value)
{
    m_thread->setFocus(value);
}

void IDShowSource::setExposure(int value)
{
    m_thread->setExposure(value);
}

void IDShowSource::setBrightness(const QVariant& value)
{
    m_thread->setBrightness(value.toInt());
}

void IDShowSource::setContrast(const QVariant& value)
{
    m_thread->setContrast(value.toInt());
}

void IDShowSource::setSaturation(const QVariant& value)
{
    m_thread->setSaturation(value.toInt());
}

void IDShowSource::setLive(bool live)
{
    m_thread->setLive(live);
}

void IDShowSource::setEdgeDetection(bool on)
{
    m_thread->setEdgeDetection(on);
}

QImage IDShowSource::picture(int filterKind)
{
    return m_thread->picture(filterKind);
}

ICompressedPicture IDShowSource::compressedPicture()
{
    return m_thread->compressedPicture();
}

void IDShowSource::setShownSize(const QSize& size)
{
    m_thread->setShownSize(size);
}

IEdgeResult IDShowSource::edgeResult()
{
    return m_thread->edgeResult();
}

ICameraParameterData IDShowSource::parameters()
{
    return m_thread->cameraParameter();
}

QList<QSizeF> IDShowSource::supportedResolutions()
{
    return m_thread->supportedResolutions();
}

bool IDShowSource::triggerStill(int filterKind)
{
    // The still pin's picture is saved as it comes.
    Q_UNUSED(filterKind)
    m_thread->triggerStill();
    return true;
}
