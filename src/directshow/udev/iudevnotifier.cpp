// Watches udev for video capture devices and removable volumes coming and going.
#include "directshow/udev/iudevnotifier.h"

#include "directshow/v4l2/iv4l2provider.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <libudev.h>

#include <cerrno>

namespace {

const QString kAdd = QStringLiteral("add");
const QString kRemove = QStringLiteral("remove");
const QString kChange = QStringLiteral("change");

// Mount tables escape blanks and backslashes in paths as \ooo.
QString unescapeMountField(const QString& field)
{
    if (!field.contains(QLatin1Char('\\')))
        return field;
    QString out;
    out.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        if (field.at(i) == QLatin1Char('\\') && i + 3 < field.size()) {
            const QStringRef digits = field.midRef(i + 1, 3);
            bool ok = true;
            for (const QChar c : digits)
                ok = ok && c >= QLatin1Char('0') && c <= QLatin1Char('7');
            if (ok) {
                out += QChar(digits.toInt(nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += field.at(i);
    }
    return out;
}

QString fromUdev(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace

IUdevNotifier::IUdevNotifier(QObject* parent)
    : IDeviceNotifier(parent),
      m_mountTable(QStringLiteral("/proc/self/mountinfo")),
      m_mountWaitMs(10000)
{
    m_mountPoll.setInterval(500);
    connect(&m_mountPoll, &QTimer::timeout, this, &IUdevNotifier::slPollMounts);
}

IUdevNotifier::~IUdevNotifier()
{
    delete m_socket;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

bool IUdevNotifier::start()
{
    if (m_socket)
        return true;
    if (!m_udev)
        m_udev = udev_new();
    if (!m_udev) {
        qDebug() << "IUdevNotifier: udev_new failed:" << qt_error_string(errno);
        return false;
    }
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor) {
        qDebug() << "IUdevNotifier: cannot open the udev monitor:" << qt_error_string(errno);
        return false;
    }
    if (udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "video4linux", nullptr) < 0
        || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "block", nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        qDebug() << "IUdevNotifier: cannot listen to udev:" << qt_error_string(errno);
        udev_monitor_unref(m_monitor);
        m_monitor = nullptr;
        return false;
    }
    const int fd = udev_monitor_get_fd(m_monitor);
    if (fd < 0) {
        qDebug() << "IUdevNotifier: the udev monitor has no socket";
        udev_monitor_unref(m_monitor);
        m_monitor = nullptr;
        return false;
    }
    m_socket = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_socket, &QSocketNotifier::activated, this, &IUdevNotifier::slReadMonitor);
    // Listening first, then looking: a device that comes meanwhile is seen
    // twice, and the second sighting is ignored.
    learnPresentDevices();
    return true;
}

bool IUdevNotifier::isActive() const
{
    return m_socket != nullptr;
}

void IUdevNotifier::setMountTable(const QString& path)
{
    m_mountTable = path;
}

void IUdevNotifier::setMountWait(int intervalMs, int totalMs)
{
    m_mountPoll.setInterval(intervalMs);
    m_mountWaitMs = totalMs;
}

IUdevNotifier::Properties IUdevNotifier::propertiesOf(udev_device* device, bool* removable)
{
    Properties properties;
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_device_get_properties_list_entry(device))
        properties.insert(fromUdev(udev_list_entry_get_name(entry)), fromUdev(udev_list_entry_get_value(entry)));
    if (const char* action = udev_device_get_action(device))
        properties.insert(QStringLiteral("ACTION"), fromUdev(action));
    if (const char* node = udev_device_get_devnode(device))
        properties.insert(QStringLiteral("DEVNAME"), fromUdev(node));

    *removable = false;
    if (properties.value(QStringLiteral("SUBSYSTEM")) == QLatin1String("block")) {
        // Partitions inherit removability from their disk. Gone devices have
        // no sysfs left to ask.
        udev_device* disk = device;
        if (properties.value(QStringLiteral("DEVTYPE")) == QLatin1String("partition"))
            disk = udev_device_get_parent_with_subsystem_devtype(device, "block", "disk");
        const char* flag = disk ? udev_device_get_sysattr_value(disk, "removable") : nullptr;
        *removable = flag && flag[0] == '1';
    }
    return properties;
}

void IUdevNotifier::learnPresentDevices()
{
    udev_enumerate* enumerate = udev_enumerate_new(m_udev);
    if (!enumerate)
        return;
    udev_enumerate_add_match_subsystem(enumerate, "video4linux");
    udev_enumerate_add_match_subsystem(enumerate, "block");
    udev_enumerate_scan_devices(enumerate);
    const QString mounts = readMountTable();
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate)) {
        udev_device* device = udev_device_new_from_syspath(m_udev, udev_list_entry_get_name(entry));
        if (!device)
            continue;
        bool removable = false;
        Properties properties = propertiesOf(device, &removable);
        udev_device_unref(device);
        properties.insert(QStringLiteral("ACTION"), kAdd);
        const std::optional<Event> event = translate(properties, removable);
        if (!event)
            continue;
        const QString devNode = properties.value(QStringLiteral("DEVNAME"));
        // Known, not announced: these were there before us.
        if (event->kind == VideoDevice) {
            m_cameras.insert(devNode, event->strName);
        } else {
            VolumeState volume;
            volume.strName = mountRootOf(devNode, mounts);
            m_volumes.insert(devNode, volume);
        }
    }
    udev_enumerate_unref(enumerate);
}

