// Puts the program's video device providers in place at start: the
// system's cameras always, the virtual document camera when the command
// line asks; and hands out what tells of them coming and going.
#pragma once

#include <QList>
#include <QStringList>
#include <memory>

class IDeviceNotifier;
class IVirtualCamera;

class IVideoDeviceSetup
{
public:
    // Returns the virtual camera when one was asked for, else null.
    static std::shared_ptr<IVirtualCamera> install(const QStringList& arguments);
    // Takes back what install() put in place.
    static void uninstall();
    // The one installed by install(), or null.
    static std::shared_ptr<IVirtualCamera> virtualCamera();
    // New sources of plug and unplug events for the USB device watcher: the
    // system's, and the virtual camera's when one is installed. The caller
    // owns them; call on the GUI thread.
    static QList<IDeviceNotifier*> createNotifiers();
    // From then on SIGUSR1 unplugs or replugs the virtual camera, for
    // demonstrations ("pkill -USR1 veskaroo"). Call on the GUI thread.
    static void toggleVirtualCameraOnSignal();
};
