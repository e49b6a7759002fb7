// Tells the main window when a video capture device or a removable volume is
// plugged in or removed.
#pragma once

#include "directshow/idevicenotifier.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class IWinUsbDevice : public QWidget
{
    Q_OBJECT
public:
    // Listens to the system and, when there is one, to the virtual camera.
    explicit IWinUsbDevice(QWidget* parent = nullptr);
    // Listens to the given sources only (and to any added later).
    explicit IWinUsbDevice(const QList<IDeviceNotifier*>& notifiers, QWidget* parent = nullptr);
    ~IWinUsbDevice() override;

    // Takes ownership, so the source must live on this widget's thread (it
    // may still emit from any). Adding a source twice has no effect.
    void addNotifier(IDeviceNotifier* notifier);
    QList<IDeviceNotifier*> notifiers() const;

signals:
    void connectionChanged(bool bConnected, QString strName);
    void connectionChangedUSB(bool bConnected, QString strName);

private slots:
    void slDeviceChanged(bool bConnected, IDeviceNotifier::Kind kind, const QString& strName);

private:
    void init();

    QList<QPointer<IDeviceNotifier>> m_notifiers;
};
