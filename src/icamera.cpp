// The camera facade.
#include "icamera.h"

#include "camera/icamerasettingsstore.h"
#include "camera/idshowsource.h"
#include "camera/inetworkcamerafinder.h"
#include "camera/inetworksocketsource.h"
#include "camera/inetworksource.h"
#include "camera/iopencvsource.h"
#include "directshow/idirectshowapi.h"
#include "directshow/virtual/ivirtualcamera.h"
#include "icameraerror.h"
#include "iglobals.h"
#include "service/iconfigureservice.h"

#include <QDebug>
#include <QTime>
#include <QTimer>

namespace {

bool g_discoveryEnabled = true;

// How long a network camera is waited for to tell its values.
const int kRememberedSettingsAttempts = 40;
const int kRememberedSettingsRetryMs = 250;

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
    : m_finder(new INetworkCameraFinder(nullptr, this))
{
    buildAcceptedDevices();
    connect(m_finder, &INetworkCameraFinder::sgCameraFound, this, &ICamera::sgNetworkCameraFound);
}

ICamera::~ICamera() = default;

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

QList<ICameraInfo> ICamera::validUsbCameraInfo() const
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
    return valid;
}

QList<ICameraInfo> ICamera::validCameraInfo()
{
    return validUsbCameraInfo() + validWifiCameraInfo();
}

QList<ICameraInfo> ICamera::validWifiCameraInfo()
{
    // A search already running may have started before a camera went away.
    m_finder->wait();
    m_finder->start();
    m_finder->wait();
    return m_finder->found();
}

QList<ICameraInfo> ICamera::knownCameraInfo()
{
    searchNetworkCameras();
    return validUsbCameraInfo() + m_finder->cameras();
}

void ICamera::searchNetworkCameras()
{
    m_finder->start();
}

bool ICamera::discoveryEnabled()
{
    return g_discoveryEnabled;
}

void ICamera::setDiscoveryEnabled(bool on)
{
    g_discoveryEnabled = on;
}

bool ICamera::isNetworkSource() const
{
    return networkSource() != nullptr;
}

INetworkSourceBase* ICamera::networkSource() const
{
    return dynamic_cast<INetworkSourceBase*>(m_source.get());
}

void ICamera::createSourceFor(const ICameraInfo& camera)
{
    if (camera.type == NetworkCamera && m_controlOnly.contains(camera.devicePath))
        createNetworkSocketSource();
    else if (camera.type == NetworkCamera)
        createNetworkSource();
    else if (m_useDirectShow)
        createDShowSource();
    else
        createOpencvSource();
}

void ICamera::setSource(std::unique_ptr<ICameraSource> source)
{
    // Ranges and values read from one camera must never reach the panels
    // of the next.
    m_parameters = ICameraParameterData();
    m_parametersRead = false;
    m_live = true;
    m_edgeDetection = false;
    m_sourceOpened = false;
    m_source = std::move(source);
    if (!m_source)
        return;
    connect(m_source.get(), &ICameraSource::sgCameraFrame, this, &ICamera::sgCameraFrame);
    connect(m_source.get(), &ICameraSource::sgStillImage, this, &ICamera::sgStillImage);
    connect(m_source.get(), &ICameraSource::sgCaptureImage, this, &ICamera::sgCaptureImage);
    connect(m_source.get(), &ICameraSource::sgError, this, &ICamera::slError);
    connect(m_source.get(), &ICameraSource::sgFinished, this, &ICamera::slFinished);
    connect(m_source.get(), &ICameraSource::sgChangeResolutionFromOtherApp, this,
            &ICamera::sgChangeResolutionFromOtherApp);
    connect(m_source.get(), &ICameraSource::sgFrameLossRate, this, &ICamera::sgFrameLossRate);
    m_source->setShownSize(m_magnifying ? QSize() : m_shownSize);
}

bool ICamera::initData()
{
    ICameraInfo::current() = ICameraInfo();
    qDebug() << "1-->" << now();
    buildAcceptedDevices();
    // The network search goes on in the background: its cameras join the
    // list when they answer. Only without a USB camera is it waited for, up
    // to the first camera it finds.
    QList<ICameraInfo> cameras = validUsbCameraInfo();
    m_finder->start();
    if (cameras.isEmpty()) {
        m_finder->wait(true);
        cameras = m_finder->found();
    }
    if (cameras.isEmpty())
        return false;
    ICameraInfo& current = ICameraInfo::current();
    current = cameras.first();
    qDebug() << "current camera:" << current.type << current.index << current.name << current.devicePath;
    if (current.type == NetworkCamera) {
        qDebug() << "open wifi device.";
    } else {
        qDebug() << "open usb device.";
        m_restartPending = 0;
    }
    createSourceFor(current);
    applyResolution(ICameraSettingsStore().resolution(current, IConfigureService::instance()->cameraResolution()));
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
    if (info.type != NetworkCamera && info.index == -1) {
        qDebug() << "camera index == -1.";
        return false;
    }
    if (!m_source)
        createSourceFor(info);
    return m_source && m_source->open(info);
}

