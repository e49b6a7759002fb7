// Finds the network cameras in the background.
#include "camera/inetworkcamerafinder.h"

#include "customui/onvif/ionvifdevice.h"
#include "icamera.h"

#include <QDebug>
#include <QEventLoop>
#include <QTcpSocket>
#include <QTime>
#include <QTimer>

namespace {

int g_discoveryTimeoutMs = INetworkCameraFinder::kDiscoveryTimeoutMs;

QString now()
{
    return QTime::currentTime().toString("hh:mm:ss zzz");
}

bool samePath(const ICameraInfo& a, const ICameraInfo& b)
{
    return a.devicePath == b.devicePath;
}

} // namespace

const char* const INetworkCameraFinder::kAccessPointAddress = "192.168.43.1";

INetworkCameraFinder::INetworkCameraFinder(IOnvifDevice* onvif, QObject* parent)
    : QObject(parent)
    , m_onvif(onvif ? onvif : IOnvifDevice::instance())
{
    connect(m_onvif, &IOnvifDevice::sgDeviceFound, this, &INetworkCameraFinder::onDevice);
    connect(m_onvif, &IOnvifDevice::sgDiscoveryFinished, this, &INetworkCameraFinder::onDiscoveryFinished);
}

INetworkCameraFinder::~INetworkCameraFinder()
{
    delete m_probe;
}

void INetworkCameraFinder::setDiscoveryTimeoutMs(int ms)
{
    g_discoveryTimeoutMs = ms;
}

void INetworkCameraFinder::start()
{
    if (m_running)
        return;
    m_lastFound = cameras();
    m_found.clear();
    m_held.clear();
    m_running = true;
    m_accessPointKnown = false;
    m_discoveryOver = false;
    if (!ICamera::discoveryEnabled()) {
        qDebug() << "network camera discovery is off.";
        m_accessPointKnown = m_discoveryOver = true;
        // Queued, so that whoever started it can connect first.
        QTimer::singleShot(0, this, &INetworkCameraFinder::finishIfDone);
        return;
    }

    delete m_probe;
    m_probe = new QTcpSocket(this);
    m_probeTimer = new QTimer(m_probe);
    m_probeTimer->setSingleShot(true);
    connect(m_probe, &QTcpSocket::connected, this, [this] { onAccessPointAnswer(true); });
    connect(m_probe, &QAbstractSocket::errorOccurred, this, [this] { onAccessPointAnswer(false); });
    connect(m_probeTimer, &QTimer::timeout, this, [this] { onAccessPointAnswer(false); });
    m_probeTimer->start(kAccessPointWaitMs);
    // May fail at once (no route), before the search below has started.
    m_probe->connectToHost(QString::fromLatin1(kAccessPointAddress), kControlPort);

    qDebug().noquote() << now() << "开始搜索ONVIF设备...";
    if (!m_onvif->startDiscovery(g_discoveryTimeoutMs) && !m_onvif->isDiscovering()) {
        m_discoveryOver = true;
        QTimer::singleShot(0, this, &INetworkCameraFinder::finishIfDone);
    }
}

void INetworkCameraFinder::onAccessPointAnswer(bool connected)
{
    if (m_accessPointKnown || !m_probe)
        return;
    m_accessPointKnown = true;
    const QString address = QString::fromLatin1(kAccessPointAddress);
    if (connected) {
        ICameraInfo camera;
        camera.index = 100;
        camera.type = NetworkCamera;
        camera.devicePath = QStringLiteral("rtsp://admin:rorod@%1/stream/main").arg(address);
        camera.name = QStringLiteral("WIFI:%1(%2)").arg(QStringLiteral("Local"), address);
        camera.host = address;
        camera.port = kControlPort;
        m_found << camera;
        emit sgCameraFound(camera);
    } else {
        const QString error = m_probe->state() == QAbstractSocket::ConnectedState
                || m_probe->error() == QAbstractSocket::UnknownSocketError
            ? QStringLiteral("Socket operation timed out")
            : m_probe->errorString();
        qDebug() << "local wifi tcp connect server error: " << error;
    }
    QTcpSocket* probe = m_probe;
    m_probe = nullptr;
    probe->disconnect(this);
    probe->abort();
    probe->deleteLater();

    const QList<OnvifDevice> held = std::exchange(m_held, {});
    for (const OnvifDevice& device : held)
        addDiscovered(device);
    finishIfDone();
}

void INetworkCameraFinder::onDevice(const OnvifDevice& device)
{
    if (m_running && !m_accessPointKnown)
        m_held << device;
    else
        addDiscovered(device);
}

void INetworkCameraFinder::addDiscovered(const OnvifDevice& device)
{
    const QString address = device.host.toString();
    ICameraInfo camera;
    camera.index = 100 + m_found.size();
    camera.type = NetworkCamera;
    camera.devicePath = QStringLiteral("rtsp://%1/stream/main").arg(address);
    camera.name = QStringLiteral("WIFI:%1(%2)").arg(device.name, address);
    camera.host = address;
    camera.port = kControlPort;
    for (const ICameraInfo& known : qAsConst(m_found)) {
        if (samePath(known, camera))
            return; // one camera with two endpoint references
    }
    qDebug() << "======= 发现ONVIF设备 =======";
    qDebug() << "address:" << device.address << "types:" << device.types;
    qDebug() << "name:" << device.name << "hardware:" << device.hardware << "location:" << device.location;
    qDebug() << "host:" << address << "port:" << device.port << "xaddrs:" << device.serviceAddresses;
    qDebug() << "manufacturer:" << device.manufacturer << "model:" << device.model
             << "serial number:" << device.serialNumber << "firmware:" << device.firmwareVersion;
    qDebug() << "============================";
    m_found << camera;
    emit sgCameraFound(camera);
}

void INetworkCameraFinder::onDiscoveryFinished()
{
    m_discoveryOver = true;
    finishIfDone();
}

void INetworkCameraFinder::finishIfDone()
{
    if (!m_running || !m_accessPointKnown || !m_discoveryOver)
        return;
    m_running = false;
    if (ICamera::discoveryEnabled())
        qDebug().noquote() << now() << "停止搜索ONVIF设备...";
    emit sgFinished();
}

QList<ICameraInfo> INetworkCameraFinder::cameras() const
{
    QList<ICameraInfo> all = m_found;
    for (const ICameraInfo& earlier : m_lastFound) {
        if (std::none_of(all.cbegin(), all.cend(), [&](const ICameraInfo& c) { return samePath(c, earlier); }))
            all << earlier;
    }
    return all;
}

void INetworkCameraFinder::wait(bool firstOnly)
{
    if (!m_running || (firstOnly && !m_found.isEmpty()))
        return;
    QEventLoop loop;
    connect(this, &INetworkCameraFinder::sgFinished, &loop, &QEventLoop::quit);
    if (firstOnly)
        connect(this, &INetworkCameraFinder::sgCameraFound, &loop, &QEventLoop::quit);
    loop.exec();
}
