// The USB device watcher: camera and drive hot-plug signals, several event
// sources at once, the reading of udev events and of mount tables.
#include "common/testenv.h"

#include "directshow/isignaldevicenotifier.h"
#include "directshow/ivideodevicesetup.h"
#include "directshow/iwinusbdevice.h"
#include "directshow/udev/iudevnotifier.h"
#include "directshow/virtual/ivirtualcamera.h"

#include <QSignalSpy>
#include <QThread>

namespace {

using Props = IUdevNotifier::Properties;

const QString kCameraNode = QStringLiteral("/dev/video0");
const QString kCameraById = QStringLiteral("/dev/v4l/by-id/usb-Acme_DocCam_A1-video-index0");
const QString kCameraByPath = QStringLiteral("/dev/v4l/by-path/pci-0000:00:14.0-usb-0:2:1.0-video-index0");
const QString kStickNode = QStringLiteral("/dev/sdb1");
const QString kStickRoot = QStringLiteral("/media/ann/MY STICK");
// The same stick as /proc/self/mountinfo lists it.
const QString kStickMounted = QStringLiteral(
    "22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
    "97 22 8:17 / /media/ann/MY\\040STICK rw,nosuid,nodev,relatime shared:52 - vfat /dev/sdb1 rw,uid=1000\n");
const QString kNothingMounted = QStringLiteral("22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw\n");

// A camera's udev event: the capture node, listed by-path first.
Props cameraEvent(const QString& action, const QString& caps = QStringLiteral(":capture:"))
{
    Props p{{"ACTION", action},
            {"SUBSYSTEM", "video4linux"},
            {"DEVNAME", kCameraNode},
            {"DEVLINKS", kCameraByPath + " " + kCameraById},
            {"ID_BUS", "usb"}};
    if (!caps.isEmpty())
        p.insert("ID_V4L_CAPABILITIES", caps);
    return p;
}

// A USB stick's partition with a FAT file system.
Props stickEvent(const QString& action, const QString& node = kStickNode)
{
    return Props{{"ACTION", action},
                 {"SUBSYSTEM", "block"},
                 {"DEVTYPE", "partition"},
                 {"DEVNAME", node},
                 {"DEVLINKS", "/dev/disk/by-uuid/1A2B-3C4D"},
                 {"ID_BUS", "usb"},
                 {"ID_FS_USAGE", "filesystem"},
                 {"ID_FS_TYPE", "vfat"}};
}

// A card reader's disk holding a file system without partition table;
// without a card it has no file system.
Props readerEvent(const QString& action, bool withCard)
{
    Props p{{"ACTION", action},
            {"SUBSYSTEM", "block"},
            {"DEVTYPE", "disk"},
            {"DEVNAME", "/dev/sdc"},
            {"ID_BUS", "usb"}};
    if (withCard)
        p.insert("ID_FS_USAGE", "filesystem");
    return p;
}

using Signal = QPair<bool, QString>;

QList<Signal> received(const QSignalSpy& spy)
{
    QList<Signal> all;
    for (const QList<QVariant>& args : spy)
        all << Signal(args.at(0).toBool(), args.at(1).toString());
    return all;
}

struct NotifierEvent
{
    bool connected;
    IDeviceNotifier::Kind kind;
    QString name;
    bool operator==(const NotifierEvent& o) const
    {
        return connected == o.connected && kind == o.kind && name == o.name;
    }
};

QList<NotifierEvent> notified(const QSignalSpy& spy)
{
    QList<NotifierEvent> all;
    for (const QList<QVariant>& args : spy)
        all << NotifierEvent{args.at(0).toBool(), args.at(1).value<IDeviceNotifier::Kind>(), args.at(2).toString()};
    return all;
}

} // namespace

// Stands in for the virtual camera, which announces itself like this.
class PresenceSource : public QObject
{
    Q_OBJECT
signals:
    void presenceChanged(bool present, QString devicePath);
};

