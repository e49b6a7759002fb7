// Watches udev for video capture devices and removable volumes coming and going.
#pragma once

#include "directshow/idevicenotifier.h"

#include <QDeadlineTimer>
#include <QMap>
#include <QTimer>
#include <optional>

class QSocketNotifier;
struct udev;
struct udev_device;
struct udev_monitor;

class IUdevNotifier : public IDeviceNotifier
{
    Q_OBJECT
public:
    // One udev event's properties under udev's own names: ACTION, SUBSYSTEM,
    // DEVNAME, DEVTYPE, DEVLINKS, ID_*.
    using Properties = QMap<QString, QString>;

    struct Event
    {
        bool bConnected = false;
        Kind kind = VideoDevice;
        // A camera's device path; a volume's device node (its mount root is
        // only known once it is mounted).
        QString strName;
    };

    explicit IUdevNotifier(QObject* parent = nullptr);
    ~IUdevNotifier() override;

    // Opens the monitor on the GUI thread's event loop and learns the devices
    // already present. False, and logged, when udev cannot be reached.
    bool start();
    bool isActive() const override;

    // Handles one event as if it came from the monitor; `removable` is the
    // disk's sysfs "removable" flag, unknown (false) once the disk is gone.
    void handleEvent(const Properties& properties, bool removable);

    // Where mounts are looked up, and how often and how long a new volume is
    // waited for until it is mounted.
    void setMountTable(const QString& path);
    void setMountWait(int intervalMs, int totalMs);

    // What an event means to the watcher, if anything.
    static std::optional<Event> translate(const Properties& properties, bool removable);
    // Where devNode is mounted according to the text of /proc/self/mountinfo
    // or /proc/mounts; empty when it is not mounted.
    static QString mountRootOf(const QString& devNode, const QString& mountTable);

private slots:
    void slReadMonitor();
    void slPollMounts();

private:
    struct VolumeState
    {
        QString strName;         // what it was announced as; empty if never announced
        bool bPending = false;   // arrived but not announced yet: waiting for its mount
        QDeadlineTimer deadline;
    };

    static Properties propertiesOf(udev_device* device, bool* removable);
    void learnPresentDevices();
    QString readMountTable() const;
    void addVolume(const QString& devNode);
    void announceVolume(const QString& devNode, const QString& strName);
    void removeVolume(const QString& devNode);

    udev* m_udev = nullptr;
    udev_monitor* m_monitor = nullptr;
    QSocketNotifier* m_socket = nullptr;

    QString m_mountTable;
    int m_mountWaitMs;
    QTimer m_mountPoll;

    // Capture nodes announced or present at start, device node -> announced
    // path; removals of any other node are not ours to report.
    QMap<QString, QString> m_cameras;
    QMap<QString, VolumeState> m_volumes;  // device node -> volume
};
