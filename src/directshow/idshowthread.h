// The USB capture source: streams MJPG from a video device on a worker
// thread, decodes and converts every frame, finds the document outline when
// asked, and carries out the camera settings.
#pragma once

#include "directshow/icameraparameterdata.h"
#include "directshow/ivideodevice.h"
#include "opencv/icompressedpicture.h"
#include "opencv/iedgeresult.h"

#include <QElapsedTimer>
#include <QImage>
#include <QMutex>
#include <QObject>
#include <QSizeF>

#include <atomic>
#include <memory>

class IDecodePool;
class QThread;

class IDShowThread : public QObject
{
    Q_OBJECT
public:
    explicit IDShowThread(QObject* parent = nullptr);
    ~IDShowThread() override;

    // GUI thread. Starts streaming the device on a worker thread; stillCapture
    // marks cameras whose stills are taken at full resolution.
    virtual void open(const QString& devicePath, bool stillCapture);
    // GUI thread. Ends streaming and joins the worker.
    virtual void close();
    virtual void setPreviewRender(int flag);
    // The next frame is also delivered as a still (sgStillImage); nothing
    // happens for cameras without still capture.
    virtual void triggerStill();
    // Thread-safe, without waiting for a read in progress: the last frame,
    // filtered; null before the first.
    virtual QImage picture(int filterKind);
    // Thread-safe: the last frame as the camera sent it, while the view
    // shows it decoded at reduced size; null otherwise (picture() is then
    // full size and as cheap).
    virtual ICompressedPicture compressedPicture();
    virtual IEdgeResult edgeResult();
    virtual ICameraParameterData cameraParameter();
    virtual QList<QSizeF> supportedResolutions();

    // GUI thread; each answers whether the device took it.
    bool setBrightness(int value);
    bool setContrast(int value);
    bool setSaturation(int value);
    bool setFocus(int value);    // -999: automatic
    bool setExposure(int value); // -999: automatic
    void setEdgeDetection(bool on);
    // false freezes: frames are no longer converted or emitted, and the
    // picture getter keeps answering with the last one.
    void setLive(bool live);
    // Reopens the device at the new size when it is streaming.
    void setResolution(const QSizeF& size);

    QString devicePath() const;
    // The size the device streams at; empty while it does not.
    QSize streamSize() const;
    bool isStreaming() const;
    // GUI thread, before open. A size the device refuses is replaced by its
    // first and, for the main camera, stored as the configured resolution;
    // a second camera (picture-in-picture) must leave that alone.
    void setStoresResolution(bool on);
    // Any thread. The size the picture is shown at, in device pixels; MJPG
    // frames are decoded at the largest reduction (1/2, 1/4) that still
    // covers it. An invalid size decodes in full.
    void setShownSize(const QSize& size);

    // The reduction for a stream of `streamSize` shown at `shown`: 1, 2 or 4.
    static int reductionFor(const QSize& streamSize, const QSize& shown);
    // Any thread: the page outline of a frame decoded at `reduction`, in
    // the pixels of the `full` frame, drawn into the frame.
    static IEdgeResult outlineOf(cv::Mat& shown, const cv::Size& full, int reduction);

signals:
    void sgCameraFrame(QImage frame);
    void sgStillImage(QImage still);
    void sgError(int code);

public slots:
    void startCapture();

private:
    bool withDevice(const std::function<bool(IVideoDevice&)>& action);
    // Worker thread: hands the frame to the decode pool.
    void processFrame(const IVideoFrame& frame);
    // Decode pool, in frame order: makes a decoded frame the current one.
    void deliver(const QImage& image, const IEdgeResult& edge, bool outline,
                 const ICompressedPicture& compressed, const QImage& still);
    // Decode pool, in frame order: counts a run of frames that could not be
    // shown and tells the user once when it lasts.
    void noteDroppedFrame(const QSize& size);
    QSize shownSize() const;
    // Ends the worker; onFinished reopens when a restart is pending.
    void joinWorker();
    void onFinished();

    QString m_devicePath;
    bool m_stillCapture = false;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_closing{false};
    std::atomic<bool> m_edgeDetection{false};
    std::atomic<bool> m_live{true};
    std::atomic<bool> m_stillRequested{false};
    std::atomic<bool> m_storesResolution{true};
    // Set from the GUI thread, read by the worker for every frame.
    std::atomic<int> m_previewRender{0};
    QThread* m_thread = nullptr;
    // The last frame and its outline have a lock of their own: the device
    // lock is held through every read, which waits up to a frame period,
    // and a snap must not wait for that on the GUI thread.
    mutable QMutex m_frameMutex;
    QImage m_current;
    ICompressedPicture m_compressed;
    IEdgeResult m_edge;
    ICameraParameterData m_parameters;
    QList<QSizeF> m_resolutions;
    bool m_restart = false;
    QSizeF m_frameSize{0, 0};
    QSize m_streamSize;
    // Width and height, packed, so that the worker reads them without a lock.
    std::atomic<quint64> m_shownSize{0};
    // Worker thread only; the pool lives while the device streams.
    std::unique_ptr<IDecodePool> m_pool;
    // Decode pool deliveries only (one at a time, in order).
    int m_droppedRun = 0;
    bool m_droppedTold = false;
    QElapsedTimer m_droppedClock;
    std::unique_ptr<IVideoDevice> m_device;
    mutable QMutex m_mutex;
};
