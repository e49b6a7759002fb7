// The camera facade.
#include "icamera.h"

#include "directshow/idirectshowapi.h"
#include "directshow/idshowthread.h"
#include "directshow/virtual/ivirtualcamera.h"
#include "opencv/iopencvthread.h"
#include "service/iconfigureservice.h"

#include <QDebug>
#include <QTime>

namespace {

bool g_discoveryEnabled = true;

QString now()
{
    return QTime::currentTime().toString("hh:mm:ss zzz");
}

} // namespace

ICamera* ICamera::instance()
{
    static ICamera camera;
    return &camera;
}

ICamera::ICamera()
{
    buildAcceptedDevices();
}

ICamera::~ICamera()
{
    delete m_opencv;
    delete m_dshow;
    delete m_network;
}

void ICamera::buildAcceptedDevices()
{
    // Our document cameras; the pair 2E1A/5DA0 is listed both ways round
    // because early firmware reported the ids swapped.
    m_accepted = {
        {"5DA0", "2E1A", 0}, {"2E1A", "5DA0", 0}, {"5DA1", "2E1A", 0}, {"5DA2", "2E1A", 0},
        {"5DA4", "2E1A", 1}, {"0C10", "1B3F", 0}, {"0C11", "1B3F", 0}, {"0C12", "1B3F", 0},
        {"7A01", "3D8B", 0}, {"7A02", "3D8B", 0}, {"7A03", "3D8B", 0}, {"0A41", "4C2E", 0},
        {"0A42", "4C2E", 0},
    };
    m_accepted.append({IVirtualCamera::productId(), IVirtualCamera::vendorId(), 0});

    const QVariant extra = IConfigureService::instance()->value("camera/acceptedids");
    if (extra.toString() == QLatin1String("null"))
        return;
    for (const QString& entry : extra.toStringList()) {
        const QStringList ids = entry.split(':');
        if (ids.size() == 2 && ids[0].size() == 4 && ids[1].size() == 4)
            m_accepted.append({ids[1].trimmed(), ids[0].trimmed(), 0});
        else
            qDebug() << "ignored accepted camera entry:" << entry;
    }
}

const QList<ICamera::AcceptedDevice>& ICamera::acceptedDevices() const
{
    return m_accepted;
}

QList<ICameraInfo> ICamera::validCameraInfo()
{
    QList<ICameraInfo> valid;
    QList<ICameraInfo> devices;
    IDirectShowApi::dxCameraDevices(devices);
    for (const ICameraInfo& device : devices) {
        for (const AcceptedDevice& entry : m_accepted) {
            if (device.pid.compare(entry.pid, Qt::CaseInsensitive) == 0
                && device.vid.compare(entry.vid, Qt::CaseInsensitive) == 0) {
                ICameraInfo camera = device;
                camera.type = entry.type;
                valid << camera;
            }
        }
    }
    return valid + validWifiCameraInfo();
}

QList<ICameraInfo> ICamera::validWifiCameraInfo()
{
    if (!g_discoveryEnabled)
        qDebug() << "network camera discovery is off.";
    return {};
}

bool ICamera::discoveryEnabled()
{
    return g_discoveryEnabled;
}

void ICamera::setDiscoveryEnabled(bool on)
{
    g_discoveryEnabled = on;
}

void ICamera::toUsbSource(const std::function<void(IDShowThread&)>& dshow,
                          const std::function<void(IOpencvThread&)>& opencv)
{
    // Network cameras take their settings through their own source.
    if (route() == Route::DirectShow && m_dshow)
        dshow(*m_dshow);
    else if (route() == Route::OpenCV && m_opencv)
        opencv(*m_opencv);
}

ICamera::Route ICamera::route() const
{
    if (ICameraInfo::current().type == 2)
        return Route::Network;
    return m_useDirectShow ? Route::DirectShow : Route::OpenCV;
}

bool ICamera::initData()
{
    ICameraInfo::current() = ICameraInfo();
    qDebug() << "1-->" << now();
    buildAcceptedDevices();
    const QList<ICameraInfo> cameras = validCameraInfo();
    if (cameras.isEmpty())
        return false;
    ICameraInfo& current = ICameraInfo::current();
    current = cameras.first();
    qDebug() << "current camera:" << current.type << current.index << current.name << current.devicePath;
    if (current.type == 2) {
        qDebug() << "open wifi device.";
        createNetworkSource();
    } else {
        qDebug() << "open usb device.";
        m_restartPending = 0;
        if (m_useDirectShow)
            createDShowSource();
        else
            createOpencvSource();
    }
    setResolution(IConfigureService::instance()->cameraResolution());
    return true;
}

