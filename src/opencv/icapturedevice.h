// One source of raw frames for the OpenCV capture thread: a camera, a file,
// or a test's fake. Properties use OpenCV's cv::CAP_PROP_* numbers, with one
// meaning whatever the back end: CAP_PROP_AUTOFOCUS and CAP_PROP_AUTO_EXPOSURE
// take 1 (automatic) or 0 (manual).
#pragma once

#include <opencv2/core.hpp>

class ICaptureDevice
{
public:
    virtual ~ICaptureDevice() = default;

    virtual bool isOpened() const = 0;
    // Blocks until the device delivers; false or an empty frame when the
    // device is gone.
    virtual bool read(cv::Mat& frame) = 0;
    virtual bool set(int property, double value) = 0;
    virtual double get(int property) const = 0;
    virtual void release() = 0;
};
