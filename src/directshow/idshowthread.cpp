// The USB capture source on the video device layer.
#include "directshow/idshowthread.h"

#include "crash/icrashsignals.h"
#include "directshow/idecodepool.h"
#include "directshow/idirectshowapi.h"
#include "icameraerror.h"
#include "directshow/ivideodeviceregistry.h"
#include "opencv/iopencvapi.h"
#include "service/iconfigureservice.h"


#include <opencv2/imgproc.hpp>

#include <QDebug>
#include <QMetaObject>
#include <QThread>

namespace {
// Long enough to idle cheaply, short enough that settings never wait long
// for the device lock.
const int kReadTimeoutMs = 40;
// A run of frames that all have to be dropped is a camera showing nothing,
// not a stray bad sample: told after this many, or after this long.
const int kDroppedFramesToTell = 30;
const qint64 kDroppedTimeToTellMs = 2000;
// The widest picture the edge detector is given.
const int kEdgeWidth = 1000;
} // namespace

IDShowThread::IDShowThread(QObject* parent)
    : QObject(parent)
{
}

IDShowThread::~IDShowThread()
{
    close();
}

void IDShowThread::open(const QString& devicePath, bool stillCapture)
{
    if (m_thread)
        return;
    m_devicePath = devicePath;
    m_stillCapture = stillCapture;
    m_closing = false;
    m_thread = QThread::create([this] {
        const ICrashSignals::ThreadStack crashStack;
        startCapture();
    });
    connect(m_thread, &QThread::finished, this, &IDShowThread::onFinished);
    m_thread->start(QThread::InheritPriority);
}

void IDShowThread::close()
{
    if (!m_thread)
        return;
    m_closing = true;
    {
        // Closed for good: a reopen the worker asked for is void.
        QMutexLocker lock(&m_mutex);
        m_restart = false;
    }
    joinWorker();
}

void IDShowThread::joinWorker()
{
    m_closing = true;
    m_thread->wait();
    // The finish handler runs here too, so that a reopening close does not
    // depend on the event loop.
    onFinished();
}

void IDShowThread::onFinished()
{
    if (!m_thread || m_thread->isRunning())
        return;
    m_thread->deleteLater();
    m_thread = nullptr;
    bool restart;
    {
        QMutexLocker lock(&m_mutex);
        restart = m_restart;
        m_restart = false;
    }
    if (restart)
        open(m_devicePath, m_stillCapture);
}

void IDShowThread::setPreviewRender(int flag)
{
    m_previewRender = flag;
}

void IDShowThread::triggerStill()
{
    if (m_stillCapture && m_running)
        m_stillRequested = true;
}

QImage IDShowThread::picture(int filterKind)
{
    QImage current;
    ICompressedPicture compressed;
    {
        QMutexLocker lock(&m_frameMutex);
        current = m_current;
        compressed = m_compressed;
    }
    if (!compressed.isNull()) {
        // The view shows a reduced decode; what is asked for here is kept.
        const QImage full = compressed.decode(filterKind);
        if (!full.isNull())
            return full;
    }
    if (current.isNull() || filterKind == 1)
        return current;
    return IOpencvApi::cvMat2Image(IOpencvApi::cvFilter(IOpencvApi::cvImage2Mat(current), filterKind));
}

IEdgeResult IDShowThread::edgeResult()
{
    QMutexLocker lock(&m_frameMutex);
    return m_edge;
}

ICameraParameterData IDShowThread::cameraParameter()
{
    QMutexLocker lock(&m_mutex);
    return m_parameters;
}

QList<QSizeF> IDShowThread::supportedResolutions()
{
    QMutexLocker lock(&m_mutex);
    return m_resolutions;
}

bool IDShowThread::withDevice(const std::function<bool(IVideoDevice&)>& action)
{
    QMutexLocker lock(&m_mutex);
    return m_device && action(*m_device);
}

bool IDShowThread::setBrightness(int value)
{
    return withDevice([value](IVideoDevice& d) { return d.setControl(IVideoDevice::Brightness, value); });
}

bool IDShowThread::setContrast(int value)
{
    return withDevice([value](IVideoDevice& d) { return d.setControl(IVideoDevice::Contrast, value); });
}

bool IDShowThread::setSaturation(int value)
{
    return withDevice([value](IVideoDevice& d) { return d.setControl(IVideoDevice::Saturation, value); });
}

bool IDShowThread::setFocus(int value)
{
    return withDevice([value](IVideoDevice& d) {
        return IDirectShowApi::setAutoOrManual(d, IVideoDevice::FocusAuto, IVideoDevice::Focus, value);
    });
}

bool IDShowThread::setExposure(int value)
{
    return withDevice([value](IVideoDevice& d) {
        return IDirectShowApi::setAutoOrManual(d, IVideoDevice::ExposureAuto, IVideoDevice::Exposure, value);
    });
}

void IDShowThread::setEdgeDetection(bool on)
{
    m_edgeDetection = on;
}

