// The screen recorder program as the main program drives it: a loopback
// control server here, the real recorder on the X display, its files read
// back with ffprobe and ffmpeg.
#include "common/testenv.h"
#include "ffmpeg/itsmtstream.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <memory>

namespace {

QString recorderPath()
{
    return QStringLiteral(VESKAROO_BIN_DIR "/ScreenRecord/ScreenRecord");
}

// The main program's side of one recording: control server, recorder
// process, the reports it sent.
class Session
{
public:
    Session()
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            m_peer = m_server.nextPendingConnection();
            QObject::connect(m_peer, &QTcpSocket::readyRead, [this] {
                const QList<QByteArray> payloads = m_stream.feed(m_peer->readAll());
                for (const QByteArray& payload : payloads) {
                    if (payload == "2")
                        sinceRecording.start();
                    reports.append(payload);
                }
            });
        });
    }
    ~Session()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    // Starts the recorder; `port` overrides the control server's port,
    // `soundServer` the sound server it is to find.
    void start(const QStringList& args, int port = -1,
               const QString& soundServer = QStringLiteral("unix:/nonexistent/veskaroo-test"))
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost, 0));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kRecorderPortVariable, QString::number(port >= 0 ? port : m_server.serverPort()));
        // By default no sound server, whatever the machine runs: silence.
        env.insert(QStringLiteral("PULSE_SERVER"), soundServer);
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        process.start(recorderPath(), args);
        QVERIFY2(process.waitForStarted(5000), qPrintable(process.errorString()));
    }
    bool waitForReports(int count, int timeoutMs = 10000)
    {
        return QTest::qWaitFor([&] { return reports.size() >= count; }, timeoutMs);
    }
    void send(const QByteArray& command)
    {
        m_peer->write(ITsmtStream::pack(command));
        m_peer->flush();
    }
    void closeConnection() { m_peer->close(); }
    bool waitForExit(int timeoutMs)
    {
        return QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, timeoutMs);
    }

    QProcess process;
    QList<QByteArray> reports;
    QElapsedTimer sinceRecording;

private:
    QTcpServer m_server;
    QTcpSocket* m_peer = nullptr;
    ITsmtStream m_stream;
};

struct Probe
{
    double duration = 0;
    QString videoCodec, audioCodec;
    QSize size;
    int videoPackets = 0;
    bool ok = false;
};

Probe probe(const QString& file)
{
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"), {"-v", "error", "-print_format", "json", "-show_format",
                                               "-show_streams", "-count_packets", file});
    Probe result;
    if (!ffprobe.waitForFinished(20000) || ffprobe.exitCode() != 0)
        return result;
    const QJsonObject json = QJsonDocument::fromJson(ffprobe.readAllStandardOutput()).object();
    result.duration = json["format"].toObject()["duration"].toString().toDouble();
    for (const QJsonValue& value : json["streams"].toArray()) {
        const QJsonObject stream = value.toObject();
        if (stream["codec_type"] == "video") {
            result.videoCodec = stream["codec_name"].toString();
            result.size = QSize(stream["width"].toInt(), stream["height"].toInt());
            result.videoPackets = stream["nb_read_packets"].toString().toInt();
        } else if (stream["codec_type"] == "audio") {
            result.audioCodec = stream["codec_name"].toString();
        }
    }
    result.ok = true;
    return result;
}

// Packet times of one stream ("v" or "a"), in file order.
QList<double> packetTimes(const QString& file, const char* stream)
{
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"), {"-v", "error", "-select_streams", stream, "-show_entries",
                                               "packet=pts_time", "-of", "csv=p=0", file});
    QList<double> times;
    if (!ffprobe.waitForFinished(20000))
        return times;
    for (const QByteArray& line : ffprobe.readAllStandardOutput().split('\n')) {
        if (!line.trimmed().isEmpty())
            times.append(line.trimmed().toDouble());
    }
    std::sort(times.begin(), times.end());
    return times;
}

double largestStep(const QList<double>& times)
{
    double largest = 0;
    for (int i = 1; i < times.size(); ++i)
        largest = std::max(largest, times[i] - times[i - 1]);
    return largest;
}

