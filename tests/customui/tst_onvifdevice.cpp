// The network camera finder against cameras answering on the loopback device
// of a private network namespace: the probe, the three batches and their
// order, what answers become, late and broken answers, and the bounds on
// what strangers can make it keep.
#include "common/logrecorder.h"
#include "common/onvifresponder.h"
#include "common/privatenetwork.h"
#include "common/testenv.h"

#include "customui/onvif/ionvifdevice.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QXmlStreamReader>

#include <cstdlib>
#include <memory>

namespace {

using Camera = OnvifResponder::Device;
using Behaviour = OnvifResponder::Behaviour;
using Destination = OnvifResponder::Destination;

const QHostAddress kGroup(QStringLiteral("239.255.255.250"));

Camera camera(const QString& host, const QString& name = QString(), Behaviour behaviour = Behaviour::Normal)
{
    Camera device;
    device.host = host;
    device.name = name;
    device.behaviour = behaviour;
    return device;
}

std::unique_ptr<OnvifResponder> answering(const QList<Camera>& cameras)
{
    auto responder = std::make_unique<OnvifResponder>();
    for (const Camera& device : cameras)
        responder->addDevice(device);
    QString error;
    if (!responder->start(&error)) {
        qWarning().noquote() << "responder:" << error;
        return nullptr;
    }
    return responder;
}

QString messageIdOf(const QByteArray& probe)
{
    QXmlStreamReader reader(probe);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("MessageID"))
            return reader.readElementText();
    }
    return {};
}

const OnvifDevice* findHost(const QList<OnvifDevice>& devices, const QString& host)
{
    for (const OnvifDevice& device : devices) {
        if (device.host == QHostAddress(host))
            return &device;
    }
    return nullptr;
}

// Sends multicast and broadcast probes for real (they stay on lo) and only
// records the directed ones, which would go to made-up networks.
class RecordingFinder : public IOnvifDevice
{
public:
    QList<ProbeInterface> interfaces;
    QList<QHostAddress> targets;
    QList<QByteArray> messages;

protected:
    QList<ProbeInterface> probeInterfaces() const override { return interfaces; }
    void sendProbe(const QByteArray& message, const QHostAddress& to) override
    {
        targets << to;
        messages << message;
        if (to == kGroup || to == QHostAddress(QHostAddress::Broadcast))
            IOnvifDevice::sendProbe(message, to);
    }
};

IOnvifDevice::ProbeInterface networkInterface(const QString& name, const QList<QHostAddress>& broadcasts,
                                              bool upAndRunning = true, bool loopback = false)
{
    IOnvifDevice::ProbeInterface interface;
    interface.humanName = name;
    interface.upAndRunning = upAndRunning;
    interface.loopback = loopback;
    interface.broadcasts = broadcasts;
    return interface;
}

} // namespace

class TestOnvifDevice : public QObject
{
    Q_OBJECT

private slots:
    // --- the probe ---

    void probeIsTheMessageCamerasExpect()
    {
        const QByteArray probe = IOnvifDevice::probeMessage();
        QXmlStreamReader reader(probe);
        QStringList path;
        QStringList elements;
        QHash<QString, QString> texts;
        while (!reader.atEnd()) {
            const auto token = reader.readNext();
            if (token == QXmlStreamReader::StartDocument) {
                QCOMPARE(reader.documentVersion().toString(), QStringLiteral("1.0"));
                QCOMPARE(reader.documentEncoding().toString().toUpper(), QStringLiteral("UTF-8"));
            } else if (token == QXmlStreamReader::StartElement) {
                const QString element = reader.namespaceUri() + QLatin1Char('|') + reader.qualifiedName();
                elements << element;
                path << reader.name().toString();
            } else if (token == QXmlStreamReader::Characters && !reader.isWhitespace()) {
                texts.insert(path.join(QLatin1Char('/')), reader.text().toString());
            } else if (token == QXmlStreamReader::EndElement) {
                path.removeLast();
            }
        }
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
        const QString soap = QStringLiteral("http://www.w3.org/2003/05/soap-envelope|soap:");
        const QString wsa = QStringLiteral("http://schemas.xmlsoap.org/ws/2004/08/addressing|wsa:");
        const QString wsd = QStringLiteral("http://schemas.xmlsoap.org/ws/2005/04/discovery|wsd:");
        QCOMPARE(elements, (QStringList{soap + "Envelope", soap + "Header", wsa + "Action", wsa + "MessageID",
                                        wsa + "To", soap + "Body", wsd + "Probe", wsd + "Types"}));
        QCOMPARE(texts.value(QStringLiteral("Envelope/Header/Action")),
                 QStringLiteral("http://schemas.xmlsoap.org/ws/2005/04/discovery/Probe"));
        QCOMPARE(texts.value(QStringLiteral("Envelope/Header/To")),
                 QStringLiteral("urn:schemas-xmlsoap-org:ws:2005:04:discovery"));
        QCOMPARE(texts.value(QStringLiteral("Envelope/Body/Probe/Types")), QStringLiteral("dn:NetworkVideoTransmitter"));
        // Cameras match the type with the prefix as written, left undeclared.
        QVERIFY(!probe.contains("xmlns:dn"));
    }

