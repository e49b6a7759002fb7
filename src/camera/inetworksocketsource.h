// A Wi-Fi document camera that speaks the control protocol only: its live
// view is made of stills, asked for one after another.
#pragma once

#include "camera/inetworksourcebase.h"

#include <QElapsedTimer>
#include <QMutex>

#include <atomic>

class IWifiSocketThread;
class QTimer;

class INetworkSocketSource : public INetworkSourceBase
{
    Q_OBJECT
public:
    // The live view asks for a still at most this often.
    static constexpr int kPreviewIntervalMs = 250;

    explicit INetworkSocketSource(QObject* parent = nullptr);
    // Closes the control connection and ends the thread.
    ~INetworkSocketSource() override;

    // Null until the camera is opened.
    IWifiSocketThread* thread() const { return m_thread; }

    bool open(const ICameraInfo& camera) override;
    // Off: no more stills are asked for, the last picture stays.
    void setLive(bool live) override;
    void setEdgeDetection(bool on) override;
    QImage picture(int filterKind) override;
    IEdgeResult edgeResult() override;
    // Also taken while a still for the live view is on its way: that one is
    // then the user's (sgCaptureImage). False when the camera is not bound or
    // the user's previous still has not come yet.
    bool triggerStill(int filterKind) override;

private:
    // What the socket thread prepares of a picture before this thread sees it.
    struct Arrival
    {
        QImage picture; // as the camera sent it; null when it failed
        QImage shown;   // for the live view, with the outline drawn when detected
        IEdgeResult edge;
        bool detected = false;
        QImage filtered; // for the user's still, when its filter kind was known
        int filter = 0;
    };

    void onThreadPicture(const QImage& picture); // any thread
    void onArrival(const Arrival& arrival);
    void askForPreview();
    void schedulePreview(int delayMs);

    IWifiSocketThread* m_thread = nullptr;
    QTimer* m_previewTimer = nullptr;
    // Since the last still was asked for.
    QElapsedTimer m_lastRequest;
    // A still asked of the thread that has not come yet.
    bool m_inFlight = false;
    // The next picture is the user's; read by the socket thread too.
    std::atomic<bool> m_userPending{false};
    std::atomic<int> m_userFilter{1};
    std::atomic<bool> m_detectEdges{false};

    mutable QMutex m_pictureMutex;
    QImage m_current;
    IEdgeResult m_edge;
};
