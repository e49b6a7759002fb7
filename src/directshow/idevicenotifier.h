// A source of device plug and unplug events for the USB device watcher.
#pragma once

#include <QObject>
#include <QString>

class IDeviceNotifier : public QObject
{
    Q_OBJECT
public:
    enum Kind {
        VideoDevice, // a video capture device, named by its device path
        Volume       // a removable volume, named by its mount root
    };
    Q_ENUM(Kind)

    explicit IDeviceNotifier(QObject* parent = nullptr);
    ~IDeviceNotifier() override;

    // False when the source could not start and will never report anything.
    virtual bool isActive() const = 0;

signals:
    void sgDeviceChanged(bool bConnected, IDeviceNotifier::Kind kind, const QString& strName);
};
