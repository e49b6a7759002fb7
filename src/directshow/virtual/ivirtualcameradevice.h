// One opened virtual document camera: the rendered page, a picture or a video, paced like a 30 fps camera
// and sent as MJPG the way a USB camera sends it (or as ready pixels).
#pragma once

#include "directshow/ivideodevice.h"
#include "directshow/virtual/ivirtualcamerasettings.h"

#include <opencv2/core.hpp>
#include <opencv2/videoio.hpp>

#include <QMutex>
#include <QString>

#include <chrono>
#include <cstdint>
#include <memory>

class IVirtualCameraPresence;
class IVirtualPage;

class IVirtualCameraDevice : public IVideoDevice
{
public:
    static constexpr int framesPerSecond = 30;
    // Standard deviation, in levels, of the sensor noise on the rendered
    // page; pictures and videos from files bring their own.
    static constexpr double sensorNoise = 2.5;
    // The JPEG quality of its MJPG frames, about what USB document cameras
    // send.
    static constexpr int mjpegQuality = 85;

    // What the device shows: the page when there is one, else the picture
    // when there is one, else the video file through `videoApi`.
    struct Source
    {
        std::shared_ptr<IVirtualPage> page;
        cv::Mat picture;
        QString videoPath;
        int videoApi = cv::CAP_ANY;
        // Ready pixels instead of MJPG.
        bool raw = false;
    };

    IVirtualCameraDevice(std::shared_ptr<IVirtualCameraPresence> presence, Source source);
    ~IVirtualCameraDevice() override;

    // 640x480, 1280x720, 1920x1080, 2560x1440 and 3840x2160.
    static QList<QSize> supportedSizes();

    QList<QSize> frameSizes() const override;
    // Any of the supported sizes, while not streaming; 640x480 at first.
    bool setFormat(const QSize& size) override;
    QSize format() const override;
    // Renders what the first frame needs, so that reading stays cheap.
    bool startStreaming() override;
    // One frame per 1/30 s: the first at once, each later one on its tick
    // (ticks a slow reader missed are dropped, never caught up in a burst).
    // Lost when unplugged, not streaming, or at the end of a video, which
    // unplugs the camera as pulling its cable would.
    ReadResult read(IVideoFrame& frame, int timeoutMs) override;
    void stopStreaming() override;
    // Invalid or refused once the camera is unplugged. Callable from any
    // thread while another reads.
    IControlRange control(Control control) const override;
    bool setControl(Control control, int value) override;

private:
    using Clock = std::chrono::steady_clock;

    bool plugged() const;
    IVirtualCameraSettings settings() const;
    // The next frame to deliver, processed with `settings`; false at the
    // end of a video.
    bool nextFrame(const IVirtualCameraSettings& settings, IVideoFrame& frame);
    // m_processed as MJPG, encoded when first asked for after a change.
    const QByteArray& encoded();
    // A file's picture fitted into the format, bars above and below or on
    // the sides as needed.
    cv::Mat fitted(const cv::Mat& picture) const;

    std::shared_ptr<IVirtualCameraPresence> m_presence;
    const std::uint64_t m_plugging;
    const Source m_source;
    QSize m_format;
    bool m_streaming = false;
    Clock::time_point m_due;

    mutable QMutex m_settingsMutex;
    IVirtualCameraSettings m_settings;

    // The processed picture and what it was made from.
    cv::Mat m_processed;
    // m_processed as MJPG, encoded once per change as a camera does.
    QByteArray m_encoded;
    IVirtualCameraSettings m_processedSettings;
    QSize m_processedSize;
    cv::Mat m_unprocessed; // the scene, fitted picture or video frame at m_format

    cv::VideoCapture m_video;
    double m_videoFps = 0.0;
    std::int64_t m_delivered = 0;
    std::int64_t m_decoded = 0;
};