void IUdevNotifier::slReadMonitor()
{
    // The socket does not block: read everything that is queued.
    while (udev_device* device = udev_monitor_receive_device(m_monitor)) {
        bool removable = false;
        const Properties properties = propertiesOf(device, &removable);
        udev_device_unref(device);
        handleEvent(properties, removable);
    }
}

std::optional<IUdevNotifier::Event> IUdevNotifier::translate(const Properties& properties, bool removable)
{
    const QString action = properties.value(QStringLiteral("ACTION"));
    const QString subsystem = properties.value(QStringLiteral("SUBSYSTEM"));
    const QString devNode = properties.value(QStringLiteral("DEVNAME"));
    if (devNode.isEmpty())
        return std::nullopt;

    if (subsystem == QLatin1String("video4linux")) {
        // Radio, VBI and sub-device nodes share the subsystem; cameras are video nodes.
        if (!QFileInfo(devNode).fileName().startsWith(QLatin1String("video")))
            return std::nullopt;
        Event event;
        event.kind = VideoDevice;
        if (action == kAdd) {
            // UVC cameras add a metadata node beside the capture node. At
            // removal the node is gone and cannot be asked any more.
            const QString caps = properties.value(QStringLiteral("ID_V4L_CAPABILITIES"));
            if (!caps.isEmpty() && !caps.contains(QLatin1String(":capture:")))
                return std::nullopt;
            event.bConnected = true;
        } else if (action != kRemove) {
            return std::nullopt;
        }
        const QStringList links = properties.value(QStringLiteral("DEVLINKS")).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        event.strName = IV4l2Provider::stablePath(devNode, links);
        return event;
    }

    if (subsystem == QLatin1String("block")) {
        const QString devType = properties.value(QStringLiteral("DEVTYPE"));
        if (devType != QLatin1String("disk") && devType != QLatin1String("partition"))
            return std::nullopt;
        // Memory card slots are always removable, whatever sysfs says.
        const bool removableBus = removable
            || properties.value(QStringLiteral("ID_BUS")) == QLatin1String("usb")
            || devNode.startsWith(QLatin1String("/dev/mmcblk"));
        if (!removableBus)
            return std::nullopt;
        const bool hasFileSystem = properties.value(QStringLiteral("ID_FS_USAGE")) == QLatin1String("filesystem");
        Event event;
        event.kind = Volume;
        event.strName = devNode;
        if (action == kAdd || action == kRemove) {
            if (!hasFileSystem)
                return std::nullopt;
            event.bConnected = action == kAdd;
        } else if (action == kChange) {
            // A card reader reports a card put in or taken out as a change of
            // the disk: its file system appears or goes.
            event.bConnected = hasFileSystem;
        } else {
            return std::nullopt;
        }
        return event;
    }
    return std::nullopt;
}

