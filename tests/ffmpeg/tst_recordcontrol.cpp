// The screen recorder's control: packets on the wire both ways, the start
// sequence and its arguments, what the window hears from the recorder's
// reports, failures to start, and leaving with only our recorder ended.
#include "common/fakerecorderlog.h"
#include "common/testenv.h"

#include "ffmpeg/iffmpegapi.h"
#include "ffmpeg/wifirtsp/itcpserver.h"
#include "ffmpeg/itsmtstream.h"
#include "service/iconfigureservice.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpSocket>

#include <csignal>
#include <random>

namespace {

class RecordingService : public IFFmpegApi
{
};

// The recorder's side of the connection, driven by the test.
struct Recorder
{
    explicit Recorder(quint16 port)
    {
        socket.connectToHost(QStringLiteral("127.0.0.1"), port);
        QVERIFY(socket.waitForConnected(3000));
    }
    void write(const QByteArray& bytes)
    {
        socket.write(bytes);
        QVERIFY(socket.waitForBytesWritten(1000));
    }
    // What the server sent within `ms`.
    QByteArray received(int ms = 300)
    {
        QByteArray data;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            socket.waitForReadyRead(20);
            data += socket.readAll();
        }
        return data;
    }
    QTcpSocket socket;
};

bool processAlive(qint64 pid)
{
    // A zombie is gone for every purpose here.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    const int close = text.lastIndexOf(')');
    return close > 0 && text.mid(close + 2, 1) != "Z";
}

} // namespace

class TestRecordControl : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void packetsOnTheWire();
    void malformedAndHostileBytesNeverReadOutOfBounds();
    void reportsAndCommandsBetweenWindowAndRecorder();
    void packetsSplitAnywhereArriveWhole();
    void startPassesTheArgumentsInOrder();
    void recorderThatFailsToStartIsReported_data();
    void recorderThatFailsToStartIsReported();
    void leavingSavesTheRecordingAndEndsOnlyOurRecorder();
    void theRealRecorderSavesWhatWasRecorded();

private:
    QString m_log;
    QTemporaryDir m_dir;
};

void TestRecordControl::init()
{
    m_log = m_dir.filePath(QStringLiteral("recorder-%1.log").arg(QDateTime::currentMSecsSinceEpoch()));
    qputenv("FAKE_RECORDER_LOG", m_log.toLocal8Bit());
    qputenv("FAKE_RECORDER_MODE", "normal");
}

void TestRecordControl::cleanup()
{
    qunsetenv("FAKE_RECORDER_MODE");
}

void TestRecordControl::packetsOnTheWire()
{
    // A one-byte command is 12 bytes: marker, "8" and three NULs, the
    // byte, "END".
    QCOMPARE(ITsmtStream::pack("1"), QByteArray("TSMT8\0\0\0" "1END", 12));
    const QByteArray path = "1;" + QByteArray(200, 'p');
    QCOMPARE(ITsmtStream::pack(path).mid(4, 4), QByteArray("209\0", 4));
    QVERIFY(ITsmtStream::pack(QByteArray(ITsmtStream::kMaxPayload + 1, 'x')).isEmpty());
    QCOMPARE(ITsmtStream::pack(QByteArray(ITsmtStream::kMaxPayload, 'x')).mid(4, 4), QByteArray("9999"));

    ITsmtStream stream;
    // Two packets in one read, in order; three bytes wait for the rest.
    QCOMPARE(stream.feed(ITsmtStream::pack("0") + ITsmtStream::pack("2")), (QList<QByteArray>{"0", "2"}));
    QVERIFY(stream.feed("TSM").isEmpty());
    QCOMPARE(stream.pending(), QByteArray("TSM"));
    QCOMPARE(stream.feed(ITsmtStream::pack("1;/v/a.mp4").mid(3)), QList<QByteArray>{"1;/v/a.mp4"});
    QVERIFY(stream.pending().isEmpty());
    // A wrong marker drops the rest of the read; the next read starts clean.
    QVERIFY(stream.feed("XSMT8\0\0\0" "1END" + ITsmtStream::pack("2")).isEmpty());
    QCOMPARE(stream.feed(ITsmtStream::pack("3")), QList<QByteArray>{"3"});
    // No "END" where the length says.
    QVERIFY(stream.feed(QByteArray("TSMT8\0\0\0" "1ENX", 12)).isEmpty());
}

