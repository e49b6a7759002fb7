// WS-Discovery of network cameras: probe batches paced by timers, answers
// read with an XML reader and bounded, since anyone on the network may send
// them.
#include "customui/onvif/ionvifdevice.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QNetworkInterface>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QUdpSocket>
#include <QUrl>
#include <QUuid>
#include <QVector>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>

namespace {

const char* const kGroup = "239.255.255.250";
const quint16 kPort = 3702;
const int kBatches = 3;
const int kBroadcastGapMs = 50;
const int kDirectedGapMs = 50;
const int kBetweenDirectedMs = 5;

// What one discovery keeps of what strangers send.
const int kMaxDevices = 64;
const int kMaxField = 1024;
const int kMaxDatagram = 64 * 1024;
// Datagrams read before the event loop gets its turn again.
const int kMaxReadsPerCall = 256;
// Answers are six elements deep; anything far deeper is not an answer.
const int kMaxDepth = 32;

const QString kNameScope = QStringLiteral("onvif://www.onvif.org/name/");
const QString kHardwareScope = QStringLiteral("onvif://www.onvif.org/hardware/");
const QString kLocationScope = QStringLiteral("onvif://www.onvif.org/location/");
const QString kTypeScope = QStringLiteral("onvif://www.onvif.org/type/");

QString bounded(const QString& text)
{
    return text.left(kMaxField);
}

// Cameras do not always declare the prefixes they use, so names are
// matched without namespaces.
QString localName(const QStringRef& qualified)
{
    return qualified.mid(qualified.lastIndexOf(QLatin1Char(':')) + 1).toString();
}

// Scope value after `prefix`, decoded; empty when the scope is another one.
QString scopeValue(const QString& scope, const QString& prefix)
{
    if (!scope.startsWith(prefix))
        return {};
    return bounded(QUrl::fromPercentEncoding(scope.mid(prefix.size()).toUtf8()));
}

void setOnce(QString* field, const QString& value)
{
    if (field->isEmpty())
        *field = value;
}

} // namespace

IOnvifDevice* IOnvifDevice::instance()
{
    // Owned by the application, so that its socket closes while Qt is still up.
    static QPointer<IOnvifDevice> finder;
    if (!finder)
        finder = new IOnvifDevice(QCoreApplication::instance());
    return finder;
}