void IUdevNotifier::handleEvent(const Properties& properties, bool removable)
{
    const QString action = properties.value(QStringLiteral("ACTION"));
    const QString devNode = properties.value(QStringLiteral("DEVNAME"));

    // A removed node is named as it was announced, whatever is left of its properties.
    if (action == kRemove && m_cameras.contains(devNode)) {
        emit sgDeviceChanged(false, VideoDevice, m_cameras.take(devNode));
        return;
    }
    if (action == kRemove && m_volumes.contains(devNode)) {
        removeVolume(devNode);
        return;
    }

    const std::optional<Event> event = translate(properties, removable);
    if (!event)
        return;
    if (event->kind == VideoDevice) {
        // Only announced nodes are removed (above): a gone node can no longer
        // tell whether it was a camera's metadata node, filtered on arrival.
        if (!event->bConnected || m_cameras.contains(devNode))
            return;
        m_cameras.insert(devNode, event->strName);
        emit sgDeviceChanged(true, VideoDevice, event->strName);
        return;
    }

    const bool known = m_volumes.contains(devNode);
    if (event->bConnected) {
        if (!known)
            addVolume(devNode);
    } else if (known) {
        removeVolume(devNode);
    } else if (action == kRemove) {
        // One we never saw arrive; it may still be listed as mounted.
        const QString root = mountRootOf(devNode, readMountTable());
        emit sgDeviceChanged(false, Volume, root.isEmpty() ? devNode : root);
    }
}

QString IUdevNotifier::readMountTable() const
{
    QFile file(m_mountTable);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void IUdevNotifier::addVolume(const QString& devNode)
{
    // Usually mounted a moment after it arrives, by the desktop or not at all.
    const QString root = mountRootOf(devNode, readMountTable());
    if (!root.isEmpty()) {
        m_volumes.insert(devNode, VolumeState());
        announceVolume(devNode, root);
        return;
    }
    VolumeState volume;
    volume.bPending = true;
    volume.deadline = QDeadlineTimer(m_mountWaitMs);
    m_volumes.insert(devNode, volume);
    if (!m_mountPoll.isActive())
        m_mountPoll.start();
}

void IUdevNotifier::announceVolume(const QString& devNode, const QString& strName)
{
    VolumeState& volume = m_volumes[devNode];
    volume.bPending = false;
    volume.strName = strName;
    emit sgDeviceChanged(true, Volume, strName);
}

void IUdevNotifier::slPollMounts()
{
    const QString mounts = readMountTable();
    bool waiting = false;
    const QStringList nodes = m_volumes.keys();
    for (const QString& devNode : nodes) {
        const auto it = m_volumes.constFind(devNode);
        if (it == m_volumes.constEnd() || !it->bPending)
            continue;
        const QString root = mountRootOf(devNode, mounts);
        if (!root.isEmpty()) {
            announceVolume(devNode, root);
        } else if (it->deadline.hasExpired()) {
            qDebug() << "IUdevNotifier:" << devNode << "was not mounted, announced by its node";
            announceVolume(devNode, devNode);
        } else {
            waiting = true;
        }
    }
    if (!waiting)
        m_mountPoll.stop();
}

void IUdevNotifier::removeVolume(const QString& devNode)
{
    VolumeState volume = m_volumes.take(devNode);
    if (volume.bPending) {
        // Gone before it was mounted: still report both, so that every
        // arrival has its removal under the same name.
        volume.strName = devNode;
        emit sgDeviceChanged(true, Volume, devNode);
    }
    if (volume.strName.isEmpty()) {
        // There before us and not mounted then; maybe it is now.
        volume.strName = mountRootOf(devNode, readMountTable());
        if (volume.strName.isEmpty())
            volume.strName = devNode;
    }
    emit sgDeviceChanged(false, Volume, volume.strName);
}

QString IUdevNotifier::mountRootOf(const QString& devNode, const QString& mountTable)
{
    if (devNode.isEmpty())
        return QString();
    QString bindMount;
    const QVector<QStringRef> lines = mountTable.splitRef(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QStringRef& line : lines) {
        const QVector<QStringRef> fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QString source;
        QString mountPoint;
        QString root = QStringLiteral("/");
        // mountinfo: id parent major:minor root mount-point options [optional...] - type source super-options
        int separator = 6;
        while (separator < fields.size() && fields.at(separator) != QLatin1String("-"))
            ++separator;
        if (fields.size() > separator + 2) {
            root = unescapeMountField(fields.at(3).toString());
            mountPoint = unescapeMountField(fields.at(4).toString());
            source = unescapeMountField(fields.at(separator + 2).toString());
        } else if (fields.size() >= 2) {
            // mounts: source mount-point type options dump pass
            source = unescapeMountField(fields.at(0).toString());
            mountPoint = unescapeMountField(fields.at(1).toString());
        } else {
            continue;
        }
        if (source != devNode)
            continue;
        // The volume's own mount, not a bind mount of one of its folders.
        if (root == QLatin1String("/"))
            return mountPoint;
        if (bindMount.isEmpty())
            bindMount = mountPoint;
    }
    return bindMount;
}
