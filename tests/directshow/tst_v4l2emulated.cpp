// The USB capture source on the real V4L2 code, against an emulated MJPG
// camera preloaded into a peer process: every offered size, a refused size,
// the controls and automatic modes, damaged buffers and unplugging, and a
// new size asked for while the device is still being opened.
#include "common/testenv.h"

#include <QFile>
#include <QMap>

#include <linux/videodev2.h>

class TestV4l2Emulated : public QObject
{
    Q_OBJECT

    // Runs the peer with the camera configured by `env`; its "key value"
    // lines, and the device's own log in `deviceLog`.
    QMap<QString, QStringList> run(const QStringList& args, const QStringList& env, QStringList* deviceLog = nullptr)
    {
        QTemporaryDir root;
        const QString log = root.path() + "/device.log";
        QStringList fullEnv = env;
        fullEnv << "LD_PRELOAD=" + TestEnv::peerPath("libfakeuvc.so") << "FAKEUVC_NODE=" + root.path() + "/dev/video0"
                << "FAKEUVC_LOG=" + log
                // An instrumented build loads its sanitizer after the camera.
                << "ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0";
        QByteArray output;
        const int code = TestEnv::runProcess(TestEnv::peerPath("v4l2peer"), QStringList{root.path()} + args, fullEnv,
                                             30000, &output);
        QMap<QString, QStringList> result;
        for (const QByteArray& line : output.split('\n')) {
            const int space = line.indexOf(' ');
            if (space > 0)
                result[QString::fromUtf8(line.left(space))] << QString::fromUtf8(line.mid(space + 1));
        }
        if (code != 0 || !output.contains("done\n"))
            qWarning().noquote() << "peer output:" << output;
        [&] { QCOMPARE(code, 0); }();
        if (deviceLog) {
            QFile file(log);
            if (file.open(QIODevice::ReadOnly))
                *deviceLog = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
        }
        return result;
    }

private slots:
    void streamsEveryOfferedSize()
    {
        const auto out = run({"sizes"}, {"FAKEUVC_SIZES=1280x720,640x480,1920x1080,320x240"});
        QCOMPARE(out.value("offered"), QStringList{"4"});
        QCOMPARE(out.value("frame"), (QStringList{"1280x720", "640x480", "1920x1080", "320x240"}));
    }

    void aRefusedSizeFallsBackToTheFirstAndIsStored()
    {
        const auto out = run({"refused", "1920x1080"},
                             {"FAKEUVC_SIZES=1280x720,640x480,1920x1080", "FAKEUVC_REFUSE=1920x1080"});
        QCOMPARE(out.value("frame"), QStringList{"1280x720"});
        QCOMPARE(out.value("stored"), QStringList{"1280x720"});
    }

    void controlsReachTheDeviceAndMinus999SwitchesToAutomatic()
    {
        QStringList log;
        const auto out = run({"controls"}, {}, &log);
        // {current, default, maximum, minimum} as the device reports them;
        // focus and exposure start automatic.
        QCOMPARE(out.value("brightness"), QStringList{"0,0,64,-64"});
        QCOMPARE(out.value("contrast"), QStringList{"32,32,95,0"});
        QCOMPARE(out.value("focus").value(0).section(',', 0, 0), QString("-999"));
        QCOMPARE(out.value("exposure").value(0).section(',', 0, 0), QString("-999"));
        QCOMPARE(out.value("set"), QStringList{"1 1 1 1 1 1 1"});
        QCOMPARE(out.value("outofrange"), QStringList{"0"});
        const QStringList controls = log.filter("S_CTRL");
        auto set = [&](unsigned id, int value) {
            return controls.contains(QString("S_CTRL 0x%1 %2").arg(id, 0, 16).arg(value));
        };
        QVERIFY(set(V4L2_CID_BRIGHTNESS, -20));
        QVERIFY(set(V4L2_CID_CONTRAST, 50));
        QVERIFY(set(V4L2_CID_SATURATION, 70));
        QVERIFY(set(V4L2_CID_FOCUS_AUTO, 0)); // manual before the value
        QVERIFY(set(V4L2_CID_FOCUS_ABSOLUTE, 300));
        QVERIFY(set(V4L2_CID_EXPOSURE_AUTO, V4L2_EXPOSURE_MANUAL));
        QVERIFY(set(V4L2_CID_EXPOSURE_ABSOLUTE, 500));
        // The last two calls (-999) leave both automatic.
        QCOMPARE(controls.filter("0x9a090c ").last(), QString("S_CTRL 0x9a090c 1"));
        QCOMPARE(controls.filter("0x9a0901 ").last(),
                 QString("S_CTRL 0x9a0901 %1").arg(V4L2_EXPOSURE_APERTURE_PRIORITY));
    }

    void damagedBuffersAreDroppedAndUnpluggingIsToldOnce()
    {
        QStringList log;
        const auto out = run({"stream"}, {"FAKEUVC_FAULTS=eagain@3,corrupt@5,error@8,unplug@15"}, &log);
        // Frames 0..14 were dequeued; the corrupt and the flagged one never show,
        // and nothing shows twice.
        QCOMPARE(log.filter(QRegularExpression("^DQBUF \\d+")).size(), 15);
        QVERIFY(log.contains("DQBUF EAGAIN")); // a wake-up without a frame is waited out
        QCOMPARE(log.filter(QRegularExpression("DQBUF \\d+ error")).size(), 1);
        QCOMPARE(out.value("frames"), QStringList{"13"});
        QCOMPARE(out.value("repeats"), QStringList{"0"});
        QCOMPARE(out.value("lost"), QStringList{"1"});
    }

    void aSizeAskedForWhileOpeningIsStreamed()
    {
        QStringList log;
        const auto out = run({"resize", "640x480", "1280x720"},
                             {"FAKEUVC_SIZES=640x480,1280x720", "FAKEUVC_SETFMT_MS=400"}, &log);
        QCOMPARE(out.value("frame"), QStringList{"1280x720"});
        QCOMPARE(log.filter("STREAMON").last(), QString("STREAMON 1280x720"));
    }
};

VESKAROO_TEST_MAIN(TestV4l2Emulated)
#include "tst_v4l2emulated.moc"
