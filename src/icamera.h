// The one object through which the program talks to the camera: finds the
// accepted cameras, drives one capture source for the current camera and
// re-emits its frames, pictures and errors.
#pragma once

#include "directshow/icameraparameterdata.h"
#include "icamerainfo.h"
#include "opencv/icompressedpicture.h"
#include "opencv/iedgeresult.h"

#include <QImage>
#include <QObject>
#include <QSet>
#include <QSize>
#include <QSizeF>
#include <QVariant>

#include <memory>

class ICameraSource;
class IDShowThread;
class INetworkCameraFinder;
class INetworkSourceBase;
class IOpencvThread;

class ICamera : public QObject
{
    Q_OBJECT
public:
    // An accepted USB camera: ids as four hex digits, type 0 or 1.
    struct AcceptedDevice
    {
        QString pid;
        QString vid;
        int type;
    };

    static ICamera* instance();
    ~ICamera() override;

    // The built-in table plus the virtual camera and the ids a user added
    // under the settings key "camera/acceptedids" ("VID:PID" entries).
    const QList<AcceptedDevice>& acceptedDevices() const;
    // Accepted USB cameras first, then network cameras; waits for the
    // network search.
    QList<ICameraInfo> validCameraInfo();
    virtual QList<ICameraInfo> validWifiCameraInfo();
    QList<ICameraInfo> validUsbCameraInfo() const;
    // The same list without waiting: the network cameras found so far. A
    // new search starts in the background; what it finds comes as
    // sgNetworkCameraFound.
    QList<ICameraInfo> knownCameraInfo();
    void searchNetworkCameras();

    // Makes the first accepted camera current and creates its source.
    bool initData();
    // initData, then openCamera with the current camera.
    bool openCurrentCamera();
    bool openCamera(const ICameraInfo& info);
    void switchCamera(const ICameraInfo& info);

    // These are remembered for the current camera (ICameraSettingsStore) and
    // applied again whenever it opens.
    void setResolution(const QVariant& size);
    void setFocus(int value);
    void setExposure(int value);
    void setBrightness(const QVariant& value);
    void setContrast(const QVariant& value);
    void setSaturation(const QVariant& value);
    void setLive(bool live);
    void setEdgeDetection(bool on);
    QImage picture(int filterKind);
    // The current frame still compressed while the view shows a reduced
    // decode of it (see ICameraSource); null otherwise.
    ICompressedPicture compressedPicture();
    // The size the live picture is shown at, in device pixels, so that the
    // source decodes no more than it shows; kept for later sources.
    void setShownSize(const QSize& size);
    // While a lens magnifies the live picture, it is decoded in full.
    void setMagnifying(bool on);
    IEdgeResult edgeResult();
    ICameraParameterData cameraParameter();
    QList<QSizeF> supportedResolutions();
    // A still-capture camera set to its largest size streams a smaller one
    // and takes its pictures as stills.
    bool takesStills() const;
    // Asks the camera for a full-resolution still through a filter kind
    // (sgStillImage, or sgCaptureImage from a Wi-Fi camera); false when its
    // source takes none or refuses it now.
    bool triggerStill(int filterKind);
    // How long a still may take before it counts as failed.
    int stillTimeoutMs() const;
    // One step of a Wi-Fi camera's lamp cycle (0-4); -1 for other cameras.
    int switchLamp();
    // What the source was last told; a new source starts live, without
    // edge detection.
    bool isLive() const { return m_live; }
    bool isEdgeDetectionOn() const { return m_edgeDetection; }

    void closeUsbSource();
    void closeAllSources();
    bool hasSource() const;

    // Network discovery (access-point probe, ONVIF) may be switched off by
    // the command line or the settings key "other/discovery".
    static bool discoveryEnabled();
    static void setDiscoveryEnabled(bool on);

    // The current source's thread when it is of that kind, else null.
    IDShowThread* dshowSource() const;
    IOpencvThread* opencvSource() const;
    // Either kind of network camera source.
    INetworkSourceBase* networkSource() const;

signals:
    void sgRunCopyImage();
    void sgStillImage(QImage image);
    void sgCameraFrame(QImage image);
    void sgCaptureImage(QImage image);
    void sgError(int code);
    void sgDestroy();
    void sgChangeResolution(QVariant size);
    void sgFrameLossRate(QString rate);
    void sgChangeResolutionFromOtherApp(QSize size);
    // A network camera joined the list after it was asked for.
    void sgNetworkCameraFound(ICameraInfo camera);

public slots:
    void slError(int code);
    void slFinished();

protected:
    ICamera();

    virtual void createOpencvSource();
    virtual void createDShowSource();
    virtual void buildAcceptedDevices();
    virtual void createNetworkSource();
    virtual void createNetworkSocketSource();
    virtual void stopNetworkSource();

    // Replaces the current source (null: none) and forgets everything read
    // from the old one.
    void setSource(std::unique_ptr<ICameraSource> source);

private:
    // Creates the source of the kind the camera needs.
    void createSourceFor(const ICameraInfo& camera);
    // The current network camera turned out to have no video stream.
    void useStillsOnly(const QString& devicePath);
    // The configured resolution, told to the source, without remembering it
    // for the camera.
    void applyResolution(QSize requested);
    // What the user chose for this camera before; a network camera is
    // retried until it has told its values.
    void applyRememberedSettings(int attempt = 0);
    // `setting` (an ICameraSettingsStore::Setting) for the current camera,
    // when its parameter `group` says the camera has it.
    void remember(int setting, const QVariantList& group, int value);
    bool isNetworkSource() const;

    int m_restartPending = 0;
    std::unique_ptr<ICameraSource> m_source;
    // USB cameras run on V4L2; the OpenCV route stays complete behind this.
    bool m_useDirectShow = true;
    ICameraParameterData m_parameters;
    bool m_parametersRead = false;
    bool m_live = true;
    bool m_edgeDetection = false;
    QSize m_shownSize;
    bool m_magnifying = false;
    // The source has reported that it opened.
    bool m_sourceOpened = false;
    QList<AcceptedDevice> m_accepted;
    // Network cameras that answer on their control port only, by device path.
    QSet<QString> m_controlOnly;
    INetworkCameraFinder* m_finder = nullptr;
};