void TestRecordControl::malformedAndHostileBytesNeverReadOutOfBounds()
{
    ITsmtStream stream;
    const QList<QByteArray> hostile = {
        QByteArray("TSMT0\0\0\0END", 11),  QByteArray("TSMT6\0\0\0END", 11), QByteArray("TSMT-9\0\0END", 11),
        QByteArray("TSMTabcdEND", 11),     QByteArray("TSMT\0\0\0\0END", 11), QByteArray("TSMT 7\0\0END", 11),
        QByteArray("TSMT9999", 8),         QByteArray("TSMT7\0\0\0", 8),
    };
    for (const QByteArray& bytes : hostile) {
        stream.clear();
        for (const QByteArray& payload : stream.feed(bytes))
            QVERIFY2(payload.size() <= bytes.size(), bytes.toHex().constData());
    }
    // A length beyond the data waits, within its 4-digit bound.
    stream.clear();
    QVERIFY(stream.feed(QByteArray("TSMT9999", 8) + QByteArray(100, 'x')).isEmpty());
    QCOMPARE(stream.pending().size(), 108);

    // Random bytes, and random cuts of good packets with random damage: no
    // payload ever comes from outside what was fed (the sanitizer build
    // checks the reads themselves).
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes = ITsmtStream::pack(QByteArray(int(random() % 40), 'a'));
        bytes += ITsmtStream::pack("2");
        const int damage = int(random() % 4);
        for (int i = 0; i < damage; ++i)
            bytes[int(random() % bytes.size())] = char(random() % 256);
        if (random() % 3 == 0)
            bytes = bytes.left(int(random() % bytes.size()));
        qint64 fed = stream.pending().size() + bytes.size();
        for (const QByteArray& payload : stream.feed(bytes))
            QVERIFY(payload.size() + 7 <= fed);
        QVERIFY(stream.pending().size() <= 4 + 9999);
        if (random() % 5 == 0)
            stream.clear();
    }
}

void TestRecordControl::reportsAndCommandsBetweenWindowAndRecorder()
{
    RecordingService api;
    api.initRecorder();
    ITcpServer* server = api.recordServer();
    QVERIFY(server->controlPort() != 0);
    QSignalSpy saved(&api, &IFFmpegApi::sgRecordVideo);
    QSignalSpy messages(&api, &IFFmpegApi::recordMessage);
    QSignalSpy failed(&api, &IFFmpegApi::sgRecordFailed);
    Recorder recorder(server->controlPort());
    QTRY_VERIFY(server->findChild<QTcpSocket*>());
    // Not connected until the recorder says "0": no command goes out.
    api.stopRecord();
    api.pauseRecord(true);
    QCOMPARE(recorder.received(), QByteArray());

    // "0" is not the window's business, but opens the way for commands.
    recorder.write(ITsmtStream::pack("0"));
    QTRY_VERIFY(server->isRecorderConnected());
    api.pauseRecord(true);
    api.pauseRecord(false);
    api.stopRecord();
    QCOMPARE(recorder.received(), ITsmtStream::pack("2") + ITsmtStream::pack("3") + ITsmtStream::pack("1"));
    recorder.write(ITsmtStream::pack("2") + ITsmtStream::pack("9;unknown") + ITsmtStream::pack("3;no display"));
    QTRY_COMPARE(messages.size(), 2);
    QCOMPARE(messages.at(0).at(0).toInt(), 2);
    QCOMPARE(messages.at(1).at(0).toInt(), 3);
    // A recorder that breaks off after it started says so, not that it
    // could not start.
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("Recording stopped: no display"));
    QCOMPARE(saved.size(), 0);

    // The saved path whole, ";" and non-ASCII letters included.
    Recorder next(server->controlPort());
    next.write(ITsmtStream::pack("0"));
    const QString path = QStringLiteral("/home/lehrerin/Videos/Übung;1/20240102030405.mp4");
    next.write(ITsmtStream::pack("1;" + path.toLocal8Bit()));
    QTRY_COMPARE(saved.size(), 1);
    QCOMPARE(saved.at(0).at(0).toString(), path);
    next.socket.disconnectFromHost();
    QTRY_COMPARE(messages.size(), 3);
    QCOMPARE(messages.at(2).at(0).toInt(), 4);
    QVERIFY(!server->isRecorderConnected());
}

void TestRecordControl::packetsSplitAnywhereArriveWhole()
{
    RecordingService api;
    api.initRecorder();
    ITcpServer* server = api.recordServer();
    QSignalSpy saved(&api, &IFFmpegApi::sgRecordVideo);
    Recorder recorder(server->controlPort());
    const QByteArray packet = ITsmtStream::pack("1;/tmp/videos/20240102030405.flv");
    for (int cut = 1; cut < packet.size(); ++cut) {
        recorder.write(packet.left(cut));
        // The first part is read on its own before the rest comes.
        QTest::qWait(5);
        recorder.write(packet.mid(cut));
        QTRY_COMPARE(saved.size(), cut);
        QCOMPARE(saved.last().at(0).toString(), QStringLiteral("/tmp/videos/20240102030405.flv"));
    }
}

