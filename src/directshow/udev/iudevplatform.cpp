// udev as the system's hot-plug notifier.
#include "directshow/iplatformdevices.h"
#include "directshow/udev/iudevnotifier.h"

#include <QDebug>

namespace IPlatformDevices {

IDeviceNotifier* createDeviceNotifier()
{
    auto* udev = new IUdevNotifier;
    if (!udev->start())
        qDebug() << "IWinUsbDevice: no udev monitor, hot-plug of cameras and drives goes unnoticed";
    return udev;
}

} // namespace IPlatformDevices
