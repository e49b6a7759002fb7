// Network cameras answering WS-Discovery probes on the loopback device.
#include "common/onvifresponder.h"

#include <QNetworkInterface>
#include <QTimer>
#include <QUdpSocket>
#include <QUrl>
#include <QUuid>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>

namespace {

const char* const kGroup = "239.255.255.250";
const quint16 kPort = 3702;

const QString kSoap = QStringLiteral("http://www.w3.org/2003/05/soap-envelope");
const QString kWsa = QStringLiteral("http://schemas.xmlsoap.org/ws/2004/08/addressing");
const QString kDiscovery = QStringLiteral("http://schemas.xmlsoap.org/ws/2005/04/discovery");
const QString kNetwork = QStringLiteral("http://www.onvif.org/ver10/network/wsdl");
const QString kDeviceWsdl = QStringLiteral("http://www.onvif.org/ver10/device/wsdl");

// Whether `address` belongs to this namespace's loopback device: answers go
// nowhere else.
bool onLoopback(const QHostAddress& address)
{
    if (address.isLoopback())
        return true;
    const QList<QNetworkAddressEntry> entries =
        QNetworkInterface::interfaceFromName(QStringLiteral("lo")).addressEntries();
    return std::any_of(entries.cbegin(), entries.cend(),
                       [&address](const QNetworkAddressEntry& entry) { return entry.ip().isEqual(address); });
}

QString messageIdOf(const QByteArray& probe)
{
    QXmlStreamReader reader(probe);
    reader.setNamespaceProcessing(false);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement
            && reader.qualifiedName().endsWith(QLatin1String("MessageID")))
            return reader.readElementText().left(256);
    }
    return {};
}

} // namespace

OnvifResponder::OnvifResponder(QObject* parent)
    : QObject(parent)
{
}

OnvifResponder::~OnvifResponder()
{
    stop();
}

void OnvifResponder::addDevice(const Device& device)
{
    m_devices << device;
}

bool OnvifResponder::start(QString* error)
{
    auto fail = [this, error](const QString& why) {
        if (error)
            *error = why;
        stop();
        return false;
    };
    stop();
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& interface : interfaces) {
        if (!interface.flags().testFlag(QNetworkInterface::IsLoopBack))
            return fail(QStringLiteral("%1 is not a loopback device; answer probes only in a private network "
                                       "namespace")
                            .arg(interface.name()));
    }
    const QNetworkInterface loopback = QNetworkInterface::interfaceFromName(QStringLiteral("lo"));
    if (!loopback.isValid())
        return fail(QStringLiteral("there is no lo device"));
    if (!loopback.flags().testFlag(QNetworkInterface::CanMulticast))
        return fail(QStringLiteral("lo carries no multicast (ip link set lo multicast on)"));

    const auto flags = QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint;
    m_multicast = new QUdpSocket(this);
    if (!m_multicast->bind(QHostAddress(QString::fromLatin1(kGroup)), kPort, flags))
        return fail(QStringLiteral("cannot listen for multicast probes: ") + m_multicast->errorString());
    if (!m_multicast->joinMulticastGroup(QHostAddress(QString::fromLatin1(kGroup)), loopback))
        return fail(QStringLiteral("cannot join the discovery group on lo: ") + m_multicast->errorString());
    m_broadcast = new QUdpSocket(this);
    if (!m_broadcast->bind(QHostAddress(QHostAddress::Broadcast), kPort, flags))
        return fail(QStringLiteral("cannot listen for broadcast probes: ") + m_broadcast->errorString());

    for (const Device& device : qAsConst(m_devices)) {
        const QHostAddress host(device.host);
        if (host.protocol() != QAbstractSocket::IPv4Protocol || !onLoopback(host))
            return fail(device.host + QStringLiteral(" is not a loopback address"));
        if (m_replySockets.contains(device.host))
            continue;
        auto* reply = new QUdpSocket(this);
        m_replySockets.insert(device.host, reply);
        if (!reply->bind(host, 0))
            return fail(QStringLiteral("cannot answer from %1: %2").arg(device.host, reply->errorString()));
    }
    connect(m_multicast, &QUdpSocket::readyRead, this, [this] { readProbes(m_multicast, Destination::Multicast); });
    connect(m_broadcast, &QUdpSocket::readyRead, this, [this] { readProbes(m_broadcast, Destination::Broadcast); });
    m_clock.start();
    return true;
}

void OnvifResponder::stop()
{
    delete m_multicast;
    m_multicast = nullptr;
    delete m_broadcast;
    m_broadcast = nullptr;
    qDeleteAll(m_replySockets);
    m_replySockets.clear();
}

int OnvifResponder::probeCount(Destination destination) const
{
    return int(std::count_if(m_probes.cbegin(), m_probes.cend(),
                             [destination](const Probe& probe) { return probe.destination == destination; }));
}

