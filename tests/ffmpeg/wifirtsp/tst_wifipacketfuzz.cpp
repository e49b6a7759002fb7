// Whatever a camera (or anything posing as one) sends, the packet parser
// neither crashes nor holds more than one picture's worth of bytes: random
// bytes, mutated and cut replies, absurd sizes, in every kind of cut.
#include "common/testenv.h"

#include "ffmpeg/wifirtsp/iwificontrolprotocol.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtEndian>

#include <cstdio>
#include <random>

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

// Replies of every kind the camera sends, as seeds for mutation.
QList<QByteArray> seeds()
{
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    QByteArray size(4, '\0');
    qToLittleEndian<quint32>(quint32(jpeg.size()), size.data());
    return {
        hex("12 80 01 00 00"),
        hex("12 80 04 00 00 01"),
        hex("12 80 06 00 00 01 00 1e 08 00 00 00 00"),
        hex("12 80 08 00 00 80 40 50 05 01 30 60 00"),
        hex("0f 0f 10 00 00 01 00 1e 02 00 00 00 00"),
        hex("12 80 09 00 00") + size + jpeg,
        hex("12 80 09 00 00 ff ff ff ff"),
    };
}

} // namespace

class TestWifiPacketFuzz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The parser's logging is not what is tested here.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    }

    void anyBytesAreSurvived()
    {
        std::mt19937 random(20261209);
        std::uniform_int_distribution<int> byte(0, 255);
        const QList<QByteArray> replies = seeds();
        QElapsedTimer clock;
        clock.start();
        int rounds = 0;
        int pictures = 0;
        // A few seconds at most, also under the sanitizers.
        while (clock.elapsed() < 3000 && rounds < 20000) {
            ++rounds;
            IWifiControlProtocol protocol;
            connect(&protocol, &IWifiControlProtocol::sgPicture, this, [&pictures](const QImage& p) {
                pictures += p.isNull() ? 0 : 1;
            });
            if (random() % 4 != 0)
                protocol.receive(hex("1280"));
            QByteArray stream;
            for (int n = int(random() % 8); n >= 0; --n) {
                QByteArray piece = replies.at(int(random() % replies.size()));
                switch (random() % 5) {
                case 0: // flipped bytes
                    for (int k = int(random() % 4); k >= 0; --k)
                        piece[int(random() % piece.size())] = char(byte(random));
                    break;
                case 1: // cut short
                    piece.truncate(int(random() % piece.size()));
                    break;
                case 2: // pure noise
                    piece.resize(int(random() % 64));
                    for (char& c : piece)
                        c = char(byte(random));
                    break;
                default: break;
                }
                stream += piece;
            }
            // Fed in random cuts, with stalls now and then.
            for (int i = 0; i < stream.size();) {
                const int cut = 1 + int(random() % 16);
                protocol.receive(stream.mid(i, cut));
                i += cut;
                if (random() % 50 == 0)
                    protocol.readStalled();
            }
            protocol.Unpacket(stream.left(int(random() % (stream.size() + 1))));
            protocol.readStalled();
        }
        std::printf("fuzz: %d rounds, %d pictures decoded\n", rounds, pictures);
        QVERIFY(rounds > 100);
        // Untouched pictures among the mutations still come through.
        QVERIFY(pictures > 0);
    }
};

VESKAROO_TEST_MAIN(TestWifiPacketFuzz)
#include "tst_wifipacketfuzz.moc"
