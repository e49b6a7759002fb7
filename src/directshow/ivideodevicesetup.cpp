// Puts the program's video device providers in place at start.
#include "directshow/ivideodevicesetup.h"

#include "directshow/ivideodeviceregistry.h"
#include "directshow/v4l2/iv4l2provider.h"
#include "directshow/virtual/ivirtualcamera.h"
#include "directshow/virtual/ivirtualcameraoptions.h"

#include <QDebug>

namespace {
std::shared_ptr<IVirtualCamera> g_virtualCamera;
}

std::shared_ptr<IVirtualCamera> IVideoDeviceSetup::install(const QStringList& arguments)
{
    IVideoDeviceRegistry& registry = IVideoDeviceRegistry::instance();
    registry.add(std::make_shared<IV4l2Provider>());

    const IVirtualCameraOptions options = IVirtualCameraOptions::parse(arguments);
    switch (options.mode()) {
    case IVirtualCameraOptions::Off:
        return nullptr;
    case IVirtualCameraOptions::Rendered:
        g_virtualCamera = std::make_shared<IVirtualCamera>();
        break;
    case IVirtualCameraOptions::File:
        g_virtualCamera = std::make_shared<IVirtualCamera>(options.filePath());
        if (g_virtualCamera->source() == IVirtualCamera::Unreadable)
            qCritical() << "virtual camera: cannot read" << options.filePath();
        break;
    }
    qDebug() << "virtual camera on:" << IVirtualCamera::devicePath();
    registry.add(g_virtualCamera);
    return g_virtualCamera;
}

std::shared_ptr<IVirtualCamera> IVideoDeviceSetup::virtualCamera()
{
    return g_virtualCamera;
}
