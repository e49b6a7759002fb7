// A kind of video device that can be listed and opened: V4L2 cameras, the
// virtual document camera, or a test's fakes.
#pragma once

#include "directshow/ivideodevice.h"

#include <QString>
#include <memory>

struct IVideoDeviceInfo
{
    QString name;       // the card's own name, without the " #n" suffix
    QString devicePath; // stable across replugging; also what hot-plug reports
    QString vid;        // USB vendor id, four hex digits
    QString pid;        // USB product id, four hex digits
};

class IVideoDeviceProvider
{
public:
    virtual ~IVideoDeviceProvider() = default;

    // Thread-safe: listed from the GUI thread while a capture thread streams.
    virtual QList<IVideoDeviceInfo> devices() = 0;
    // Null when the path is not this provider's or cannot be opened.
    virtual std::unique_ptr<IVideoDevice> open(const QString& devicePath) = 0;
};
