// The USB capture source built on OpenCV.
#include "opencv/iopencvthread.h"

#include "crash/icrashsignals.h"
#include "opencv/ifilecapturedevice.h"
#include "opencv/iopencvapi.h"
#include "opencv/iopencvcapturedevice.h"
#include "icameraerror.h"

#include <opencv2/videoio.hpp>

#include <QDebug>
#include <QFileInfo>
#include <QMutexLocker>
#include <QTime>

namespace {

const int kAutomatic = -999;

double mjpg()
{
    return cv::VideoWriter::fourcc('M', 'J', 'P', 'G');
}

} // namespace

IOpencvThread::IOpencvThread(QObject* parent)
    : QThread(parent)
    , m_factory(&IOpencvThread::openDevice)
{
    m_edge.angle = -1;
}

IOpencvThread::~IOpencvThread()
{
    stop();
    qDebug() << "~IOpencvThread" << QThread::currentThreadId();
}

std::unique_ptr<ICaptureDevice> IOpencvThread::openDevice(const ICameraInfo& camera)
{
    if (QFileInfo(camera.devicePath).isFile())
        return std::make_unique<IFileCaptureDevice>(camera.devicePath);
    // By its path, as the USB source does: the camera's index counts places
    // in the program's own list, not /dev/video numbers.
    return std::make_unique<IOpencvCaptureDevice>(camera.devicePath);
}

void IOpencvThread::setDeviceFactory(DeviceFactory factory)
{
    m_factory = std::move(factory);
}

void IOpencvThread::open(const ICameraInfo& camera)
{
    if (!m_stop || isRunning())
        return;
    m_camera = camera;
    // Cleared here rather than on the new thread, so that a stop() arriving
    // while it is still opening the device is not lost.
    m_stop = false;
    start(QThread::InheritPriority);
}

void IOpencvThread::stop()
{
    if (isRunning()) {
        {
            QMutexLocker lock(&m_mutex);
            m_stop = true;
        }
        quit();
        wait();
    } else if (m_device) {
        uninitopencv();
    }
}

IEdgeResult IOpencvThread::edgeResult()
{
    QMutexLocker lock(&m_mutex);
    return m_edge;
}

QVariant IOpencvThread::parameter(OperateType type)
{
    QMutexLocker lock(&m_mutex);
    switch (type) {
    case CameraIndex: return m_camera.index;
    case Brightness: return m_brightness;
    case Saturation: return m_saturation;
    case Contrast: return m_contrast;
    case FrameSize: return m_frameSize;
    case RotateBy: return m_rotation;
    default: return QVariant();
    }
}

QImage IOpencvThread::picture(int filterKind)
{
    cv::Mat frame;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_device)
            return QImage();
        if (m_live)
            m_device->read(frame);
        else
            frame = m_frozen.clone();
    }
    if (frame.empty())
        return QImage();
    return IOpencvApi::cvMat2Image(IOpencvApi::cvFilter(frame, filterKind));
}

void IOpencvThread::setOperate(OperateType type, const QVariant& value)
{
    QMutexLocker lock(&m_mutex);
    switch (type) {
    case Brightness:
        m_brightness = value.toDouble();
        if (m_device)
            m_device->set(cv::CAP_PROP_BRIGHTNESS, m_brightness);
        return;
    case Saturation:
        m_saturation = value.toDouble();
        if (m_device)
            m_device->set(cv::CAP_PROP_SATURATION, m_saturation);
        return;
    case Contrast:
        m_contrast = value.toDouble();
        if (m_device)
            m_device->set(cv::CAP_PROP_CONTRAST, m_contrast);
        return;
    case Focus:
        m_focus = value.toInt();
        if (m_device) {
            if (m_focus == kAutomatic)
                qDebug() << "auto focus: " << m_device->set(cv::CAP_PROP_AUTOFOCUS, 1);
            else
                qDebug() << "manual focus: " << m_device->set(cv::CAP_PROP_FOCUS, m_focus);
        }
        return;
    case Exposure:
        m_exposure = value.toInt();
        if (m_device) {
            if (m_exposure == kAutomatic)
                qDebug() << "auto exposure: " << m_device->set(cv::CAP_PROP_AUTO_EXPOSURE, 1);
            else
                qDebug() << "manual exposure: " << m_device->set(cv::CAP_PROP_EXPOSURE, m_exposure);
        }
        return;
    case FrameSize:
        m_frameSize = value.toSizeF();
        break;
    case Live:
        m_live = value.toBool();
        if (!m_live && m_device)
            m_device->read(m_frozen);
        break;
    case RotateBy:
        m_rotation += value.toInt();
        if (m_rotation >= 360)
            m_rotation = 0;
        break;
    case Rotation:
        m_rotation = value.toInt();
        break;
    case EdgeDetection:
        m_edgeDetection = value.toBool();
        break;
    default:
        break;
    }
    m_operate = type;
}