    void probeIdsAreFreshUuids()
    {
        const QRegularExpression form(
            QStringLiteral("^uuid:\\{[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}\\}$"));
        QSet<QString> ids;
        for (int i = 0; i < 5; ++i) {
            const QString id = messageIdOf(IOnvifDevice::probeMessage());
            QVERIFY2(form.match(id).hasMatch(), qPrintable(id));
            ids << id;
        }
        QCOMPARE(ids.size(), 5);
    }

    // --- batches ---

    void threeBatchesAtZeroHalfAndOnePointTwoSeconds()
    {
        auto responder = answering({});
        QVERIFY(responder);
        IOnvifDevice finder;
        // Long enough for a fourth batch to show, were there one.
        finder.getDevices(2500);
        const QList<OnvifResponder::Probe> probes = responder->probes();
        QCOMPARE(responder->probeCount(Destination::Multicast), 3);
        QCOMPARE(responder->probeCount(Destination::Broadcast), 3);
        QList<qint64> batchTimes;
        QSet<QString> ids;
        for (int i = 0; i < probes.size(); ++i) {
            if (probes[i].destination != Destination::Multicast)
                continue;
            batchTimes << probes[i].atMs;
            const QString id = messageIdOf(probes[i].text);
            ids << id;
            // The batch's broadcast follows its multicast, with the same message.
            bool broadcastAfter = false;
            for (int j = i + 1; j < probes.size(); ++j)
                broadcastAfter |= probes[j].destination == Destination::Broadcast && messageIdOf(probes[j].text) == id;
            QVERIFY2(broadcastAfter, qPrintable(QStringLiteral("batch %1").arg(batchTimes.size())));
        }
        QCOMPARE(ids.size(), 3);
        const qint64 start = batchTimes.first();
        QVERIFY2(qAbs(batchTimes[1] - start - 500) <= 150, qPrintable(QString::number(batchTimes[1] - start)));
        QVERIFY2(qAbs(batchTimes[2] - start - 1200) <= 150, qPrintable(QString::number(batchTimes[2] - start)));
    }

    void batchGoesOutInOrderWithoutHoldingTheCaller()
    {
        RecordingFinder finder;
        const QHostAddress office(QStringLiteral("10.9.9.255"));
        const QHostAddress lab(QStringLiteral("10.9.8.255"));
        finder.interfaces = {networkInterface(QStringLiteral("eth0"), {office, lab}),
                             networkInterface(QStringLiteral("VirtualBox Host-Only"), {QHostAddress("10.7.7.255")})};
        LogRecorder log;
        QVERIFY(finder.startDiscovery(2000));
        // The caller is back at once; the rest of the batch follows by timer.
        QCOMPARE(finder.targets, (QList<QHostAddress>{kGroup}));
        QTRY_COMPARE(finder.targets.size(), 4);
        QCOMPARE(finder.targets,
                 (QList<QHostAddress>{kGroup, QHostAddress(QHostAddress::Broadcast), office, lab}));
        QCOMPARE(QSet<QByteArray>(finder.messages.cbegin(), finder.messages.cend()).size(), 1);
        QTRY_COMPARE(log.count(QStringLiteral("Sent 2 directed probes")), 1);
        QCOMPARE(log.count(QStringLiteral("Sending probe batch 1")), 1);
        QCOMPARE(log.count(QStringLiteral("Next probe in 500 ms")), 1);
    }