bool ICamera::openCurrentCamera()
{
    if (!initData())
        return false;
    return openCamera(ICameraInfo(ICameraInfo::current()));
}

bool ICamera::openCamera(const ICameraInfo& info)
{
    if (info.type == 2) {
        if (!m_network)
            createNetworkSource();
        return m_network != nullptr;
    }
    if (info.index == -1) {
        qDebug() << "camera index == -1.";
        return false;
    }
    if (m_useDirectShow) {
        if (!m_dshow)
            createDShowSource();
        m_dshow->open(info.devicePath, info.type == 1);
    } else {
        if (!m_opencv)
            createOpencvSource();
        m_opencv->open(info);
    }
    return true;
}

void ICamera::switchCamera(const ICameraInfo& info)
{
    switch (route()) {
    case Route::Network:
        stopNetworkSource();
        break;
    case Route::DirectShow:
        forgetSource();
        delete m_dshow;
        m_dshow = nullptr;
        createDShowSource();
        break;
    case Route::OpenCV:
        if (m_opencv)
            m_opencv->stop();
        else
            createOpencvSource();
        break;
    }
    const ICameraInfo& before = ICameraInfo::current();
    qDebug() << "switch camera before: " << before.index << before.name;
    m_parameters = ICameraParameterData();
    m_parametersRead = false;
    ICameraInfo::current() = info;
    qDebug() << "switch camera after: " << info.index << info.name;
    setResolution(QSize(1920, 1080));
    openCamera(ICameraInfo(ICameraInfo::current()));
}

void ICamera::setResolution(const QVariant& size)
{
    QSize requested = size.toSize();
    IConfigureService::instance()->setCameraResolution(requested);
    switch (route()) {
    case Route::Network:
        break;
    case Route::DirectShow:
    case Route::OpenCV:
        // Type-1 cameras stream 4K stills only; their live picture runs at 1440p.
        if (ICameraInfo::current().type == 1 && requested == QSize(3840, 2160))
            requested = QSize(2560, 1440);
        if (route() == Route::DirectShow) {
            if (m_dshow)
                m_dshow->setResolution(QSizeF(requested));
        } else if (m_opencv) {
            m_opencv->setOperate(IOpencvThread::FrameSize, QSizeF(requested));
        }
        break;
    }
}

void ICamera::setFocus(int value)
{
    toUsbSource([&](IDShowThread& source) { source.setFocus(value); },
                [&](IOpencvThread& source) { source.setOperate(IOpencvThread::Focus, value); });
}

void ICamera::setExposure(int value)
{
    toUsbSource([&](IDShowThread& source) { source.setExposure(value); },
                [&](IOpencvThread& source) { source.setOperate(IOpencvThread::Exposure, value); });
}

void ICamera::setBrightness(const QVariant& value)
{
    toUsbSource([&](IDShowThread& source) { source.setBrightness(value.toInt()); },
                [&](IOpencvThread& source) { source.setOperate(IOpencvThread::Brightness, value); });
}

void ICamera::setContrast(const QVariant& value)
{
    toUsbSource([&](IDShowThread& source) { source.setContrast(value.toInt()); },
                [&](IOpencvThread& source) { source.setOperate(IOpencvThread::Contrast, value); });
}

void ICamera::setSaturation(const QVariant& value)
{
    toUsbSource([&](IDShowThread& source) { source.setSaturation(value.toInt()); },
                [&](IOpencvThread& source) { source.setOperate(IOpencvThread::Saturation, value); });
}

void ICamera::setLive(bool live)
{
    toUsbSource([&](IDShowThread& source) { source.setLive(live); },
                [&](IOpencvThread& source) { source.setOperate(IOpencvThread::Live, live); });
}

void ICamera::setEdgeDetection(bool on)
{
    toUsbSource([&](IDShowThread& source) { source.setEdgeDetection(on); },
                [&](IOpencvThread& source) { source.setOperate(IOpencvThread::EdgeDetection, on); });
}

QImage ICamera::picture(int filterKind)
{
    if (route() == Route::DirectShow && m_dshow)
        return m_dshow->picture(filterKind);
    if (route() == Route::OpenCV && m_opencv)
        return m_opencv->picture(filterKind);
    return QImage();
}