void OnvifResponder::readProbes(QUdpSocket* socket, Destination destination)
{
    while (socket->hasPendingDatagrams()) {
        QByteArray text(int(qMax<qint64>(socket->pendingDatagramSize(), 0)), Qt::Uninitialized);
        QHostAddress from;
        quint16 port = 0;
        const qint64 size = socket->readDatagram(text.data(), text.size(), &from, &port);
        if (size < 0)
            break;
        text.truncate(int(size));
        if (!onLoopback(from))
            continue;
        m_probes << Probe{destination, text, m_clock.elapsed(), from, port};
        emit probeReceived(destination, from, port);
        const QString messageId = messageIdOf(text);
        for (int i = 0; i < m_devices.size(); ++i) {
            const Device& device = m_devices[i];
            if (destination == Destination::Broadcast && device.behaviour != Behaviour::Duplicate)
                continue;
            if (device.delayMs <= 0)
                sendAnswer(i, messageId, from, port);
            else
                QTimer::singleShot(device.delayMs, this,
                                   [this, i, messageId, from, port] { sendAnswer(i, messageId, from, port); });
        }
    }
}

void OnvifResponder::sendAnswer(int index, const QString& messageId, const QHostAddress& to, quint16 port)
{
    const Device& device = m_devices[index];
    QUdpSocket* reply = m_replySockets.value(device.host);
    if (!reply)
        return;
    const QByteArray message = answer(device, messageId, ++m_sequence);
    if (reply->writeDatagram(message, to, port) < 0)
        return;
    ++m_answers;
    emit answered(device.host, to, port);
}

QString OnvifResponder::addressOf(const Device& device)
{
    if (!device.address.isEmpty())
        return device.address;
    const QUuid space(QStringLiteral("{5f0c6a52-2d51-4c3e-9d0e-6f1c7e0b8a11}"));
    return QStringLiteral("urn:uuid:") + QUuid::createUuidV5(space, device.host).toString(QUuid::WithoutBraces);
}

QByteArray OnvifResponder::answer(const Device& device, const QString& messageId, int messageNumber)
{
    if (device.behaviour == Behaviour::Garbage) {
        static const char garbage[] = "\x01\x9f\xff garbage <<< &&& ]]> </not-xml> \x00 <?";
        return QByteArray(garbage, sizeof(garbage) - 1);
    }

    QByteArray message;
    QXmlStreamWriter writer(&message);
    writer.writeStartDocument();
    writer.writeNamespace(kSoap, QStringLiteral("SOAP-ENV"));
    writer.writeNamespace(kWsa, QStringLiteral("wsa"));
    writer.writeNamespace(kDiscovery, QStringLiteral("d"));
    writer.writeNamespace(kNetwork, QStringLiteral("dn"));
    writer.writeNamespace(kDeviceWsdl, QStringLiteral("tds"));
    writer.writeStartElement(kSoap, QStringLiteral("Envelope"));
    writer.writeStartElement(kSoap, QStringLiteral("Header"));
    writer.writeTextElement(kWsa, QStringLiteral("MessageID"), QStringLiteral("urn:uuid:") + QUuid::createUuid().toString(QUuid::WithoutBraces));
    writer.writeTextElement(kWsa, QStringLiteral("RelatesTo"), messageId);
    writer.writeTextElement(kWsa, QStringLiteral("To"),
                            QStringLiteral("http://schemas.xmlsoap.org/ws/2004/08/addressing/role/anonymous"));
    writer.writeTextElement(kWsa, QStringLiteral("Action"),
                            QStringLiteral("http://schemas.xmlsoap.org/ws/2005/04/discovery/ProbeMatches"));
    writer.writeEmptyElement(kDiscovery, QStringLiteral("AppSequence"));
    writer.writeAttribute(QStringLiteral("InstanceId"), QStringLiteral("1"));
    writer.writeAttribute(QStringLiteral("MessageNumber"), QString::number(messageNumber));
    writer.writeEndElement();
    writer.writeStartElement(kSoap, QStringLiteral("Body"));
    writer.writeStartElement(kDiscovery, QStringLiteral("ProbeMatches"));
    writer.writeStartElement(kDiscovery, QStringLiteral("ProbeMatch"));
    if (device.behaviour != Behaviour::NoAddress) {
        writer.writeStartElement(kWsa, QStringLiteral("EndpointReference"));
        writer.writeTextElement(kWsa, QStringLiteral("Address"), addressOf(device));
        writer.writeEndElement();
    }
    writer.writeTextElement(kDiscovery, QStringLiteral("Types"), QStringLiteral("dn:NetworkVideoTransmitter tds:Device"));
    QStringList scopes{QStringLiteral("onvif://www.onvif.org/type/") + QString::fromLatin1(QUrl::toPercentEncoding(device.type)),
                       QStringLiteral("onvif://www.onvif.org/Profile/Streaming")};
    const QList<QPair<QString, QString>> named{{QStringLiteral("name"), device.name},
                                                {QStringLiteral("hardware"), device.hardware},
                                                {QStringLiteral("location"), device.location}};
    for (const auto& scope : named) {
        if (!scope.second.isEmpty())
            scopes << QStringLiteral("onvif://www.onvif.org/%1/").arg(scope.first)
                    + QString::fromLatin1(QUrl::toPercentEncoding(scope.second));
    }
    writer.writeTextElement(kDiscovery, QStringLiteral("Scopes"), scopes.join(QLatin1Char(' ')));
    if (device.hasXAddrs) {
        const QString xaddrs = device.xaddrs.isEmpty()
            ? QStringLiteral("http://%1:80/onvif/device_service").arg(device.host)
            : device.xaddrs;
        writer.writeTextElement(kDiscovery, QStringLiteral("XAddrs"), xaddrs);
    }
    writer.writeTextElement(kDiscovery, QStringLiteral("MetadataVersion"), QStringLiteral("1"));
    const QList<QPair<QString, QString>> details{{QStringLiteral("Manufacturer"), device.manufacturer},
                                                  {QStringLiteral("Model"), device.model},
                                                  {QStringLiteral("SerialNumber"), device.serialNumber},
                                                  {QStringLiteral("FirmwareVersion"), device.firmwareVersion}};
    for (const auto& detail : details) {
        if (!detail.second.isEmpty())
            writer.writeTextElement(kDeviceWsdl, detail.first, detail.second);
    }
    writer.writeEndDocument();

    if (device.behaviour == Behaviour::Malformed) {
        const QByteArray end("</wsa:Address>");
        const int at = message.indexOf(end);
        if (at >= 0)
            message.truncate(at + end.size());
    }
    return message;
}

