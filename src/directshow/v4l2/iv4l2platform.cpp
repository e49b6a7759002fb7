// Video4Linux2 as the system's camera provider.
#include "directshow/iplatformdevices.h"
#include "directshow/v4l2/iv4l2provider.h"

namespace IPlatformDevices {

std::shared_ptr<IVideoDeviceProvider> createVideoDeviceProvider()
{
    return std::make_shared<IV4l2Provider>();
}

} // namespace IPlatformDevices
