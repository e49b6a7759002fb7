// The USB camera through the OpenCV capture thread; dormant unless the
// facade is switched to it.
#pragma once

#include "camera/icamerasource.h"

class IOpencvThread;

class IOpencvSource : public ICameraSource
{
    Q_OBJECT
public:
    explicit IOpencvSource(QObject* parent = nullptr);
    ~IOpencvSource() override;

    IOpencvThread* thread() const { return m_thread; }

    bool open(const ICameraInfo& camera) override;
    void reopen() override;
    void setResolution(const QSize& size) override;
    void setFocus(int value) override;
    void setExposure(int value) override;
    void setBrightness(const QVariant& value) override;
    void setContrast(const QVariant& value) override;
    void setSaturation(const QVariant& value) override;
    void setLive(bool live) override;
    void setEdgeDetection(bool on) override;
    QImage picture(int filterKind) override;
    IEdgeResult edgeResult() override;
    ICameraParameterData parameters() override;
    QList<QSizeF> supportedResolutions() override;

private:
    IOpencvThread* m_thread = nullptr;
    ICameraInfo m_camera;
};
