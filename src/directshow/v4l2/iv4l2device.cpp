// A Video4Linux2 camera streaming MJPG through mmap buffers.
#include "directshow/v4l2/iv4l2device.h"

#include <QDebug>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/videodev2.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr unsigned kBufferCount = 4;

quint32 controlId(IVideoDevice::Control control)
{
    switch (control) {
    case IVideoDevice::Focus: return V4L2_CID_FOCUS_ABSOLUTE;
    case IVideoDevice::FocusAuto: return V4L2_CID_FOCUS_AUTO;
    case IVideoDevice::Exposure: return V4L2_CID_EXPOSURE_ABSOLUTE;
    case IVideoDevice::ExposureAuto: return V4L2_CID_EXPOSURE_AUTO;
    case IVideoDevice::Brightness: return V4L2_CID_BRIGHTNESS;
    case IVideoDevice::Contrast: return V4L2_CID_CONTRAST;
    case IVideoDevice::Saturation: return V4L2_CID_SATURATION;
    }
    return 0;
}

bool lostDevice(int error)
{
    return error == ENODEV || error == EIO || error == ENXIO || error == EBADF;
}

} // namespace

IV4l2Device::IV4l2Device(const QString& devicePath)
{
    m_fd = ::open(QFile::encodeName(devicePath).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        return;
    v4l2_capability cap{};
    if (xioctl(VIDIOC_QUERYCAP, &cap) < 0) {
        // Not a V4L2 device at all.
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    v4l2_format fmt{};
    fmt.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    if (xioctl(VIDIOC_G_FMT, &fmt) == 0)
        m_format = QSize(int(fmt.fmt.pix.width), int(fmt.fmt.pix.height));
}

IV4l2Device::~IV4l2Device()
{
    stopStreaming();
    if (m_fd >= 0)
        ::close(m_fd);
}

bool IV4l2Device::isOpen() const
{
    return m_fd >= 0;
}

bool IV4l2Device::isCaptureNode(const QString& devNode)
{
    const int fd = ::open(QFile::encodeName(devNode).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    v4l2_capability cap{};
    const bool ok = ::ioctl(fd, VIDIOC_QUERYCAP, &cap) == 0;
    ::close(fd);
    if (!ok)
        return false;
    const quint32 caps = (cap.capabilities & V4L2_CAP_DEVICE_CAPS) ? cap.device_caps : cap.capabilities;
    return (caps & V4L2_CAP_VIDEO_CAPTURE) && (caps & V4L2_CAP_STREAMING);
}

int IV4l2Device::xioctl(unsigned long request, void* arg) const
{
    int r;
    do {
        r = ::ioctl(m_fd, request, arg);
    } while (r < 0 && errno == EINTR);
    return r;
}

QList<QSize> IV4l2Device::frameSizes() const
{
    QList<QSize> sizes;
    v4l2_frmsizeenum size{};
    size.pixel_format = V4L2_PIX_FMT_MJPEG;
    for (size.index = 0; xioctl(VIDIOC_ENUM_FRAMESIZES, &size) == 0; ++size.index) {
        if (size.type == V4L2_FRMSIZE_TYPE_DISCRETE) {
            sizes << QSize(int(size.discrete.width), int(size.discrete.height));
        } else {
            // Stepwise devices: offer their largest size.
            sizes << QSize(int(size.stepwise.max_width), int(size.stepwise.max_height));
            break;
        }
    }
    return sizes;
}

bool IV4l2Device::setFormat(const QSize& size)
{
    if (m_fd < 0 || m_streaming)
        return false;
    v4l2_format fmt{};
    fmt.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    fmt.fmt.pix.width = quint32(size.width());
    fmt.fmt.pix.height = quint32(size.height());
    fmt.fmt.pix.pixelformat = V4L2_PIX_FMT_MJPEG;
    fmt.fmt.pix.field = V4L2_FIELD_ANY;
    if (xioctl(VIDIOC_S_FMT, &fmt) < 0)
        return false;
    m_format = QSize(int(fmt.fmt.pix.width), int(fmt.fmt.pix.height));
    // The driver answers with the nearest size it has: that is a refusal.
    return fmt.fmt.pix.pixelformat == V4L2_PIX_FMT_MJPEG && m_format == size;
}

QSize IV4l2Device::format() const
{
    return m_format;
}

bool IV4l2Device::startStreaming()
{
    if (m_fd < 0)
        return false;
    if (m_streaming)
        return true;
    v4l2_requestbuffers request{};
    request.count = kBufferCount;
    request.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    request.memory = V4L2_MEMORY_MMAP;
    if (xioctl(VIDIOC_REQBUFS, &request) < 0 || request.count < 2)
        return false;
    for (unsigned i = 0; i < request.count; ++i) {
        v4l2_buffer buf{};
        buf.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        buf.memory = V4L2_MEMORY_MMAP;
        buf.index = i;
        if (xioctl(VIDIOC_QUERYBUF, &buf) < 0) {
            unmapBuffers();
            return false;
        }
        void* start = ::mmap(nullptr, buf.length, PROT_READ | PROT_WRITE, MAP_SHARED, m_fd, buf.m.offset);
        if (start == MAP_FAILED) {
            unmapBuffers();
            return false;
        }
        m_buffers.push_back({start, buf.length});
        if (xioctl(VIDIOC_QBUF, &buf) < 0) {
            unmapBuffers();
            return false;
        }
    }
    int type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    if (xioctl(VIDIOC_STREAMON, &type) < 0) {
        unmapBuffers();
        return false;
    }
    m_streaming = true;
    return true;
}

IVideoDevice::ReadResult IV4l2Device::read(IVideoFrame& frame, int timeoutMs)
{
    if (m_fd < 0 || !m_streaming)
        return Lost;
    pollfd pfd{m_fd, POLLIN, 0};
    int ready;
    do {
        ready = ::poll(&pfd, 1, timeoutMs);
    } while (ready < 0 && errno == EINTR);
    if (ready == 0)
        return Timeout;
    if (ready < 0 || (pfd.revents & (POLLERR | POLLHUP | POLLNVAL)))
        return Lost;

    v4l2_buffer buf{};
    buf.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    buf.memory = V4L2_MEMORY_MMAP;
    if (xioctl(VIDIOC_DQBUF, &buf) < 0)
        return errno == EAGAIN ? Timeout : (lostDevice(errno) ? Lost : Timeout);
    // A buffer the driver flags as damaged is no frame: the caller's last
    // one must not be handed back as if it were new.
    const bool usable = buf.index < m_buffers.size() && !(buf.flags & V4L2_BUF_FLAG_ERROR);
    if (usable) {
        frame.mjpeg = QByteArray(static_cast<const char*>(m_buffers[buf.index].start), int(buf.bytesused));
        frame.bgr.release();
    }
    const bool requeued = xioctl(VIDIOC_QBUF, &buf) == 0;
    if (!requeued && lostDevice(errno))
        return Lost;
    return usable && !frame.mjpeg.isEmpty() ? Frame : Timeout;
}

void IV4l2Device::stopStreaming()
{
    if (m_streaming) {
        int type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        xioctl(VIDIOC_STREAMOFF, &type);
        m_streaming = false;
    }
    unmapBuffers();
}

void IV4l2Device::unmapBuffers()
{
    for (const Buffer& b : m_buffers)
        ::munmap(b.start, b.length);
    if (!m_buffers.empty() && m_fd >= 0) {
        v4l2_requestbuffers request{};
        request.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        request.memory = V4L2_MEMORY_MMAP;
        xioctl(VIDIOC_REQBUFS, &request);
    }
    m_buffers.clear();
}

IControlRange IV4l2Device::control(Control control) const
{
    IControlRange range;
    if (m_fd < 0)
        return range;
    v4l2_queryctrl query{};
    query.id = controlId(control);
    if (xioctl(VIDIOC_QUERYCTRL, &query) < 0 || (query.flags & V4L2_CTRL_FLAG_DISABLED))
        return range;
    v4l2_control value{};
    value.id = query.id;
    if (xioctl(VIDIOC_G_CTRL, &value) < 0)
        return range;
    range.valid = true;
    range.minimum = query.minimum;
    range.maximum = query.maximum;
    range.defaultValue = query.default_value;
    range.current = value.value;
    if (control == ExposureAuto) {
        // Menu values: manual is 1; every other mode is some automatic one.
        range.current = value.value == V4L2_EXPOSURE_MANUAL ? 0 : 1;
        range.defaultValue = query.default_value == V4L2_EXPOSURE_MANUAL ? 0 : 1;
        range.minimum = 0;
        range.maximum = 1;
    }
    return range;
}

bool IV4l2Device::setControl(Control control, int value)
{
    if (m_fd < 0)
        return false;
    v4l2_control c{};
    c.id = controlId(control);
    if (control == ExposureAuto) {
        if (value == 0) {
            c.value = V4L2_EXPOSURE_MANUAL;
            return xioctl(VIDIOC_S_CTRL, &c) == 0;
        }
        // UVC cameras mostly offer aperture priority as their automatic mode.
        c.value = V4L2_EXPOSURE_APERTURE_PRIORITY;
        if (xioctl(VIDIOC_S_CTRL, &c) == 0)
            return true;
        c.value = V4L2_EXPOSURE_AUTO;
        return xioctl(VIDIOC_S_CTRL, &c) == 0;
    }
    c.value = value;
    return xioctl(VIDIOC_S_CTRL, &c) == 0;
}