// FFmpeg's freeze detector over the video: the "freeze_start" lines it logs.
QByteArray freezes(const QString& file, double minSeconds)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), {"-hide_banner", "-nostats", "-i", file, "-map", "0:v", "-vf",
                                             QStringLiteral("freezedetect=n=0.003:d=%1").arg(minSeconds), "-f",
                                             "null", "-"});
    if (!ffmpeg.waitForFinished(30000))
        return "ffmpeg did not finish";
    QByteArray found;
    for (const QByteArray& line : ffmpeg.readAllStandardError().split('\n')) {
        if (line.contains("freeze_start"))
            found += line + '\n';
    }
    return found;
}

// The mean loudness of a file's sound in dB (-91 is digital silence).
double meanVolume(const QString& file)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {"-hide_banner", "-nostats", "-i", file, "-map", "0:a", "-af", "volumedetect", "-f", "null", "-"});
    if (!ffmpeg.waitForFinished(30000))
        return -1000;
    const QByteArray log = ffmpeg.readAllStandardError();
    const int at = log.indexOf("mean_volume:");
    return at < 0 ? -1000 : log.mid(at + 12).trimmed().split(' ').value(0).toDouble();
}

QStringList recorderArgs(const QString& file, const QRect& zone, int frameRate = 20)
{
    return {file,
            QString::number(zone.x()),
            QString::number(zone.y()),
            QString::number(zone.width()),
            QString::number(zone.height()),
            "1",
            QString::number(frameRate)};
}

} // namespace

