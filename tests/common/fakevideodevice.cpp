// A scripted video device and its provider.
#include "common/fakevideodevice.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <QThread>

FakeCameraState::FakeCameraState()
{
    controls[IVideoDevice::Brightness] = {true, 128, 128, 0, 255};
    controls[IVideoDevice::Contrast] = {true, 32, 32, 0, 95};
    controls[IVideoDevice::Saturation] = {true, 64, 64, 0, 128};
    controls[IVideoDevice::Focus] = {true, 40, 0, 0, 250};
    controls[IVideoDevice::FocusAuto] = {true, 1, 1, 0, 1};
    controls[IVideoDevice::Exposure] = {true, 156, 156, 3, 2047};
    controls[IVideoDevice::ExposureAuto] = {true, 0, 1, 0, 1};
}

FakeVideoDevice::FakeVideoDevice(std::shared_ptr<FakeCameraState> state)
    : m_state(std::move(state))
{
    QMutexLocker lock(&m_state->mutex);
    ++m_state->opens;
}

QList<QSize> FakeVideoDevice::frameSizes() const
{
    QMutexLocker lock(&m_state->mutex);
    return m_state->sizes;
}

bool FakeVideoDevice::setFormat(const QSize& size)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->formatsAsked << size;
    if (!m_state->sizes.contains(size) || m_state->refused.contains(size))
        return false;
    m_state->format = size;
    return true;
}

QSize FakeVideoDevice::format() const
{
    QMutexLocker lock(&m_state->mutex);
    return m_state->format;
}

bool FakeVideoDevice::startStreaming()
{
    m_streaming = true;
    return true;
}

IVideoDevice::ReadResult FakeVideoDevice::read(IVideoFrame& frame, int timeoutMs)
{
    QThread::msleep(std::min(timeoutMs, 10));
    if (m_state->holdReads) {
        ++m_state->readsWaiting;
        while (m_state->holdReads)
            QThread::msleep(1);
        --m_state->readsWaiting;
    }
    QMutexLocker lock(&m_state->mutex);
    if (!m_state->present)
        return Lost;
    if (!m_streaming)
        return Timeout;
    const int n = ++m_state->framesDelivered;
    QSize size = m_state->format;
    if (m_state->oddSampleEvery > 0 && n % m_state->oddSampleEvery == 0)
        size = QSize(size.width() / 2, size.height() / 2);
    // Frames are told apart by their blue level.
    cv::Mat picture(size.height(), size.width(), CV_8UC3, cv::Scalar(n % 200 + 20, 120, 200));
    cv::rectangle(picture, {10, 10, 50, 30}, {255, 255, 255}, cv::FILLED);
    if (m_state->damagedFrames) {
        frame.mjpeg = QByteArray("\xff\xd8 cut short", 12);
        frame.bgr.release();
    } else if (m_state->rawFrames) {
        frame.bgr = picture;
        frame.mjpeg.clear();
    } else {
        std::vector<uchar> jpeg;
        cv::imencode(".jpg", picture, jpeg);
        frame.mjpeg = QByteArray(reinterpret_cast<const char*>(jpeg.data()), int(jpeg.size()));
        frame.bgr.release();
    }
    return Frame;
}

void FakeVideoDevice::stopStreaming()
{
    m_streaming = false;
}

IControlRange FakeVideoDevice::control(Control control) const
{
    QMutexLocker lock(&m_state->mutex);
    return m_state->controls.value(control);
}

bool FakeVideoDevice::setControl(Control control, int value)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->writes.append({int(control), value});
    if (!m_state->controls.contains(control))
        return false;
    IControlRange& range = m_state->controls[control];
    if (value < range.minimum || value > range.maximum)
        return false;
    range.current = value;
    return true;
}

FakeVideoProvider::FakeVideoProvider(const QString& name, const QString& path, const QString& vid,
                                     const QString& pid)
    : m_info{name, path, vid, pid}
    , m_state(std::make_shared<FakeCameraState>())
{
}

QList<IVideoDeviceInfo> FakeVideoProvider::devices()
{
    QMutexLocker lock(&m_state->mutex);
    if (!m_state->present)
        return {};
    return {m_info};
}

std::unique_ptr<IVideoDevice> FakeVideoProvider::open(const QString& devicePath)
{
    {
        QMutexLocker lock(&m_state->mutex);
        if (!m_state->present || devicePath.compare(m_info.devicePath, Qt::CaseInsensitive) != 0)
            return nullptr;
    }
    return std::make_unique<FakeVideoDevice>(m_state);
}
