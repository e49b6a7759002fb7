// The USB camera through the OpenCV capture thread.
#include "camera/iopencvsource.h"

#include "directshow/idirectshowapi.h"
#include "opencv/iopencvthread.h"

IOpencvSource::IOpencvSource(QObject* parent)
    : ICameraSource(parent)
    , m_thread(new IOpencvThread)
{
    connect(m_thread, &IOpencvThread::sgCameraFrame, this, &ICameraSource::sgCameraFrame, Qt::QueuedConnection);
    connect(m_thread, &IOpencvThread::sgError, this, &ICameraSource::sgError, Qt::QueuedConnection);
    connect(m_thread, &QThread::finished, this, &ICameraSource::sgFinished, Qt::QueuedConnection);
}

IOpencvSource::~IOpencvSource()
{
    delete m_thread;
}

bool IOpencvSource::open(const ICameraInfo& camera)
{
    m_camera = camera;
    m_thread->open(camera);
    return true;
}

void IOpencvSource::reopen()
{
    ICameraInfo camera = m_camera;
    camera.index = m_thread->parameter(IOpencvThread::CameraIndex).toInt();
    m_thread->open(camera);
}

void IOpencvSource::setResolution(const QSize& size)
{
    m_thread->setOperate(IOpencvThread::FrameSize, QSizeF(size));
}

void IOpencvSource::setFocus(int value)
{
    m_thread->setOperate(IOpencvThread::Focus, value);
}

void IOpencvSource::setExposure(int value)
{
    m_thread->setOperate(IOpencvThread::Exposure, value);
}

void IOpencvSource::setBrightness(const QVariant& value)
{
    m_thread->setOperate(IOpencvThread::Brightness, value);
}

void IOpencvSource::setContrast(const QVariant& value)
{
    m_thread->setOperate(IOpencvThread::Contrast, value);
}

void IOpencvSource::setSaturation(const QVariant& value)
{
    m_thread->setOperate(IOpencvThread::Saturation, value);
}

void IOpencvSource::setLive(bool live)
{
    m_thread->setOperate(IOpencvThread::Live, live);
}

void IOpencvSource::setEdgeDetection(bool on)
{
    m_thread->setOperate(IOpencvThread::EdgeDetection, on);
}

QImage IOpencvSource::picture(int filterKind)
{
    return m_thread->picture(filterKind);
}

IEdgeResult IOpencvSource::edgeResult()
{
    return m_thread->edgeResult();
}

ICameraParameterData IOpencvSource::parameters()
{
    // Read from the device itself: the capture loop holds no copy.
    ICameraParameterData data;
    IDirectShowApi::dxCameraParameter(ICameraInfo::current().index, data);
    return data;
}

QList<QSizeF> IOpencvSource::supportedResolutions()
{
    QList<QSizeF> sizes;
    IDirectShowApi::dxCameraSupportResolution(ICameraInfo::current().index, sizes);
    return sizes;
}