class TestScreenRecord : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display (./test.sh runs the tests under Xvfb)");
        QVERIFY2(QFileInfo(recorderPath()).isExecutable(), qPrintable(recorderPath()));
        QVERIFY(!QStandardPaths::findExecutable("ffprobe").isEmpty());
        QVERIFY(m_dir.isValid());
        // Content that changes with every frame, so that a repeated frame
        // in a recording shows.
        m_painter.start(TestEnv::peerPath("screenpainter"), {"0", "0", "800", "600"});
        QVERIFY(m_painter.waitForStarted(5000));
        QVERIFY(QTest::qWaitFor([&] { return m_painter.readAllStandardOutput().contains("shown"); }, 10000));
    }
    void cleanupTestCase()
    {
        if (m_painter.state() != QProcess::NotRunning) {
            m_painter.kill();
            m_painter.waitForFinished(5000);
        }
    }

    // Four recordings at once, one per container: the files play with an
    // H.264 video of the even-rounded zone, AAC audio and the recorded length,
    // and the reports arrive in order.
    void recordsZoneIntoEachContainer()
    {
        const QStringList suffixes = {"mp4", "flv", "avi", "mov"};
        std::vector<std::unique_ptr<Session>> sessions;
        for (const QString& suffix : suffixes) {
            sessions.push_back(std::make_unique<Session>());
            sessions.back()->start(recorderArgs(m_dir.filePath("zone." + suffix), QRect(10, 20, 641, 481)));
        }
        for (int i = 0; i < suffixes.size(); ++i) {
            QVERIFY2(sessions[i]->waitForReports(2), qPrintable(suffixes[i]));
            QCOMPARE(sessions[i]->reports, QList<QByteArray>({"0", "2"}));
        }
        QTest::qWait(3000);
        QList<qint64> recorded;
        for (auto& session : sessions) {
            recorded.append(session->sinceRecording.elapsed());
            session->send("1");
        }
        for (int i = 0; i < suffixes.size(); ++i) {
            const QString file = m_dir.filePath("zone." + suffixes[i]);
            Session& session = *sessions[i];
            QVERIFY2(session.waitForReports(3), qPrintable(suffixes[i]));
            QCOMPARE(session.reports.value(2), "1;" + QFileInfo(file).absoluteFilePath().toUtf8());
            QVERIFY(session.waitForExit(10000));
            QCOMPARE(session.process.exitCode(), 0);

            const Probe p = probe(file);
            QVERIFY2(p.ok, qPrintable(file + " does not play"));
            QCOMPARE(p.videoCodec, QString("h264"));
            QCOMPARE(p.audioCodec, QString("aac"));
            QCOMPARE(p.size, QSize(640, 480));
            const double seconds = recorded[i] / 1000.0;
            QVERIFY2(qAbs(p.duration - seconds) < 0.4,
                     qPrintable(QString("%1: %2 s in the file, %3 s recorded").arg(suffixes[i]).arg(p.duration).arg(seconds)));
            // 20 frames a second, none lost on the way.
            QVERIFY2(qAbs(p.videoPackets - seconds * 20) <= 4,
                     qPrintable(QString("%1: %2 frames for %3 s").arg(suffixes[i]).arg(p.videoPackets).arg(seconds)));
        }
    }

    // With a sound server there, its default source is what is heard: a
    // tone played into a null sink comes back from the sink's monitor.
    void soundComesFromTheSoundServer()
    {
        const QString pulseaudio = QStandardPaths::findExecutable("pulseaudio");
        if (pulseaudio.isEmpty())
            QSKIP("no PulseAudio here");
        QTemporaryDir runtime;
        const QString socket = runtime.filePath("native");
        QProcess server;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", runtime.path());
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        server.setProcessEnvironment(env);
        server.start(pulseaudio, {"-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm=yes",
                                  "--use-pid-file=no", "--load=module-null-sink sink_name=lesson",
                                  "--load=module-sine sink=lesson frequency=1000",
                                  "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket});
        QVERIFY(server.waitForStarted(5000));
        QVERIFY(QTest::qWaitFor([&] { return QFileInfo::exists(socket); }, 10000));

        const QString file = m_dir.filePath("sound.mp4");
        Session session;
        session.start(recorderArgs(file, QRect(0, 0, 320, 240)), -1, "unix:" + socket);
        QVERIFY(session.waitForReports(2));
        QTest::qWait(2000);
        session.send("1");
        QVERIFY(session.waitForReports(3));
        QVERIFY(session.waitForExit(10000));
        server.kill();
        server.waitForFinished(5000);
        QCOMPARE(probe(file).audioCodec, QString("aac"));
        const double loudness = meanVolume(file);
        QVERIFY2(loudness > -40, qPrintable(QString("mean volume %1 dB").arg(loudness)));
    }

    // A 2 s pause leaves neither a gap nor a frozen picture: the file is 2 s
    // shorter than the wall time and its timestamps run on.
    void pauseLeavesNoGap()
    {
        const QString file = m_dir.filePath("pause.mp4");
        Session session;
        session.start(recorderArgs(file, QRect(100, 100, 400, 300)));
        QVERIFY(session.waitForReports(2));
        QCOMPARE(session.reports.last(), "2");
        QTest::qWait(1000);
        session.send("2");
        QTest::qWait(2000);
        session.send("3");
        QTest::qWait(1500);
        const double wall = session.sinceRecording.elapsed() / 1000.0;
        session.send("1");
        QVERIFY(session.waitForReports(3));
        QCOMPARE(session.reports.last(), "1;" + file.toUtf8());

        const Probe p = probe(file);
        QVERIFY(p.ok);
        QVERIFY2(qAbs(p.duration - (wall - 2.0)) < 0.4,
                 qPrintable(QString("%1 s in the file after %2 s with a 2 s pause").arg(p.duration).arg(wall)));
        const QList<double> video = packetTimes(file, "v");
        const QList<double> audio = packetTimes(file, "a");
        QVERIFY(video.size() > 40);
        QVERIFY(audio.size() > 100);
        QVERIFY2(largestStep(video) <= 2.5 / 20, qPrintable(QString("video gap of %1 s").arg(largestStep(video))));
        QVERIFY2(largestStep(audio) <= 1.5 * 1024 / 48000,
                 qPrintable(QString("audio gap of %1 s").arg(largestStep(audio))));
        // Audio and video end together.
        QVERIFY2(qAbs(video.last() - audio.last()) < 0.2,
                 qPrintable(QString("video ends at %1 s, audio at %2 s").arg(video.last()).arg(audio.last())));
        const QByteArray frozen = freezes(file, 2.5 / 20);
        QVERIFY2(frozen.isEmpty(), frozen.constData());
    }

    void wrongArgumentsAreReported_data()
    {
        // "FILE" stands for a fresh path in the test's folder.
        QTest::addColumn<QStringList>("args");
        QTest::newRow("too few") << QStringList{"FILE.mp4", "0", "0", "100", "100", "1"};
        QTest::newRow("too many") << QStringList{"FILE.mp4", "0", "0", "100", "100", "1", "20", "x"};
        QTest::newRow("not a number") << QStringList{"FILE.mp4", "0", "zero", "100", "100", "1", "20"};
        QTest::newRow("empty zone") << QStringList{"FILE.mp4", "0", "0", "0", "100", "1", "20"};
        QTest::newRow("frame rate 0") << QStringList{"FILE.mp4", "0", "0", "100", "100", "1", "0"};
        QTest::newRow("frame rate 121") << QStringList{"FILE.mp4", "0", "0", "100", "100", "1", "121"};
        QTest::newRow("unknown suffix") << QStringList{"FILE.mkv", "0", "0", "100", "100", "1", "20"};
        QTest::newRow("zone off screen") << QStringList{"FILE.mp4", "5000", "5000", "100", "100", "1", "20"};
    }
    void wrongArgumentsAreReported()
    {
        QFETCH(QStringList, args);
        args[0].replace("FILE", m_dir.filePath(QString("wrong-%1").arg(++m_wrongRuns)));
        Session session;
        session.start(args);
        QVERIFY(session.waitForReports(2));
        QCOMPARE(session.reports.first(), "0");
        QVERIFY2(session.reports[1].startsWith("3;") && session.reports[1].size() > 2, session.reports[1].constData());
        QVERIFY(session.waitForExit(5000));
        QVERIFY(session.process.exitCode() != 0);
        QVERIFY2(!QFileInfo::exists(args[0]), "a file was left behind");
    }

    // Ended by the main program without a stop command: the file is still
    // finished and plays. The zone sticks out of the screen and is clamped.
    void endWithoutStopFinishesFile_data()
    {
        QTest::addColumn<bool>("byTermination");
        QTest::newRow("connection closed") << false;
        QTest::newRow("SIGTERM") << true;
    }
    void endWithoutStopFinishesFile()
    {
        QFETCH(bool, byTermination);
        const QString file = m_dir.filePath(byTermination ? "term.mp4" : "closed.mp4");
        const QSize screen = TestEnv::displaySize();
        QVERIFY(screen.isValid());
        Session session;
        session.start(recorderArgs(file, QRect(screen.width() - 221, screen.height() - 181, 400, 400)));
        QVERIFY(session.waitForReports(2));
        QCOMPARE(session.reports.last(), "2");
        QTest::qWait(1500);
        if (byTermination)
            session.process.terminate();
        else
            session.closeConnection();
        QVERIFY(session.waitForExit(10000));
        QCOMPARE(session.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(session.process.exitCode(), 0);
        const Probe p = probe(file);
        QVERIFY2(p.ok, "the file does not play");
        QCOMPARE(p.size, QSize(220, 180));
        QVERIFY2(p.duration > 1.2 && p.duration < 2.2, qPrintable(QString::number(p.duration)));
    }

    void noControlServerEndsSoon()
    {
        // A port nobody listens on any more.
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        const int port = closed.serverPort();
        closed.close();
        Session session;
        session.start(recorderArgs(m_dir.filePath("nobody.mp4"), QRect(0, 0, 100, 100)), port);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(session.waitForExit(9000));
        QVERIFY(session.process.exitCode() != 0);
        QVERIFY(clock.elapsed() > 3000); // it waited for the program a while
        QVERIFY(!session.process.readAllStandardError().isEmpty());
        QVERIFY(!QFileInfo::exists(m_dir.filePath("nobody.mp4")));
    }

private:
    QTemporaryDir m_dir;
    QProcess m_painter;
    int m_wrongRuns = 0;
};

VESKAROO_TEST_MAIN(TestScreenRecord)
#include "tst_screenrecord.moc"
