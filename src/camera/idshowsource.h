// The USB camera through the V4L2 capture thread.
#pragma once

#include "camera/icamerasource.h"

class IDShowThread;

class IDShowSource : public ICameraSource
{
    Q_OBJECT
public:
    explicit IDShowSource(QObject* parent = nullptr);
    ~IDShowSource() override;

    IDShowThread* thread() const { return m_thread; }

    bool open(const ICameraInfo& camera) override;
    void setResolution(const QSize& size) override;
    void setFocus(int value) override;
    void setExposure(int value) override;
    void setBrightness(const QVariant& value) override;
    void setContrast(const QVariant& value) override;
    void setSaturation(const QVariant& value) override;
    void setLive(bool live) override;
    void setEdgeDetection(bool on) override;
    QImage picture(int filterKind) override;
    ICompressedPicture compressedPicture() override;
    void setShownSize(const QSize& size) override;
    IEdgeResult edgeResult() override;
    ICameraParameterData parameters() override;
    QList<QSizeF> supportedResolutions() override;
    bool triggerStill(int filterKind) override;

private:
    IDShowThread* m_thread = nullptr;
};
