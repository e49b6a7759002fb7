// Puts the program's video device providers in place at start: V4L2
// cameras always, the virtual document camera when the command line asks.
#pragma once

#include <QStringList>
#include <memory>

class IVirtualCamera;

class IVideoDeviceSetup
{
public:
    // Returns the virtual camera when one was asked for, else null.
    static std::shared_ptr<IVirtualCamera> install(const QStringList& arguments);
    // The one installed by install(), or null.
    static std::shared_ptr<IVirtualCamera> virtualCamera();
    // From then on SIGUSR1 unplugs or replugs the virtual camera, for
    // demonstrations ("pkill -USR1 veskaroo"). Call on the GUI thread.
    static void toggleVirtualCameraOnSignal();
};
