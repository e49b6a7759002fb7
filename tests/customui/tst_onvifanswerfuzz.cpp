// Discovery answers come from anyone on the network: thousands of mangled
// real answers and a few hostile documents must neither crash nor hang the
// finder, nor make it keep more than its bounds.
#include "common/onvifresponder.h"
#include "common/testenv.h"

#include "customui/onvif/ionvifdevice.h"

#include <random>
#include <sys/resource.h>

namespace {

using Camera = OnvifResponder::Device;

const QHostAddress kSender(QStringLiteral("127.0.0.9"));

QList<QByteArray> realAnswers()
{
    Camera full;
    full.host = QStringLiteral("127.0.0.5");
    full.name = QStringLiteral("Doc Cam");
    full.hardware = QStringLiteral("DC-7");
    full.location = QStringLiteral("Room 4");
    full.xaddrs = QStringLiteral("http://127.0.0.5:8080/onvif/device_service http://[::1]/onvif");
    full.manufacturer = QStringLiteral("Rorod");
    full.model = QStringLiteral("V8");
    full.serialNumber = QStringLiteral("SN-1");
    full.firmwareVersion = QStringLiteral("1.0");
    Camera bare;
    bare.host = QStringLiteral("127.0.0.6");
    bare.hasXAddrs = false;
    Camera cut = full;
    cut.behaviour = OnvifResponder::Behaviour::Malformed;
    const QString id = QStringLiteral("uuid:{6f1c7e0b-8a11-4c3e-9d0e-5f0c6a522d51}");
    return {OnvifResponder::answer(full, id), OnvifResponder::answer(bare, id), OnvifResponder::answer(cut, id)};
}

// Parses `datagram` as an answer from kSender; `broken` tells which bound
// or promise the result broke, if any.
bool parseBounded(const QByteArray& datagram, QString* broken)
{
    OnvifDevice device;
    device.host = kSender;
    const bool parsed = IOnvifDevice::parseAnswer(datagram, &device);
    const QStringList fields{device.address,      device.types, device.name,         device.hardware,
                             device.location,     device.serviceAddresses,           device.manufacturer,
                             device.model,        device.serialNumber,               device.firmwareVersion};
    for (const QString& field : fields) {
        if (field.size() > 1024)
            *broken = QStringLiteral("a field of %1 characters").arg(field.size());
    }
    if (parsed && device.address.isEmpty())
        *broken = QStringLiteral("parsed without an address");
    if (!parsed && (!device.address.isEmpty() || !device.name.isEmpty()))
        *broken = QStringLiteral("a refused answer changed the device");
    if (device.host != kSender || device.port < -1 || device.port > 65535)
        *broken = QStringLiteral("host or port out of range");
    if (!broken->isEmpty())
        *broken += QStringLiteral(" from: ") + QString::fromLatin1(datagram.left(300).toPercentEncoding(" <>/:=\"\'"));
    return parsed;
}

QByteArray insideAnswer(const QByteArray& answer, const QByteArray& before, const QByteArray& inner)
{
    QByteArray result = answer;
    result.replace(before, inner + before);
    return result;
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

class TestOnvifAnswerFuzz : public QObject
{
    Q_OBJECT

private slots:
    void mangledAnswersStayWithinBounds()
    {
        const QList<QByteArray> seeds = realAnswers();
        QString broken;
        for (const QByteArray& seed : seeds)
            QVERIFY(parseBounded(seed, &broken));
        std::mt19937 random(20240611u);
        auto below = [&random](int n) { return n <= 0 ? 0 : int(random() % unsigned(n)); };
        int parsed = 0;
        int refused = 0;
        const int rounds = 20000;
        for (int round = 0; round < rounds; ++round) {
            QByteArray data = seeds[below(seeds.size())];
            const int mutations = 1 + below(4);
            for (int m = 0; m < mutations && !data.isEmpty(); ++m) {
                const int at = below(data.size());
                switch (below(7)) {
                case 0: data[at] = char(data[at] ^ (1 << below(8))); break;
                case 1: data.truncate(at); break;
                case 2: data.insert(at, '<'); break;
                case 3: data.insert(at, char(below(256))); break;
                case 4: data.remove(at, 1 + below(64)); break;
                case 5: data.insert(at, data.mid(below(data.size()), 1 + below(256))); break;
                default: data.insert(at, seeds[below(seeds.size())].mid(below(500), 1 + below(500))); break;
                }
            }
            const bool ok = parseBounded(data, &broken);
            QVERIFY2(broken.isEmpty(), qPrintable(broken));
            ++(ok ? parsed : refused);
        }
        // Both ways were taken, or the mutations taught nothing.
        QVERIFY2(parsed > rounds / 10, qPrintable(QString::number(parsed)));
        QVERIFY2(refused > rounds / 10, qPrintable(QString::number(refused)));
    }

    void hostileDocumentsAreRefusedOrBounded()
    {
        const QByteArray answer = realAnswers().first();
        OnvifDevice device;
        QString broken;
        const auto parses = [&broken](const QByteArray& datagram) {
            const bool parsed = parseBounded(datagram, &broken);
            if (!broken.isEmpty())
                qWarning().noquote() << broken;
            return parsed && broken.isEmpty();
        };
        const auto refuses = [&broken](const QByteArray& datagram) {
            const bool parsed = parseBounded(datagram, &broken);
            if (!broken.isEmpty())
                qWarning().noquote() << broken;
            return !parsed && broken.isEmpty();
        };

        // Deep nesting, around the answer and inside one of its fields.
        QVERIFY(refuses(insideAnswer(answer, "<d:ProbeMatches>", QByteArray("<x>").repeated(20000))));
        QVERIFY(parses(insideAnswer(answer, "</d:Scopes>", QByteArray("<x>").repeated(20000))));
        QVERIFY(refuses(QByteArray("<a>").repeated(21000)));

        // Huge text is cut to the bound.
        const QByteArray longName = "onvif://www.onvif.org/name/" + QByteArray(60000, 'N');
        QByteArray wordy = answer;
        wordy.replace("onvif://www.onvif.org/name/Doc%20Cam", longName);
        QVERIFY(IOnvifDevice::parseAnswer(wordy, &device));
        QCOMPARE(device.name.size(), 1024);

        // Beyond what one datagram carries: refused whole.
        QByteArray padded = answer;
        padded.append(QByteArray(70000 - answer.size(), ' '));
        QVERIFY(!IOnvifDevice::parseAnswer(padded, &device));

        // Entities: a billion laughs, an external file and an undeclared one.
        QByteArray laughs = "<?xml version=\"1.0\"?><!DOCTYPE a [<!ENTITY l0 \"lol\">";
        for (int i = 1; i < 10; ++i)
            laughs += QStringLiteral("<!ENTITY l%1 \"%2\">")
                          .arg(i)
                          .arg(QStringLiteral("&l%1;").arg(i - 1).repeated(10))
                          .toUtf8();
        laughs += "]>" + answer.mid(answer.indexOf("<SOAP-ENV:Envelope"));
        laughs.replace("onvif://www.onvif.org/name/Doc%20Cam", "onvif://www.onvif.org/name/&l9;");
        laughs.replace("<wsa:Address>", "<wsa:Address>&l9;");
        const long before = peakKilobytes();
        OnvifDevice laughing;
        IOnvifDevice::parseAnswer(laughs, &laughing);
        QVERIFY(!laughing.address.contains(QLatin1String("lol")));
        QVERIFY(!laughing.name.contains(QLatin1String("lol")));
        QVERIFY2(peakKilobytes() - before < 64 * 1024, qPrintable(QString::number(peakKilobytes() - before)));

        QByteArray external = "<?xml version=\"1.0\"?><!DOCTYPE a [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
            + answer.mid(answer.indexOf("<SOAP-ENV:Envelope"));
        external.replace("<wsa:Address>", "<wsa:Address>&x;");
        OnvifDevice outside;
        IOnvifDevice::parseAnswer(external, &outside);
        QVERIFY(!outside.address.contains(QLatin1String("root")));

        QByteArray undeclared = answer;
        undeclared.replace("<wsa:Address>", "<wsa:Address>&nothing;");
        QVERIFY(refuses(undeclared));
        QVERIFY(refuses(QByteArray()));
        QVERIFY(refuses(QByteArray(65536, '\0')));
    }
};

VESKAROO_TEST_MAIN(TestOnvifAnswerFuzz)
#include "tst_onvifanswerfuzz.moc"
