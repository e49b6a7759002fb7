// The virtual document camera's control values and what they do to its picture.
#include "directshow/virtual/ivirtualcamerasettings.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace {

bool isSwitch(IVideoDevice::Control control)
{
    return control == IVideoDevice::FocusAuto || control == IVideoDevice::ExposureAuto;
}

bool isKnown(IVideoDevice::Control control)
{
    return control >= IVideoDevice::Focus && control <= IVideoDevice::Saturation;
}

// Sensor noise is added in blocks from a larger fixed field at shifting
// offsets: as cheap as one small tile, yet with no visible repeat.
constexpr int noiseBlock = 256;
constexpr int noiseField = 3 * noiseBlock;

// Unit Gaussian noise, a little correlated between neighbours like a
// demosaiced sensor's.
const cv::Mat& noiseField32()
{
    static const cv::Mat field = [] {
        cv::Mat raw(noiseField, noiseField, CV_32FC3);
        cv::RNG rng(0x5eed);
        rng.fill(raw, cv::RNG::NORMAL, 0.0, 1.0);
        cv::Mat soft;
        cv::GaussianBlur(raw, soft, cv::Size(3, 3), 0.6, 0.6, cv::BORDER_REFLECT);
        cv::Scalar mean;
        cv::Scalar deviation;
        cv::meanStdDev(soft.reshape(1), mean, deviation);
        soft.convertTo(soft, CV_32FC3, 1.0 / deviation[0]);
        return soft;
    }();
    return field;
}

void addNoise(cv::Mat& picture, double sigma)
{
    cv::Mat field;
    noiseField32().convertTo(field, CV_16SC3, sigma);
    unsigned hash = 2166136261u;
    for (int y = 0; y < picture.rows; y += noiseBlock) {
        for (int x = 0; x < picture.cols; x += noiseBlock) {
            hash = (hash ^ unsigned(x * 31 + y)) * 16777619u;
            const int fx = int(hash % unsigned(noiseField - noiseBlock));
            const int fy = int((hash >> 12) % unsigned(noiseField - noiseBlock));
            const cv::Rect block(x, y, std::min(noiseBlock, picture.cols - x),
                                 std::min(noiseBlock, picture.rows - y));
            cv::Mat target = picture(block);
            cv::add(target, field(cv::Rect(fx, fy, block.width, block.height)), target, cv::noArray(), CV_8U);
        }
    }
}

// Gaussian blur; wide ones run on a reduced copy, which looks the same and
// keeps a strongly defocused 4K picture quick.
cv::Mat defocus(const cv::Mat& scene, double sigma)
{
    cv::Mat out;
    if (sigma <= 0.0)
        return scene.clone();
    if (sigma <= 3.0) {
        cv::GaussianBlur(scene, out, cv::Size(0, 0), sigma, sigma, cv::BORDER_REFLECT);
        return out;
    }
    const int factor = std::max(1, int(sigma / 2.0));
    cv::Mat small;
    cv::resize(scene, small, cv::Size(std::max(1, scene.cols / factor), std::max(1, scene.rows / factor)), 0, 0,
               cv::INTER_AREA);
    cv::GaussianBlur(small, small, cv::Size(0, 0), sigma / factor, sigma / factor, cv::BORDER_REFLECT);
    cv::resize(small, out, scene.size(), 0, 0, cv::INTER_LINEAR);
    return out;
}

} // namespace

IVirtualCameraSettings::IVirtualCameraSettings()
{
    for (int c = 0; c < controlCount; ++c)
        m_values[c] = range(IVideoDevice::Control(c)).defaultValue;
}

IControlRange IVirtualCameraSettings::range(IVideoDevice::Control control)
{
    IControlRange r;
    if (!isKnown(control))
        return r;
    r.valid = true;
    r.minimum = 0;
    if (isSwitch(control)) {
        r.maximum = 1;
        r.defaultValue = 1;
    } else {
        r.maximum = 255;
        r.defaultValue = control == IVideoDevice::Focus ? sharpFocus : 128;
    }
    r.current = r.defaultValue;
    return r;
}

int IVirtualCameraSettings::value(IVideoDevice::Control control) const
{
    return isKnown(control) ? m_values[control] : 0;
}

bool IVirtualCameraSettings::setValue(IVideoDevice::Control control, int value)
{
    if (!isKnown(control))
        return false;
    const IControlRange r = range(control);
    if (isSwitch(control) && value != 0 && value != 1)
        return false;
    m_values[control] = std::clamp(value, r.minimum, r.maximum);
    return true;
}

double IVirtualCameraSettings::blurSigma(int frameHeight) const
{
    if (value(IVideoDevice::FocusAuto) == 1)
        return 0.0;
    return std::abs(value(IVideoDevice::Focus) - sharpFocus) / 12.0 * frameHeight / 1080.0;
}

double IVirtualCameraSettings::gain() const
{
    if (value(IVideoDevice::ExposureAuto) == 1)
        return 1.0;
    // A stop per 64 steps: a quarter to four times the automatic exposure.
    return std::exp2((value(IVideoDevice::Exposure) - 128) / 64.0);
}

cv::Mat IVirtualCameraSettings::apply(const cv::Mat& scene, double noise) const
{
    if (scene.empty() || scene.type() != CV_8UC3)
        return cv::Mat();
    cv::Mat picture = defocus(scene, blurSigma(scene.rows));

    // Gain clips at white before any processing, as on a sensor, and
    // amplifies the sensor's noise with the signal.
    const double g = gain();
    if (g != 1.0)
        picture.convertTo(picture, CV_8U, g);
    if (noise > 0.0)
        addNoise(picture, noise * g);

    // Contrast turns around mid grey; a stop per 96 steps.
    const double k = std::exp2((value(IVideoDevice::Contrast) - 128) / 96.0);
    const double offset = (value(IVideoDevice::Brightness) - 128) * 0.6;
    if (k != 1.0 || offset != 0.0)
        picture.convertTo(picture, CV_8U, k, 128.0 * (1.0 - k) + offset);

    const double s = value(IVideoDevice::Saturation) / 128.0;
    if (s != 1.0) {
        cv::Mat grey;
        cv::cvtColor(picture, grey, cv::COLOR_BGR2GRAY);
        cv::cvtColor(grey, grey, cv::COLOR_GRAY2BGR);
        cv::addWeighted(picture, s, grey, 1.0 - s, 0.0, picture);
    }
    return picture;
}

bool IVirtualCameraSettings::operator==(const IVirtualCameraSettings& other) const
{
    return std::equal(std::begin(m_values), std::end(m_values), std::begin(other.m_values));
}
