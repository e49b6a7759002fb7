// A camera for the OpenCV capture thread, opened through the program's video
// device layer.
#include "opencv/iopencvcapturedevice.h"

#include "directshow/idirectshowapi.h"
#include "directshow/ivideodeviceregistry.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/videoio.hpp>

#include <QElapsedTimer>

#include <algorithm>

namespace {

// Short reads, so that a gone device is noticed at once; a camera silent
// for longer than the second is taken for lost, as OpenCV's own reader does.
const int kReadTimeoutMs = 100;
const qint64 kSilenceMs = 3000;

double mjpg()
{
    return cv::VideoWriter::fourcc('M', 'J', 'P', 'G');
}

} // namespace

IOpencvCaptureDevice::IOpencvCaptureDevice(const QString& devicePath)
    : m_device(IVideoDeviceRegistry::instance().open(devicePath))
{
    if (!m_device)
        return;
    // Devices keep whatever format they last had; MJPG is asked for.
    const QList<QSize> sizes = m_device->frameSizes();
    const bool formatted = m_device->setFormat(m_device->format())
        || (!sizes.isEmpty() && m_device->setFormat(sizes.first()));
    if (!formatted || !m_device->startStreaming())
        m_device.reset();
}

IOpencvCaptureDevice::~IOpencvCaptureDevice()
{
    release();
}

bool IOpencvCaptureDevice::isOpened() const
{
    return m_device != nullptr;
}

bool IOpencvCaptureDevice::read(cv::Mat& frame)
{
    frame.release();
    if (!m_device)
        return false;
    QElapsedTimer silence;
    silence.start();
    while (silence.elapsed() < kSilenceMs) {
        IVideoFrame raw;
        const IVideoDevice::ReadResult result = m_device->read(raw, kReadTimeoutMs);
        if (result == IVideoDevice::Lost)
            return false;
        if (result != IVideoDevice::Frame)
            continue;
        if (!raw.bgr.empty())
            frame = raw.bgr.clone(); // the thread draws into it, the device may show it again
        else
            frame = cv::imdecode(cv::Mat(1, raw.mjpeg.size(), CV_8UC1, raw.mjpeg.data()), cv::IMREAD_COLOR);
        // A damaged frame is skipped, as a camera's own decoder would.
        if (!frame.empty())
            return true;
    }
    return false;
}

bool IOpencvCaptureDevice::restartAt(const QSize& size)
{
    const QSize before = m_device->format();
    if (size == before)
        return true;
    m_device->stopStreaming();
    const bool taken = m_device->setFormat(size);
    if (!taken)
        m_device->setFormat(before);
    // Failing to stream again, the device reads as lost.
    m_device->startStreaming();
    return taken;
}

bool IOpencvCaptureDevice::set(int property, double value)
{
    if (!m_device)
        return false;
    const int number = int(value);
    switch (property) {
    case cv::CAP_PROP_FRAME_WIDTH: {
        m_width = number;
        const QList<QSize> sizes = m_device->frameSizes();
        return std::any_of(sizes.begin(), sizes.end(), [number](const QSize& s) { return s.width() == number; });
    }
    case cv::CAP_PROP_FRAME_HEIGHT:
        return restartAt(QSize(m_width > 0 ? m_width : m_device->format().width(), number));
    case cv::CAP_PROP_FOURCC:
        return value == mjpg(); // the only one streamed
    case cv::CAP_PROP_BRIGHTNESS:
        return m_device->setControl(IVideoDevice::Brightness, number);
    case cv::CAP_PROP_CONTRAST:
        return m_device->setControl(IVideoDevice::Contrast, number);
    case cv::CAP_PROP_SATURATION:
        return m_device->setControl(IVideoDevice::Saturation, number);
    case cv::CAP_PROP_FOCUS:
        return IDirectShowApi::setAutoOrManual(*m_device, IVideoDevice::FocusAuto, IVideoDevice::Focus, number);
    case cv::CAP_PROP_AUTOFOCUS:
        return m_device->setControl(IVideoDevice::FocusAuto, number != 0 ? 1 : 0);
    case cv::CAP_PROP_EXPOSURE:
        return IDirectShowApi::setAutoOrManual(*m_device, IVideoDevice::ExposureAuto, IVideoDevice::Exposure, number);
    case cv::CAP_PROP_AUTO_EXPOSURE:
        return m_device->setControl(IVideoDevice::ExposureAuto, number != 0 ? 1 : 0);
    default:
        return false;
    }
}

double IOpencvCaptureDevice::get(int property) const
{
    if (!m_device)
        return 0;
    const auto current = [this](IVideoDevice::Control control) {
        const IControlRange range = m_device->control(control);
        return range.valid ? double(range.current) : 0.0;
    };
    switch (property) {
    case cv::CAP_PROP_FRAME_WIDTH: return m_device->format().width();
    case cv::CAP_PROP_FRAME_HEIGHT: return m_device->format().height();
    case cv::CAP_PROP_FOURCC: return mjpg();
    case cv::CAP_PROP_BRIGHTNESS: return current(IVideoDevice::Brightness);
    case cv::CAP_PROP_CONTRAST: return current(IVideoDevice::Contrast);
    case cv::CAP_PROP_SATURATION: return current(IVideoDevice::Saturation);
    case cv::CAP_PROP_FOCUS: return current(IVideoDevice::Focus);
    case cv::CAP_PROP_AUTOFOCUS: return current(IVideoDevice::FocusAuto);
    case cv::CAP_PROP_EXPOSURE: return current(IVideoDevice::Exposure);
    case cv::CAP_PROP_AUTO_EXPOSURE: return current(IVideoDevice::ExposureAuto);
    default: return 0;
    }
}

void IOpencvCaptureDevice::release()
{
    if (m_device)
        m_device->stopStreaming();
    m_device.reset();
}
