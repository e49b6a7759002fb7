// The virtual document camera as a provider: one USB-like device showing a rendered page or a file.
#include "directshow/virtual/ivirtualcamera.h"

#include "directshow/virtual/ivirtualcameradevice.h"
#include "directshow/virtual/ivirtualcamerapresence.h"
#include "directshow/virtual/ivirtualpage.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/videoio.hpp>

#include <QFile>
#include <QFileInfo>
#include <QtDebug>

QString IVirtualCamera::deviceName()
{
    return QStringLiteral("Veskaroo Virtual Document Camera");
}

QString IVirtualCamera::devicePath()
{
    return QStringLiteral("virtual:document-camera");
}

QString IVirtualCamera::vendorId()
{
    return QStringLiteral("564B");
}

QString IVirtualCamera::productId()
{
    return QStringLiteral("4443");
}

IVirtualCamera::IVirtualCamera(QObject* parent)
    : QObject(parent)
    , m_presence(std::make_shared<IVirtualCameraPresence>())
    , m_page(std::make_shared<IVirtualPage>())
{
    listen();
}

IVirtualCamera::IVirtualCamera(const QString& filePath, QObject* parent)
    : QObject(parent)
    , m_presence(std::make_shared<IVirtualCameraPresence>())
    , m_source(Unreadable)
{
    listen();
    // Only an existing local file: OpenCV would also take a URL.
    const QFileInfo info(filePath);
    if (!info.isFile() || !info.isReadable()) {
        qWarning() << "virtual camera: no readable file at" << filePath;
        return;
    }
    const std::string file = QFile::encodeName(info.absoluteFilePath()).toStdString();
    if (cv::haveImageReader(file)) {
        m_picture = cv::imread(file, cv::IMREAD_COLOR);
        if (!m_picture.empty()) {
            m_source = Picture;
            return;
        }
    }
    // FFmpeg reads most videos; OpenCV's own reader is the fallback for
    // MJPG files. Both only ever open the local file.
    for (const int api : {int(cv::CAP_FFMPEG), int(cv::CAP_OPENCV_MJPEG)}) {
        cv::VideoCapture probe;
        cv::Mat first;
        if (probe.open(file, api) && probe.read(first) && !first.empty()) {
            m_source = Video;
            m_videoPath = info.absoluteFilePath();
            m_videoApi = api;
            return;
        }
    }
    qWarning() << "virtual camera: neither a picture nor a video:" << filePath;
}

IVirtualCamera::~IVirtualCamera()
{
    // Devices may outlive the camera; their end of a video must not call
    // back into it.
    m_presence->setListener({});
}

void IVirtualCamera::listen()
{
    m_presence->setListener([this](bool present) { emit presenceChanged(present, devicePath()); });
}

IVirtualCamera::Source IVirtualCamera::source() const
{
    return m_source;
}

std::shared_ptr<IVirtualPage> IVirtualCamera::page() const
{
    return m_page;
}

bool IVirtualCamera::isPresent() const
{
    return m_source != Unreadable && m_presence->isPresent();
}

void IVirtualCamera::setPresent(bool present)
{
    // A camera without a picture to show is never there to come and go.
    if (m_source == Unreadable)
        return;
    m_presence->setPresent(present);
}

QList<IVideoDeviceInfo> IVirtualCamera::devices()
{
    if (!isPresent())
        return {};
    IVideoDeviceInfo info;
    info.name = deviceName();
    info.devicePath = devicePath();
    info.vid = vendorId();
    info.pid = productId();
    return {info};
}

void IVirtualCamera::setRawFrames(bool raw)
{
    m_rawFrames = raw;
}

bool IVirtualCamera::rawFrames() const
{
    return m_rawFrames;
}

std::unique_ptr<IVideoDevice> IVirtualCamera::open(const QString& path)
{
    if (path != devicePath() || !isPresent())
        return nullptr;
    IVirtualCameraDevice::Source source;
    source.page = m_page;
    source.picture = m_picture;
    source.videoPath = m_videoPath;
    source.videoApi = m_videoApi;
    source.raw = m_rawFrames;
    return std::make_unique<IVirtualCameraDevice>(m_presence, source);
}
