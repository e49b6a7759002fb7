// A camera opened through OpenCV's own capture back end.
#include "opencv/iopencvcapturedevice.h"

IOpencvCaptureDevice::IOpencvCaptureDevice(int index, int apiPreference)
{
    m_capture.open(index, apiPreference);
}

bool IOpencvCaptureDevice::isOpened() const
{
    return m_capture.isOpened();
}

bool IOpencvCaptureDevice::read(cv::Mat& frame)
{
    return m_capture.read(frame);
}

bool IOpencvCaptureDevice::set(int property, double value)
{
    return m_capture.set(property, value);
}

double IOpencvCaptureDevice::get(int property) const
{
    return m_capture.get(property);
}

void IOpencvCaptureDevice::release()
{
    m_capture.release();
}
