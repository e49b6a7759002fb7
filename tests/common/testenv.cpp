// Test harness: private data folders and child processes.
#include "common/testenv.h"

#include <QElapsedTimer>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include "icamera.h"
#include "mainframe.h"
#include "service/iconfigureservice.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTest>

namespace TestEnv {

QTemporaryDir& isolateDataFolder()
{
    static QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
    // The access-point probe would knock at 192.168.43.1 on the real
    // network; tests in a private namespace switch it back on.
    ICamera::setDiscoveryEnabled(false);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return dir;
}

QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

int runProcess(const QString& program, const QStringList& args,
               const QStringList& extraEnv, int timeoutMs, QByteArray* output)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& pair : extraEnv) {
        const int eq = pair.indexOf('=');
        env.insert(pair.left(eq), pair.mid(eq + 1));
    }
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    if (!process.waitForStarted(timeoutMs))
        return -1;
    const bool finished = process.waitForFinished(timeoutMs);
    if (output)
        *output = process.readAll();
    if (!finished) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool canDriveWindows()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") && !QStandardPaths::findExecutable("xdotool").isEmpty();
}

QString findVisibleWindow(const QString& namePattern, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        QByteArray found;
        if (runProcess("xdotool", {"search", "--onlyvisible", "--name", namePattern}, {}, 10000, &found) == 0) {
            const QString window = QString::fromLatin1(found).split('\n', Qt::SkipEmptyParts).value(0).trimmed();
            if (!window.isEmpty())
                return window;
        }
        QTest::qWait(200);
    }
    return QString();
}

bool pressKeys(const QString& window, const QString& keys)
{
    return runProcess("xdotool", {"windowfocus", "--sync", window}, {}, 10000) == 0
        && runProcess("xdotool", {"key", keys}, {}, 10000) == 0;
}

QRect windowGeometry(const QString& window)
{
    QByteArray shell;
    if (runProcess("xdotool", {"getwindowgeometry", "--shell", window}, {}, 10000, &shell) != 0)
        return QRect();
    QMap<QString, int> values;
    for (const QString& line : QString::fromLatin1(shell).split('\n', Qt::SkipEmptyParts)) {
        const QStringList pair = line.split('=');
        if (pair.size() == 2)
            values[pair[0].trimmed()] = pair[1].trimmed().toInt();
    }
    return QRect(values.value("X"), values.value("Y"), values.value("WIDTH"), values.value("HEIGHT"));
}

QSize displaySize()
{
    QByteArray size;
    if (runProcess("xdotool", {"getdisplaygeometry"}, {}, 10000, &size) != 0)
        return QSize();
    const QStringList parts = QString::fromLatin1(size).split(' ', Qt::SkipEmptyParts);
    return parts.size() == 2 ? QSize(parts[0].toInt(), parts[1].toInt()) : QSize();
}

QString peerPath(const QString& name)
{
    return QStringLiteral(VESKAROO_TEST_BIN_DIR "/") + name;
}

bool showFirstPicture(MainFrame* window)
{
    QSignalSpy frames(ICamera::instance(), &ICamera::sgCameraFrame);
    window->createFirstSlide();
    // Shown when the camera opened.
    return QTest::qWaitFor([&] { return frames.count() >= 2; }, 30000)
        && QTest::qWaitFor([&] { return window->isVisible(); }, 30000) && QTest::qWaitForWindowExposed(window);
}

void silenceOffscreenPlatformNotices()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message.startsWith(QLatin1String("This plugin does not support")))
            return;
        previous(type, context, message);
    });
}

QString programPath()
{
    return QStringLiteral(VESKAROO_BIN_DIR "/veskaroo");
}

} // namespace TestEnv

#include <unistd.h>

namespace TestEnv {

QStringList isolatedNetworkCommand(const QString& program, const QStringList& args)
{
    // As root a plain network namespace; otherwise one inside a user namespace.
    QStringList command{QStringLiteral("unshare"), ::geteuid() == 0 ? QStringLiteral("-n") : QStringLiteral("-rn"),
                        QStringLiteral("--"), program};
    return command + args;
}

} // namespace TestEnv

namespace TestEnv {

void forgetCameraSettings()
{
    QSettings settings(IConfigureService::settingsFilePath(), QSettings::IniFormat);
    for (const QString& group : settings.childGroups()) {
        if (group.startsWith(QLatin1String("camerasettings-")))
            settings.remove(group);
    }
}

} // namespace TestEnv