IOnvifDevice::IOnvifDevice(QObject* parent)
    : QObject(parent)
    , m_socket(new QUdpSocket(this))
    , m_discoveryTimer(new QTimer(this))
    , m_retryTimer(new QTimer(this))
    , m_sendTimer(new QTimer(this))
{
    qRegisterMetaType<OnvifDevice>("OnvifDevice");
    qRegisterMetaType<QList<OnvifDevice>>("QList<OnvifDevice>");
    for (QTimer* timer : {m_discoveryTimer, m_retryTimer, m_sendTimer}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(m_discoveryTimer, &QTimer::timeout, this, &IOnvifDevice::onDiscoveryTimeout);
    connect(m_retryTimer, &QTimer::timeout, this, &IOnvifDevice::onRetryTimeout);
    connect(m_sendTimer, &QTimer::timeout, this, &IOnvifDevice::sendPendingProbes);
    // Read right away: an unbuffered socket that signalled readyRead tells
    // no more until it has been read from.
    connect(m_socket, &QUdpSocket::readyRead, this, &IOnvifDevice::readPendingDatagrams);
    // A failed send or read is told and forgotten; the socket stays bound.
    connect(m_socket, &QAbstractSocket::errorOccurred, this,
            [this] { qWarning().noquote() << "ONVIF socket error:" << m_socket->errorString(); });
}

IOnvifDevice::~IOnvifDevice()
{
    m_pendingProbes.clear();
    m_sendTimer->stop();
    m_retryTimer->stop();
    m_discoveryTimer->stop();
    m_socket->disconnect(this);
    m_socket->abort();
}

QList<OnvifDevice> IOnvifDevice::getDevices(int timeoutMs)
{
    QEventLoop loop;
    QList<OnvifDevice> found;
    connect(m_discoveryTimer, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &IOnvifDevice::sgExitLoop, &loop, &QEventLoop::quit);
    // A slot that deletes the finder meanwhile must not leave the caller
    // waiting for a timer that is gone.
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    connect(this, &IOnvifDevice::sgDeviceFound, &loop, [&found](const OnvifDevice& device) { found << device; });
    if (!startDiscovery(timeoutMs))
        return m_devices;
    QPointer<IOnvifDevice> self(this);
    loop.exec();
    if (!self)
        return found;
    m_finished = true;
    return m_devices;
}

bool IOnvifDevice::startDiscovery(int timeoutMs)
{
    if (m_discovering) {
        qWarning() << "Discovery is already in progress";
        return false;
    }
    m_discovering = true;
    m_finished = false;
    m_probeCount = 0;
    m_toldFull = false;
    ++m_run;
    m_devices.clear();
    m_arrived.clear();
    // Probes of an earlier discovery still waiting would carry its ids.
    m_pendingProbes.clear();
    m_sendTimer->stop();
    m_retryTimer->stop();
    m_discoveryTimer->stop();
    m_socket->abort();

    if (!m_socket->bind(QHostAddress::AnyIPv4, 0, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
        qWarning().noquote() << "Failed to bind:" << m_socket->errorString() << " error code:" << int(m_socket->error());
        m_discovering = false;
        return false;
    }
    if (!m_socket->joinMulticastGroup(QHostAddress(QString::fromLatin1(kGroup)))) {
        qWarning() << "Failed to join multicast group";
        m_socket->abort();
        m_discovering = false;
        return false;
    }
    sendProbeMessages();
    // A negative time would never run out and leave getDevices waiting forever.
    m_discoveryTimer->start(qMax(0, timeoutMs));
    return true;
}

QByteArray IOnvifDevice::probeMessage()
{
    const QString soap = QStringLiteral("http://www.w3.org/2003/05/soap-envelope");
    const QString wsa = QStringLiteral("http://schemas.xmlsoap.org/ws/2004/08/addressing");
    const QString wsd = QStringLiteral("http://schemas.xmlsoap.org/ws/2005/04/discovery");
    QByteArray message;
    QXmlStreamWriter writer(&message);
    writer.writeStartDocument();
    writer.writeNamespace(soap, QStringLiteral("soap"));
    writer.writeNamespace(wsa, QStringLiteral("wsa"));
    writer.writeNamespace(wsd, QStringLiteral("wsd"));
    writer.writeStartElement(soap, QStringLiteral("Envelope"));
    writer.writeStartElement(soap, QStringLiteral("Header"));
    writer.writeTextElement(wsa, QStringLiteral("Action"),
                            QStringLiteral("http://schemas.xmlsoap.org/ws/2005/04/discovery/Probe"));
    writer.writeTextElement(wsa, QStringLiteral("MessageID"), QStringLiteral("uuid:") + QUuid::createUuid().toString());
    writer.writeTextElement(wsa, QStringLiteral("To"), QStringLiteral("urn:schemas-xmlsoap-org:ws:2005:04:discovery"));
    writer.writeEndElement();
    writer.writeStartElement(soap, QStringLiteral("Body"));
    writer.writeStartElement(wsd, QStringLiteral("Probe"));
    // Cameras expect the dn prefix as it is, undeclared.
    writer.writeTextElement(wsd, QStringLiteral("Types"), QStringLiteral("dn:NetworkVideoTransmitter"));
    writer.writeEndDocument();
    return message;
}

bool IOnvifDevice::parseAnswer(const QByteArray& datagram, OnvifDevice* device)
{
    if (!device || datagram.size() > kMaxDatagram)
        return false;
    OnvifDevice found;
    found.host = device->host;
    QString types;
    QString typeScope;
    QVector<QString> open;
    QXmlStreamReader reader(datagram);
    reader.setNamespaceProcessing(false);
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        // SOAP messages carry no document type; its entities are how
        // hostile answers grow.
        if (token == QXmlStreamReader::DTD || token == QXmlStreamReader::Invalid)
            break;
        if (token == QXmlStreamReader::EndElement) {
            if (!open.isEmpty())
                open.removeLast();
            // A second match in the same answer would mix two devices.
            if (localName(reader.qualifiedName()) == QLatin1String("ProbeMatch"))
                break;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QString name = localName(reader.qualifiedName());
        const QString parent = open.isEmpty() ? QString() : open.last();
        const bool field = name == QLatin1String("Address") || name == QLatin1String("Types")
            || name == QLatin1String("XAddrs") || name == QLatin1String("Scopes")
            || name == QLatin1String("Manufacturer") || name == QLatin1String("Model")
            || name == QLatin1String("FirmwareVersion") || name == QLatin1String("SerialNumber");
        if (!field) {
            if (open.size() >= kMaxDepth)
                break;
            open.append(name);
            continue;
        }
        const QString text = reader.readElementText(QXmlStreamReader::SkipChildElements).simplified();
        if (reader.hasError())
            break;
        if (name == QLatin1String("Address")) {
            // The header's reply and sender addresses name no device.
            if (parent != QLatin1String("ReplyTo") && parent != QLatin1String("From")
                && parent != QLatin1String("FaultTo"))
                setOnce(&found.address, bounded(text));
        } else if (name == QLatin1String("Types")) {
            setOnce(&types, bounded(text));
        } else if (name == QLatin1String("XAddrs")) {
            const QUrl first(text.section(QLatin1Char(' '), 0, 0), QUrl::StrictMode);
            if (found.serviceAddresses.isEmpty() && first.isValid() && !first.scheme().isEmpty()
                && !first.host().isEmpty()) {
                found.serviceAddresses = bounded(text);
                found.port = first.port();
            }
        } else if (name == QLatin1String("Scopes")) {
            for (const QString& scope : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                setOnce(&found.name, scopeValue(scope, kNameScope));
                setOnce(&found.hardware, scopeValue(scope, kHardwareScope));
                setOnce(&found.location, scopeValue(scope, kLocationScope));
                setOnce(&typeScope, scopeValue(scope, kTypeScope));
            }
        } else if (name == QLatin1String("Manufacturer")) {
            setOnce(&found.manufacturer, bounded(text));
        } else if (name == QLatin1String("Model")) {
            setOnce(&found.model, bounded(text));
        } else if (name == QLatin1String("FirmwareVersion")) {
            setOnce(&found.firmwareVersion, bounded(text));
        } else {
            setOnce(&found.serialNumber, bounded(text));
        }
    }
    if (found.address.isEmpty())
        return false;
    found.types = typeScope.isEmpty() ? types : typeScope;
    *device = found;
    return true;
}

QList<QHostAddress> IOnvifDevice::directedTargets(const QList<ProbeInterface>& interfaces)
{
    QList<QHostAddress> targets;
    for (const ProbeInterface& interface : interfaces) {
        if (!interface.upAndRunning || interface.loopback)
            continue;
        const QString name = interface.humanName.toLower();
        if (name.contains(QLatin1String("virtual")) || name.contains(QLatin1String("vmware"))
            || name.contains(QLatin1String("virtualbox")))
            continue;
        for (const QHostAddress& broadcast : interface.broadcasts) {
            if (!broadcast.isNull() && broadcast.protocol() == QAbstractSocket::IPv4Protocol
                && !targets.contains(broadcast))
                targets << broadcast;
        }
    }
    return targets;
}

QList<IOnvifDevice::ProbeInterface> IOnvifDevice::probeInterfaces() const
{
    QList<ProbeInterface> interfaces;
    for (const QNetworkInterface& network : QNetworkInterface::allInterfaces()) {
        ProbeInterface interface;
        interface.humanName = network.humanReadableName();
        const QNetworkInterface::InterfaceFlags flags = network.flags();
        interface.upAndRunning = flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning);
        interface.loopback = flags.testFlag(QNetworkInterface::IsLoopBack);
        for (const QNetworkAddressEntry& entry : network.addressEntries()) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
                interface.broadcasts << entry.broadcast();
        }
        interfaces << interface;
    }
    return interfaces;
}