void IDShowThread::setLive(bool live)
{
    m_live = live;
}

void IDShowThread::setResolution(const QSizeF& size)
{
    bool reopen;
    {
        QMutexLocker lock(&m_mutex);
        m_frameSize = size;
        reopen = m_device != nullptr;
        if (reopen)
            m_restart = true;
    }
    if (reopen)
        joinWorker();
}

void IDShowThread::setStoresResolution(bool on)
{
    m_storesResolution = on;
}

QString IDShowThread::devicePath() const
{
    return m_devicePath;
}

QSize IDShowThread::streamSize() const
{
    QMutexLocker lock(&m_mutex);
    return m_device ? m_streamSize : QSize();
}

bool IDShowThread::isStreaming() const
{
    return m_running;
}

void IDShowThread::startCapture()
{
    IVideoDeviceRegistry& registry = IVideoDeviceRegistry::instance();
    bool listed = false;
    for (const IVideoDeviceInfo& info : registry.devices())
        listed = listed || info.devicePath.compare(m_devicePath, Qt::CaseInsensitive) == 0;
    if (!listed) {
        emit sgError(CameraOpenFailed);
        qDebug() << "not find device: " << m_devicePath;
        return;
    }
    qDebug() << "dshow open camera: " << m_devicePath;

    std::unique_ptr<IVideoDevice> device = registry.open(m_devicePath);
    if (!device) {
        emit sgError(CameraOpenFailed);
        qDebug() << "OpenDevice failed";
        return;
    }

    QSizeF requested;
    {
        QMutexLocker lock(&m_mutex);
        requested = m_frameSize;
    }
    const QList<QSize> sizes = device->frameSizes();
    QSize size = requested.isEmpty() ? device->format() : requested.toSize();
    if (!device->setFormat(size)) {
        qDebug() << "set format failed not support resolution:" << size;
        if (sizes.isEmpty() || !device->setFormat(sizes.first())) {
            emit sgError(CameraOpenFailed);
            qDebug() << "OpenDevice failed";
            return;
        }
        size = sizes.first();
        // The configuration belongs to the GUI thread.
        if (m_storesResolution) {
            QMetaObject::invokeMethod(IConfigureService::instance(), [size] {
                IConfigureService::instance()->setCameraResolution(size);
            }, Qt::QueuedConnection);
        }
    }

    const ICameraParameterData parameters = IDirectShowApi::readCameraParameters(*device);
    if (!device->startStreaming()) {
        emit sgError(CameraOpenFailed);
        qDebug() << "OpenDevice failed";
        return;
    }
    {
        QMutexLocker lock(&m_mutex);
        if (m_frameSize != requested) {
            // A new size was asked for while the device opened: setResolution
            // saw no device to reopen, so start over at that size (unless
            // the camera is being closed).
            m_restart = !m_closing;
            lock.unlock();
            device->stopStreaming();
            qDebug() << "resolution changed while opening, reopening: " << m_devicePath;
            return;
        }
        m_parameters = parameters;
        m_resolutions.clear();
        for (const QSize& s : sizes)
            m_resolutions << QSizeF(s);
        m_streamSize = size;
        m_frameSize = QSizeF(size);
        m_device = std::move(device);
    }
    m_running = true;
    m_droppedRun = 0;
    m_droppedTold = false;
    m_pool = std::make_unique<IDecodePool>(IDecodePool::defaultThreads());
    emit sgError(CameraOpened);

    IVideoFrame frame;
    while (!m_closing) {
        IVideoDevice::ReadResult result;
        {
            // Settings from the GUI thread never meet a read in progress.
            QMutexLocker lock(&m_mutex);
            result = m_device->read(frame, kReadTimeoutMs);
        }
        if (result == IVideoDevice::Lost) {
            qDebug() << "camera lost: " << m_devicePath;
            emit sgError(CameraLost);
            break;
        }
        if (result == IVideoDevice::Frame)
            processFrame(frame);
    }

    // Frames still being decoded are shown before the worker ends.
    m_pool->drain();
    m_pool.reset();
    m_running = false;
    QMutexLocker lock(&m_mutex);
    m_device->stopStreaming();
    m_device.reset();
    qDebug() << "exit direct show thread.";
}

