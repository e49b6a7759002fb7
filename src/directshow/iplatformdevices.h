// The operating system's own cameras and hot-plug notices. Each platform's
// folders define these (v4l2/ and udev/ on Linux) and the build picks the
// folders, so the rest of the program sees only the interfaces.
#pragma once

#include "directshow/idevicenotifier.h"
#include "directshow/ivideodeviceprovider.h"

#include <memory>

namespace IPlatformDevices {

// The system's video capture devices.
std::shared_ptr<IVideoDeviceProvider> createVideoDeviceProvider();

// Cameras and removable volumes coming and going, already listening; it
// stays silent (inactive) when the system cannot be listened to.
IDeviceNotifier* createDeviceNotifier();

} // namespace IPlatformDevices
