// The installed program: cmake --install lays it out as a Linux desktop
// expects, its menu entry and metadata pass the desktop's own checkers, and
// it starts from the install prefix and finds its translations and recorder
// there, as it does in the build's program folder.
#include "common/testenv.h"


#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

namespace {
const QString kAppId = QStringLiteral(VESKAROO_APP_ID);
} // namespace

class TestPackage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_prefix;

    // The prefix as the installed program sees its own folder (symlinks resolved).
    QString prefix() const { return QFileInfo(m_prefix.path()).canonicalFilePath(); }
    QString installed(const QString& relative) const { return prefix() + "/" + relative; }
    QString desktopFile() const { return installed("share/applications/" + kAppId + ".desktop"); }
    QString metainfoFile() const { return installed("share/metainfo/" + kAppId + ".metainfo.xml"); }

    static int run(const QString& program, const QStringList& args, QByteArray* output)
    {
        return TestEnv::runProcess(program, args, {}, 120000, output);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid());
        QByteArray output;
        const int code = run(VESKAROO_CMAKE_COMMAND, {"--install", VESKAROO_BUILD_DIR, "--prefix", prefix()}, &output);
        QVERIFY2(code == 0, output.constData());
    }

    void filesLieWhereTheDesktopLooks_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("program");
        QTest::newRow("executable") << "bin/veskaroo" << true;
        QTest::newRow("recorder") << "lib/veskaroo/ScreenRecord" << true;
        QTest::newRow("translation") << "share/veskaroo/Lang/2052.qm" << false;
        QTest::newRow("logo") << "share/veskaroo/logo/cur_use_logo.png" << false;
        QTest::newRow("menu entry") << "share/applications/" + kAppId + ".desktop" << false;
        QTest::newRow("metadata") << "share/metainfo/" + kAppId + ".metainfo.xml" << false;
        QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/" + kAppId + ".svg" << false;
    }

    void filesLieWhereTheDesktopLooks()
    {
        QFETCH(QString, path);
        QFETCH(bool, program);
        const QFileInfo file(installed(path));
        QVERIFY2(file.isFile(), qPrintable(path));
        QCOMPARE(file.isExecutable(), program);
    }

    void iconsAtTheUsualSizes()
    {
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const QString path = installed(QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId));
            const QImage icon(path);
            QVERIFY2(!icon.isNull(), qPrintable(path));
            QCOMPARE(icon.size(), QSize(size, size));
            // A drawn tile, not an empty picture.
            QVERIFY2(qAlpha(icon.pixel(size / 2, size / 2)) == 255, qPrintable(path));
            QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        }
    }

    void menuEntryAndMetadataPassTheCheckers()
    {
        QByteArray output;
        QVERIFY2(!QStandardPaths::findExecutable("desktop-file-validate").isEmpty(), "scripts/install-deps.sh installs it");
        QVERIFY2(run("desktop-file-validate", {desktopFile()}, &output) == 0 && !output.contains("error"),
                 output.constData());
        QVERIFY2(!QStandardPaths::findExecutable("appstreamcli").isEmpty(), "scripts/install-deps.sh installs it");
        QVERIFY2(run("appstreamcli", {"validate", "--no-net", metainfoFile()}, &output) == 0, output.constData());

        // What the checkers do not see: the entry starts the installed
        // program with the installed icon, and the metadata names the entry.
        QSettings entry(desktopFile(), QSettings::IniFormat);
        entry.beginGroup("Desktop Entry");
        QVERIFY(QFileInfo(installed("bin/" + entry.value("Exec").toString().section(' ', 0, 0))).isExecutable());
        QCOMPARE(entry.value("Icon").toString(), kAppId);
        QFile metainfo(metainfoFile());
        QVERIFY(metainfo.open(QIODevice::ReadOnly));
        QVERIFY(metainfo.readAll().contains("<launchable type=\"desktop-id\">" + kAppId.toUtf8() + ".desktop</launchable>"));
    }

    void installedProgramStartsAndFindsItsFiles()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QString profile = home.path() + "/data/veskaroo";
        {
            QSettings ini(profile + "/ini/application.ini", QSettings::IniFormat);
            ini.setValue("lang/langid", "2052");
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_DATA_HOME", home.path() + "/data");
        env.insert("XDG_CONFIG_HOME", home.path() + "/config");
        env.insert("XDG_CACHE_HOME", home.path() + "/cache");
        env.insert("XDG_RUNTIME_DIR", home.path());
        // On the test's X display (./test.sh runs the suite under Xvfb).
        if (env.contains("DISPLAY"))
            env.insert("QT_QPA_PLATFORM", "xcb");
        const QStringList command = TestEnv::isolatedNetworkCommand(installed("bin/veskaroo"),
                                                                    {"--virtual-camera", "--no-discovery"});
        QProcess program;
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(command.first(), command.mid(1));

        const QString logPath = profile + "/other/log_" + QDate::currentDate().toString("yyyyMMdd") + ".txt";
        auto log = [&logPath] {
            QFile f(logPath);
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
        };
        QTRY_VERIFY2_WITH_TIMEOUT(log().contains("camera error code: 0"), qPrintable(log() + program.readAll()), 60000);
        QCOMPARE(program.state(), QProcess::Running);
        const QString text = log();
        program.kill();
        program.waitForFinished(10000);
        const QString translation = installed("share/veskaroo/Lang/2052.qm");
        QVERIFY2(text.contains(QString("language id: \"2052\" path: \"%1\" loaded: true").arg(translation)), qPrintable(text));
        QVERIFY2(text.contains(QString("program files: installed, data %1, recorder %2 found: true")
                                   .arg(installed("share/veskaroo"), installed("lib/veskaroo/ScreenRecord"))),
                 qPrintable(text));
    }
};

VESKAROO_TEST_MAIN(TestPackage)
#include "tst_package.moc"
