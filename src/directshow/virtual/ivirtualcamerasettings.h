// The virtual document camera's control values and what they do to its picture.
#pragma once

#include "directshow/ivideodevice.h"

#include <opencv2/core.hpp>

class IVirtualCameraSettings
{
public:
    // The manual focus value at which the lens is sharp; also the default.
    static constexpr int sharpFocus = 96;

    // All controls on their defaults.
    IVirtualCameraSettings();

    // Every control's range; `current` holds the default.
    static IControlRange range(IVideoDevice::Control control);

    int value(IVideoDevice::Control control) const;
    // Values outside a control's range are clamped, like V4L2 does; the
    // automatic switches take 0 or 1 only.
    bool setValue(IVideoDevice::Control control, int value);

    // Defocus blur (Gaussian sigma, pixels) in a frame `frameHeight` rows
    // tall, so that the picture looks equally soft at every size; 0 when
    // focus is automatic or on the sharp value.
    double blurSigma(int frameHeight) const;
    // Sensor gain; 1 with automatic exposure.
    double gain() const;

    // What a camera with these settings makes of `scene` (8-bit BGR): lens
    // blur, sensor gain (clipping at white), sensor noise of standard
    // deviation `noise` levels at gain 1, then brightness, contrast and
    // saturation. The same inputs give the same picture.
    cv::Mat apply(const cv::Mat& scene, double noise) const;

    bool operator==(const IVirtualCameraSettings& other) const;
    bool operator!=(const IVirtualCameraSettings& other) const { return !(*this == other); }

private:
    static constexpr int controlCount = 7;
    int m_values[controlCount];
};
