// A camera opened through OpenCV's own capture back end (V4L2 on Linux).
#pragma once

#include "opencv/icapturedevice.h"

#include <opencv2/videoio.hpp>

class IOpencvCaptureDevice : public ICaptureDevice
{
public:
    IOpencvCaptureDevice(int index, int apiPreference);

    bool isOpened() const override;
    bool read(cv::Mat& frame) override;
    bool set(int property, double value) override;
    double get(int property) const override;
    void release() override;

private:
    cv::VideoCapture m_capture;
};
