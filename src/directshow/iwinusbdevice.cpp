// Tells the main window when a video capture device or a removable volume is
// plugged in or removed.
#include "directshow/iwinusbdevice.h"

#include "directshow/ivideodevicesetup.h"

#include <QDebug>

IWinUsbDevice::IWinUsbDevice(QWidget* parent)
    : QWidget(parent)
{
    init();
    const QList<IDeviceNotifier*> notifiers = IVideoDeviceSetup::createNotifiers();
    for (IDeviceNotifier* notifier : notifiers)
        addNotifier(notifier);
}

IWinUsbDevice::IWinUsbDevice(const QList<IDeviceNotifier*>& notifiers, QWidget* parent)
    : QWidget(parent)
{
    init();
    for (IDeviceNotifier* notifier : notifiers)
        addNotifier(notifier);
}

IWinUsbDevice::~IWinUsbDevice() = default;

void IWinUsbDevice::init()
{
    // Only a listener: it must never take space or clicks in its parent,
    // which would otherwise show it along with itself.
    setAttribute(Qt::WA_DontShowOnScreen);
    hide();
}

void IWinUsbDevice::addNotifier(IDeviceNotifier* notifier)
{
    m_notifiers.removeAll(nullptr);
    if (!notifier || m_notifiers.contains(notifier))
        return;
    notifier->setParent(this);
    m_notifiers << notifier;
    connect(notifier, &IDeviceNotifier::sgDeviceChanged, this, &IWinUsbDevice::slDeviceChanged);
}

QList<IDeviceNotifier*> IWinUsbDevice::notifiers() const
{
    QList<IDeviceNotifier*> alive;
    for (const auto& notifier : m_notifiers) {
        if (notifier)
            alive << notifier.data();
    }
    return alive;
}

void IWinUsbDevice::slDeviceChanged(bool bConnected, IDeviceNotifier::Kind kind, const QString& strName)
{
    qDebug() << "IWinUsbDevice:" << (bConnected ? "arrived" : "removed") << kind << strName;
    if (kind == IDeviceNotifier::VideoDevice)
        emit connectionChanged(bConnected, strName);
    else
        emit connectionChangedUSB(bConnected, strName);
}
