// The process-wide list of video device providers, asked in the order they
// were added: real cameras first, then the virtual one.
#pragma once

#include "directshow/ivideodeviceprovider.h"

#include <QMutex>
#include <memory>
#include <vector>

class IVideoDeviceRegistry
{
public:
    static IVideoDeviceRegistry& instance();

    // Thread-safe (mutex), like everything here.
    void add(std::shared_ptr<IVideoDeviceProvider> provider);
    void remove(const IVideoDeviceProvider* provider);
    void clear();

    // Every provider's devices, in provider order.
    QList<IVideoDeviceInfo> devices();
    // The first provider that knows the path opens it; null if none does.
    std::unique_ptr<IVideoDevice> open(const QString& devicePath);

private:
    std::vector<std::shared_ptr<IVideoDeviceProvider>> snapshot();

    QMutex m_mutex;
    std::vector<std::shared_ptr<IVideoDeviceProvider>> m_providers;
};
