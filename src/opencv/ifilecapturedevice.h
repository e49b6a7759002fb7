// A video or picture file that behaves like a camera: frames come at the
// file's own rate (30 per second for a picture), scaled to the frame size
// asked for, and the stream ends with the video.
#pragma once

#include "opencv/icapturedevice.h"

#include <opencv2/videoio.hpp>

#include <QString>
#include <chrono>

class IFileCaptureDevice : public ICaptureDevice
{
public:
    explicit IFileCaptureDevice(const QString& path);

    bool isOpened() const override;
    bool read(cv::Mat& frame) override;
    bool set(int property, double value) override;
    double get(int property) const override;
    void release() override;

private:
    void waitForNextFrame();

    cv::VideoCapture m_video;
    cv::Mat m_picture; // set when the file is a still picture
    cv::Size m_natural;
    cv::Size m_requested;
    std::chrono::steady_clock::duration m_period;
    std::chrono::steady_clock::time_point m_next;
    bool m_open = false;
};
