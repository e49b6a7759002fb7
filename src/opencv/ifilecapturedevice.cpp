// A video or picture file that behaves like a camera.
#include "opencv/ifilecapturedevice.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <QFile>
#include <thread>

IFileCaptureDevice::IFileCaptureDevice(const QString& path)
    : m_period(std::chrono::milliseconds(33))
{
    const std::string file = QFile::encodeName(path).toStdString();
    m_picture = cv::imread(file, cv::IMREAD_COLOR);
    if (!m_picture.empty()) {
        m_natural = m_picture.size();
    } else if (m_video.open(file, cv::CAP_ANY) && m_video.isOpened()) {
        m_natural = cv::Size(int(m_video.get(cv::CAP_PROP_FRAME_WIDTH)),
                             int(m_video.get(cv::CAP_PROP_FRAME_HEIGHT)));
        const double fps = m_video.get(cv::CAP_PROP_FPS);
        if (fps > 0 && fps < 1000)
            m_period = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                std::chrono::duration<double>(1.0 / fps));
    } else {
        return;
    }
    m_requested = m_natural;
    m_open = true;
    m_next = std::chrono::steady_clock::now();
}

bool IFileCaptureDevice::isOpened() const
{
    return m_open;
}

void IFileCaptureDevice::waitForNextFrame()
{
    // A camera blocks until its next frame; a file must not run ahead.
    std::this_thread::sleep_until(m_next);
    m_next = std::max(m_next + m_period, std::chrono::steady_clock::now());
}

bool IFileCaptureDevice::read(cv::Mat& frame)
{
    if (!m_open) {
        frame.release();
        return false;
    }
    waitForNextFrame();
    cv::Mat source;
    if (!m_picture.empty())
        source = m_picture;
    else if (!m_video.read(source) || source.empty()) {
        frame.release();
        return false;
    }
    if (source.size() == m_requested)
        source.copyTo(frame);
    else
        cv::resize(source, frame, m_requested, 0, 0, cv::INTER_AREA);
    return true;
}

bool IFileCaptureDevice::set(int property, double value)
{
    switch (property) {
    case cv::CAP_PROP_FRAME_WIDTH:
        if (value < 1)
            return false;
        m_requested.width = int(value);
        return true;
    case cv::CAP_PROP_FRAME_HEIGHT:
        if (value < 1)
            return false;
        m_requested.height = int(value);
        return true;
    case cv::CAP_PROP_FOURCC:
        return true; // any code: frames are decoded here anyway
    default:
        return false;
    }
}

double IFileCaptureDevice::get(int property) const
{
    switch (property) {
    case cv::CAP_PROP_FRAME_WIDTH: return m_requested.width;
    case cv::CAP_PROP_FRAME_HEIGHT: return m_requested.height;
    default: return 0;
    }
}

void IFileCaptureDevice::release()
{
    m_video.release();
    m_picture.release();
    m_open = false;
}
