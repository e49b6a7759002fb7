// Finds network cameras on the local network by WS-Discovery: probes for
// network video transmitters by multicast, broadcast and each interface's
// broadcast address, and collects the ProbeMatch answers. Runs on the
// caller's (GUI) thread.
#pragma once

#include "customui/onvif/onvifdevice.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

class QTimer;
class QUdpSocket;

class IOnvifDevice : public QObject
{
    Q_OBJECT
public:
    // A network interface as the probes see it.
    struct ProbeInterface
    {
        QString humanName;
        bool upAndRunning = false;
        bool loopback = false;
        QList<QHostAddress> broadcasts; // of its IPv4 address entries
    };

    static IOnvifDevice* instance();
    explicit IOnvifDevice(QObject* parent = nullptr);
    ~IOnvifDevice() override;

    // One discovery: the devices that answered within `timeoutMs`. Blocks
    // the caller in a local event loop.
    QList<OnvifDevice> getDevices(int timeoutMs);
    // The same discovery without waiting: answers come as sgDeviceFound, the
    // end as sgDiscoveryFinished. False when the socket cannot be set up
    // or a discovery is already running.
    bool startDiscovery(int timeoutMs);
    QList<OnvifDevice> devices() const { return m_devices; }
    bool isDiscovering() const { return m_discovering; }
    bool isFinished() const { return m_finished; }

    // The Probe message, with a fresh message id.
    static QByteArray probeMessage();
    // Reads one answer into `device` (its host already set); false when it
    // names no address. Never trusts the sender: fields are bounded.
    static bool parseAnswer(const QByteArray& datagram, OnvifDevice* device);
    // Where the directed probes of one batch go.
    static QList<QHostAddress> directedTargets(const QList<ProbeInterface>& interfaces);

signals:
    // A device that answered after getDevices returned.
    void sgFindDevice(OnvifDevice device);
    void sgExitLoop();
    // Every new device, during a discovery and after it.
    void sgDeviceFound(OnvifDevice device);
    // The discovery's time is up; the socket keeps listening.
    void sgDiscoveryFinished(QList<OnvifDevice> devices);

protected:
    // The machine's interfaces; tests give their own.
    virtual QList<ProbeInterface> probeInterfaces() const;
    // Sends one datagram of a probe batch.
    virtual void sendProbe(const QByteArray& message, const QHostAddress& to);

private slots:
    void readPendingDatagrams();
    void onDiscoveryTimeout();
    void onRetryTimeout();

private:
    // One step of a probe batch, `gapMs` after the step before it: a probe
    // to `to`, or (null `to`) the note of how many directed probes went out.
    struct PendingProbe
    {
        int gapMs = 0;
        QHostAddress to;
        QByteArray message;
        int directedCount = 0;
    };

    void sendProbeMessages();
    void sendPendingProbes();
    void announceArrived();
    bool isKnown(const QString& address) const;

    QUdpSocket* m_socket = nullptr;
    QTimer* m_discoveryTimer = nullptr;
    QTimer* m_retryTimer = nullptr;
    // Paces the probes of a batch without holding up the caller's thread.
    QTimer* m_sendTimer = nullptr;
    QList<PendingProbe> m_pendingProbes;
    QList<OnvifDevice> m_devices;
    // New devices read from the socket, told about on the next turn of the
    // event loop rather than inside the socket's readyRead.
    QList<OnvifDevice> m_arrived;
    bool m_announceQueued = false;
    int m_probeCount = 0;
    // Counts discoveries, so that reading stops when a slot starts a new one.
    quint64 m_run = 0;
    bool m_discovering = false;
    bool m_finished = false;
    bool m_toldFull = false;
};
