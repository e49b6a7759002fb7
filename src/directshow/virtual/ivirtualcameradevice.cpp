// One opened virtual document camera: the rendered page, a picture or a video, paced like a 30 fps camera.
#include "directshow/virtual/ivirtualcameradevice.h"

#include "directshow/virtual/ivirtualcamerapresence.h"
#include "directshow/virtual/ivirtualpage.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <QFile>
#include <QMutexLocker>

#include <algorithm>
#include <cmath>

namespace {

constexpr std::chrono::nanoseconds framePeriod(1000000000 / IVirtualCameraDevice::framesPerSecond);

cv::Size cvSize(const QSize& size)
{
    return cv::Size(size.width(), size.height());
}

} // namespace

IVirtualCameraDevice::IVirtualCameraDevice(std::shared_ptr<IVirtualCameraPresence> presence, Source source)
    : m_presence(std::move(presence))
    , m_plugging(m_presence->plugging())
    , m_source(std::move(source))
    , m_format(supportedSizes().first())
{
}

IVirtualCameraDevice::~IVirtualCameraDevice()
{
    stopStreaming();
}

QList<QSize> IVirtualCameraDevice::supportedSizes()
{
    return {QSize(640, 480), QSize(1280, 720), QSize(1920, 1080), QSize(2560, 1440), QSize(3840, 2160)};
}

QList<QSize> IVirtualCameraDevice::frameSizes() const
{
    return supportedSizes();
}

bool IVirtualCameraDevice::setFormat(const QSize& size)
{
    if (!plugged() || m_streaming || !supportedSizes().contains(size))
        return false;
    m_format = size;
    return true;
}

QSize IVirtualCameraDevice::format() const
{
    return m_format;
}

bool IVirtualCameraDevice::startStreaming()
{
    if (!plugged())
        return false;
    if (m_streaming)
        return true;
    m_delivered = 0;
    m_processed.release();
    m_encoded.clear();
    m_unprocessed.release();
    if (!m_source.page && m_source.picture.empty()) {
        // Each stream plays the video from its start.
        if (!m_video.open(QFile::encodeName(m_source.videoPath).toStdString(), m_source.videoApi))
            return false;
        const double fps = m_video.get(cv::CAP_PROP_FPS);
        m_videoFps = fps > 0.0 && fps <= 240.0 ? fps : double(framesPerSecond);
        m_decoded = 0;
    } else {
        // The first frame of a 4K stream would otherwise wait for the
        // rendering; later reads only copy.
        const IVirtualCameraSettings s = settings();
        m_unprocessed = m_source.page ? m_source.page->scene(cvSize(m_format)) : fitted(m_source.picture);
        m_processed = s.apply(m_unprocessed, m_source.page ? sensorNoise : 0.0);
        m_processedSettings = s;
        m_processedSize = m_format;
        if (!m_source.raw)
            encoded();
    }
    m_due = Clock::now();
    m_streaming = true;
    return true;
}

IVideoDevice::ReadResult IVirtualCameraDevice::read(IVideoFrame& frame, int timeoutMs)
{
    if (!m_streaming || !plugged())
        return Lost;
    const Clock::time_point now = Clock::now();
    if (timeoutMs >= 0 && m_due > now + std::chrono::milliseconds(timeoutMs))
        return m_presence->waitUntil(now + std::chrono::milliseconds(timeoutMs), m_plugging) ? Timeout : Lost;
    if (!m_presence->waitUntil(m_due, m_plugging))
        return Lost;

    if (!nextFrame(settings(), frame)) {
        m_presence->setPresent(false);
        return Lost;
    }

    const Clock::time_point delivered = Clock::now();
    m_due += framePeriod;
    if (m_due <= delivered)
        m_due += framePeriod * ((delivered - m_due) / framePeriod + 1);
    return Frame;
}

void IVirtualCameraDevice::stopStreaming()
{
    m_streaming = false;
    m_video.release();
}

