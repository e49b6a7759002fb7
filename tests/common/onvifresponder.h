// Network cameras answering WS-Discovery probes, for tests in a private
// network namespace (see privatenetwork.h): listens on UDP 3702 for the
// multicast and the broadcast probe on the loopback device and answers each
// probe with one ProbeMatches message per device, sent from the device's own
// loopback address the way real cameras answer.
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

class QUdpSocket;

class OnvifResponder : public QObject
{
    Q_OBJECT
public:
    enum class Behaviour {
        Normal,    // answers the multicast probe
        Malformed, // the answer breaks off right after the device's address
        NoAddress, // the answer names no endpoint
        Garbage,   // the answer is not XML
        Duplicate, // answers the broadcast probe as well
    };
    enum class Destination { Multicast, Broadcast };

    struct Device
    {
        QString host;               // a loopback address, e.g. 127.0.0.5
        QString name;               // scopes; empty ones are left out
        QString hardware;
        QString location;
        QString type = QStringLiteral("video_encoder");
        QString xaddrs;             // empty: http://HOST:80/onvif/device_service
        bool hasXAddrs = true;
        QString address;            // empty: a urn:uuid made from the host
        QString manufacturer;       // the four are sent when not empty
        QString model;
        QString serialNumber;
        QString firmwareVersion;
        int delayMs = 0;            // before each answer
        Behaviour behaviour = Behaviour::Normal;
    };

    struct Probe
    {
        Destination destination;
        QByteArray text;
        qint64 atMs;                // since start()
        QHostAddress from;
        quint16 port;
    };

    explicit OnvifResponder(QObject* parent = nullptr);
    ~OnvifResponder() override;

    // Devices answer from their own address; set them before start().
    void addDevice(const Device& device);
    // False, with the reason, unless the process sees only loopback devices
    // and `lo` carries multicast.
    bool start(QString* error = nullptr);
    void stop();

    QList<Probe> probes() const { return m_probes; }
    int probeCount(Destination destination) const;
    int answerCount() const { return m_answers; }

    // The ProbeMatches message `device` sends for a probe with `messageId`.
    static QByteArray answer(const Device& device, const QString& messageId, int messageNumber = 1);
    // The address a device without one answers with.
    static QString addressOf(const Device& device);
    // "host=127.0.0.5,name=Doc Cam,..." as the command-line peer takes it;
    // keys: host, name, hardware, location, type, xaddrs (or "none"),
    // address, manufacturer, model, serial, firmware, delay, behaviour
    // (normal, malformed, noaddress, garbage, duplicate).
    static bool parseDevice(const QString& text, Device* device, QString* error);
    static QString destinationName(Destination destination);

signals:
    void probeReceived(OnvifResponder::Destination destination, const QHostAddress& from, quint16 port);
    void answered(const QString& host, const QHostAddress& to, quint16 port);

private:
    void readProbes(QUdpSocket* socket, Destination destination);
    void sendAnswer(int device, const QString& messageId, const QHostAddress& to, quint16 port);

    QUdpSocket* m_multicast = nullptr;
    QUdpSocket* m_broadcast = nullptr;
    QList<Device> m_devices;
    QHash<QString, QUdpSocket*> m_replySockets;
    QList<Probe> m_probes;
    QElapsedTimer m_clock;
    int m_answers = 0;
    int m_sequence = 0;
};
