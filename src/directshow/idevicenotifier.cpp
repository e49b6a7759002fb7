// A source of device plug and unplug events for the USB device watcher.
#include "directshow/idevicenotifier.h"

IDeviceNotifier::IDeviceNotifier(QObject* parent)
    : QObject(parent)
{
    // Sources may report from another thread; the kind must survive a queued call.
    qRegisterMetaType<IDeviceNotifier::Kind>("IDeviceNotifier::Kind");
}

IDeviceNotifier::~IDeviceNotifier() = default;
