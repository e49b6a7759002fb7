// One opened video capture device: its frame sizes, its MJPG stream and its
// controls. V4L2 cameras, the virtual document camera and the tests' fake
// devices all stand behind it.
#pragma once

#include <opencv2/core.hpp>

#include <QByteArray>
#include <QList>
#include <QSize>

// A frame as the device delivers it: either MJPG bytes or, from devices that
// render their own pictures, a ready 8-bit BGR matrix.
struct IVideoFrame
{
    QByteArray mjpeg;
    cv::Mat bgr;
};

// Current, default, minimum and maximum of one control; invalid when the
// device has no such control.
struct IControlRange
{
    bool valid = false;
    int current = 0;
    int defaultValue = 0;
    int minimum = 0;
    int maximum = 0;
};

class IVideoDevice
{
public:
    enum Control { Focus, FocusAuto, Exposure, ExposureAuto, Brightness, Contrast, Saturation };
    enum ReadResult { Frame, Timeout, Lost };

    virtual ~IVideoDevice() = default;

    // The MJPG frame sizes the device offers, in its own order.
    virtual QList<QSize> frameSizes() const = 0;
    // Asks for MJPG at this size; false when the device refuses it.
    virtual bool setFormat(const QSize& size) = 0;
    virtual QSize format() const = 0;

    virtual bool startStreaming() = 0;
    // Waits at most timeoutMs for the next frame. Lost: the device is gone.
    virtual ReadResult read(IVideoFrame& frame, int timeoutMs) = 0;
    virtual void stopStreaming() = 0;

    virtual IControlRange control(Control control) const = 0;
    // FocusAuto and ExposureAuto take 1 (automatic) or 0 (manual).
    virtual bool setControl(Control control, int value) = 0;
};