    void pendingProbesEndWithTheirDiscoveryOrFinder()
    {
        // A discovery that times out at once still has its broadcast to send;
        // a new discovery must not send it with the old id.
        RecordingFinder finder;
        QSignalSpy finished(&finder, &IOnvifDevice::sgDiscoveryFinished);
        QVERIFY(finder.startDiscovery(0));
        QVERIFY(finished.wait(1000));
        QCOMPARE(finder.targets, (QList<QHostAddress>{kGroup}));
        QVERIFY(finder.startDiscovery(0));
        QTest::qWait(300);
        QCOMPARE(finder.targets, (QList<QHostAddress>{kGroup, kGroup, QHostAddress(QHostAddress::Broadcast)}));
        QCOMPARE(messageIdOf(finder.messages[2]), messageIdOf(finder.messages[1]));

        auto responder = answering({});
        QVERIFY(responder);
        auto* doomed = new IOnvifDevice;
        QVERIFY(doomed->startDiscovery(1000));
        delete doomed;
        QTest::qWait(300);
        QCOMPARE(responder->probeCount(Destination::Multicast), 1);
        QCOMPARE(responder->probeCount(Destination::Broadcast), 0);
    }

    void directedProbesSkipVirtualDownAndLoopbackInterfaces()
    {
        const QHostAddress wired(QStringLiteral("192.168.1.255"));
        const QHostAddress wireless(QStringLiteral("10.0.0.255"));
        const QList<IOnvifDevice::ProbeInterface> interfaces{
            networkInterface(QStringLiteral("Ethernet"), {wired, QHostAddress()}),
            networkInterface(QStringLiteral("VMware Network Adapter VMnet8"), {QHostAddress("192.168.2.255")}),
            networkInterface(QStringLiteral("VirtualBox Host-Only Network"), {QHostAddress("192.168.3.255")}),
            networkInterface(QStringLiteral("my VIRTUAL nic"), {QHostAddress("192.168.4.255")}),
            networkInterface(QStringLiteral("unplugged"), {QHostAddress("192.168.5.255")}, false),
            networkInterface(QStringLiteral("lo"), {QHostAddress("127.255.255.255")}, true, true),
            networkInterface(QStringLiteral("Wi-Fi"), {QHostAddress(), wireless}),
            networkInterface(QStringLiteral("point-to-point"), {QHostAddress()}),
        };
        QCOMPARE(IOnvifDevice::directedTargets(interfaces), (QList<QHostAddress>{wired, wireless}));
    }

    // --- answers ---