void IOnvifDevice::sendProbe(const QByteArray& message, const QHostAddress& to)
{
    if (m_socket->writeDatagram(message, to, kPort) < 0)
        qWarning().noquote() << "Probe to" << to.toString() << "not sent:" << m_socket->errorString();
}

void IOnvifDevice::readPendingDatagrams()
{
    QByteArray buffer(kMaxDatagram + 1, Qt::Uninitialized);
    int reads = 0;
    while (m_socket->hasPendingDatagrams() && reads < kMaxReadsPerCall) {
        ++reads;
        QHostAddress sender;
        const qint64 size = m_socket->readDatagram(buffer.data(), buffer.size(), &sender);
        if (size < 0)
            break;
        if (size > kMaxDatagram)
            continue;
        OnvifDevice device;
        device.host = sender;
        if (!parseAnswer(QByteArray::fromRawData(buffer.constData(), int(size)), &device) || isKnown(device.address))
            continue;
        if (m_devices.size() + m_arrived.size() >= kMaxDevices) {
            if (!m_toldFull)
                qWarning() << "Ignoring further devices: at most" << kMaxDevices << "per discovery";
            m_toldFull = true;
            continue;
        }
        m_arrived << device;
    }
    if (!m_arrived.isEmpty() && !m_announceQueued) {
        m_announceQueued = true;
        QMetaObject::invokeMethod(this, &IOnvifDevice::announceArrived, Qt::QueuedConnection);
    }
    // The rest wait for the next turn of the event loop, not for the next
    // datagram to arrive.
    if (reads == kMaxReadsPerCall && m_socket->hasPendingDatagrams())
        QMetaObject::invokeMethod(this, &IOnvifDevice::readPendingDatagrams, Qt::QueuedConnection);
}

