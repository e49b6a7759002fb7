// Finds the network cameras: the one on its own access point, then those
// that answer a WS-Discovery probe. Runs in the background on the GUI
// thread, so that nothing waits for a network that may have no camera;
// each camera is announced as soon as its place in the list is known.
#pragma once

#include "icamerainfo.h"

#include <QList>
#include <QObject>
#include <QPointer>

class IOnvifDevice;
class QTcpSocket;
class QTimer;
struct OnvifDevice;

class INetworkCameraFinder : public QObject
{
    Q_OBJECT
public:
    // The access point's camera and the control port every camera listens on.
    static const char* const kAccessPointAddress;
    static constexpr int kControlPort = 5324;
    static constexpr int kAccessPointWaitMs = 200;
    static constexpr int kDiscoveryTimeoutMs = 5000;

    // `onvif` null: the process-wide finder.
    explicit INetworkCameraFinder(IOnvifDevice* onvif = nullptr, QObject* parent = nullptr);
    ~INetworkCameraFinder() override;

    // Starts a search unless one runs. Answers of an earlier search that
    // come late still join.
    void start();
    bool isRunning() const { return m_running; }
    // What the running search found so far, or what the last one found.
    QList<ICameraInfo> found() const { return m_found; }
    // The same, with what the search before found and this one not yet.
    QList<ICameraInfo> cameras() const;
    // Runs the event loop until the search has ended, or until it found a
    // camera when `firstOnly`.
    void wait(bool firstOnly = false);

    // Tests shorten the discovery.
    static void setDiscoveryTimeoutMs(int ms);

signals:
    // A camera with its final index, in list order.
    void sgCameraFound(ICameraInfo camera);
    void sgFinished();

private:
    void onAccessPointAnswer(bool connected);
    void onDevice(const OnvifDevice& device);
    void onDiscoveryFinished();
    void addDiscovered(const OnvifDevice& device);
    void finishIfDone();

    IOnvifDevice* m_onvif;
    QTcpSocket* m_probe = nullptr;
    QTimer* m_probeTimer = nullptr;
    bool m_running = false;
    bool m_accessPointKnown = false;
    bool m_discoveryOver = false;
    // Discovered before the access point answered: their indices depend on it.
    QList<OnvifDevice> m_held;
    QList<ICameraInfo> m_found;
    QList<ICameraInfo> m_lastFound;
};
