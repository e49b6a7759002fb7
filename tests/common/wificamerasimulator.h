// Starts the Wi-Fi camera simulator (tests/peers/wificamerasim) for a test
// running in a private network namespace, and reads what it reports.
#pragma once

#include "icamerainfo.h"

#include <QObject>
#include <QProcess>
#include <QStringList>

class WifiCameraSimulator : public QObject
{
    Q_OBJECT
public:
    explicit WifiCameraSimulator(QObject* parent = nullptr);
    ~WifiCameraSimulator() override;

    // Starts it with these options and waits until it listens.
    bool start(const QStringList& options = {}, int timeoutMs = 10000);
    void stop();
    // Every line it printed so far.
    QStringList lines();
    // How many printed lines start with `prefix`.
    int count(const QString& prefix);
    // Waits until `count(prefix) >= n`.
    bool waitFor(const QString& prefix, int n = 1, int timeoutMs = 10000);

private:
    QProcess m_process;
    QStringList m_lines;
    QByteArray m_partial;
};

// The Wi-Fi camera's waits, shortened so that a camera that never answers is
// found out within a test; everything else back to the program's defaults.
void shortenWifiTimings();

// The camera the simulator plays, at its access-point address, as the
// camera facade describes it.
ICameraInfo simulatedCamera();
