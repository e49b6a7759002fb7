// Test harness: every test process runs on a private, temporary data folder.
#pragma once

#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

class MainFrame;

namespace TestEnv {

// Points XDG_DATA_HOME (and so the program's data folder) at a fresh
// temporary folder; must run before the application object exists.
QTemporaryDir& isolateDataFolder();

// The program's data folder as the code under test will see it.
QString dataFolder();

// Runs `program` with `args` and the given extra environment, waits at most
// `timeoutMs`, and returns its exit code (-1 when it did not end normally).
int runProcess(const QString& program, const QStringList& args,
               const QStringList& extraEnv = {}, int timeoutMs = 30000,
               QByteArray* output = nullptr);

QString peerPath(const QString& name);

// The offscreen platform warns at every window size-limit or opacity change;
// drops just those so that test output stays readable.
void silenceOffscreenPlatformNotices();
// Starts the window as the program does and waits until it shows the
// camera's pictures; false when it did not within 30 s.
bool showFirstPicture(MainFrame* window);
QString programPath();

// Forgets the settings remembered for every camera, so that a test's camera
// starts on the device's own values.
void forgetCameraSettings();

// Driving the real program on the X display (./test.sh runs the suite under
// Xvfb): true when a display and xdotool are there.
bool canDriveWindows();
// The id of the first visible window whose title matches `namePattern`,
// waiting up to `timeoutMs`; empty when none showed.
QString findVisibleWindow(const QString& namePattern, int timeoutMs = 30000);
// Focuses `window` and types `keys` (xdotool key names, e.g. "ctrl+alt+5").
bool pressKeys(const QString& window, const QString& keys);
// Where `window` is on the display; null when it cannot be told.
QRect windowGeometry(const QString& window);
// The size of the X display the windows are on.
QSize displaySize();

} // namespace TestEnv

// Like QTEST_MAIN, but isolates the data folder first.
#define VESKAROO_TEST_MAIN(TestClass)                     \
    int main(int argc, char** argv)                        \
    {                                                      \
        TestEnv::isolateDataFolder();                      \
        QApplication app(argc, argv);                      \
        app.setAttribute(Qt::AA_Use96Dpi, true);           \
        TestClass tc;                                      \
        QTEST_SET_MAIN_SOURCE_PATH                         \
        return QTest::qExec(&tc, argc, argv);              \
    }

namespace TestEnv {
// Arguments for QProcess that run `program` in a private network namespace
// (loopback only); the first element is the command to start.
QStringList isolatedNetworkCommand(const QString& program, const QStringList& args);
} // namespace TestEnv
