// A device notifier fed by other objects' signals.
#include "directshow/isignaldevicenotifier.h"

ISignalDeviceNotifier::ISignalDeviceNotifier(QObject* parent)
    : IDeviceNotifier(parent)
{
}

bool ISignalDeviceNotifier::isActive() const
{
    return true;
}

void ISignalDeviceNotifier::slNotify(bool bConnected, IDeviceNotifier::Kind kind, const QString& strName)
{
    emit sgDeviceChanged(bConnected, kind, strName);
}

void ISignalDeviceNotifier::slVideoDeviceChanged(bool bPresent, const QString& strDevicePath)
{
    emit sgDeviceChanged(bPresent, VideoDevice, strDevicePath);
}

void ISignalDeviceNotifier::slVolumeChanged(bool bPresent, const QString& strMountRoot)
{
    emit sgDeviceChanged(bPresent, Volume, strMountRoot);
}
