// Lists the Video4Linux2 capture devices from sysfs and opens them.
#pragma once

#include "directshow/ivideodeviceprovider.h"

#include <functional>

class IV4l2Provider : public IVideoDeviceProvider
{
public:
    // sysRoot and devRoot are the system's own folders unless a test
    // points them at a copy.
    explicit IV4l2Provider(const QString& sysRoot = QStringLiteral("/sys"),
                           const QString& devRoot = QStringLiteral("/dev"));

    // Which nodes capture video; asks the driver unless a test decides.
    using NodeCheck = std::function<bool(const QString& devNode)>;
    void setCaptureNodeCheck(NodeCheck check);

    QList<IVideoDeviceInfo> devices() override;
    std::unique_ptr<IVideoDevice> open(const QString& devicePath) override;

    // The path a device is known by: its /dev/v4l/by-id link when it has
    // one (stable across replugging), else its node. Hot-plug events use
    // the same rule, so both sides name a camera alike.
    static QString stablePath(const QString& devNode, const QStringList& links);

private:
    QString m_sysRoot;
    QString m_devRoot;
    NodeCheck m_isCaptureNode;
};