void TestRecordControl::startPassesTheArgumentsInOrder()
{
    IConfigureService* config = IConfigureService::instance();
    config->setVideoFormat(QStringLiteral("flv"));
    config->setScreenRecordingFrameRate(15);
    // Port 308 is taken (or refused without privileges): the recorder is
    // told the port in use instead.
    QTcpServer holder;
    holder.listen(QHostAddress::LocalHost, kRecorderControlPort);
    RecordingService api;
    api.initRecorder();
    ITcpServer* server = api.recordServer();
    QVERIFY(server->controlPort() != 0 && server->controlPort() != kRecorderControlPort);
    server->setRecorderProgram(TestEnv::peerPath(QStringLiteral("fakerecorder")));
    QSignalSpy messages(&api, &IFFmpegApi::recordMessage);
    QSignalSpy saved(&api, &IFFmpegApi::sgRecordVideo);

    const QString folder = m_dir.filePath(QStringLiteral("videos/"));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    api.startRecord(folder, QRect(10, 20, 640, 480));
    QTRY_COMPARE(messages.size(), 1);
    QCOMPARE(messages.at(0).at(0).toInt(), 2);
    const QString file = api.currentRecordFile();
    QVERIFY(file.startsWith(folder));
    QVERIFY(QRegularExpression(QStringLiteral("^\\d{14}\\.flv$")).match(file.mid(folder.size())).hasMatch());
    const QDateTime stamp = QDateTime::fromString(file.mid(folder.size(), 14), QStringLiteral("yyyyMMddhhmmss"));
    QVERIFY(stamp >= before && stamp <= QDateTime::currentDateTime());
    QTRY_COMPARE(fakeRecorderLog(m_log, "args"),
                 QStringList{QStringList({file, "10", "20", "640", "480", "1", "15"}).join('|')});
    // The recorder learns the port from its environment.
    QCOMPARE(fakeRecorderLog(m_log, "port"), QStringList{QString::number(server->controlPort())});

    api.pauseRecord(true);
    api.pauseRecord(false);
    api.stopRecord();
    QTRY_COMPARE(saved.size(), 1);
    QCOMPARE(saved.at(0).at(0).toString(), file);
    QCOMPARE(fakeRecorderLog(m_log, "command"), (QStringList{"2", "3", "1"}));

    // Every later start says it is not the first; the old recorder goes
    // quietly (its disconnect is not the new one's).
    QFile::remove(m_log);
    api.startRecord(folder, QRect(0, 0, 800, 600));
    QTRY_COMPARE(messages.size(), 2);
    QCOMPARE(messages.at(1).at(0).toInt(), 2);
    QTRY_COMPARE(fakeRecorderLog(m_log, "args").value(0).section('|', 5, 5), QStringLiteral("0"));
    QTest::qWait(300);
    QCOMPARE(messages.size(), 2);
    config->setVideoFormat(QStringLiteral("mp4"));
}

void TestRecordControl::recorderThatFailsToStartIsReported_data()
{
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QString>("reason");
    QTest::newRow("never connects") << QByteArray("silent") << QStringLiteral("did not answer");
    QTest::newRow("connects, never starts") << QByteArray("quiet") << QStringLiteral("did not answer");
    QTest::newRow("exits early") << QByteArray("exit") << QStringLiteral("ended before");
    QTest::newRow("refuses") << QByteArray("refuse") << QStringLiteral("no display here");
    QTest::newRow("missing program") << QByteArray("missing") << QStringLiteral("could not be started");
}

void TestRecordControl::recorderThatFailsToStartIsReported()
{
    QFETCH(QByteArray, mode);
    QFETCH(QString, reason);
    qputenv("FAKE_RECORDER_MODE", mode);
    RecordingService api;
    api.initRecorder();
    ITcpServer* server = api.recordServer();
    server->setRecorderProgram(mode == "missing" ? m_dir.filePath(QStringLiteral("nothing-here"))
                                                 : TestEnv::peerPath(QStringLiteral("fakerecorder")));
    server->setStartTimeoutMs(1500);
    QSignalSpy messages(&api, &IFFmpegApi::recordMessage);
    QSignalSpy failed(&api, &IFFmpegApi::sgRecordFailed);
    api.startRecord(m_dir.path(), QRect(0, 0, 320, 240));
    QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 5000);
    QVERIFY2(failed.at(0).at(0).toString().contains(reason), qPrintable(failed.at(0).at(0).toString()));
    QCOMPARE(messages.value(0).value(0).toInt(), 3);
    // Told once, and the recorder that did not start is gone.
    QTest::qWait(300);
    QCOMPARE(failed.size(), 1);
    const qint64 pid = fakeRecorderLog(m_log, "pid").value(0).toLongLong();
    if (pid > 0)
        QTRY_VERIFY(!processAlive(pid));
}

