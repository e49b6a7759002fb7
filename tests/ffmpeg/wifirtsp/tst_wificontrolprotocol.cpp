// The Wi-Fi camera's control protocol: binding, the packets of every
// command, the replies and what is kept of them, the lamp cycle, and how the
// byte stream is cut into packets (split, joined, oversized, half-sent).
#include "common/logrecorder.h"
#include "common/testenv.h"

#include "ffmpeg/wifirtsp/iwificontrolprotocol.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QtEndian>

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

// A bound protocol with client id 12 80.
void bind(IWifiControlProtocol& protocol)
{
    protocol.receive(hex("1280"));
    QVERIFY(protocol.isBound());
}

QByteArray jpeg(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

QByteArray pictureReply(const QByteArray& id, const QByteArray& data, quint32 declared)
{
    QByteArray size(4, '\0');
    qToLittleEndian<quint32>(declared, size.data());
    return id + hex("090000") + size + data;
}

QByteArray pictureReply(const QByteArray& id, const QByteArray& data)
{
    return pictureReply(id, data, quint32(data.size()));
}

const QByteArray kQualityReply = hex("12 80 08 00 00 80 40 50 05 01 30 60 00");

} // namespace

class TestWifiControlProtocol : public QObject
{
    Q_OBJECT

private slots:
    // --- binding ---------------------------------------------------------------