void IDShowThread::processFrame(const IVideoFrame& frame)
{
    if (m_previewRender)
        return;
    {
        QMutexLocker lock(&m_mutex);
        if (m_restart)
            return;
    }
    if (!m_live && !m_stillRequested)
        return;
    const bool still = m_stillRequested.exchange(false);
    // A still is full size; so is a frame of raw pixels, which has nothing
    // to gain from a reduced decode.
    const int reduction = still || !frame.bgr.empty() ? 1 : reductionFor(m_streamSize, shownSize());
    const bool outline = m_edgeDetection;
    const bool live = m_live;
    m_pool->submit([this, frame, reduction, still, outline, live]() -> std::function<void()> {
        cv::Mat bgr = frame.bgr.empty() ? ICompressedPicture::decodeMat(frame.mjpeg, reduction) : frame.bgr;
        const QSize expected((m_streamSize.width() + reduction - 1) / reduction,
                             (m_streamSize.height() + reduction - 1) / reduction);
        if (bgr.empty() || bgr.cols != expected.width() || bgr.rows != expected.height()) {
            const QSize size = bgr.empty() ? QSize() : QSize(bgr.cols, bgr.rows) * reduction;
            return [this, size] { noteDroppedFrame(size); };
        }
        QImage stillImage;
        if (still)
            stillImage = IOpencvApi::cvMat2Image(bgr.clone());
        IEdgeResult edge;
        if (live && outline) {
            if (bgr.data == frame.bgr.data)
                bgr = bgr.clone(); // the outline must not be drawn into the device's own picture
            edge = outlineOf(bgr, cv::Size(m_streamSize.width(), m_streamSize.height()), reduction);
        }
        ICompressedPicture compressed;
        if (reduction > 1) {
            compressed.jpeg = frame.mjpeg;
            compressed.size = m_streamSize;
            compressed.outline = edge;
        }
        const QImage image = live ? IOpencvApi::cvMat2Image(bgr) : QImage();
        return [=] { deliver(image, edge, outline, compressed, stillImage); };
    });
}

IEdgeResult IDShowThread::outlineOf(cv::Mat& shown, const cv::Size& full, int reduction)
{
    // As wide on screen as on a picture decoded in full.
    const int lineWidth = std::max(1, 4 / reduction);
    // The page fills much of the frame: its outline is found as well in
    // a picture about a thousand pixels across, and the detector's cost
    // goes with the pixels.
    cv::Mat small = shown;
    while (small.cols > kEdgeWidth)
        cv::resize(small, small, cv::Size(small.cols / 2, small.rows / 2), 0, 0, cv::INTER_AREA);
    if (small.data == shown.data)
        return IOpencvApi::cvEdgeToFullSize(IOpencvApi::cvEdgeDetect(shown, lineWidth), shown.size(), full);
    const IEdgeResult edge = IOpencvApi::cvEdgeToFullSize(IOpencvApi::cvEdgeDetect(small), small.size(), full);
    IEdgeResult onShown = edge;
    for (QPointF& corner : onShown.corners)
        corner = QPointF(corner.x() * shown.cols / full.width, corner.y() * shown.rows / full.height);
    IOpencvApi::cvDrawOutline(shown, onShown, lineWidth);
    return edge;
}

void IDShowThread::deliver(const QImage& image, const IEdgeResult& edge, bool outline,
                           const ICompressedPicture& compressed, const QImage& still)
{
    m_droppedRun = 0;
    m_droppedTold = false;
    if (!still.isNull())
        emit sgStillImage(still);
    if (image.isNull())
        return;
    {
        // The picture and the outline found in it change together.
        QMutexLocker lock(&m_frameMutex);
        if (outline)
            m_edge = edge;
        m_current = image;
        m_compressed = compressed;
    }
    emit sgCameraFrame(image);
}

int IDShowThread::reductionFor(const QSize& streamSize, const QSize& shown)
{
    if (shown.isEmpty() || streamSize.isEmpty())
        return 1;
    // The largest reduction whose picture still covers the shown size.
    for (const int reduction : {4, 2}) {
        if (streamSize.width() / reduction >= shown.width() && streamSize.height() / reduction >= shown.height())
            return reduction;
    }
    return 1;
}

QSize IDShowThread::shownSize() const
{
    const quint64 packed = m_shownSize;
    return QSize(int(packed >> 32), int(packed & 0xffffffffu));
}

void IDShowThread::setShownSize(const QSize& size)
{
    m_shownSize = size.isValid() ? (quint64(quint32(size.width())) << 32) | quint32(size.height()) : 0;
}

ICompressedPicture IDShowThread::compressedPicture()
{
    QMutexLocker lock(&m_frameMutex);
    return m_compressed;
}

void IDShowThread::noteDroppedFrame(const QSize& size)
{
    // A stray damaged or mis-sized sample is dropped quietly; a camera that
    // sends nothing else would otherwise show black after reporting success.
    if (m_droppedRun++ == 0)
        m_droppedClock.start();
    if (m_droppedTold || (m_droppedRun < kDroppedFramesToTell && m_droppedClock.elapsed() < kDroppedTimeToTellMs))
        return;
    m_droppedTold = true;
    if (size.isEmpty())
        qDebug().noquote() << QStringLiteral("camera frames cannot be decoded, %1 dropped: ").arg(m_droppedRun)
                           << m_devicePath;
    else
        qDebug().noquote() << QStringLiteral("camera frames of %1x%2 do not match the negotiated %3x%4, %5 dropped: ")
                                  .arg(size.width()).arg(size.height())
                                  .arg(m_streamSize.width()).arg(m_streamSize.height()).arg(m_droppedRun)
                           << m_devicePath;
    emit sgError(CameraLost);
}
