// The whole program started as a user would: an empty profile, a profile
// from an older version, and a second copy. Each run has its own network
// namespace, so nothing it does can leave the machine.
#include "common/testenv.h"

#include "ocr/include/iocrlibrary.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QLibraryInfo>
#include <QSettings>

#include <dlfcn.h>

class TestStartup : public QObject
{
    Q_OBJECT

    QTemporaryDir* m_home = nullptr;

    QString profile() const { return m_home->path() + "/veskaroo"; }
    QString iniPath() const { return profile() + "/ini/application.ini"; }
    QString todaysLog() const
    {
        return profile() + "/other/log_" + QDate::currentDate().toString("yyyyMMdd") + ".txt";
    }
    QString readLog() const
    {
        QFile f(todaysLog());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    void startProgram(QProcess& process, const QStringList& args = {}, bool onDisplay = false,
                      const QString& tempFolder = QString())
    {
        const QStringList cmd = TestEnv::isolatedNetworkCommand(TestEnv::programPath(), args);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", m_home->path());
        if (!tempFolder.isEmpty())
            env.insert("TMPDIR", tempFolder);
        if (onDisplay)
            env.insert("QT_QPA_PLATFORM", "xcb");
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(cmd.first(), cmd.mid(1));
    }

private slots:
    void init()
    {
        delete m_home;
        m_home = new QTemporaryDir;
    }
    void cleanupTestCase() { delete m_home; }

    // Without a camera the program says so in a message box and ends once
    // the user confirms it.
    void startWithoutCamera(QProcess& program)
    {
        startProgram(program, {}, true);
        const QString box = TestEnv::findVisibleWindow("^Veskaroo$");
        QVERIFY2(!box.isEmpty(), "no message box about the missing camera");
        QVERIFY(TestEnv::pressKeys(box, "Return"));
        QVERIFY(program.waitForFinished(60000));
        QVERIFY2(program.exitStatus() == QProcess::NormalExit, program.readAll().constData());
        QCOMPARE(program.exitCode(), 0);
    }

    void emptyProfileWithoutCameraTellsTheUserAndExits()
    {
        if (!TestEnv::canDriveWindows())
            QSKIP("needs an X display and xdotool (./test.sh provides both)");
        QProcess program;
        QElapsedTimer clock;
        clock.start();
        startWithoutCamera(program);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(clock.elapsed() >= 1000);

        QSettings ini(iniPath(), QSettings::IniFormat);
        QCOMPARE(ini.value("lang/langid").toString(), QString("1033"));

        const QString log = readLog();
        QVERIFY(log.contains("not find device quit app."));
        QVERIFY(log.contains("Windows MainFrame used!"));
        QVERIFY(log.contains("current software version:  V2.8.77212_2025.11.12")
                || log.contains("current software version: V2.8.77212_2025.11.12"));
        const QStringList lines = log.split("\r\n");
        QVERIFY(lines.size() > 3);
        QVERIFY(lines.last().isEmpty()); // every line ends in \r\n
        const QRegularExpression format(
            R"(^\(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d \d{3}\) (Debug:|Critical:|Fatal:|) .*    File:\(.*\) Line:\(\d+\) Function\(.*\)$)");
        for (int i = 0; i < lines.size() - 1; ++i)
            QVERIFY2(format.match(lines[i]).hasMatch(), qPrintable(lines[i]));
        QVERIFY(QDir(profile() + "/dump").exists());
    }

    void olderLanguageIdIsRewrittenAndItsTranslationLoaded()
    {
        {
            QDir().mkpath(profile() + "/ini");
            QSettings ini(iniPath(), QSettings::IniFormat);
            ini.setValue("lang/langid", "LG_2052");
        }
        if (!TestEnv::canDriveWindows())
            QSKIP("needs an X display and xdotool (./test.sh provides both)");
        QProcess program;
        startWithoutCamera(program);
        if (QTest::currentTestFailed())
            return;

        QSettings ini(iniPath(), QSettings::IniFormat);
        QCOMPARE(ini.value("lang/langid").toString(), QString("2052"));
        const QString log = readLog();
        QVERIFY2(log.contains(QRegularExpression(R"(language id: "2052" path: ".*/Lang/2052\.qm" loaded: true)")),
                 qPrintable(log));
    }

    void secondCopyHandsOverToTheFirstAndExitsWithOne()
    {
        // The first copy is a peer that stays up and prints what it receives.
        QProcess first;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", m_home->path());
        first.setProcessEnvironment(env);
        first.start(TestEnv::peerPath("singleinstancepeer"), QStringList());
        QVERIFY(first.waitForReadyRead(30000));
        QCOMPARE(first.readLine().trimmed(), QByteArray("ready"));

        QProcess second;
        startProgram(second);
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(second.exitCode(), 1);
        QVERIFY(first.waitForFinished(30000));
        QCOMPARE(first.readAll().trimmed(), QByteArray("received:raise_window_noop"));
        // Nothing else was started in the second copy.
        QVERIFY(!QFile::exists(todaysLog()));
    }

    // A temporary folder where the one-copy lock cannot be made is no
    // other copy: the program starts and its log says why it runs unguarded.
    void unusableTemporaryFolderDoesNotKeepTheProgramOut()
    {
        const QString notAFolder = m_home->filePath("not-a-folder");
        QFile file(notAFolder);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QProcess program;
        startProgram(program, {"--virtual-camera", "--no-discovery"}, false, notAFolder);
        QTRY_VERIFY_WITH_TIMEOUT(readLog().contains("camera error code: 0"), 60000);
        QCOMPARE(program.state(), QProcess::Running);
        const QString log = readLog();
        QVERIFY2(log.contains("single instance: cannot take the lock " + notAFolder), qPrintable(log));
        program.kill();
        program.waitForFinished(10000);
    }

    // The OCR engine's library, whichever loader took it, leaves a handle
    // its symbols can be found through.
    void ocrLibraryIsUsableWhicheverLoaderTookIt_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("route");
        // Qt's own library stands in for the engine: it is surely there.
        const QString folder = QLibraryInfo::location(QLibraryInfo::LibrariesPath);
        QTest::newRow("platform loader") << folder + "/libQt5Core.so.5"
                                         << "windows load OCR FREngine.dll success! path=";
        QTest::newRow("QLibrary, completing the name") << folder + "/Qt5Core" << "Qt QLibrary load dll return true";
    }

    void ocrLibraryIsUsableWhicheverLoaderTookIt()
    {
        QFETCH(QString, path);
        QFETCH(QString, route);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^" + QRegularExpression::escape(route)));
        QVERIFY(IOcrLibrary::load(path));
        void* handle = IOcrLibrary::handle();
        QVERIFY(handle);
        QVERIFY(::dlsym(handle, "qVersion"));
    }

    void virtualCameraKeepsTheProgramRunning()
    {
        QProcess program;
        startProgram(program, {"--virtual-camera", "--no-discovery"});
        QTRY_VERIFY_WITH_TIMEOUT(readLog().contains("camera error code: 0"), 60000);
        QVERIFY(readLog().contains("Veskaroo Virtual Document Camera #1"));
        QVERIFY(readLog().contains("network camera discovery is off."));
        QCOMPARE(program.state(), QProcess::Running);

        // A second real copy finds it and exits with 1.
        QProcess second;
        startProgram(second);
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(second.exitCode(), 1);
        QCOMPARE(program.state(), QProcess::Running);
        program.kill();
        program.waitForFinished(10000);
    }
};

VESKAROO_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