    void bindingReplyGivesClientIdAndTransport_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("tcp");
        QTest::newRow("12 80: TCP") << hex("1280") << true;
        QTest::newRow("12 00: UDP") << hex("1200") << false;
    }

    void bindingReplyGivesClientIdAndTransport()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, tcp);
        LogRecorder log;
        IWifiControlProtocol protocol;
        QSignalSpy bound(&protocol, &IWifiControlProtocol::sgBound);
        QVERIFY(protocol.isBindingPending());
        protocol.receive(reply);
        QVERIFY(!protocol.isBindingPending());
        QCOMPARE(protocol.clientId(), reply);
        QCOMPARE(protocol.rtspOverTcp(), tcp);
        QCOMPARE(bound.count(), 1);
        QCOMPARE(bound.first().first().toBool(), true);
        QCOMPARE(log.count("bind port success: "), 1);
        QCOMPARE(log.count(tcp ? "rtsp TCP---->" : "rtsp UDP---->"), 1);
        // Commands now carry the id.
        QCOMPARE(protocol.buildPacket(IWifiControlProtocol::QueryEncoding), reply + hex("06000bf1f40e"));
    }

    void bindingReplyMayArriveInTwoReads()
    {
        IWifiControlProtocol protocol;
        protocol.receive(hex("12"));
        QVERIFY(protocol.isBindingPending());
        protocol.receive(hex("80"));
        QCOMPARE(protocol.clientId(), hex("1280"));
    }

    void aFirstAnswerOfAnotherLengthIsNoBinding()
    {
        LogRecorder log;
        IWifiControlProtocol protocol;
        QSignalSpy bound(&protocol, &IWifiControlProtocol::sgBound);
        QSignalSpy resolution(&protocol, &IWifiControlProtocol::sgResolutionChanged);
        protocol.receive(hex("128000"));
        QVERIFY(!protocol.isBindingPending());
        QVERIFY(!protocol.isBound());
        QCOMPARE(bound.first().first().toBool(), false);
        QCOMPARE(log.count("bind port error."), 1);
        // Later replies fail the client-id check; commands go without an id.
        protocol.receive(hex("12 80 06 00 00 01 00 1e 08 00 00 00 00"));
        QCOMPARE(resolution.count(), 0);
        QCOMPARE(protocol.buildPacket(IWifiControlProtocol::AutoFocus), hex("010002f3fd0c"));
        // A new connection binds again.
        protocol.reset();
        protocol.receive(hex("1300"));
        QCOMPARE(protocol.clientId(), hex("1300"));
    }

    // --- packets to the camera ----------------------------------------------------

    void everyCommandHasItsHeader_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("1 autofocus") << 1 << hex("010002f3fd0c");
        QTest::newRow("2 top lamp") << 2 << hex("020002f9fd06");
        QTest::newRow("3 wall lamp") << 3 << hex("030002fafd05");
        QTest::newRow("4 lamp state") << 4 << hex("04000af0f50f");
        QTest::newRow("5 set encoding") << 5 << hex("05000bf0f40f");
        QTest::newRow("6 query encoding") << 6 << hex("06000bf1f40e");
        QTest::newRow("7 set quality") << 7 << hex("07000bf2f40d");
        QTest::newRow("8 current quality") << 8 << hex("08000bf3f40c");
        QTest::newRow("9 default quality") << 9 << hex("08000bf4f40b");
        QTest::newRow("10 take picture") << 10 << hex("09000bf5f40a");
    }

    void everyCommandHasItsHeader()
    {
        QFETCH(int, command);
        QFETCH(QByteArray, header);
        const QByteArray packet = IWifiControlProtocol::buildPacket(hex("1280"), command);
        QCOMPARE(packet, hex("1280") + header);
        // Bytes 4-5 of a header are the complement of bytes 2-3.
        QCOMPARE(quint8(header[4]), quint8(~header[2]));
        QCOMPARE(quint8(header[5]), quint8(~header[3]));
        QCOMPARE(IWifiControlProtocol::buildPacket(hex("1280"), command, 1), packet + hex("01"));
    }

    void onlyTheTenCommandsExist()
    {
        QVERIFY(IWifiControlProtocol::buildPacket(hex("1280"), 0).isEmpty());
        QVERIFY(IWifiControlProtocol::buildPacket(hex("1280"), 11).isEmpty());
    }

    void brightnessSixteenSendsTheWholeQualityRecord()
    {
        IWifiControlProtocol protocol;
        // Nothing before binding, nothing before the camera told its record.
        QVERIFY(protocol.qualityPacket(IWifiControlProtocol::Brightness, 16).isEmpty());
        bind(protocol);
        QVERIFY(protocol.qualityPacket(IWifiControlProtocol::Brightness, 16).isEmpty());
        protocol.receive(kQualityReply);
        QCOMPARE(protocol.qualityPacket(IWifiControlProtocol::Brightness, 16), hex("1280 07000bf2f40d 10 40 50 05 01 30 60 00"));
        // The record remembers it; the next field joins it.
        QCOMPARE(protocol.qualityPacket(IWifiControlProtocol::Focus, 255), hex("1280 07000bf2f40d 10 40 50 05 01 30 ff 00"));
    }

    void resolutionIndexTable()
    {
        const QList<QSize> sizes = IWifiControlProtocol::supportedResolutions();
        QCOMPARE(sizes.size(), 11);
        QCOMPARE(sizes.first(), QSize(320, 240));
        QCOMPARE(sizes.last(), QSize(3264, 2448));
        QCOMPARE(IWifiControlProtocol::resolutionIndex(QSize(1920, 1080)), 8);
        QCOMPARE(IWifiControlProtocol::resolutionIndex(QSize(1280, 720)), 5);
        QCOMPARE(IWifiControlProtocol::resolutionIndex(QSize(3840, 2160)), 0);
        QCOMPARE(IWifiControlProtocol::resolutionSize(9), QSize(2592, 1944));
        QCOMPARE(IWifiControlProtocol::resolutionSize(0x0b), QSize(320, 240));
    }

    void lampButtonCycles()
    {
        IWifiControlProtocol protocol;
        int step = -1;
        // Before binding a lamp step still goes out, without a client id.
        QCOMPARE(protocol.nextLampStep(&step), QList<QByteArray>{hex("020002f9fd06 01")});
        QCOMPARE(step, 1);
        bind(protocol);
        const QList<QList<QByteArray>> expected = {
            {hex("1280 030002fafd05 01")},
            {hex("1280 030002fafd05 02")},
            {hex("1280 030002fafd05 03")},
            {hex("1280 020002f9fd06 00"), hex("1280 030002fafd05 00")},
            {hex("1280 020002f9fd06 01")},
        };
        const QList<int> steps = {2, 3, 4, 0, 1};
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(protocol.nextLampStep(&step), expected[i]);
            QCOMPARE(step, steps[i]);
        }
    }

    // --- replies --------------------------------------------------------------------

    void encodingReplySwitchesTheResolution()
    {
        LogRecorder log;
        IWifiControlProtocol protocol;
        protocol.setResolution(QSize(1280, 720));
        bind(protocol);
        QSignalSpy changed(&protocol, &IWifiControlProtocol::sgResolutionChanged);
        protocol.receive(hex("12 80 06 00 00 01 00 1e 08 00 00 00 00"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toSize(), QSize(1920, 1080));
        QCOMPARE(protocol.resolution(), QSize(1920, 1080));
        QCOMPARE(log.count("start app sync resolution: "), 1);
        // Rate control and IDR from the camera, 30 frames, the size's index, any bit rate.
        QCOMPARE(protocol.encodeRecord(), hex("01 00 1e 08 ff ff ff ff"));
        // The same size again changes nothing.
        protocol.receive(hex("12 80 06 00 00 01 00 1e 08 00 00 00 00"));
        QCOMPARE(changed.count(), 1);
        // Choosing a size sends the record with its index.
        QCOMPARE(protocol.resolutionPacket(QSize(640, 480)), hex("1280 05000bf0f40f 01 00 1e 02 ff ff ff ff"));
    }

    void anotherAppChangingTheResolutionIsFollowed()
    {
        LogRecorder log;
        IWifiControlProtocol protocol;
        protocol.setResolution(QSize(1920, 1080));
        bind(protocol);
        QSignalSpy changed(&protocol, &IWifiControlProtocol::sgResolutionChanged);
        protocol.receive(hex("0f 0f 10 00 00 01 00 1e 02 00 00 00 00"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toSize(), QSize(640, 480));
        QCOMPARE(log.count("other app chaneg resolution: "), 1);
        protocol.receive(hex("0f 0f 10 00 00 01 00 1e 02 00 00 00 00"));
        QCOMPARE(changed.count(), 1);
    }

    void qualityRepliesGiveDefaultsThenCurrentValues()
    {
        LogRecorder log;
        IWifiControlProtocol protocol;
        bind(protocol);
        QSignalSpy sent(&protocol, &IWifiControlProtocol::sgSend);
        protocol.receive(kQualityReply);
        QCOMPARE(protocol.defaultValue(IWifiControlProtocol::Brightness), 0x80);
        QCOMPARE(protocol.defaultValue(IWifiControlProtocol::Saturation), 0x40);
        QCOMPARE(protocol.defaultValue(IWifiControlProtocol::Contrast), 0x50);
        QCOMPARE(protocol.defaultValue(IWifiControlProtocol::Exposure), 0x30);
        QCOMPARE(protocol.defaultValue(IWifiControlProtocol::Focus), 0x60);
        QVERIFY(!protocol.currentValuesKnown());
        // The defaults are followed by the question for the current values.
        QCOMPARE(sent.count(), 1);
        QCOMPARE(sent.first().first().toByteArray(), hex("1280 08000bf3f40c"));
        QCOMPARE(log.count("获取摄像头默认参数: "), 1);

        protocol.receive(hex("12 80 08 00 00 70 44 52 05 01 33 61 00"));
        QVERIFY(protocol.currentValuesKnown());
        QCOMPARE(protocol.currentValue(IWifiControlProtocol::Brightness), 0x70);
        QCOMPARE(protocol.currentValue(IWifiControlProtocol::Focus), 0x61);
        QCOMPARE(protocol.defaultValue(IWifiControlProtocol::Brightness), 0x80);
        QCOMPARE(log.count("获取摄像头当前参数: "), 1);

        protocol.receive(hex("12 80 08 00 00 01 02 03 04 05 06 07 08"));
        QCOMPARE(protocol.currentValue(IWifiControlProtocol::Brightness), 0x70);
        QCOMPARE(protocol.defaultValue(IWifiControlProtocol::Brightness), 0x80);
        QCOMPARE(sent.count(), 1);
    }

    void wrongClientIdAndUnknownIndexAreLoggedAndIgnored()
    {
        LogRecorder log;
        IWifiControlProtocol protocol;
        bind(protocol);
        QSignalSpy changed(&protocol, &IWifiControlProtocol::sgResolutionChanged);
        protocol.Unpacket(hex("13 80 06 00 00 01 00 1e 08 00 00 00 00"));
        protocol.Unpacket(hex("12 80 42 00 00"));
        QCOMPARE(log.count("invalid tcp packet. clientid: "), 1);
        QCOMPARE(log.count("invalid tcp packet. cmdindex: "), 1);
        QCOMPARE(changed.count(), 0);
    }

    // --- the byte stream ----------------------------------------------------------

    void picturesComeWholeHoweverTheyAreCut_data()
    {
        QTest::addColumn<int>("pieceSize");
        QTest::newRow("one read, header and picture together") << 0;
        QTest::newRow("header read alone, then the rest") << 9;
        QTest::newRow("seven bytes at a time") << 7;
        QTest::newRow("byte by byte") << 1;
    }

    void picturesComeWholeHoweverTheyAreCut()
    {
        QFETCH(int, pieceSize);
        IWifiControlProtocol protocol;
        bind(protocol);
        QSignalSpy pictures(&protocol, &IWifiControlProtocol::sgPicture);
        const QByteArray reply = pictureReply(hex("1280"), jpeg(QSize(64, 48)));
        if (pieceSize == 0) {
            protocol.receive(reply);
        } else if (pieceSize == 9) {
            protocol.receive(reply.left(9));
            protocol.receive(reply.mid(9));
        } else {
            for (int i = 0; i < reply.size(); i += pieceSize)
                protocol.receive(reply.mid(i, pieceSize));
        }
        QCOMPARE(pictures.count(), 1);
        QCOMPARE(pictures.first().first().value<QImage>().size(), QSize(64, 48));
    }

    void repliesJoinedInOneReadAreEachHandled()
    {
        IWifiControlProtocol protocol;
        protocol.setResolution(QSize(1280, 720));
        bind(protocol);
        QSignalSpy changed(&protocol, &IWifiControlProtocol::sgResolutionChanged);
        QSignalSpy pictures(&protocol, &IWifiControlProtocol::sgPicture);
        const QByteArray joined = hex("12 80 07 00 00") + hex("12 80 06 00 00 01 00 1e 08 00 00 00 00")
            + kQualityReply + pictureReply(hex("1280"), jpeg(QSize(32, 32))) + hex("12 80 01 00 00");
        // Cut in an awkward place as well.
        protocol.receive(joined.left(20));
        protocol.receive(joined.mid(20));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(protocol.defaultValue(IWifiControlProtocol::Brightness), 0x80);
        QCOMPARE(pictures.count(), 1);
        QVERIFY(!pictures.first().first().value<QImage>().isNull());
    }

    void anAbsurdPictureSizeIsRefusedAndTheStreamResynchronised()
    {
        LogRecorder log;
        IWifiControlProtocol protocol;
        bind(protocol);
        QSignalSpy pictures(&protocol, &IWifiControlProtocol::sgPicture);
        protocol.receive(pictureReply(hex("1280"), QByteArray(100, 'x'), IWifiControlProtocol::kMaxPictureBytes + 1));
        QCOMPARE(pictures.count(), 1);
        QVERIFY(pictures.first().first().value<QImage>().isNull());
        QCOMPARE(log.count("picture size refused: "), 1);
        // The next reply is understood again.
        protocol.receive(kQualityReply);
        QCOMPARE(protocol.defaultValue(IWifiControlProtocol::Brightness), 0x80);
        protocol.receive(pictureReply(hex("1280"), jpeg(QSize(16, 16))));
        QCOMPARE(pictures.count(), 2);
        QVERIFY(!pictures.last().first().value<QImage>().isNull());
    }

    void aPictureThatStopsHalfWayFailsAndTheNextOneWorks()
    {
        IWifiControlProtocol protocol;
        bind(protocol);
        QSignalSpy pictures(&protocol, &IWifiControlProtocol::sgPicture);
        const QByteArray reply = pictureReply(hex("1280"), jpeg(QSize(40, 30)));
        protocol.receive(reply.left(reply.size() / 2));
        QCOMPARE(pictures.count(), 0);
        protocol.readStalled();
        QCOMPARE(pictures.count(), 1);
        QVERIFY(pictures.first().first().value<QImage>().isNull());
        protocol.receive(reply);
        QCOMPARE(pictures.count(), 2);
        QCOMPARE(pictures.last().first().value<QImage>().size(), QSize(40, 30));
    }

    void picturesThatAreNoJpegAreNull()
    {
        IWifiControlProtocol protocol;
        bind(protocol);
        QSignalSpy pictures(&protocol, &IWifiControlProtocol::sgPicture);
        protocol.receive(pictureReply(hex("1280"), QByteArray(300, '\x17')));
        QCOMPARE(pictures.count(), 1);
        QVERIFY(pictures.first().first().value<QImage>().isNull());
        // A picture packet whose data is shorter than it says.
        protocol.Unpacket(pictureReply(hex("1280"), QByteArray(10, 'x'), 20));
        QCOMPARE(pictures.count(), 2);
        QVERIFY(pictures.last().first().value<QImage>().isNull());
    }

    // --- the control-only camera --------------------------------------------------

    void indexTenIsTheControlOnlyCamerasOwnLargestSize()
    {
        const auto only = IWifiControlProtocol::ControlOnlyCamera;
        const auto rtsp = IWifiControlProtocol::RtspCamera;
        QCOMPARE(IWifiControlProtocol::resolutionSize(0x0a, only), QSize(3264, 2440));
        QCOMPARE(IWifiControlProtocol::resolutionIndex(QSize(3264, 2440), only), 0x0a);
        QCOMPARE(IWifiControlProtocol::supportedResolutions(only).size(), 11);
        QCOMPARE(IWifiControlProtocol::supportedResolutions(only).last(), QSize(3264, 2440));
        QCOMPARE(IWifiControlProtocol::resolutionSize(0x0a, rtsp), QSize(3264, 2448));
        QCOMPARE(IWifiControlProtocol::resolutionIndex(QSize(3264, 2448), rtsp), 0x0a);

        // What the camera says and what the program sends.
        IWifiControlProtocol protocol(only);
        bind(protocol);
        QSignalSpy changed(&protocol, &IWifiControlProtocol::sgResolutionChanged);
        protocol.receive(hex("12 80 06 00 00 01 00 1e 0a 00 00 00 00 00 00 00"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toSize(), QSize(3264, 2440));
        QCOMPARE(protocol.resolution(), QSize(3264, 2440));
        protocol.receive(hex("0f 0f 10 00 00 01 00 1e 02 00 00 00 00"));
        QCOMPARE(protocol.resolution(), QSize(640, 480));
        QCOMPARE(protocol.resolutionPacket(QSize(3264, 2440)), hex("1280 05000bf0f40f 01 00 1e 0a 3d 06 00 00"));
    }

    void controlOnlyEncodingReplyLogsItsReservedBytesAndKeepsItsBitRate()
    {
        LogRecorder log;
        IWifiControlProtocol protocol(IWifiControlProtocol::ControlOnlyCamera);
        protocol.setResolution(QSize(1280, 720));
        bind(protocol);
        protocol.receive(hex("12 80 06 00 00 02 01 0f 08 00 10 00 00 a1 b2 c3"));
        QCOMPARE(protocol.resolution(), QSize(1920, 1080));
        // The camera's rate control and IDR, 30 frames, the size's index, its bit rate.
        QCOMPARE(protocol.encodeRecord(), hex("02 01 1e 08 3d 06 00 00"));
        QCOMPARE(log.count("reserve1: "), 1);
        const QString line = log.lines().filter("reserve1: ").first();
        QVERIFY2(line.contains("a1") && line.contains("reserve2: ") && line.contains("b2")
                     && line.contains("reserve3: ") && line.contains("c3"),
                 qPrintable(line));
        // The record, once kept, is the one later choices are made from.
        protocol.receive(hex("12 80 06 00 00 05 05 05 02 00 00 00 00 00 00 00"));
        QCOMPARE(protocol.encodeRecord(), hex("02 01 1e 08 3d 06 00 00"));
        QCOMPARE(protocol.resolutionPacket(QSize(800, 600)), hex("1280 05000bf0f40f 02 01 1e 03 3d 06 00 00"));

        // The RTSP camera's reply has no reserved bytes and keeps "any bit rate".
        LogRecorder rtspLog;
        IWifiControlProtocol rtsp;
        bind(rtsp);
        rtsp.receive(hex("12 80 06 00 00 02 01 0f 08 00 10 00 00"));
        QCOMPARE(rtsp.encodeRecord(), hex("02 01 1e 08 ff ff ff ff"));
        QCOMPARE(rtspLog.count("reserve1: "), 0);
    }

    void controlOnlyEncodingReplyIsFoundWhereverTheReadsCutIt_data()
    {
        QTest::addColumn<int>("pieceSize");
        QTest::newRow("joined to the next replies") << 0;
        QTest::newRow("byte by byte") << 1;
        QTest::newRow("cut inside the reserved bytes") << 14;
    }

    void controlOnlyEncodingReplyIsFoundWhereverTheReadsCutIt()
    {
        QFETCH(int, pieceSize);
        LogRecorder log;
        IWifiControlProtocol protocol(IWifiControlProtocol::ControlOnlyCamera);
        bind(protocol);
        QSignalSpy pictures(&protocol, &IWifiControlProtocol::sgPicture);
        const QByteArray joined = hex("12 80 06 00 00 01 00 1e 0a 00 00 00 00 a1 b2 c3") + kQualityReply
            + pictureReply(hex("1280"), jpeg(QSize(24, 24)));
        if (pieceSize == 0) {
            protocol.receive(joined);
        } else {
            for (int i = 0; i < joined.size(); i += pieceSize)
                protocol.receive(joined.mid(i, pieceSize));
        }
        QCOMPARE(protocol.resolution(), QSize(3264, 2440));
        QCOMPARE(log.count("reserve1: "), 1);
        // Had the reserved bytes been left in the stream, nothing after them
        // would be understood.
        QCOMPARE(protocol.defaultValue(IWifiControlProtocol::Brightness), 0x80);
        QCOMPARE(pictures.count(), 1);
        QCOMPARE(pictures.first().first().value<QImage>().size(), QSize(24, 24));
        QCOMPARE(log.count("invalid tcp packet"), 0);
    }
};

VESKAROO_TEST_MAIN(TestWifiControlProtocol)
#include "tst_wificontrolprotocol.moc"
