// A device notifier fed by other objects' signals, such as a virtual camera
// announcing that it appeared or went away.
#pragma once

#include "directshow/idevicenotifier.h"

class ISignalDeviceNotifier : public IDeviceNotifier
{
    Q_OBJECT
public:
    explicit ISignalDeviceNotifier(QObject* parent = nullptr);

    bool isActive() const override;

public slots:
    void slNotify(bool bConnected, IDeviceNotifier::Kind kind, const QString& strName);
    // Same shape as a device's presence signal, so it can be connected directly.
    void slVideoDeviceChanged(bool bPresent, const QString& strDevicePath);
    void slVolumeChanged(bool bPresent, const QString& strMountRoot);
};
