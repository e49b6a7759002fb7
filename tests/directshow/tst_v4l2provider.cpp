// V4L2 enumeration from a copy of the sysfs and /dev layout of two USB
// cameras: names, stable paths, ids, and metadata nodes left out.
#include "common/testenv.h"

#include "directshow/v4l2/iv4l2provider.h"

#include <QDir>
#include <QFile>

namespace {

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class TestV4l2Provider : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    QString sys() const { return m_root.path() + "/sys"; }
    QString dev() const { return m_root.path() + "/dev"; }

    // A USB camera: device folder with ids, an interface folder below it,
    // and the class entry of its video node pointing at the interface.
    void addCamera(const QString& node, const QString& name, const QByteArray& vid, const QByteArray& pid,
                   const QString& usbPort, const QString& byIdLink = QString())
    {
        const QString usb = sys() + "/devices/pci0000:00/usb1/" + usbPort;
        writeFile(usb + "/idVendor", vid + "\n");
        writeFile(usb + "/idProduct", pid + "\n");
        const QString iface = usb + "/" + usbPort + ":1.0";
        QDir().mkpath(iface);
        const QString classEntry = sys() + "/class/video4linux/" + node;
        QDir().mkpath(classEntry);
        writeFile(classEntry + "/name", name.toUtf8() + "\n");
        QVERIFY(QFile::link(iface, classEntry + "/device"));
        writeFile(dev() + "/" + node, "");
        if (!byIdLink.isEmpty()) {
            QDir().mkpath(dev() + "/v4l/by-id");
            QVERIFY(QFile::link(dev() + "/" + node, dev() + "/v4l/by-id/" + byIdLink));
        }
    }

private slots:
    void initTestCase()
    {
        addCamera("video0", "Document Camera", "2e1a", "5da0", "1-1", "usb-Maker_Document_Camera-video-index0");
        addCamera("video1", "Document Camera", "2e1a", "5da0", "1-1"); // its metadata node
        addCamera("video10", "Second Camera", "5DA0", "2E1A", "1-2");
        addCamera("video2", "Webcam", "046d", "0825", "1-3", "usb-Web_Cam-video-index0");
    }

    void listsCaptureNodesInNumericOrderWithStablePathsAndIds()
    {
        IV4l2Provider provider(sys(), dev());
        provider.setCaptureNodeCheck([this](const QString& node) { return node != dev() + "/video1"; });
        const QList<IVideoDeviceInfo> devices = provider.devices();
        QCOMPARE(devices.size(), 3);

        QCOMPARE(devices[0].name, QString("Document Camera"));
        QCOMPARE(devices[0].devicePath, dev() + "/v4l/by-id/usb-Maker_Document_Camera-video-index0");
        QCOMPARE(devices[0].vid, QString("2E1A")); // capitals, as the accepted table holds them
        QCOMPARE(devices[0].pid, QString("5DA0"));

        QCOMPARE(devices[1].name, QString("Webcam")); // video2 before video10
        QCOMPARE(devices[1].vid, QString("046D"));

        QCOMPARE(devices[2].name, QString("Second Camera"));
        QCOMPARE(devices[2].devicePath, dev() + "/video10"); // no by-id link: the node itself
        QCOMPARE(devices[2].pid, QString("2E1A"));
    }

    void stablePathPrefersTheByIdLink()
    {
        QCOMPARE(IV4l2Provider::stablePath("/dev/video0", {"/dev/v4l/by-path/pci-0000:00:14.0-usb-0:1:1.0-video-index0",
                                                           "/dev/v4l/by-id/usb-Maker_Cam-video-index0"}),
                 QString("/dev/v4l/by-id/usb-Maker_Cam-video-index0"));
        QCOMPARE(IV4l2Provider::stablePath("/dev/video3", {}), QString("/dev/video3"));
    }

    void opensOnlyItsOwnPaths()
    {
        IV4l2Provider provider(sys(), dev());
        QVERIFY(!provider.open("virtual:document-camera"));
        QVERIFY(!provider.open("/elsewhere/video0"));
        // A node that is a plain file is no camera: opening fails cleanly.
        QVERIFY(!provider.open(dev() + "/video0"));
    }
};

VESKAROO_TEST_MAIN(TestV4l2Provider)
#include "tst_v4l2provider.moc"
