// The USB capture source built on OpenCV: reads frames on its own thread,
// finds the document outline when asked, and emits each frame as a picture.
#pragma once

#include "icamerainfo.h"
#include "opencv/icapturedevice.h"
#include "opencv/iedgeresult.h"

#include <QImage>
#include <QMutex>
#include <QSizeF>
#include <QThread>
#include <QVariant>

#include <atomic>
#include <functional>
#include <memory>

class IOpencvThread : public QThread
{
    Q_OBJECT
public:
    enum OperateType {
        None = 0,
        CameraIndex = 1,
        Brightness = 2,
        Saturation = 3,
        Contrast = 4,
        Focus = 5,
        Exposure = 6,
        FrameSize = 7,
        Live = 8,
        RotateBy = 9,
        Rotation = 10,
        EdgeDetection = 11,
        Opened = 14,
    };
    Q_ENUM(OperateType)

    // Opens the device behind a camera description; tests put a fake here.
    using DeviceFactory = std::function<std::unique_ptr<ICaptureDevice>(const ICameraInfo&)>;

    explicit IOpencvThread(QObject* parent = nullptr);
    ~IOpencvThread() override;

    // The device for a camera: a file path opens the file, anything else
    // the camera of that device path.
    static std::unique_ptr<ICaptureDevice> openDevice(const ICameraInfo& camera);
    void setDeviceFactory(DeviceFactory factory);

    // Caller's thread. Starts capturing when stopped; otherwise nothing.
    virtual void open(const ICameraInfo& camera);
    // Caller's thread. Stops and joins the capture thread.
    virtual void stop();
    // Thread-safe: the capture thread updates it under the mutex.
    virtual IEdgeResult edgeResult();
    // Thread-safe (mutex).
    virtual QVariant parameter(OperateType type);
    // Thread-safe (mutex while reading the device): a fresh frame when live,
    // the frozen one otherwise, filtered; null without a device.
    virtual QImage picture(int filterKind);
    // Thread-safe (mutex). Device settings apply at once; the frame size is
    // carried out by the capture thread on its next turn.
    virtual void setOperate(OperateType type, const QVariant& value);
    virtual bool initopencv();
    virtual bool uninitopencv();
    // Capture thread, mutex held: carries out the pending operation.
    virtual bool OperateFunc();

signals:
    void sgCameraFrame(QImage frame);
    void sgError(int code);

protected:
    void run() override;

private:
    void logResolutionChange(const char* what, bool width, bool height, bool fourcc);

    std::atomic<bool> m_stop{true};
    std::atomic<bool> m_live{false};
    QMutex m_mutex;
    std::atomic<bool> m_edgeDetection{false};
    IEdgeResult m_edge;
    ICameraInfo m_camera;
    int m_rotation = 0;
    double m_brightness = 0;
    double m_saturation = 0;
    double m_contrast = 0;
    int m_focus = -999;
    int m_exposure = -999;
    QSizeF m_frameSize{-1, -1};
    OperateType m_operate = None;
    cv::Mat m_frozen;
    std::unique_ptr<ICaptureDevice> m_device;
    DeviceFactory m_factory;
};
