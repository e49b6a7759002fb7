// The process-wide list of video device providers.
#include "directshow/ivideodeviceregistry.h"

#include <algorithm>

IVideoDeviceRegistry& IVideoDeviceRegistry::instance()
{
    static IVideoDeviceRegistry registry;
    return registry;
}

void IVideoDeviceRegistry::add(std::shared_ptr<IVideoDeviceProvider> provider)
{
    QMutexLocker lock(&m_mutex);
    m_providers.push_back(std::move(provider));
}

void IVideoDeviceRegistry::remove(const IVideoDeviceProvider* provider)
{
    QMutexLocker lock(&m_mutex);
    m_providers.erase(std::remove_if(m_providers.begin(), m_providers.end(),
                                     [provider](const auto& p) { return p.get() == provider; }),
                      m_providers.end());
}

void IVideoDeviceRegistry::clear()
{
    QMutexLocker lock(&m_mutex);
    m_providers.clear();
}

std::vector<std::shared_ptr<IVideoDeviceProvider>> IVideoDeviceRegistry::snapshot()
{
    // Providers are asked without the lock held: listing may touch sysfs.
    QMutexLocker lock(&m_mutex);
    return m_providers;
}

QList<IVideoDeviceInfo> IVideoDeviceRegistry::devices()
{
    QList<IVideoDeviceInfo> all;
    for (const auto& provider : snapshot())
        all += provider->devices();
    return all;
}

std::unique_ptr<IVideoDevice> IVideoDeviceRegistry::open(const QString& devicePath)
{
    for (const auto& provider : snapshot()) {
        if (auto device = provider->open(devicePath))
            return device;
    }
    return nullptr;
}