bool OnvifResponder::parseDevice(const QString& text, Device* device, QString* error)
{
    Device parsed;
    for (const QString& pair : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const int equals = pair.indexOf(QLatin1Char('='));
        const QString key = pair.left(equals).trimmed();
        const QString value = equals < 0 ? QString() : pair.mid(equals + 1);
        if (key == QLatin1String("host")) {
            parsed.host = value;
        } else if (key == QLatin1String("name")) {
            parsed.name = value;
        } else if (key == QLatin1String("hardware")) {
            parsed.hardware = value;
        } else if (key == QLatin1String("location")) {
            parsed.location = value;
        } else if (key == QLatin1String("type")) {
            parsed.type = value;
        } else if (key == QLatin1String("xaddrs")) {
            parsed.hasXAddrs = value != QLatin1String("none");
            parsed.xaddrs = parsed.hasXAddrs ? value : QString();
        } else if (key == QLatin1String("address")) {
            parsed.address = value;
        } else if (key == QLatin1String("manufacturer")) {
            parsed.manufacturer = value;
        } else if (key == QLatin1String("model")) {
            parsed.model = value;
        } else if (key == QLatin1String("serial")) {
            parsed.serialNumber = value;
        } else if (key == QLatin1String("firmware")) {
            parsed.firmwareVersion = value;
        } else if (key == QLatin1String("delay")) {
            bool ok = false;
            parsed.delayMs = value.toInt(&ok);
            if (!ok || parsed.delayMs < 0) {
                *error = QStringLiteral("delay is not a number of milliseconds: ") + value;
                return false;
            }
        } else if (key == QLatin1String("behaviour") || key == QLatin1String("behavior")) {
            const QHash<QString, Behaviour> kinds{{QStringLiteral("normal"), Behaviour::Normal},
                                                  {QStringLiteral("malformed"), Behaviour::Malformed},
                                                  {QStringLiteral("noaddress"), Behaviour::NoAddress},
                                                  {QStringLiteral("garbage"), Behaviour::Garbage},
                                                  {QStringLiteral("duplicate"), Behaviour::Duplicate}};
            if (!kinds.contains(value)) {
                *error = QStringLiteral("unknown behaviour: ") + value;
                return false;
            }
            parsed.behaviour = kinds.value(value);
        } else {
            *error = QStringLiteral("unknown key: ") + key;
            return false;
        }
    }
    if (QHostAddress(parsed.host).protocol() != QAbstractSocket::IPv4Protocol) {
        *error = QStringLiteral("a device needs host=IPV4-ADDRESS: ") + text;
        return false;
    }
    *device = parsed;
    return true;
}

QString OnvifResponder::destinationName(Destination destination)
{
    return destination == Destination::Multicast ? QStringLiteral("multicast") : QStringLiteral("broadcast");
}
