// What the camera facade asks of a capture source, whichever kind it is:
// the facade picks the kind once, when it creates the source, and then only
// forwards. A source owns its capture thread; deleting it stops the thread
// and drops whatever the thread had still queued for it.
#pragma once

#include "directshow/icameraparameterdata.h"
#include "icamerainfo.h"
#include "opencv/icompressedpicture.h"
#include "opencv/iedgeresult.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QSize>
#include <QSizeF>
#include <QVariant>

class ICameraSource : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts streaming the camera; false when the source cannot try.
    virtual bool open(const ICameraInfo& camera) = 0;
    // Opens the camera it had again (a capture loop that ended by itself).
    virtual void reopen() {}
    virtual void setResolution(const QSize& size) = 0;
    virtual void setFocus(int value) = 0;    // -999: automatic
    virtual void setExposure(int value) = 0; // -999: automatic
    virtual void setBrightness(const QVariant& value) = 0;
    virtual void setContrast(const QVariant& value) = 0;
    virtual void setSaturation(const QVariant& value) = 0;
    virtual void setLive(bool live) = 0;
    virtual void setEdgeDetection(bool on) = 0;
    // Thread-safe: the current picture through a filter kind.
    virtual QImage picture(int filterKind) = 0;
    // Thread-safe: the current frame still compressed, when the live view
    // shows a reduced decode of it; null otherwise.
    virtual ICompressedPicture compressedPicture() { return ICompressedPicture(); }
    // The size the live picture is shown at, in device pixels; sources that
    // can decode less than the full frame use it. Invalid: full size.
    virtual void setShownSize(const QSize& size) { Q_UNUSED(size) }
    virtual IEdgeResult edgeResult() = 0;
    virtual ICameraParameterData parameters() = 0;
    virtual QList<QSizeF> supportedResolutions() = 0;
    // Asks for a full-resolution still through a filter kind (sgStillImage,
    // or sgCaptureImage from a network camera); false when the source takes
    // none or refuses it now.
    virtual bool triggerStill(int filterKind) { Q_UNUSED(filterKind) return false; }
    // How long a still may take before it counts as failed.
    virtual int stillTimeoutMs() const { return 5000; }

signals:
    void sgCameraFrame(QImage frame);
    void sgStillImage(QImage still);
    void sgCaptureImage(QImage picture);
    void sgError(int code);
    // The capture loop ended by itself.
    void sgFinished();
    // The camera itself now runs at another resolution.
    void sgChangeResolutionFromOtherApp(QSize size);
    void sgFrameLossRate(QString rate);
};