class TestUsbWatcher : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_mounts;

    void writeMounts(const QString& text)
    {
        QFile file(m_mounts);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
    }

    // A udev notifier fed by hand, reading the test's mount table.
    std::unique_ptr<IUdevNotifier> handFedNotifier(int pollMs, int waitMs)
    {
        auto notifier = std::make_unique<IUdevNotifier>();
        notifier->setMountTable(m_mounts);
        notifier->setMountWait(pollMs, waitMs);
        return notifier;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_mounts = m_dir.filePath("mountinfo");
        writeMounts(kNothingMounted);
    }

    // --- The watcher's two signals ---

    void cameraPlugAndUnplugGiveOneSignalEach()
    {
        auto* source = new ISignalDeviceNotifier;
        IWinUsbDevice watcher({source});
        QSignalSpy camera(&watcher, &IWinUsbDevice::connectionChanged);
        QSignalSpy drive(&watcher, &IWinUsbDevice::connectionChangedUSB);

        source->slVideoDeviceChanged(true, kCameraById);
        QCOMPARE(received(camera), QList<Signal>({{true, kCameraById}}));
        source->slVideoDeviceChanged(false, kCameraById);
        QCOMPARE(received(camera), QList<Signal>({{true, kCameraById}, {false, kCameraById}}));
        QCOMPARE(drive.count(), 0);
    }

    void usbStickGivesOnlyTheDriveSignal()
    {
        auto* source = new ISignalDeviceNotifier;
        IWinUsbDevice watcher({source});
        QSignalSpy camera(&watcher, &IWinUsbDevice::connectionChanged);
        QSignalSpy drive(&watcher, &IWinUsbDevice::connectionChangedUSB);

        source->slVolumeChanged(true, kStickRoot);
        source->slVolumeChanged(false, kStickRoot);
        QCOMPARE(received(drive), QList<Signal>({{true, kStickRoot}, {false, kStickRoot}}));
        QCOMPARE(camera.count(), 0);
    }

    void everySourceIsHeardOnce()
    {
        auto* first = new ISignalDeviceNotifier;
        auto* second = new ISignalDeviceNotifier;
        IWinUsbDevice watcher({first, second});
        auto* third = new ISignalDeviceNotifier;
        watcher.addNotifier(third);
        watcher.addNotifier(third);
        watcher.addNotifier(first);
        QCOMPARE(watcher.notifiers().size(), 3);
        QSignalSpy camera(&watcher, &IWinUsbDevice::connectionChanged);

        first->slVideoDeviceChanged(true, "/dev/video0");
        second->slVideoDeviceChanged(true, "/dev/video2");
        third->slVideoDeviceChanged(true, "virtual");
        QCOMPARE(received(camera), QList<Signal>({{true, "/dev/video0"}, {true, "/dev/video2"}, {true, "virtual"}}));

        // A source that goes away leaves the others working.
        delete second;
        QCOMPARE(watcher.notifiers().size(), 2);
        camera.clear();
        third->slVideoDeviceChanged(false, "virtual");
        QCOMPARE(received(camera), QList<Signal>({{false, "virtual"}}));
    }

    void sourcesMayReportFromOtherThreads()
    {
        // The virtual camera reports from its capture thread; a source may
        // also emit from a reading thread of its own.
        PresenceSource virtualCamera;
        auto* relay = new ISignalDeviceNotifier;
        connect(&virtualCamera, &PresenceSource::presenceChanged, relay, &ISignalDeviceNotifier::slVideoDeviceChanged);
        auto* direct = new ISignalDeviceNotifier;
        IWinUsbDevice watcher({relay, direct});
        QSignalSpy camera(&watcher, &IWinUsbDevice::connectionChanged);
        QSignalSpy drive(&watcher, &IWinUsbDevice::connectionChangedUSB);

        QScopedPointer<QThread> worker(QThread::create([&] {
            emit virtualCamera.presenceChanged(true, "virtual:0");
            direct->slVolumeChanged(true, kStickRoot);
        }));
        worker->start();
        QVERIFY(worker->wait(5000));
        QTRY_COMPARE(camera.count() + drive.count(), 2);
        QCOMPARE(received(camera), QList<Signal>({{true, "virtual:0"}}));
        QCOMPARE(received(drive), QList<Signal>({{true, kStickRoot}}));
    }

    void watcherNeverShowsInItsWindow()
    {
        QWidget window;
        window.resize(400, 300);
        auto* watcher = new IWinUsbDevice(QList<IDeviceNotifier*>{}, &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!watcher->isVisible());
        QCOMPARE(window.childAt(5, 5), nullptr);
    }

    void realMonitorStartsOrStepsAside()
    {
        IUdevNotifier udev;
        const bool started = udev.start();
        QCOMPARE(udev.isActive(), started);
        QCOMPARE(udev.start(), started);
        if (!started)
            qDebug("udev cannot be reached here; the watcher goes on without it");

        // The default watcher listens to udev and still takes other sources.
        IWinUsbDevice watcher;
        QCOMPARE(watcher.notifiers().size(), 1);
        QVERIFY(qobject_cast<IUdevNotifier*>(watcher.notifiers().first()));
        auto* extra = new ISignalDeviceNotifier;
        watcher.addNotifier(extra);
        QSignalSpy camera(&watcher, &IWinUsbDevice::connectionChanged);
        extra->slVideoDeviceChanged(true, "virtual:0");
        QCOMPARE(received(camera), QList<Signal>({{true, "virtual:0"}}));
        QCoreApplication::processEvents();
    }

    // A window creates its watcher and nothing else; the virtual camera's
    // plugging reaches it all the same, also from another thread (a video
    // that ends unplugs the camera from its capture thread).
    void virtualCameraReachesAWatcherOfItsOwn()
    {
        struct Uninstall
        {
            ~Uninstall() { IVideoDeviceSetup::uninstall(); }
        } uninstall;
        IVideoDeviceSetup::install({"veskaroo", "--virtual-camera"});
        const std::shared_ptr<IVirtualCamera> camera = IVideoDeviceSetup::virtualCamera();
        QVERIFY(camera);

        IWinUsbDevice watcher;
        QSignalSpy spy(&watcher, &IWinUsbDevice::connectionChanged);
        QScopedPointer<QThread> worker(QThread::create([camera] { camera->setPresent(false); }));
        worker->start();
        QVERIFY(worker->wait(5000));
        QTRY_COMPARE(received(spy), QList<Signal>({{false, IVirtualCamera::devicePath()}}));
        camera->setPresent(true);
        QTRY_COMPARE(received(spy), QList<Signal>({{false, IVirtualCamera::devicePath()},
                                                    {true, IVirtualCamera::devicePath()}}));
    }

    // --- What a udev event means ---

    void translateEvent_data()
    {
        QTest::addColumn<Props>("properties");
        QTest::addColumn<bool>("removable");
        QTest::addColumn<bool>("meaningful");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<IDeviceNotifier::Kind>("kind");
        QTest::addColumn<QString>("name");

        const auto video = IDeviceNotifier::VideoDevice;
        const auto volume = IDeviceNotifier::Volume;

        QTest::newRow("camera named by its by-id link") << cameraEvent("add") << false << true << true << video << kCameraById;
        Props byPathOnly = cameraEvent("add");
        byPathOnly["DEVLINKS"] = kCameraByPath;
        QTest::newRow("camera without by-id link") << byPathOnly << false << true << true << video << kCameraNode;
        Props noLinks = cameraEvent("add");
        noLinks.remove("DEVLINKS");
        QTest::newRow("camera without links") << noLinks << false << true << true << video << kCameraNode;
        QTest::newRow("capabilities unknown") << cameraEvent("add", QString()) << false << true << true << video << kCameraById;
        QTest::newRow("metadata node") << cameraEvent("add", ":") << false << false << false << video << QString();
        QTest::newRow("camera removed, node gone") << cameraEvent("remove", QString()) << false << true << false << video << kCameraById;
        Props radio = cameraEvent("add", ":radio:");
        radio["DEVNAME"] = "/dev/radio0";
        QTest::newRow("radio node") << radio << false << false << false << video << QString();
        QTest::newRow("camera changed") << cameraEvent("change") << false << false << false << video << QString();
        Props noNode = cameraEvent("add");
        noNode.remove("DEVNAME");
        QTest::newRow("no device node") << noNode << false << false << false << video << QString();

        QTest::newRow("stick plugged") << stickEvent("add") << true << true << true << volume << kStickNode;
        QTest::newRow("stick pulled, sysfs gone") << stickEvent("remove") << false << true << false << volume << kStickNode;
        Props partitioned = readerEvent("add", false);
        partitioned["DEVNAME"] = "/dev/sdb";
        partitioned["ID_PART_TABLE_TYPE"] = "dos";
        QTest::newRow("stick's partitioned disk") << partitioned << true << false << false << volume << QString();
        Props sata = stickEvent("add", "/dev/sda3");
        sata["ID_BUS"] = "ata";
        QTest::newRow("fixed disk") << sata << false << false << false << volume << QString();
        QTest::newRow("fixed disk flagged removable") << sata << true << true << true << volume << "/dev/sda3";
        Props crypto = stickEvent("add");
        crypto["ID_FS_USAGE"] = "crypto";
        QTest::newRow("encrypted stick") << crypto << true << false << false << volume << QString();
        Props loop = stickEvent("add", "/dev/loop0");
        loop["DEVTYPE"] = "disk";
        loop.remove("ID_BUS");
        QTest::newRow("loop device") << loop << false << false << false << volume << QString();
        Props sdSlot = stickEvent("add", "/dev/mmcblk0p1");
        sdSlot.remove("ID_BUS");
        QTest::newRow("memory card slot") << sdSlot << false << true << true << volume << "/dev/mmcblk0p1";
        QTest::newRow("card put in reader") << readerEvent("change", true) << true << true << true << volume << "/dev/sdc";
        QTest::newRow("card taken out of reader") << readerEvent("change", false) << true << true << false << volume << "/dev/sdc";
        Props usbHub = stickEvent("add");
        usbHub["SUBSYSTEM"] = "usb";
        QTest::newRow("other subsystem") << usbHub << true << false << false << volume << QString();
    }

    void translateEvent()
    {
        QFETCH(Props, properties);
        QFETCH(bool, removable);
        QFETCH(bool, meaningful);
        const std::optional<IUdevNotifier::Event> event = IUdevNotifier::translate(properties, removable);
        QCOMPARE(event.has_value(), meaningful);
        if (!meaningful)
            return;
        QTEST(event->bConnected, "connected");
        QTEST(event->kind, "kind");
        QTEST(event->strName, "name");
    }

    // --- Where a volume is mounted ---

    void mountRoot_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("devNode");
        QTest::addColumn<QString>("root");

        QTest::newRow("mountinfo, escaped space") << kStickMounted << kStickNode << kStickRoot;
        QTest::newRow("mountinfo, no optional fields")
            << "97 22 8:17 / /media/stick rw - vfat /dev/sdb1 rw\n" << kStickNode << "/media/stick";
        QTest::newRow("mounts, escaped space")
            << "/dev/sda2 / ext4 rw 0 0\n/dev/sdb1 /media/ann/MY\\040STICK vfat rw,uid=1000 0 0\n" << kStickNode << kStickRoot;
        QTest::newRow("tab and backslash")
            << "97 22 8:17 / /mnt/a\\011b\\134c rw - vfat /dev/sdb1 rw\n" << kStickNode << "/mnt/a\tb\\c";
        QTest::newRow("non-ASCII name")
            << QString::fromUtf8("97 22 8:17 / /media/ann/Фото rw - vfat /dev/sdb1 rw\n") << kStickNode
            << QString::fromUtf8("/media/ann/Фото");
        QTest::newRow("similar node names")
            << "97 22 8:26 / /media/ten rw - vfat /dev/sdb10 rw\n98 22 8:17 / /media/one rw - vfat /dev/sdb1 rw\n"
            << kStickNode << "/media/one";
        QTest::newRow("bind mount of a folder listed first")
            << "90 22 8:17 /photos /srv/photos rw - vfat /dev/sdb1 rw\n97 22 8:17 / /media/stick rw - vfat /dev/sdb1 rw\n"
            << kStickNode << "/media/stick";
        QTest::newRow("only a bind mount")
            << "90 22 8:17 /photos /srv/photos rw - vfat /dev/sdb1 rw\n" << kStickNode << "/srv/photos";
        QTest::newRow("not mounted") << kNothingMounted << kStickNode << QString();
        QTest::newRow("empty table") << QString() << kStickNode << QString();
    }

    void mountRoot()
    {
        QFETCH(QString, table);
        QFETCH(QString, devNode);
        QTEST(IUdevNotifier::mountRootOf(devNode, table), "root");
    }

    // --- The udev notifier over a sequence of events ---

    void stickAlreadyMountedIsAnnouncedAtOnce()
    {
        auto udev = handFedNotifier(10, 5000);
        QSignalSpy spy(udev.get(), &IDeviceNotifier::sgDeviceChanged);
        writeMounts(kStickMounted);
        udev->handleEvent(stickEvent("add"), true);
        QCOMPARE(notified(spy), QList<NotifierEvent>({{true, IDeviceNotifier::Volume, kStickRoot}}));

        // Pulling it unmounts it; it is still named by where it was.
        writeMounts(kNothingMounted);
        udev->handleEvent(stickEvent("remove"), false);
        QCOMPARE(notified(spy).size(), 2);
        QCOMPARE(notified(spy).last(), (NotifierEvent{false, IDeviceNotifier::Volume, kStickRoot}));
    }

    void stickIsAnnouncedOnceMounted()
    {
        auto udev = handFedNotifier(10, 10000);
        QSignalSpy spy(udev.get(), &IDeviceNotifier::sgDeviceChanged);
        udev->handleEvent(stickEvent("add"), true);
        QTest::qWait(50);
        QCOMPARE(spy.count(), 0);

        writeMounts(kStickMounted);
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(notified(spy).first(), (NotifierEvent{true, IDeviceNotifier::Volume, kStickRoot}));
        // A second sighting of the same volume is no second arrival.
        udev->handleEvent(stickEvent("add"), true);
        udev->handleEvent(stickEvent("change"), true);
        QTest::qWait(50);
        QCOMPARE(spy.count(), 1);
    }

    void stickNeverMountedIsNamedByItsNode()
    {
        auto udev = handFedNotifier(10, 100);
        QSignalSpy spy(udev.get(), &IDeviceNotifier::sgDeviceChanged);
        udev->handleEvent(stickEvent("add"), true);
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(notified(spy).first(), (NotifierEvent{true, IDeviceNotifier::Volume, kStickNode}));

        // Mounted too late: the removal keeps the name of the arrival.
        writeMounts(kStickMounted);
        udev->handleEvent(stickEvent("remove"), false);
        QCOMPARE(notified(spy).last(), (NotifierEvent{false, IDeviceNotifier::Volume, kStickNode}));
        QCOMPARE(spy.count(), 2);
    }

    void stickPulledBeforeMountGivesArrivalAndRemoval()
    {
        auto udev = handFedNotifier(10, 10000);
        QSignalSpy spy(udev.get(), &IDeviceNotifier::sgDeviceChanged);
        udev->handleEvent(stickEvent("add"), true);
        udev->handleEvent(stickEvent("remove"), false);
        QCOMPARE(notified(spy), QList<NotifierEvent>({{true, IDeviceNotifier::Volume, kStickNode},
                                                         {false, IDeviceNotifier::Volume, kStickNode}}));
        // Nothing is still waiting for it.
        writeMounts(kStickMounted);
        QTest::qWait(60);
        QCOMPARE(spy.count(), 2);
    }

    void cardReaderCardsComeAndGo()
    {
        auto udev = handFedNotifier(10, 5000);
        QSignalSpy spy(udev.get(), &IDeviceNotifier::sgDeviceChanged);
        // The empty reader arriving or changing means nothing yet.
        udev->handleEvent(readerEvent("add", false), true);
        udev->handleEvent(readerEvent("change", false), true);
        QCOMPARE(spy.count(), 0);

        writeMounts("97 22 8:32 / /media/card rw - vfat /dev/sdc rw\n");
        udev->handleEvent(readerEvent("change", true), true);
        udev->handleEvent(readerEvent("change", true), true);
        udev->handleEvent(readerEvent("change", false), true);
        udev->handleEvent(readerEvent("change", false), true);
        QCOMPARE(notified(spy), QList<NotifierEvent>({{true, IDeviceNotifier::Volume, "/media/card"},
                                                         {false, IDeviceNotifier::Volume, "/media/card"}}));
    }

    void cameraRemovalIsNamedAsItsArrival()
    {
        auto udev = handFedNotifier(10, 5000);
        QSignalSpy spy(udev.get(), &IDeviceNotifier::sgDeviceChanged);
        udev->handleEvent(cameraEvent("add"), false);
        udev->handleEvent(cameraEvent("add"), false);
        // The metadata node beside it is not a camera.
        Props metadata = cameraEvent("add", ":");
        metadata["DEVNAME"] = "/dev/video1";
        udev->handleEvent(metadata, false);

        Props bare{{"ACTION", "remove"}, {"SUBSYSTEM", "video4linux"}, {"DEVNAME", kCameraNode}};
        udev->handleEvent(bare, false);
        QCOMPARE(notified(spy), QList<NotifierEvent>({{true, IDeviceNotifier::VideoDevice, kCameraById},
                                                         {false, IDeviceNotifier::VideoDevice, kCameraById}}));

        // Plugged again, it is announced again.
        udev->handleEvent(cameraEvent("add"), false);
        QCOMPARE(spy.count(), 3);
    }

    // A UVC camera brings a metadata node beside its capture node: one
    // camera, so one arrival and one removal, whichever node goes first.
    void unpluggingACameraIsOneRemoval_data()
    {
        QTest::addColumn<bool>("metadataFirst");
        QTest::newRow("capture node removed first") << false;
        QTest::newRow("metadata node removed first") << true;
    }

    void unpluggingACameraIsOneRemoval()
    {
        QFETCH(bool, metadataFirst);
        auto udev = handFedNotifier(10, 5000);
        QSignalSpy spy(udev.get(), &IDeviceNotifier::sgDeviceChanged);
        Props metadata = cameraEvent("add", ":");
        metadata["DEVNAME"] = "/dev/video1";
        metadata["DEVLINKS"] = "/dev/v4l/by-id/usb-Acme_DocCam_A1-video-index1";
        udev->handleEvent(cameraEvent("add"), false);
        udev->handleEvent(metadata, false);

        // Gone nodes tell nothing about what they were.
        const Props captureGone{{"ACTION", "remove"}, {"SUBSYSTEM", "video4linux"}, {"DEVNAME", kCameraNode},
                                {"DEVLINKS", kCameraByPath + " " + kCameraById}};
        const Props metadataGone{{"ACTION", "remove"}, {"SUBSYSTEM", "video4linux"}, {"DEVNAME", "/dev/video1"},
                                 {"DEVLINKS", metadata["DEVLINKS"]}};
        udev->handleEvent(metadataFirst ? metadataGone : captureGone, false);
        udev->handleEvent(metadataFirst ? captureGone : metadataGone, false);
        QCOMPARE(notified(spy), QList<NotifierEvent>({{true, IDeviceNotifier::VideoDevice, kCameraById},
                                                         {false, IDeviceNotifier::VideoDevice, kCameraById}}));
    }
};

VESKAROO_TEST_MAIN(TestUsbWatcher)
#include "tst_usbwatcher.moc"
