// The program's only top-level window.
#include "mainframe.h"

#include "iapplication.h"
#include "directshow/isignaldevicenotifier.h"
#include "directshow/ivideodevicesetup.h"
#include "directshow/iwinusbdevice.h"
#include "directshow/virtual/ivirtualcamera.h"
#include "icamera.h"
#include "service/iconfigureservice.h"

#include <QDebug>

MainFrame::MainFrame(IApplication* app, QWidget* parent)
    : QWidget(parent)
    , m_application(app)
{
    IConfigureService::instance()->readConfigure();

    // Frameless top-level window with system menu, minimise and maximise.
    setWindowFlags(Qt::WindowFlags(59393));
    setWindowTitle(IConfigureService::productName());
    qDebug() << "Windows MainFrame used!";
}

IBoard* MainFrame::board() const
{
    return m_board;
}

void MainFrame::InitData()
{
    ICamera* camera = ICamera::instance();
    connect(camera, &ICamera::sgError, this, &MainFrame::onCameraError);
    if (!camera->openCurrentCamera()) {
        qDebug() << "open error---->";
        emit camera->sgError(1);
        return;
    }

    m_usbWatcher = new IWinUsbDevice(this);
    // The virtual camera unplugs and replugs like a USB one.
    if (const auto virtualCamera = IVideoDeviceSetup::virtualCamera()) {
        auto* relay = new ISignalDeviceNotifier;
        connect(virtualCamera.get(), &IVirtualCamera::presenceChanged, relay,
                &ISignalDeviceNotifier::slVideoDeviceChanged);
        m_usbWatcher->addNotifier(relay);
    }
    connect(m_usbWatcher, &IWinUsbDevice::connectionChanged, this, &MainFrame::onUsbDeviceChanged);
}

IWinUsbDevice* MainFrame::usbWatcher() const
{
    return m_usbWatcher;
}

void MainFrame::onUsbDeviceChanged(bool connected, const QString& deviceName)
{
    ICamera* camera = ICamera::instance();
    const QString current = ICameraInfo::current().devicePath;
    qDebug() << "usb device change " << connected << deviceName << current;
    if (!connected && deviceName.compare(current, Qt::CaseInsensitive) == 0) {
        camera->closeUsbSource();
        emit camera->sgError(3);
    } else if (connected && !camera->hasSource()) {
        if (camera->openCurrentCamera())
            m_firstOpen = true;
    }
}

void MainFrame::onCameraError(int code)
{
    qDebug() << "camera error code:" << code;
    if (m_firstOpen && code == 0) {
        m_firstOpen = false;
        showMaximized();
    }
    setEnabled(true);
    if (code == 1)
        ICameraInfo::current().index = -1;
}