IControlRange IVirtualCameraDevice::control(Control control) const
{
    if (!plugged())
        return IControlRange();
    IControlRange range = IVirtualCameraSettings::range(control);
    if (range.valid)
        range.current = settings().value(control);
    return range;
}

bool IVirtualCameraDevice::setControl(Control control, int value)
{
    if (!plugged())
        return false;
    QMutexLocker lock(&m_settingsMutex);
    return m_settings.setValue(control, value);
}

bool IVirtualCameraDevice::plugged() const
{
    return m_presence->isPlugged(m_plugging);
}

IVirtualCameraSettings IVirtualCameraDevice::settings() const
{
    QMutexLocker lock(&m_settingsMutex);
    return m_settings;
}

bool IVirtualCameraDevice::nextFrame(const IVirtualCameraSettings& settings, IVideoFrame& frame)
{
    bool changed = m_processed.empty() || m_processedSize != m_format || m_processedSettings != settings;
    if (m_source.page) {
        if (changed)
            m_unprocessed = m_source.page->scene(cvSize(m_format));
    } else if (!m_source.picture.empty()) {
        if (m_unprocessed.empty() || m_unprocessed.size() != cvSize(m_format))
            m_unprocessed = fitted(m_source.picture);
    } else {
        // The file plays at its own speed: frames it has more of than the
        // camera are skipped, frames it has fewer of are shown again.
        const auto wanted = std::int64_t(std::floor(m_delivered * m_videoFps / framesPerSecond)) + 1;
        while (m_decoded < wanted) {
            cv::Mat raw;
            if (!m_video.read(raw) || raw.empty())
                return false;
            if (++m_decoded == wanted) {
                m_unprocessed = fitted(raw);
                changed = true;
            }
        }
    }
    if (changed) {
        m_processed = settings.apply(m_unprocessed, m_source.page ? sensorNoise : 0.0);
        m_processedSettings = settings;
        m_processedSize = m_format;
        m_encoded.clear();
    }
    ++m_delivered;
    if (m_source.raw) {
        // The reader may draw into its frame; the kept picture must stay clean.
        frame.mjpeg.clear();
        frame.bgr = m_processed.clone();
        return true;
    }
    // Shared, not copied: nobody writes into the bytes of a frame.
    frame.bgr.release();
    frame.mjpeg = encoded();
    return true;
}

const QByteArray& IVirtualCameraDevice::encoded()
{
    if (m_encoded.isEmpty() && !m_processed.empty()) {
        std::vector<uchar> bytes;
        cv::imencode(".jpg", m_processed, bytes, {cv::IMWRITE_JPEG_QUALITY, mjpegQuality});
        m_encoded = QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size()));
    }
    return m_encoded;
}

cv::Mat IVirtualCameraDevice::fitted(const cv::Mat& picture) const
{
    const cv::Size size = cvSize(m_format);
    cv::Mat out(size, CV_8UC3, cv::Scalar::all(0));
    if (picture.empty())
        return out;
    cv::Mat bgr = picture;
    if (picture.channels() == 1)
        cv::cvtColor(picture, bgr, cv::COLOR_GRAY2BGR);
    else if (picture.channels() == 4)
        cv::cvtColor(picture, bgr, cv::COLOR_BGRA2BGR);
    if (bgr.depth() != CV_8U)
        bgr.convertTo(bgr, CV_8U, bgr.depth() == CV_16U ? 1.0 / 257.0 : 1.0);
    const double scale = std::min(double(size.width) / bgr.cols, double(size.height) / bgr.rows);
    const cv::Size inner(std::clamp(int(std::lround(bgr.cols * scale)), 1, size.width),
                         std::clamp(int(std::lround(bgr.rows * scale)), 1, size.height));
    cv::Mat target = out(cv::Rect((size.width - inner.width) / 2, (size.height - inner.height) / 2, inner.width,
                                  inner.height));
    cv::resize(bgr, target, inner, 0, 0, scale < 1.0 ? cv::INTER_AREA : cv::INTER_LINEAR);
    return out;
}
