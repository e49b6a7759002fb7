// Puts the program's video device providers in place at start.
#include "directshow/ivideodevicesetup.h"

#include "directshow/iplatformdevices.h"
#include "directshow/isignaldevicenotifier.h"
#include "directshow/ivideodeviceregistry.h"
#include "directshow/virtual/ivirtualcamera.h"
#include "directshow/virtual/ivirtualcameraoptions.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
std::shared_ptr<IVideoDeviceProvider> g_systemCameras;
std::shared_ptr<IVirtualCamera> g_virtualCamera;
int g_signalPipe[2] = {-1, -1};

// Only a write: the rest happens on the GUI thread.
void onToggleSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[0], &byte, 1);
}
} // namespace

std::shared_ptr<IVirtualCamera> IVideoDeviceSetup::install(const QStringList& arguments)
{
    IVideoDeviceRegistry& registry = IVideoDeviceRegistry::instance();
    g_systemCameras = IPlatformDevices::createVideoDeviceProvider();
    registry.add(g_systemCameras);

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
    g_virtualCamera->setRawFrames(options.rawFrames());
    qDebug() << "virtual camera on:" << IVirtualCamera::devicePath();
    registry.add(g_virtualCamera);
    return g_virtualCamera;
}

void IVideoDeviceSetup::uninstall()
{
    IVideoDeviceRegistry& registry = IVideoDeviceRegistry::instance();
    registry.remove(g_systemCameras.get());
    registry.remove(g_virtualCamera.get());
    g_systemCameras.reset();
    g_virtualCamera.reset();
}

std::shared_ptr<IVirtualCamera> IVideoDeviceSetup::virtualCamera()
{
    return g_virtualCamera;
}

QList<IDeviceNotifier*> IVideoDeviceSetup::createNotifiers()
{
    QList<IDeviceNotifier*> notifiers{IPlatformDevices::createDeviceNotifier()};
    if (g_virtualCamera) {
        // The virtual camera is plugged and unplugged like a USB one, so
        // the window hears of it the same way.
        auto* relay = new ISignalDeviceNotifier;
        QObject::connect(g_virtualCamera.get(), &IVirtualCamera::presenceChanged, relay,
                         &ISignalDeviceNotifier::slVideoDeviceChanged);
        notifiers << relay;
    }
    return notifiers;
}

void IVideoDeviceSetup::toggleVirtualCameraOnSignal()
{
    if (!g_virtualCamera || g_signalPipe[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char byte;
        if (::read(g_signalPipe[1], &byte, 1) == 1 && g_virtualCamera) {
            const bool present = !g_virtualCamera->isPresent();
            qDebug() << "virtual camera" << (present ? "plugged in" : "unplugged");
            g_virtualCamera->setPresent(present);
        }
    });
    struct sigaction action{};
    action.sa_handler = &onToggleSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGUSR1, &action, nullptr);
}