IEdgeResult ICamera::edgeResult()
{
    if (route() == Route::DirectShow && m_dshow)
        return m_dshow->edgeResult();
    if (route() == Route::OpenCV && m_opencv)
        return m_opencv->edgeResult();
    return IEdgeResult();
}

ICameraParameterData ICamera::cameraParameter()
{
    if (m_parametersRead)
        return m_parameters;
    switch (route()) {
    case Route::Network:
        return ICameraParameterData();
    case Route::DirectShow:
        if (m_dshow)
            m_parameters = m_dshow->cameraParameter();
        break;
    case Route::OpenCV:
        IDirectShowApi::dxCameraParameter(ICameraInfo::current().index, m_parameters);
        break;
    }
    m_parametersRead = !m_parameters.isEmpty();
    return m_parameters;
}

QList<QSizeF> ICamera::supportedResolutions()
{
    QList<QSizeF> sizes;
    if (route() == Route::DirectShow && m_dshow)
        sizes = m_dshow->supportedResolutions();
    else if (route() == Route::OpenCV)
        IDirectShowApi::dxCameraSupportResolution(ICameraInfo::current().index, sizes);
    return sizes;
}

void ICamera::triggerStill()
{
    if (route() == Route::DirectShow && m_dshow)
        m_dshow->triggerStill();
}

void ICamera::forgetSource()
{
    // Frames and errors still queued from a deleted source must not reach
    // the window as if they came from the current one.
    ++m_sourceGeneration;
}

void ICamera::closeUsbSource()
{
    forgetSource();
    if (m_useDirectShow) {
        delete m_dshow;
        m_dshow = nullptr;
    } else {
        delete m_opencv;
        m_opencv = nullptr;
    }
}

void ICamera::closeAllSources()
{
    forgetSource();
    stopNetworkSource();
    delete m_opencv;
    m_opencv = nullptr;
    delete m_dshow;
    m_dshow = nullptr;
    m_restartPending = 0;
}

bool ICamera::hasSource() const
{
    return m_opencv || m_dshow || m_network;
}

IDShowThread* ICamera::dshowSource() const
{
    return m_dshow;
}

IOpencvThread* ICamera::opencvSource() const
{
    return m_opencv;
}

void ICamera::slError(int code)
{
    emit sgError(code);
}

void ICamera::slFinished()
{
    if (m_restartPending && m_opencv) {
        ICameraInfo camera = ICameraInfo::current();
        camera.index = m_opencv->parameter(IOpencvThread::CameraIndex).toInt();
        m_opencv->open(camera);
        m_restartPending = 0;
    }
    qDebug() << "opencv camera thread exit finished!";
}

void ICamera::createOpencvSource()
{
    if (m_opencv)
        return;
    m_opencv = new IOpencvThread;
    const quint64 source = ++m_sourceGeneration;
    connect(m_opencv, &IOpencvThread::sgCameraFrame, this, [this, source](const QImage& frame) {
        if (source == m_sourceGeneration)
            emit sgCameraFrame(frame);
    }, Qt::QueuedConnection);
    connect(m_opencv, &QThread::finished, this, &ICamera::slFinished, Qt::QueuedConnection);
    connect(m_opencv, &IOpencvThread::sgError, this, [this, source](int code) {
        if (source == m_sourceGeneration)
            slError(code);
    }, Qt::QueuedConnection);
}

void ICamera::createDShowSource()
{
    if (m_dshow)
        return;
    m_dshow = new IDShowThread;
    const quint64 source = ++m_sourceGeneration;
    connect(m_dshow, &IDShowThread::sgCameraFrame, this, [this, source](const QImage& frame) {
        if (source == m_sourceGeneration)
            emit sgCameraFrame(frame);
    }, Qt::QueuedConnection);
    connect(m_dshow, &IDShowThread::sgStillImage, this, [this, source](const QImage& still) {
        if (source == m_sourceGeneration)
            emit sgStillImage(still);
    }, Qt::QueuedConnection);
    connect(m_dshow, &IDShowThread::sgError, this, [this, source](int code) {
        if (source == m_sourceGeneration)
            slError(code);
    }, Qt::QueuedConnection);
}

void ICamera::createNetworkSource()
{
    // Network cameras are not driven yet: no source is created.
}

void ICamera::createNetworkSocketSource()
{
}

void ICamera::stopNetworkSource()
{
    if (!m_network)
        return;
    setLive(false);
    emit sgRunCopyImage();
    delete m_network;
    m_network = nullptr;
}
