// The virtual document camera as a provider: one USB-like device showing a rendered page or a file.
#pragma once

#include "directshow/ivideodeviceprovider.h"

#include <opencv2/core.hpp>

#include <QObject>
#include <QString>

#include <memory>

class IVirtualCameraPresence;
class IVirtualPage;

class IVirtualCamera : public QObject, public IVideoDeviceProvider
{
    Q_OBJECT

public:
    // How the camera is listed; the ids are the ones the camera facade
    // accepts as a document camera.
    static QString deviceName();
    static QString devicePath();
    static QString vendorId();
    static QString productId();

    enum Source { RenderedPage, Picture, Video, Unreadable };

    // Shows the rendered page.
    explicit IVirtualCamera(QObject* parent = nullptr);
    // Shows a picture (again and again) or a video (once: at its end the
    // camera unplugs itself). Only local files are read; anything else is
    // Unreadable, and then no device is ever listed.
    explicit IVirtualCamera(const QString& filePath, QObject* parent = nullptr);
    ~IVirtualCamera() override;

    Source source() const;
    // The page every frame shows, whose corners and tilt are the truth
    // about those frames; null when showing a file.
    std::shared_ptr<IVirtualPage> page() const;

    // Thread-safe. Unplugged, no device is listed, none opens and opened
    // ones read Lost; plugged back, the device is listed and opens again
    // (ones opened before stay lost, as a real camera's old handles do).
    bool isPresent() const;
    // Devices opened afterwards send ready pixels instead of MJPG, which
    // is what a USB camera sends and the default.
    void setRawFrames(bool raw);
    bool rawFrames() const;
    void setPresent(bool present);

    QList<IVideoDeviceInfo> devices() override;
    std::unique_ptr<IVideoDevice> open(const QString& path) override;

signals:
    // From the thread that changed the presence.
    void presenceChanged(bool present, QString devicePath);

private:
    void listen();

    std::shared_ptr<IVirtualCameraPresence> m_presence;
    Source m_source = RenderedPage;
    std::shared_ptr<IVirtualPage> m_page;
    cv::Mat m_picture;
    QString m_videoPath;
    int m_videoApi = 0;
    bool m_rawFrames = false;
};
