// The whole program as a user meets it: started on the virtual camera in
// its own network namespace with a fresh profile, a real X display and real
// key presses; the picture taken must land in the photo folder.
#include "common/testenv.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!TestEnv::canDriveWindows())
            QSKIP("needs an X display and xdotool (./test.sh provides both)");
    }

    void snapWithTheKeyboardSavesAPictureAtTheCameraResolution()
    {
        QTemporaryDir home;
        const QString profile = home.path() + "/veskaroo";
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", home.path());
        env.insert("QT_QPA_PLATFORM", "xcb");
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::MergedChannels);
        const QStringList cmd = TestEnv::isolatedNetworkCommand(TestEnv::programPath(), {"--virtual-camera"});
        program.start(cmd.first(), cmd.mid(1));
        QVERIFY(program.waitForStarted(10000));

        const QString log = profile + "/other/log_" + QDate::currentDate().toString("yyyyMMdd") + ".txt";
        auto logText = [&log] {
            QFile f(log);
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
        };
        QTRY_VERIFY_WITH_TIMEOUT(logText().contains("camera error code: 0"), 60000);
        QTest::qWait(500); // the first frames reach the window

        const QString window = TestEnv::findVisibleWindow("^Veskaroo$");
        QVERIFY(!window.isEmpty());
        // The display has no window manager to maximise it: the window shows
        // at its restored size, smaller than the screen and in its middle,
        // so that "Restore" has something to restore to.
        const QRect screen(QPoint(0, 0), TestEnv::displaySize());
        const QRect shown = TestEnv::windowGeometry(window);
        QVERIFY2(shown.isValid() && screen.contains(shown) && shown.width() < screen.width(),
                 qPrintable(QString("%1x%2 at %3,%4").arg(shown.width()).arg(shown.height()).arg(shown.x()).arg(shown.y())));
        QVERIFY((shown.center() - screen.center()).manhattanLength() <= 4);
        QVERIFY(TestEnv::pressKeys(window, "ctrl+alt+5"));

        const QDir photos(profile + "/photo");
        QTRY_VERIFY_WITH_TIMEOUT(!photos.entryList({"*.jpeg"}, QDir::Files).isEmpty(), 30000);
        const QString picture = photos.filePath(photos.entryList({"*.jpeg"}, QDir::Files).first());
        QImageReader reader(picture);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), QSize(1920, 1080));

        program.kill();
        program.waitForFinished(10000);
    }
};

VESKAROO_TEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
