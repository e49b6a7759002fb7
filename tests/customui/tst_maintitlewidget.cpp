// The main window's title bar: logo, camera choice, window buttons and
// dragging the window, on a plain widget standing in for the main window.
#include "common/fakevideodevice.h"
#include "common/testenv.h"

#include "customui/toolbar/imaintitlewidget.h"
#include "directshow/ivideodeviceregistry.h"
#include "icamera.h"
#include "iglobals.h"

#include <QComboBox>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

namespace {

const double kScale = 1.5;

// A shown 600x400 window at (50, 40) with the title bar across its top.
struct Window
{
    QWidget window;
    IMainTitleWidget* title = nullptr;

    Window()
    {
        title = new IMainTitleWidget(&window, &window);
        window.setGeometry(50, 40, 600, 400);
        title->setGeometry(0, 0, 600, title->height());
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("window not exposed");
    }

    void mouse(QEvent::Type type, const QPoint& global, Qt::MouseButtons held)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, title->mapFromGlobal(global), global, button, held, Qt::NoModifier);
        QApplication::sendEvent(title, &event);
    }
    void press(const QPoint& global) { mouse(QEvent::MouseButtonPress, global, Qt::LeftButton); }
    void moveTo(const QPoint& global) { mouse(QEvent::MouseMove, global, Qt::LeftButton); }
    void release(const QPoint& global) { mouse(QEvent::MouseButtonRelease, global, Qt::NoButton); }

    void click(int id) { QTest::mouseClick(title->button(id), Qt::LeftButton); }
};

std::shared_ptr<FakeVideoProvider> addCamera(const QString& name, const QString& path, const QString& pid)
{
    auto camera = std::make_shared<FakeVideoProvider>(name, path, "2E1A", pid);
    IVideoDeviceRegistry::instance().add(camera);
    return camera;
}

QList<QString> switchedTo(const QSignalSpy& spy)
{
    QList<QString> paths;
    for (const QList<QVariant>& args : spy)
        paths << args.first().value<ICameraInfo>().devicePath;
    return paths;
}

} // namespace

class TestMainTitleWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestEnv::silenceOffscreenPlatformNotices();
        // The camera list never looks for network cameras here.
        ICamera::setDiscoveryEnabled(false);
        IScaleFactors f;
        f.horizontal = f.uniform = f.vertical = kScale;
        setScaleFactors(f);
    }

    void init()
    {
        IVideoDeviceRegistry::instance().clear();
        ICameraInfo::current() = ICameraInfo();
    }

    // --- buttons and logo ------------------------------------------------------

    void buttonsHaveTheirIdTextAndIcons()
    {
        Window w;
        const QList<QPair<int, QString>> expected = {{0, "Cameras"}, {1, "Settings"}, {2, "Minimize"},
                                                     {3, "Maximize"}, {4, "Restore"}, {5, "Close"}};
        for (const auto& entry : expected) {
            IIToolButton* b = w.title->button(entry.first);
            QVERIFY(b);
            QCOMPARE(b->id(), entry.first);
            QCOMPARE(b->toolTip(), entry.second);
            const QImage normal = b->icon().pixmap(32, 32).toImage();
            QVERIFY2(!normal.isNull(), qPrintable(entry.second));
            if (entry.first == IMainTitleWidget::Restore || entry.first == IMainTitleWidget::Close)
                continue; // hidden, or closing the window
            QTest::mousePress(b, Qt::LeftButton);
            QVERIFY2(b->icon().pixmap(32, 32).toImage() != normal, qPrintable(entry.second));
            QTest::mouseRelease(b, Qt::LeftButton);
            w.window.showNormal();
            w.title->hideMenus();
        }
    }

    void logoFromTheProgramFolderOrBuiltIn()
    {
        Window w;
        QCOMPARE(IMainTitleWidget::defaultLogoPath(),
                 QCoreApplication::applicationDirPath() + "/logo/cur_use_logo.png");
        QTemporaryDir dir;
        const QString path = dir.filePath("cur_use_logo.png");
        QImage own(120, 30, QImage::Format_RGB32);
        own.fill(QColor(10, 200, 30));
        QVERIFY(own.save(path));
        w.title->setLogoFile(path);
        QCOMPARE(w.title->logo().toImage().pixelColor(60, 15), QColor(10, 200, 30));

        // A missing or unreadable file still leaves a logo in the bar.
        for (const QString& bad : {dir.filePath("missing.png"), dir.filePath("broken.png")}) {
            if (bad.endsWith("broken.png")) {
                QFile broken(bad);
                QVERIFY(broken.open(QIODevice::WriteOnly));
                broken.write("not a picture");
            }
            w.title->setLogoFile(bad);
            const QImage shown = w.title->logo().toImage();
            QVERIFY(!shown.isNull());
            QVERIFY(shown.pixelColor(shown.width() / 2, shown.height() / 2) != QColor(10, 200, 30));
            QVERIFY(shown.height() <= w.title->height());
        }
    }

    // --- window buttons -------------------------------------------------------

    void maximizeAndRestoreReplaceEachOther()
    {
        Window w;
        QSignalSpy clicks(w.title, &IMainTitleWidget::sgButtonClick);
        IIToolButton* maximize = w.title->button(IMainTitleWidget::Maximize);
        IIToolButton* restore = w.title->button(IMainTitleWidget::Restore);
        QVERIFY(maximize->isVisible() && !restore->isVisible());

        w.click(IMainTitleWidget::Maximize);
        QVERIFY(w.window.isMaximized());
        QVERIFY(!maximize->isVisible() && restore->isVisible());
        w.click(IMainTitleWidget::Restore);
        QVERIFY(!w.window.isMaximized());
        QVERIFY(maximize->isVisible() && !restore->isVisible());
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(clicks.at(0).at(1).toInt(), 3);
        QCOMPARE(clicks.at(1).at(1).toInt(), 4);

        // However the window gets maximised, the pair follows.
        w.window.showMaximized();
        QVERIFY(!maximize->isVisible() && restore->isVisible());
        QTest::mouseDClick(w.title, Qt::LeftButton, Qt::NoModifier, QPoint(300, 10));
        QVERIFY(!w.window.isMaximized());
        QVERIFY(maximize->isVisible() && !restore->isVisible());
    }

    void minimizeSettingsAndClose()
    {
        Window w;
        QSignalSpy clicks(w.title, &IMainTitleWidget::sgButtonClick);
        w.click(IMainTitleWidget::Settings);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.takeFirst().at(1).toInt(), 1);
        QVERIFY(w.window.isVisible() && !w.window.isMinimized());

        w.click(IMainTitleWidget::Minimize);
        QVERIFY(w.window.isMinimized());
        QCOMPARE(clicks.takeFirst().at(1).toInt(), 2);
        w.window.showNormal();

        w.click(IMainTitleWidget::Close);
        QVERIFY(!w.window.isVisible());
        QCOMPARE(clicks.takeFirst().at(1).toInt(), 5);
    }

    // --- dragging ----------------------------------------------------------------

    void draggingMovesTheWindowWithTheMouse()
    {
        Window w;
        QSignalSpy moved(w.title, &IMainTitleWidget::sgMove);
        const QPoint origin = w.window.pos();
        const QPoint start = w.title->mapToGlobal(QPoint(200, 10));
        w.press(start);
        QCOMPARE(moved.count(), 0);
        w.moveTo(start + QPoint(7, 3));
        QCOMPARE(w.window.pos(), origin + QPoint(7, 3));
        w.moveTo(start + QPoint(-20, 60));
        QCOMPARE(w.window.pos(), origin + QPoint(-20, 60));
        QCOMPARE(w.window.size(), QSize(600, 400));
        QCOMPARE(moved.count(), 1);
        w.release(start + QPoint(-20, 60));
        // No button held: no drag.
        w.mouse(QEvent::MouseMove, start + QPoint(100, 100), Qt::NoButton);
        QCOMPARE(w.window.pos(), origin + QPoint(-20, 60));

        const QPoint second = w.title->mapToGlobal(QPoint(100, 10));
        w.press(second);
        w.moveTo(second + QPoint(5, 5));
        w.moveTo(second + QPoint(10, 10));
        QCOMPARE(w.window.pos(), origin + QPoint(-10, 70));
        QCOMPARE(moved.count(), 2);
    }

    void draggingAFullScreenWindowShrinksItFirst_data()
    {
        QTest::addColumn<bool>("maximized");
        QTest::newRow("covering the screen") << false;
        QTest::newRow("maximised") << true;
    }
    void draggingAFullScreenWindowShrinksItFirst()
    {
        QFETCH(bool, maximized);
        Window w;
        const QRect area = w.window.screen()->availableGeometry();
        if (maximized) {
            w.window.showMaximized();
            QTRY_COMPARE(w.window.frameGeometry(), area);
        } else {
            w.window.setGeometry(w.window.screen()->geometry());
            QTRY_COMPARE(w.window.geometry(), w.window.screen()->geometry());
        }
        w.title->resize(w.window.width(), w.title->height());
        QSignalSpy moved(w.title, &IMainTitleWidget::sgMove);

        const QPoint start = w.title->mapToGlobal(QPoint(area.width() / 2, 10));
        w.press(start);
        w.moveTo(start + QPoint(4, 0));
        const QSize shrunk(area.width() - qRound(300 * kScale), area.height() - qRound(200 * kScale));
        QCOMPARE(w.window.size(), shrunk);
        QVERIFY(!w.window.isMaximized());
        QVERIFY(w.title->button(IMainTitleWidget::Maximize)->isVisible());
        QVERIFY(!w.title->button(IMainTitleWidget::Restore)->isVisible());
        // The cursor still holds the title bar of the smaller window.
        const QRect bar(w.title->mapToGlobal(QPoint(0, 0)), QSize(w.window.width(), w.title->height()));
        QVERIFY(bar.contains(start + QPoint(4, 0)));

        // From then on it just follows the mouse.
        const QPoint before = w.window.pos();
        w.moveTo(start + QPoint(34, 25));
        QCOMPARE(w.window.pos(), before + QPoint(30, 25));
        QCOMPARE(w.window.size(), shrunk);
        QCOMPARE(moved.count(), 1);
        w.release(start + QPoint(34, 25));
    }

    // --- camera choice -----------------------------------------------------------

    void withNoCamerasTheListIsEmptyAndChoosingDoesNothing()
    {
        Window w;
        QSignalSpy switches(w.title, &IMainTitleWidget::sgSwitchCamera);
        QComboBox* list = w.title->cameraComboBox();
        QVERIFY(!list->isVisible());
        w.click(IMainTitleWidget::Cameras);
        QVERIFY(list->isVisible());
        QCOMPARE(list->count(), 0);
        for (int index : {0, -1, 3})
            w.title->changeCameraIndex(index);
        QVERIFY(!list->isVisible());
        QCOMPARE(switches.count(), 0);
    }

    void theListShowsTheCamerasAndTheCurrentOne()
    {
        addCamera("Document Camera", "/dev/video4", "5DA0");
        addCamera("Laptop webcam", "/dev/video0", "0001")->info(); // not one of ours
        addCamera("Document Camera", "/dev/video6", "5DA1");
        Window w;
        QComboBox* list = w.title->cameraComboBox();

        w.click(IMainTitleWidget::Cameras);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->itemText(0), QString("Document Camera #1"));
        QCOMPARE(list->itemText(1), QString("Document Camera #2"));
        const ICameraInfo first = list->itemData(0).value<ICameraInfo>();
        QCOMPARE(first.devicePath, QString("/dev/video4"));
        QCOMPARE(first.pid, QString("5DA0"));
        QCOMPARE(first.name, QString("Document Camera #1"));
        QCOMPARE(list->currentIndex(), -1); // no camera is current yet

        ICameraInfo::current() = list->itemData(1).value<ICameraInfo>();
        w.title->hideMenus();
        w.click(IMainTitleWidget::Cameras);
        QCOMPARE(list->count(), 2); // filled afresh, not appended
        QCOMPARE(list->currentIndex(), 1);

        // A camera that appears later is listed once.
        ICameraInfo wifi;
        wifi.index = 0;
        wifi.type = 2;
        wifi.name = "WiFi Camera";
        wifi.devicePath = "rtsp://127.0.0.2/stream/main"; // only listed, never reached
        w.title->slAddWifiCamera(wifi);
        w.title->slAddWifiCamera(wifi);
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->itemData(2).value<ICameraInfo>().type, 2);
    }

    void choosingAnotherCameraAsksTheWindowToSwitch()
    {
        addCamera("Document Camera", "/dev/video4", "5DA0");
        addCamera("Document Camera", "/dev/video6", "5DA1");
        Window w;
        QSignalSpy switches(w.title, &IMainTitleWidget::sgSwitchCamera);
        QComboBox* list = w.title->cameraComboBox();
        w.click(IMainTitleWidget::Cameras);
        ICameraInfo::current() = list->itemData(0).value<ICameraInfo>();
        const ICameraInfo before = ICameraInfo::current();

        w.title->changeCameraIndex(1);
        QVERIFY(!list->isVisible());
        QCOMPARE(switchedTo(switches), QList<QString>{"/dev/video6"});
        QCOMPARE(switches.first().first().value<ICameraInfo>().name, QString("Document Camera #2"));
        // The window does the switching, not the title bar.
        QCOMPARE(ICameraInfo::current().devicePath, before.devicePath);
        QVERIFY(!ICamera::instance()->hasSource());

        // Picking the camera in use only closes the list.
        w.click(IMainTitleWidget::Cameras);
        w.title->changeCameraIndex(0);
        QVERIFY(!list->isVisible());
        QCOMPARE(switches.count(), 1);
    }
};

VESKAROO_TEST_MAIN(TestMainTitleWidget)
#include "tst_maintitlewidget.moc"
