// The Wi-Fi camera simulator as a child process of a test.
#include "common/wificamerasimulator.h"

#include "common/privatenetwork.h"
#include "common/testenv.h"
#include "ffmpeg/wifirtsp/iwifitimings.h"

#include <QElapsedTimer>
#include <QtTest>

WifiCameraSimulator::WifiCameraSimulator(QObject* parent)
    : QObject(parent)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

WifiCameraSimulator::~WifiCameraSimulator()
{
    stop();
}

bool WifiCameraSimulator::start(const QStringList& options, int timeoutMs)
{
    stop();
    m_lines.clear();
    m_partial.clear();
    m_process.start(TestEnv::peerPath(QStringLiteral("wificamerasim")), options);
    if (!m_process.waitForStarted(timeoutMs))
        return false;
    return waitFor(QStringLiteral("ready"), 1, timeoutMs);
}

void WifiCameraSimulator::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

QStringList WifiCameraSimulator::lines()
{
    m_partial += m_process.readAllStandardOutput();
    const int end = m_partial.lastIndexOf('\n');
    if (end >= 0) {
        for (const QByteArray& line : m_partial.left(end).split('\n'))
            m_lines << QString::fromLocal8Bit(line);
        m_partial.remove(0, end + 1);
    }
    return m_lines;
}

int WifiCameraSimulator::count(const QString& prefix)
{
    int n = 0;
    for (const QString& line : lines())
        n += line.startsWith(prefix) ? 1 : 0;
    return n;
}

bool WifiCameraSimulator::waitFor(const QString& prefix, int n, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (count(prefix) < n) {
        if (clock.elapsed() > timeoutMs || m_process.state() == QProcess::NotRunning)
            return count(prefix) >= n;
        QTest::qWait(20);
    }
    return true;
}

void shortenWifiTimings()
{
    IWifiTimings& timings = IWifiTimings::current();
    timings = IWifiTimings();
    timings.captureTimeoutMs = 2000;
    timings.readStallMs = 600;
    timings.reconnectDelayMs = 300;
}

ICameraInfo simulatedCamera()
{
    ICameraInfo camera;
    camera.index = 100;
    camera.type = NetworkCamera;
    camera.host = TestEnv::accessPointAddress();
    camera.port = 5324;
    camera.devicePath = QStringLiteral("rtsp://admin:rorod@%1/stream/main").arg(camera.host);
    return camera;
}
