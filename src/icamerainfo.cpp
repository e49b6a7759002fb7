// The process-wide current camera.
#include "icamerainfo.h"

ICameraInfo& ICameraInfo::current()
{
    static ICameraInfo camera;
    return camera;
}
