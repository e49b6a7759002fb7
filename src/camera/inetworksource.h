// A network camera. Placeholder until network cameras are driven: it opens
// nothing and answers every question with an empty result.
#pragma once

#include "camera/icamerasource.h"

class INetworkSource : public ICameraSource
{
    Q_OBJECT
public:
    using ICameraSource::ICameraSource;

    bool open(const ICameraInfo&) override { return false; }
    void setResolution(const QSize&) override {}
    void setFocus(int) override {}
    void setExposure(int) override {}
    void setBrightness(const QVariant&) override {}
    void setContrast(const QVariant&) override {}
    void setSaturation(const QVariant&) override {}
    void setLive(bool) override {}
    void setEdgeDetection(bool) override {}
    QImage picture(int) override { return QImage(); }
    IEdgeResult edgeResult() override { return IEdgeResult(); }
    ICameraParameterData parameters() override { return ICameraParameterData(); }
    QList<QSizeF> supportedResolutions() override { return {}; }
};
