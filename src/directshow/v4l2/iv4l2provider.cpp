// Lists the Video4Linux2 capture devices from sysfs and opens them.
#include "directshow/v4l2/iv4l2provider.h"

#include "directshow/v4l2/iv4l2device.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString readLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readLine()).trimmed();
}

// The USB device folder holding idVendor/idProduct lies a level or two above
// the interface the video node hangs off.
QString usbDeviceFolder(const QString& classFolder)
{
    QString folder = QFileInfo(classFolder + "/device").canonicalFilePath();
    for (int up = 0; up < 3 && !folder.isEmpty(); ++up) {
        if (QFile::exists(folder + "/idVendor"))
            return folder;
        folder = QFileInfo(folder).path();
    }
    return QString();
}

} // namespace

IV4l2Provider::IV4l2Provider(const QString& sysRoot, const QString& devRoot)
    : m_sysRoot(sysRoot)
    , m_devRoot(devRoot)
    , m_isCaptureNode(&IV4l2Device::isCaptureNode)
{
}

void IV4l2Provider::setCaptureNodeCheck(NodeCheck check)
{
    m_isCaptureNode = std::move(check);
}

QString IV4l2Provider::stablePath(const QString& devNode, const QStringList& links)
{
    for (const QString& link : links) {
        if (link.contains(QLatin1String("/v4l/by-id/")))
            return link;
    }
    return devNode;
}

QList<IVideoDeviceInfo> IV4l2Provider::devices()
{
    QDir classDir(m_sysRoot + "/class/video4linux");
    QStringList nodes = classDir.entryList({"video*"}, QDir::Dirs | QDir::System | QDir::NoDotAndDotDot);
    // video2 before video10: the kernel's order.
    std::sort(nodes.begin(), nodes.end(), [](const QString& a, const QString& b) {
        return a.midRef(5).toInt() < b.midRef(5).toInt();
    });

    // by-id links, to give each node its stable name
    QStringList links;
    const QDir byId(m_devRoot + "/v4l/by-id");
    for (const QFileInfo& link : byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
        links << link.absoluteFilePath();

    QList<IVideoDeviceInfo> result;
    for (const QString& node : nodes) {
        const QString folder = classDir.filePath(node);
        const QString devNode = m_devRoot + "/" + node;
        // UVC cameras also register metadata nodes: keep only capture nodes.
        if (!m_isCaptureNode(devNode))
            continue;
        QStringList mine;
        for (const QString& link : links) {
            if (QFileInfo(link).canonicalFilePath() == QFileInfo(devNode).canonicalFilePath())
                mine << link;
        }
        IVideoDeviceInfo info;
        info.name = readLine(folder + "/name");
        info.devicePath = stablePath(devNode, mine);
        const QString usb = usbDeviceFolder(folder);
        if (!usb.isEmpty()) {
            info.vid = readLine(usb + "/idVendor").toUpper();
            info.pid = readLine(usb + "/idProduct").toUpper();
        }
        result << info;
    }
    return result;
}

std::unique_ptr<IVideoDevice> IV4l2Provider::open(const QString& devicePath)
{
    if (!devicePath.startsWith(m_devRoot + "/"))
        return nullptr;
    auto device = std::make_unique<IV4l2Device>(devicePath);
    if (!device->isOpen())
        return nullptr;
    return device;
}
