// A Wi-Fi document camera that speaks the control protocol only.
#include "camera/inetworksocketsource.h"

#include "ffmpeg/wifirtsp/iwifisocketthread.h"
#include "opencv/ifilterkind.h"
#include "opencv/iopencvapi.h"

#include <QMutexLocker>
#include <QTimer>

#include <opencv2/core.hpp>

#include <algorithm>

INetworkSocketSource::INetworkSocketSource(QObject* parent)
    : INetworkSourceBase(IWifiControlProtocol::ControlOnlyCamera, parent)
    , m_previewTimer(new QTimer(this))
{
    m_previewTimer->setSingleShot(true);
    connect(m_previewTimer, &QTimer::timeout, this, &INetworkSocketSource::askForPreview);
}

INetworkSocketSource::~INetworkSocketSource()
{
    delete m_thread;
}

bool INetworkSocketSource::open(const ICameraInfo& camera)
{
    if (m_thread)
        return true; // it reconnects by itself
    m_thread = new IWifiSocketThread(camera);
    attach(m_thread);
    // Direct: the picture is prepared on the socket thread, then handed over.
    connect(m_thread, &IWifiCameraThread::sgCaptureImage, this,
            [this](const QImage& picture) { onThreadPicture(picture); }, Qt::DirectConnection);
    m_detectEdges = m_edgeDetection;
    m_thread->start();
    if (m_live)
        schedulePreview(0);
    return true;
}

void INetworkSocketSource::setLive(bool live)
{
    m_live = live;
    if (!live) {
        m_previewTimer->stop();
        return;
    }
    if (m_thread && !m_inFlight && !m_previewTimer->isActive()) {
        const int since = m_lastRequest.isValid() ? int(m_lastRequest.elapsed()) : kPreviewIntervalMs;
        schedulePreview(std::max(0, kPreviewIntervalMs - since));
    }
}

void INetworkSocketSource::setEdgeDetection(bool on)
{
    m_edgeDetection = on;
    m_detectEdges = on;
}

QImage INetworkSocketSource::picture(int filterKind)
{
    QImage current;
    {
        QMutexLocker lock(&m_pictureMutex);
        current = m_current;
    }
    return IWifiCameraThread::applyFilter(current, filterKind);
}

IEdgeResult INetworkSocketSource::edgeResult()
{
    QMutexLocker lock(&m_pictureMutex);
    return m_edge;
}

bool INetworkSocketSource::triggerStill(int filterKind)
{
    if (!m_thread || m_userPending)
        return false;
    m_userFilter = filterKind;
    if (m_inFlight) {
        // The still on its way is taken for the user.
        m_userPending = true;
        return true;
    }
    m_userPending = true;
    if (!m_thread->setCaptureFalg(FilterNone)) {
        m_userPending = false;
        return false;
    }
    m_inFlight = true;
    m_lastRequest.start();
    return true;
}

void INetworkSocketSource::schedulePreview(int delayMs)
{
    m_previewTimer->start(delayMs);
}

void INetworkSocketSource::askForPreview()
{
    if (!m_thread || !m_live || m_inFlight)
        return;
    // Before the binding (and while the camera is away) it is asked again later.
    if (!m_thread->protocol()->isBound() || !m_thread->setCaptureFalg(FilterNone)) {
        schedulePreview(kPreviewIntervalMs);
        return;
    }
    m_inFlight = true;
    m_lastRequest.start();
}

void INetworkSocketSource::onThreadPicture(const QImage& picture)
{
    // The heavy work happens here, on the socket thread, not on the window's.
    Arrival arrival;
    arrival.picture = picture;
    arrival.shown = picture;
    if (!picture.isNull() && m_detectEdges) {
        // The outline goes into the live view's copy only, never into a still.
        QImage shown = picture.convertToFormat(QImage::Format_RGB32);
        cv::Mat frame(shown.height(), shown.width(), CV_8UC4, shown.bits(), size_t(shown.bytesPerLine()));
        arrival.edge = IOpencvApi::cvEdgeDetect(frame);
        arrival.detected = true;
        arrival.shown = shown;
    }
    if (!picture.isNull() && m_userPending) {
        arrival.filter = m_userFilter;
        arrival.filtered = IWifiCameraThread::applyFilter(picture, arrival.filter);
    }
    QMetaObject::invokeMethod(this, [this, arrival] { onArrival(arrival); }, Qt::QueuedConnection);
}

void INetworkSocketSource::onArrival(const Arrival& arrival)
{
    m_inFlight = false;
    if (m_userPending.exchange(false)) {
        // A failed picture goes on as null: the caller reports the failure.
        const int filter = m_userFilter;
        if (arrival.picture.isNull())
            emit sgCaptureImage(QImage());
        else if (!arrival.filtered.isNull() && arrival.filter == filter)
            emit sgCaptureImage(arrival.filtered);
        else
            emit sgCaptureImage(IWifiCameraThread::applyFilter(arrival.picture, filter));
    }
    if (!arrival.picture.isNull() && m_live) {
        {
            QMutexLocker lock(&m_pictureMutex);
            m_current = arrival.shown;
            if (arrival.detected)
                m_edge = arrival.edge;
        }
        emit sgCameraFrame(arrival.shown);
    }
    if (!m_live || m_inFlight)
        return;
    // A failed one is asked for again after a pause; a good one as soon as
    // the pace allows.
    int delay = kPreviewIntervalMs;
    if (!arrival.picture.isNull() && m_lastRequest.isValid())
        delay = std::max(0, kPreviewIntervalMs - int(m_lastRequest.elapsed()));
    schedulePreview(delay);
}