void ICamera::switchCamera(const ICameraInfo& info)
{
    if (isNetworkSource())
        stopNetworkSource();
    setSource(nullptr);
    const ICameraInfo& before = ICameraInfo::current();
    qDebug() << "switch camera before: " << before.index << before.name;
    ICameraInfo::current() = info;
    qDebug() << "switch camera after: " << info.index << info.name;
    createSourceFor(info);
    applyResolution(ICameraSettingsStore().resolution(info, QSize(1920, 1080)));
    openCamera(ICameraInfo(ICameraInfo::current()));
}

bool ICamera::takesStills() const
{
    const ICameraInfo& camera = ICameraInfo::current();
    const QSize configured = IConfigureService::instance()->cameraResolution();
    // A Wi-Fi camera streams less than it can take: above 1920 wide its
    // pictures come over the control connection.
    if (camera.type == NetworkCamera)
        return configured.width() > 1920;
    return camera.type == StillUsbCamera && configured == QSize(3840, 2160);
}

void ICamera::setResolution(const QVariant& size)
{
    if (m_source)
        ICameraSettingsStore().rememberResolution(ICameraInfo::current(), size.toSize());
    applyResolution(size.toSize());
}

void ICamera::applyResolution(QSize requested)
{
    IConfigureService::instance()->setCameraResolution(requested);
    // The live picture of such a camera runs at 1440p; its 4K pictures come as stills.
    if (takesStills() && ICameraInfo::current().type == StillUsbCamera)
        requested = QSize(2560, 1440);
    if (m_source)
        m_source->setResolution(requested);
}

void ICamera::setFocus(int value)
{
    if (!m_source)
        return;
    m_source->setFocus(value);
    remember(ICameraSettingsStore::Focus, cameraParameter().focus, value);
}

void ICamera::setExposure(int value)
{
    if (!m_source)
        return;
    m_source->setExposure(value);
    remember(ICameraSettingsStore::Exposure, cameraParameter().exposure, value);
}

void ICamera::setBrightness(const QVariant& value)
{
    if (!m_source)
        return;
    m_source->setBrightness(value);
    remember(ICameraSettingsStore::Brightness, cameraParameter().brightness, value.toInt());
}

void ICamera::setContrast(const QVariant& value)
{
    if (!m_source)
        return;
    m_source->setContrast(value);
    remember(ICameraSettingsStore::Contrast, cameraParameter().contrast, value.toInt());
}

void ICamera::setSaturation(const QVariant& value)
{
    if (!m_source)
        return;
    m_source->setSaturation(value);
    remember(ICameraSettingsStore::Saturation, cameraParameter().saturation, value.toInt());
}

void ICamera::remember(int setting, const QVariantList& group, int value)
{
    // Only what this camera has: a panel that leaves a control it lacks (or
    // has not told yet) to the camera must not overwrite what was chosen.
    if (!group.isEmpty())
        ICameraSettingsStore().remember(ICameraInfo::current(), ICameraSettingsStore::Setting(setting), value);
}

void ICamera::setLive(bool live)
{
    m_live = live;
    if (m_source)
        m_source->setLive(live);
}

void ICamera::setEdgeDetection(bool on)
{
    m_edgeDetection = on;
    if (m_source)
        m_source->setEdgeDetection(on);
}

QImage ICamera::picture(int filterKind)
{
    return m_source ? m_source->picture(filterKind) : QImage();
}

ICompressedPicture ICamera::compressedPicture()
{
    return m_source ? m_source->compressedPicture() : ICompressedPicture();
}

void ICamera::setShownSize(const QSize& size)
{
    m_shownSize = size;
    if (m_source)
        m_source->setShownSize(m_magnifying ? QSize() : m_shownSize);
}

void ICamera::setMagnifying(bool on)
{
    m_magnifying = on;
    setShownSize(m_shownSize);
}