void TestRecordControl::leavingSavesTheRecordingAndEndsOnlyOurRecorder()
{
    // A process of the same name that this program did not start.
    QProcess stranger;
    stranger.setProcessEnvironment([] {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("FAKE_RECORDER_MODE"), QStringLiteral("idle"));
        env.remove(QStringLiteral("FAKE_RECORDER_LOG"));
        return env;
    }());
    stranger.start(TestEnv::peerPath(QStringLiteral("fakerecorder")), QStringList());
    QVERIFY(stranger.waitForStarted());

    qputenv("FAKE_RECORDER_MODE", "child");
    RecordingService api;
    api.initRecorder();
    api.recordServer()->setRecorderProgram(TestEnv::peerPath(QStringLiteral("fakerecorder")));
    QSignalSpy messages(&api, &IFFmpegApi::recordMessage);
    QSignalSpy saved(&api, &IFFmpegApi::sgRecordVideo);
    api.startRecord(m_dir.path(), QRect(0, 0, 320, 240));
    QTRY_COMPARE(messages.size(), 1);
    QTRY_COMPARE(fakeRecorderLog(m_log, "child").size(), 1);
    const qint64 recorder = fakeRecorderLog(m_log, "pid").value(0).toLongLong();
    const qint64 child = fakeRecorderLog(m_log, "child").value(0).toLongLong();
    QVERIFY(processAlive(recorder) && processAlive(child));

    // Leaving while recording: stop goes out, the saved report still
    // arrives, and the wait ends with it rather than after its full length.
    QElapsedTimer leaving;
    leaving.start();
    api.releaseRecorder();
    QVERIFY(leaving.elapsed() < 2500);
    QCOMPARE(saved.size(), 1);
    QVERIFY(QFile::exists(api.currentRecordFile()));
    QVERIFY(fakeRecorderLog(m_log, "command").contains(QStringLiteral("1")));
    QTRY_VERIFY(!processAlive(recorder));
    QTRY_VERIFY(!processAlive(child));
    QVERIFY(api.recordServer() == nullptr);
    QCOMPARE(stranger.state(), QProcess::Running);
    stranger.kill();
    stranger.waitForFinished();
}

void TestRecordControl::theRealRecorderSavesWhatWasRecorded()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs an X display to record");
    // No sound server here: the recorder records silence.
    qputenv("PULSE_SERVER", "unix:/nonexistent/veskaroo-test");
    RecordingService api;
    api.initRecorder();
    api.recordServer()->setRecorderProgram(QStringLiteral(VESKAROO_BIN_DIR "/ScreenRecord/ScreenRecord"));
    QSignalSpy messages(&api, &IFFmpegApi::recordMessage);
    QSignalSpy saved(&api, &IFFmpegApi::sgRecordVideo);
    api.startRecord(m_dir.filePath(QStringLiteral("real/")), QRect(0, 0, 320, 240));
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 10000);
    QCOMPARE(messages.at(0).at(0).toInt(), 2);
    QTest::qWait(1000);
    api.pauseRecord(true);
    QTest::qWait(1000);
    api.pauseRecord(false);
    QTest::qWait(1000);
    api.stopRecord();
    QTRY_COMPARE_WITH_TIMEOUT(saved.size(), 1, 10000);
    QCOMPARE(saved.at(0).at(0).toString(), api.currentRecordFile());

    QProcess probe;
    probe.start(QStringLiteral("ffprobe"), {"-v", "error", "-show_entries", "format=duration:stream=codec_name",
                                            "-of", "csv=p=0", api.currentRecordFile()});
    QVERIFY(probe.waitForFinished(20000));
    const QStringList lines = QString::fromLatin1(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QVERIFY2(lines.contains(QStringLiteral("h264")) && lines.contains(QStringLiteral("aac")), qPrintable(lines.join(' ')));
    // Two seconds recorded, the paused one left out.
    const double duration = lines.last().toDouble();
    QVERIFY2(duration > 1.5 && duration < 2.7, qPrintable(lines.last()));
    api.releaseRecorder();
}

VESKAROO_TEST_MAIN(TestRecordControl)
#include "tst_recordcontrol.moc"