bool IOpencvThread::initopencv()
{
    QMutexLocker lock(&m_mutex);
    m_live = true;
    m_edgeDetection = false;
    m_rotation = 0;
    m_brightness = m_saturation = m_contrast = 0;
    m_operate = None;

    m_device = m_factory(m_camera);
    if (!m_device || !m_device->isOpened()) {
        if (m_device)
            m_device->release();
        m_device.reset();
        m_stop = true;
        qDebug() << "open-->error" << QThread::currentThreadId();
        emit sgError(CameraOpenFailed);
        return false;
    }
    m_contrast = m_device->get(cv::CAP_PROP_CONTRAST);
    m_brightness = m_device->get(cv::CAP_PROP_BRIGHTNESS);
    m_saturation = m_device->get(cv::CAP_PROP_SATURATION);

    if (m_frameSize == QSizeF(-1, -1)) {
        m_frameSize.setHeight(m_device->get(cv::CAP_PROP_FRAME_HEIGHT));
        m_frameSize.setWidth(m_device->get(cv::CAP_PROP_FRAME_WIDTH));
    } else {
        const bool w = m_device->set(cv::CAP_PROP_FRAME_WIDTH, m_frameSize.width());
        const bool h = m_device->set(cv::CAP_PROP_FRAME_HEIGHT, m_frameSize.height());
        const bool f = m_device->set(cv::CAP_PROP_FOURCC, mjpg());
        logResolutionChange("open change resolution:", w, h, f);
        if (!(w && h && f))
            emit sgError(ResolutionFailed);
    }
    m_operate = Opened;
    return true;
}

bool IOpencvThread::uninitopencv()
{
    m_stop = true;
    m_live = false;
    {
        QMutexLocker lock(&m_mutex);
        m_operate = None;
        if (m_device)
            m_device->release();
        m_device.reset();
    }
    QThread::msleep(20);
    qDebug() << "exit opencv thread" << QThread::currentThreadId();
    return true;
}

void IOpencvThread::logResolutionChange(const char* what, bool width, bool height, bool fourcc)
{
    qDebug() << QTime::currentTime().toString("hh:mm:ss_zzz") << what << m_frameSize << width << height
             << fourcc;
}

bool IOpencvThread::OperateFunc()
{
    switch (m_operate) {
    case FrameSize: {
        const bool w = m_device->set(cv::CAP_PROP_FRAME_WIDTH, m_frameSize.width());
        bool h = m_device->set(cv::CAP_PROP_FRAME_HEIGHT, m_frameSize.height());
        if (!h) {
            const double lower = m_frameSize.height() - 10;
            h = m_device->set(cv::CAP_PROP_FRAME_HEIGHT, lower);
            qDebug() << "CAP_PROP_FRAME_HEIGHT error reset: " << h << lower;
        }
        const bool f = m_device->set(cv::CAP_PROP_FOURCC, mjpg());
        logResolutionChange("change resolution:", w, h, f);
        if (!(w && h && f))
            emit sgError(ResolutionFailed);
        break;
    }
    case Opened:
        qDebug() << "open-->success" << QThread::currentThreadId() << m_contrast << m_brightness << m_saturation
                 << m_frameSize;
        emit sgError(CameraOpened);
        break;
    default:
        break;
    }
    m_operate = None;
    return true;
}

void IOpencvThread::run()
{
    const ICrashSignals::ThreadStack crashStack;
    if (!initopencv())
        return;
    cv::Mat frame;
    while (!m_stop) {
        {
            // Property writes from the caller's thread wait for a read in
            // progress, and the other way round.
            QMutexLocker lock(&m_mutex);
            if (!m_device->read(frame))
                frame.release();
        }
        if (frame.empty()) {
            qDebug() << "opencv read frame is empty.";
            emit sgError(CameraLost);
            break;
        }
        if (m_live) {
            if (m_edgeDetection) {
                const IEdgeResult edge = IOpencvApi::cvEdgeDetect(frame);
                QMutexLocker lock(&m_mutex);
                m_edge = edge;
            }
            emit sgCameraFrame(IOpencvApi::cvMat2Image(frame));
        }
        QMutexLocker lock(&m_mutex);
        if (m_operate != None)
            OperateFunc();
    }
    uninitopencv();
}