    void oneCameraWithEveryField()
    {
        Camera doc = camera(QStringLiteral("127.0.0.5"), QStringLiteral("Doc Cam"));
        doc.hardware = QStringLiteral("DC-7 Pro");
        doc.location = QStringLiteral("Room 4/Desk & Shelf");
        doc.type = QStringLiteral("video_encoder");
        doc.xaddrs = QStringLiteral("http://127.0.0.5:8080/onvif/device_service http://127.0.0.5/onvif/second");
        doc.manufacturer = QStringLiteral("Rorod");
        doc.model = QStringLiteral("V8");
        doc.serialNumber = QStringLiteral("SN-0042");
        doc.firmwareVersion = QStringLiteral("2.8.1");
        auto responder = answering({doc});
        QVERIFY(responder);
        IOnvifDevice finder;
        QSignalSpy found(&finder, &IOnvifDevice::sgDeviceFound);
        QSignalSpy finished(&finder, &IOnvifDevice::sgDiscoveryFinished);
        QSignalSpy findDevice(&finder, &IOnvifDevice::sgFindDevice);
        LogRecorder log;
        const QList<OnvifDevice> devices = finder.getDevices(400);
        QCOMPARE(devices.size(), 1);
        const OnvifDevice& device = devices.first();
        QCOMPARE(device.address, OnvifResponder::addressOf(doc));
        QCOMPARE(device.name, QStringLiteral("Doc Cam"));
        QCOMPARE(device.hardware, QStringLiteral("DC-7 Pro"));
        QCOMPARE(device.location, QStringLiteral("Room 4/Desk & Shelf"));
        QCOMPARE(device.types, QStringLiteral("video_encoder"));
        QCOMPARE(device.host, QHostAddress(QStringLiteral("127.0.0.5")));
        QCOMPARE(device.port, 8080);
        QCOMPARE(device.serviceAddresses, doc.xaddrs);
        QCOMPARE(device.manufacturer, QStringLiteral("Rorod"));
        QCOMPARE(device.model, QStringLiteral("V8"));
        QCOMPARE(device.serialNumber, QStringLiteral("SN-0042"));
        QCOMPARE(device.firmwareVersion, QStringLiteral("2.8.1"));

        QCOMPARE(found.size(), 1);
        // Found within the discovery: not one of the late ones.
        QCOMPARE(findDevice.size(), 0);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().first().value<QList<OnvifDevice>>().size(), 1);
        QVERIFY(finder.isFinished());
        QVERIFY(!finder.isDiscovering());
        QCOMPARE(log.count(QStringLiteral("found device: ") + device.address + QStringLiteral(" 127.0.0.5 Doc Cam")), 1);
        QCOMPARE(log.count(QStringLiteral("Discovery timeout reached")), 1);
    }

    void everyCameraListedOnce()
    {
        // Answers to two batches, one camera answering the broadcast probes
        // as well and one taking its time: each camera once.
        Camera slow = camera(QStringLiteral("127.0.0.7"), QStringLiteral("C"));
        slow.delayMs = 250;
        auto responder = answering({camera(QStringLiteral("127.0.0.5"), QStringLiteral("A")),
                                    camera(QStringLiteral("127.0.0.6"), QStringLiteral("B")), slow,
                                    camera(QStringLiteral("127.0.0.8"), QStringLiteral("D"), Behaviour::Duplicate)});
        QVERIFY(responder);
        IOnvifDevice finder;
        QSignalSpy found(&finder, &IOnvifDevice::sgDeviceFound);
        const QList<OnvifDevice> devices = finder.getDevices(800);
        QVERIFY2(responder->answerCount() >= 8, qPrintable(QString::number(responder->answerCount())));
        QCOMPARE(devices.size(), 4);
        QCOMPARE(found.size(), 4);
        const QList<QPair<QString, QString>> expected{{QStringLiteral("127.0.0.5"), QStringLiteral("A")},
                                                      {QStringLiteral("127.0.0.6"), QStringLiteral("B")},
                                                      {QStringLiteral("127.0.0.7"), QStringLiteral("C")},
                                                      {QStringLiteral("127.0.0.8"), QStringLiteral("D")}};
        for (const auto& host : expected) {
            const OnvifDevice* device = findHost(devices, host.first);
            QVERIFY2(device, qPrintable(host.first));
            QCOMPARE(device->name, host.second);
        }
    }

    void servicePortComesFromTheFirstServiceAddress()
    {
        Camera noPort = camera(QStringLiteral("127.0.0.5"));
        noPort.xaddrs = QStringLiteral("http://127.0.0.5/onvif/device_service");
        Camera otherPort = camera(QStringLiteral("127.0.0.6"));
        otherPort.xaddrs = QStringLiteral("http://127.0.0.6:8080/onvif/device_service");
        Camera none = camera(QStringLiteral("127.0.0.7"));
        none.hasXAddrs = false;
        Camera notUrl = camera(QStringLiteral("127.0.0.8"));
        notUrl.xaddrs = QStringLiteral("device_service http://127.0.0.8:81/");
        auto responder = answering({noPort, otherPort, none, notUrl});
        QVERIFY(responder);
        IOnvifDevice finder;
        const QList<OnvifDevice> devices = finder.getDevices(400);
        QCOMPARE(devices.size(), 4);
        QCOMPARE(findHost(devices, noPort.host)->port, -1);
        QCOMPARE(findHost(devices, noPort.host)->serviceAddresses, noPort.xaddrs);
        QCOMPARE(findHost(devices, otherPort.host)->port, 8080);
        QCOMPARE(findHost(devices, none.host)->port, 80);
        QCOMPARE(findHost(devices, none.host)->serviceAddresses, QString());
        QCOMPARE(findHost(devices, notUrl.host)->port, 80);
        QCOMPARE(findHost(devices, notUrl.host)->serviceAddresses, QString());
    }

    void brokenAnswersKeepOnlyWhatNamesADevice()
    {
        auto responder = answering({camera(QStringLiteral("127.0.0.5"), QStringLiteral("Fine")),
                                    camera(QStringLiteral("127.0.0.6"), QStringLiteral("Cut"), Behaviour::Malformed),
                                    camera(QStringLiteral("127.0.0.7"), QStringLiteral("Nameless"), Behaviour::NoAddress),
                                    camera(QStringLiteral("127.0.0.8"), QStringLiteral("Noise"), Behaviour::Garbage)});
        QVERIFY(responder);
        IOnvifDevice finder;
        const QList<OnvifDevice> devices = finder.getDevices(400);
        QCOMPARE(devices.size(), 2);
        QCOMPARE(findHost(devices, QStringLiteral("127.0.0.5"))->name, QStringLiteral("Fine"));
        // Cut off after its address: the address stays, the scopes never came.
        const OnvifDevice* cut = findHost(devices, QStringLiteral("127.0.0.6"));
        QVERIFY(cut);
        QCOMPARE(cut->address, OnvifResponder::addressOf(camera(QStringLiteral("127.0.0.6"))));
        QCOMPARE(cut->name, QString());
        QCOMPARE(cut->port, 80);
    }

    void answerIsReadForItsEndpointOnly()
    {
        const Camera first = camera(QStringLiteral("127.0.0.5"), QStringLiteral("First"));
        const QByteArray plain = OnvifResponder::answer(first, QStringLiteral("uuid:{x}"));
        // Some cameras name a reply address in the header; it is no device.
        QByteArray withReplyTo = plain;
        withReplyTo.replace("</wsa:Action>",
                            "</wsa:Action><wsa:ReplyTo><wsa:Address>http://schemas.xmlsoap.org/ws/2004/08/"
                            "addressing/role/anonymous</wsa:Address></wsa:ReplyTo>");
        OnvifDevice device;
        QVERIFY(IOnvifDevice::parseAnswer(withReplyTo, &device));
        QCOMPARE(device.address, OnvifResponder::addressOf(first));
        // A second match in the same answer does not blend into the first.
        const QByteArray second = OnvifResponder::answer(camera(QStringLiteral("127.0.0.6"), QStringLiteral("Second")),
                                                         QStringLiteral("uuid:{x}"));
        const auto match = [](const QByteArray& answer) {
            const int from = answer.indexOf("<d:ProbeMatch>");
            return answer.mid(from, answer.indexOf("</d:ProbeMatch>") + 15 - from);
        };
        QByteArray two = plain;
        two.replace("</d:ProbeMatch>", "</d:ProbeMatch>" + match(second));
        QByteArray lessFirst = two;
        lessFirst.replace("onvif://www.onvif.org/name/First", "");
        OnvifDevice blended;
        QVERIFY(IOnvifDevice::parseAnswer(lessFirst, &blended));
        QCOMPARE(blended.address, OnvifResponder::addressOf(first));
        QCOMPARE(blended.name, QString());
        // Cameras that leave their prefixes undeclared are still understood.
        QByteArray undeclared = plain;
        undeclared.replace("xmlns:d=", "xmlns:unused=");
        OnvifDevice lenient;
        QVERIFY(IOnvifDevice::parseAnswer(undeclared, &lenient));
        QCOMPARE(lenient.name, QStringLiteral("First"));
    }

    void lateAnswerArrivesAfterTheDiscovery()
    {
        Camera late = camera(QStringLiteral("127.0.0.5"), QStringLiteral("Slow"));
        late.delayMs = 700;
        auto responder = answering({late});
        QVERIFY(responder);
        IOnvifDevice finder;
        QSignalSpy findDevice(&finder, &IOnvifDevice::sgFindDevice);
        QSignalSpy exitLoop(&finder, &IOnvifDevice::sgExitLoop);
        QSignalSpy found(&finder, &IOnvifDevice::sgDeviceFound);
        QVERIFY(finder.getDevices(300).isEmpty());
        QVERIFY(findDevice.isEmpty());
        QVERIFY(findDevice.wait(3000));
        QCOMPARE(findDevice.size(), 1);
        QCOMPARE(findDevice.first().first().value<OnvifDevice>().name, QStringLiteral("Slow"));
        QCOMPARE(exitLoop.size(), 1);
        QCOMPARE(found.size(), 1);
        QCOMPARE(finder.devices().size(), 1);
        QCOMPARE(finder.devices().first().host, QHostAddress(late.host));
    }

    void slotMayStartADiscoveryOfItsOwn()
    {
        // Told of a late camera, the program looks again at once; that
        // discovery hears its answers although it runs inside our signal.
        Camera late = camera(QStringLiteral("127.0.0.6"), QStringLiteral("Slow"));
        late.delayMs = 600;
        auto responder = answering({camera(QStringLiteral("127.0.0.5"), QStringLiteral("Quick")), late});
        QVERIFY(responder);
        IOnvifDevice finder;
        QList<OnvifDevice> again;
        bool looked = false;
        connect(&finder, &IOnvifDevice::sgFindDevice, this, [&](const OnvifDevice&) {
            if (!looked) {
                looked = true;
                again = finder.getDevices(300);
            }
        });
        QCOMPARE(finder.getDevices(300).size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(looked, 3000);
        QCOMPARE(again.size(), 1);
        QCOMPARE(again.first().name, QStringLiteral("Quick"));
    }

    void secondCallWhileDiscoveringReturnsWhatIsFound()
    {
        auto responder = answering({camera(QStringLiteral("127.0.0.5"), QStringLiteral("Early"))});
        QVERIFY(responder);
        IOnvifDevice finder;
        QSignalSpy found(&finder, &IOnvifDevice::sgDeviceFound);
        QVERIFY(finder.startDiscovery(3000));
        QVERIFY(found.wait(2000));
        LogRecorder log;
        const QList<OnvifDevice> partial = finder.getDevices(5000);
        QCOMPARE(partial.size(), 1);
        QCOMPARE(partial.first().name, QStringLiteral("Early"));
        // Back at once: the first discovery still runs.
        QVERIFY(finder.isDiscovering());
        QVERIFY(!finder.startDiscovery(1000));
        QCOMPARE(log.count(QStringLiteral("Discovery is already in progress")), 2);
    }

    void discoveryThatCannotRunEndsAtOnce()
    {
        IOnvifDevice finder;
        {
            // Without a multicast route the group cannot be joined.
            struct RouteBack
            {
                ~RouteBack() { std::system("ip route replace 224.0.0.0/4 dev lo"); }
            } routeBack;
            LogRecorder log;
            QCOMPARE(std::system("ip route del 224.0.0.0/4 dev lo"), 0);
            const QList<OnvifDevice> devices = finder.getDevices(60000);
            QVERIFY(devices.isEmpty());
            QCOMPARE(log.count(QStringLiteral("Failed to join multicast group")), 1);
            QVERIFY(!finder.isDiscovering());
        }
        // The next one works, and a negative time ends it rather than never.
        QSignalSpy finished(&finder, &IOnvifDevice::sgDiscoveryFinished);
        QVERIFY(finder.startDiscovery(-1));
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 1000);
        QVERIFY(finder.isFinished());
    }

    void finderDeletedDuringGetDevicesReturnsWhatItFound()
    {
        auto responder = answering({camera(QStringLiteral("127.0.0.5"), QStringLiteral("Kept"))});
        QVERIFY(responder);
        auto* finder = new IOnvifDevice;
        QTimer::singleShot(200, finder, [finder] { delete finder; });
        const QList<OnvifDevice> devices = finder->getDevices(60000);
        QCOMPARE(devices.size(), 1);
        QCOMPARE(devices.first().name, QStringLiteral("Kept"));
    }

    // --- bounds ---

    void strangersCannotMakeItKeepMore()
    {
        QList<Camera> crowd;
        for (int i = 1; i <= 100; ++i)
            crowd << camera(QStringLiteral("127.0.1.%1").arg(i), QStringLiteral("Cam %1").arg(i));
        Camera wordy = camera(QStringLiteral("127.0.2.1"), QString(3000, QLatin1Char('N')));
        wordy.manufacturer = QString(5000, QLatin1Char('M'));
        {
            auto responder = answering(crowd);
            QVERIFY(responder);
            IOnvifDevice finder;
            QSignalSpy found(&finder, &IOnvifDevice::sgDeviceFound);
            LogRecorder log;
            const QList<OnvifDevice> devices = finder.getDevices(800);
            QCOMPARE(devices.size(), 64);
            QCOMPARE(found.size(), 64);
            QSet<QString> addresses;
            for (const OnvifDevice& device : devices)
                addresses << device.address;
            QCOMPARE(addresses.size(), 64);
            QCOMPARE(log.count(QStringLiteral("at most 64")), 1);
        }
        auto responder = answering({wordy});
        QVERIFY(responder);
        IOnvifDevice finder;
        const QList<OnvifDevice> devices = finder.getDevices(400);
        QCOMPARE(devices.size(), 1);
        QCOMPARE(devices.first().name, QString(1024, QLatin1Char('N')));
        QCOMPARE(devices.first().manufacturer, QString(1024, QLatin1Char('M')));
    }
};

VESKAROO_NETWORK_TEST_MAIN(TestOnvifDevice)
#include "tst_onvifdevice.moc"