IEdgeResult ICamera::edgeResult()
{
    return m_source ? m_source->edgeResult() : IEdgeResult();
}

ICameraParameterData ICamera::cameraParameter()
{
    if (!m_parametersRead && m_source) {
        m_parameters = m_source->parameters();
        m_parametersRead = !m_parameters.isEmpty();
    }
    return m_parameters;
}

QList<QSizeF> ICamera::supportedResolutions()
{
    return m_source ? m_source->supportedResolutions() : QList<QSizeF>();
}

bool ICamera::triggerStill(int filterKind)
{
    return m_source && m_source->triggerStill(filterKind);
}

int ICamera::stillTimeoutMs() const
{
    return m_source ? m_source->stillTimeoutMs() : 5000;
}

int ICamera::switchLamp()
{
    INetworkSourceBase* source = networkSource();
    return source ? source->switchLamp() : -1;
}

void ICamera::closeUsbSource()
{
    if (!isNetworkSource())
        setSource(nullptr);
}

void ICamera::closeAllSources()
{
    stopNetworkSource();
    setSource(nullptr);
    m_restartPending = 0;
}

bool ICamera::hasSource() const
{
    return m_source != nullptr;
}

IDShowThread* ICamera::dshowSource() const
{
    const auto* source = dynamic_cast<IDShowSource*>(m_source.get());
    return source ? source->thread() : nullptr;
}

IOpencvThread* ICamera::opencvSource() const
{
    const auto* source = dynamic_cast<IOpencvSource*>(m_source.get());
    return source ? source->thread() : nullptr;
}

void ICamera::slError(int code)
{
    const auto* rtsp = dynamic_cast<INetworkSource*>(m_source.get());
    if (code == CameraOpenFailed && rtsp && rtsp->controlOnly()) {
        // It answered on its control port but has no stream: a camera that
        // takes stills only. Not a failure the user needs to see.
        const QString path = ICameraInfo::current().devicePath;
        qDebug() << "network camera without video stream, using its stills: " << path;
        m_controlOnly.insert(path);
        // Not from inside the signal of the source it replaces.
        QTimer::singleShot(0, this, [this, path] { useStillsOnly(path); });
        return;
    }
    // A stills-only camera reports every dropped control connection; it
    // connects again by itself, so the camera is lost for a while, not gone.
    if (code == CameraOpenFailed && m_sourceOpened && dynamic_cast<INetworkSocketSource*>(m_source.get()))
        code = CameraLost;
    if (code == CameraOpened) {
        m_sourceOpened = true;
        // Before the panels read the parameters, so that they show them.
        applyRememberedSettings();
    }
    emit sgError(code);
}

void ICamera::applyRememberedSettings(int attempt)
{
    if (!m_source)
        return;
    cameraParameter();
    if (!m_parametersRead && isNetworkSource()) {
        // A network camera tells its values over the control connection,
        // some time after its stream opened; until then settings are dropped.
        if (attempt < kRememberedSettingsAttempts)
            QTimer::singleShot(kRememberedSettingsRetryMs, m_source.get(),
                               [this, attempt] { applyRememberedSettings(attempt + 1); });
        return;
    }
    ICameraSettingsStore().apply(ICameraInfo::current(), *m_source, m_parameters);
}

void ICamera::useStillsOnly(const QString& devicePath)
{
    if (ICameraInfo::current().devicePath != devicePath || !dynamic_cast<INetworkSource*>(m_source.get()))
        return;
    setSource(nullptr);
    createNetworkSocketSource();
    applyResolution(IConfigureService::instance()->cameraResolution());
    openCamera(ICameraInfo(ICameraInfo::current()));
}

void ICamera::slFinished()
{
    if (m_restartPending && m_source) {
        m_source->reopen();
        m_restartPending = 0;
    }
    qDebug() << "opencv camera thread exit finished!";
}

void ICamera::createOpencvSource()
{
    setSource(std::make_unique<IOpencvSource>());
}

void ICamera::createDShowSource()
{
    setSource(std::make_unique<IDShowSource>());
}

void ICamera::createNetworkSource()
{
    setSource(std::make_unique<INetworkSource>());
}

void ICamera::createNetworkSocketSource()
{
    setSource(std::make_unique<INetworkSocketSource>());
}

void ICamera::stopNetworkSource()
{
    if (!isNetworkSource())
        return;
    setLive(false);
    processEventsFor(200);
    emit sgRunCopyImage();
    setSource(nullptr);
}