bool IOnvifDevice::isKnown(const QString& address) const
{
    const auto same = [&address](const OnvifDevice& device) { return device.address == address; };
    return std::any_of(m_devices.cbegin(), m_devices.cend(), same)
        || std::any_of(m_arrived.cbegin(), m_arrived.cend(), same);
}

void IOnvifDevice::announceArrived()
{
    m_announceQueued = false;
    const QPointer<IOnvifDevice> self(this);
    const quint64 run = m_run;
    while (!m_arrived.isEmpty()) {
        const OnvifDevice device = m_arrived.takeFirst();
        m_devices << device;
        qDebug().noquote() << "found device:" << device.address << device.host.toString() << device.name;
        // A slot may delete the finder or start a new discovery.
        emit sgDeviceFound(device);
        if (!self || run != m_run)
            return;
        if (!m_finished)
            continue;
        emit sgFindDevice(device);
        if (!self || run != m_run)
            return;
        emit sgExitLoop();
        if (!self || run != m_run)
            return;
    }
}

void IOnvifDevice::onDiscoveryTimeout()
{
    qDebug() << "Discovery timeout reached";
    m_retryTimer->stop();
    m_discovering = false;
    m_finished = true;
    emit sgDiscoveryFinished(m_devices);
}

void IOnvifDevice::onRetryTimeout()
{
    // The retry timer only runs after batches one and two, so a third batch
    // is the last.
    if (m_discovering && m_probeCount < kBatches)
        sendProbeMessages();
}

void IOnvifDevice::sendProbeMessages()
{
    ++m_probeCount;
    qDebug() << "Sending probe batch" << m_probeCount;
    const QByteArray message = probeMessage();
    const QList<QHostAddress> directed = directedTargets(probeInterfaces());
    const bool idle = m_pendingProbes.isEmpty() && !m_sendTimer->isActive();
    m_pendingProbes << PendingProbe{0, QHostAddress(QString::fromLatin1(kGroup)), message, 0};
    m_pendingProbes << PendingProbe{kBroadcastGapMs, QHostAddress(QHostAddress::Broadcast), message, 0};
    for (int i = 0; i < directed.size(); ++i)
        m_pendingProbes << PendingProbe{i == 0 ? kDirectedGapMs : kBetweenDirectedMs, directed[i], message, 0};
    m_pendingProbes << PendingProbe{directed.isEmpty() ? kDirectedGapMs : 0, QHostAddress(), {}, int(directed.size())};
    // Counted from this batch's first probe, whatever its gaps add up to.
    if (m_probeCount < kBatches) {
        const int delay = m_probeCount * 200 + 300;
        m_retryTimer->start(delay);
        qDebug() << "Next probe in" << delay << "ms";
    }
    if (idle)
        sendPendingProbes();
}

void IOnvifDevice::sendPendingProbes()
{
    const quint64 run = m_run;
    while (!m_pendingProbes.isEmpty() && run == m_run) {
        PendingProbe& next = m_pendingProbes.first();
        if (next.gapMs > 0) {
            m_sendTimer->start(next.gapMs);
            next.gapMs = 0;
            return;
        }
        const PendingProbe step = m_pendingProbes.takeFirst();
        if (step.to.isNull())
            qDebug() << "Sent" << step.directedCount << "directed probes";
        else
            sendProbe(step.message, step.to);
    }
}
