// A camera for the OpenCV capture thread, opened through the program's video
// device layer (V4L2 cameras, the virtual camera): by its device path, as the
// USB source opens it, with the same handling of the automatic modes.
#pragma once

#include "directshow/ivideodevice.h"
#include "opencv/icapturedevice.h"

#include <QString>

#include <memory>

class IOpencvCaptureDevice : public ICaptureDevice
{
public:
    // Streams MJPG at the device's current size; not opened when no
    // provider knows the path or the device will not stream.
    explicit IOpencvCaptureDevice(const QString& devicePath);
    ~IOpencvCaptureDevice() override;

    bool isOpened() const override;
    // Waits for the next frame that decodes; false when the device is gone
    // or has sent nothing for a few seconds.
    bool read(cv::Mat& frame) override;
    // The width is kept until a height comes; the two are applied together,
    // restarting the stream. A focus or exposure value switches the
    // automatic mode off, -999 on.
    bool set(int property, double value) override;
    double get(int property) const override;
    void release() override;

private:
    bool restartAt(const QSize& size);

    std::unique_ptr<IVideoDevice> m_device;
    int m_width = 0; // asked for; 0: the current one
};
