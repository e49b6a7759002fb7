// The views over the board, driven through the main window: the magnifier
// shows the camera's own pixels under the pointer; picture-in-picture runs a
// second camera beside the first and goes when that camera does; the
// split-screen compare shows the marked pictures, each zoomed on its own.
#include "common/fakevideodevice.h"
#include "common/testenv.h"

#include "board/iboard.h"
#include "board/item/ipixmapitem.h"
#include "customui/common/itimemsgbox.h"
#include "customui/imageview/imageitem.h"
#include "customui/imageview/imageview.h"
#include "customui/imglist/iimglist.h"
#include "customui/imglist/iimglistitem.h"
#include "customui/imglist/iimglistwidget.h"
#include "customui/magnifier/imagnifierframe.h"
#include "customui/smallcamera/ismallcameraframe.h"
#include "customui/toolbar/icameratoolbar.h"
#include "customui/toolbar/irighttoolbar.h"
#include "directshow/ivideodeviceregistry.h"
#include "directshow/ivideodevicesetup.h"
#include "directshow/iwinusbdevice.h"
#include "directshow/virtual/ivirtualcamera.h"
#include "icamera.h"
#include "opencv/ifilterkind.h"
#include "mainframe.h"
#include "service/iconfigureservice.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

const QString kSecondPath = QStringLiteral("/dev/v4l/by-id/usb-Second_Document_Camera-video-index0");

QString shownNotice()
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (qobject_cast<ITimeMsgBox*>(top) && top->isVisible())
            return top->findChild<QLabel*>()->text();
    }
    return QString();
}

// `origin`: where the widget was on the screen when the gesture began, so
// that a widget moved by the gesture still gets the pointer's true position.
void sendMouse(QWidget* widget, QEvent::Type type, const QPoint& at, Qt::MouseButtons buttons = Qt::NoButton,
               Qt::MouseButton button = Qt::NoButton, QPoint origin = QPoint(-1, -1))
{
    if (origin == QPoint(-1, -1))
        origin = widget->mapToGlobal(QPoint(0, 0));
    QMouseEvent event(type, at, origin + at, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void sendWheel(QWidget* widget, const QPoint& at, int delta)
{
    QWheelEvent event(QPointF(at), QPointF(widget->mapToGlobal(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

void drag(QWidget* widget, const QPoint& from, const QPoint& to)
{
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    sendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, origin);
    sendMouse(widget, QEvent::MouseMove, (from + to) / 2, Qt::LeftButton, Qt::NoButton, origin);
    sendMouse(widget, QEvent::MouseMove, to, Qt::LeftButton, Qt::NoButton, origin);
    sendMouse(widget, QEvent::MouseButtonRelease, to, Qt::NoButton, Qt::LeftButton, origin);
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
        && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

} // namespace

class TestViews : public QObject
{
    Q_OBJECT

    std::shared_ptr<IVirtualCamera> m_camera;
    std::shared_ptr<FakeVideoProvider> m_second;
    MainFrame* m_window = nullptr;
    QTemporaryDir m_pictures;

    QAbstractButton* cameraButton(int id) const { return m_window->cameraToolBar()->button(id); }
    QAbstractButton* rightButton(int id) const { return m_window->rightToolBar()->button(id); }
    IBoard* board() const { return m_window->board(); }

    // Where a board viewport point lies in the frame the board shows.
    QPointF framePointAt(const QPointF& viewportPos) const
    {
        const QRectF picture = board()->pictureSceneRect();
        const QSize frame = board()->pictureItem()->image().size();
        const QPointF scene = board()->viewportTransform().inverted().map(viewportPos);
        return QPointF((scene.x() - picture.left()) * frame.width() / picture.width(),
                       (scene.y() - picture.top()) * frame.height() / picture.height());
    }

    // Compares the lens with the frame around the pointer: each lens pixel
    // d away from the centre must show the frame pixel under pointer + d/zoom.
    void checkLensShowsFrame(const QPoint& pointer)
    {
        IMagnifierFrame* lens = m_window->magnifier();
        QVERIFY(lens->isVisible());
        // Centred on the pointer.
        const QPoint lensCentre = lens->geometry().center() + QPoint(1, 1);
        QVERIFY2((lensCentre - board()->viewport()->mapTo(board(), pointer)).manhattanLength() <= 2,
                 qPrintable(QString("%1,%2").arg(lensCentre.x()).arg(lensCentre.y())));
        const QImage shown = lens->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage frame = board()->pictureItem()->image().convertToFormat(QImage::Format_RGB32);
        const double zoom = lens->zoom();
        int matches = 0;
        int samples = 0;
        int darkest = 255;
        int lightest = 0;
        for (int dy = -80; dy <= 40; dy += 7) {
            for (int dx = -80; dx <= 80; dx += 7) {
                // Lens pixel centres.
                const QPointF at = framePointAt(QPointF(pointer) + QPointF(dx + 0.5, dy + 0.5) / zoom);
                const QPoint pixel(int(std::floor(at.x())), int(std::floor(at.y())));
                if (!frame.rect().contains(pixel))
                    continue;
                const QRgb expected = frame.pixel(pixel);
                darkest = qMin(darkest, qGray(expected));
                lightest = qMax(lightest, qGray(expected));
                ++samples;
                if (near(shown.pixel(shown.width() / 2 + dx, shown.height() / 2 + dy), expected, 12))
                    ++matches;
            }
        }
        // Text and paper under the lens: a blank patch would prove nothing.
        QVERIFY2(lightest - darkest > 60, qPrintable(QString("%1..%2").arg(darkest).arg(lightest)));
        QVERIFY2(samples > 400, qPrintable(QString::number(samples)));
        // Pixel edges may fall either side of a sample.
        QVERIFY2(matches >= samples * 97 / 100, qPrintable(QString("%1 of %2").arg(matches).arg(samples)));
    }

    // A point on the printed page, in viewport coordinates.
    QPoint onPage(double fx, double fy) const
    {
        const QRectF picture = board()->pictureSceneRect();
        return board()->mapFromScene(picture.left() + picture.width() * fx, picture.top() + picture.height() * fy);
    }

    // A point over print, where the frame has dark and light pixels close
    // together; the `nth` such point from the top left, so that two differ.
    QPoint overPrint(int nth) const
    {
        const QImage frame = board()->pictureItem()->image();
        for (double fy = 0.2; fy < 0.8; fy += 0.05) {
            for (double fx = 0.3; fx < 0.7; fx += 0.05) {
                const QPoint at(int(frame.width() * fx), int(frame.height() * fy));
                int darkest = 255;
                int lightest = 0;
                for (int dy = -8; dy <= 8; dy += 2) {
                    for (int dx = -8; dx <= 8; dx += 2) {
                        const int grey = qGray(frame.pixel(at + QPoint(dx, dy)));
                        darkest = qMin(darkest, grey);
                        lightest = qMax(lightest, grey);
                    }
                }
                if (lightest - darkest > 100 && nth-- == 0)
                    return onPage(fx, fy);
            }
        }
        return onPage(0.5, 0.5);
    }

    QString writePicture(const QString& name, const QColor& colour)
    {
        QImage picture(800, 600, QImage::Format_RGB32);
        picture.fill(colour);
        // A white mark in the top left corner.
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                picture.setPixel(x, y, qRgb(255, 255, 255));
        const QString path = m_pictures.filePath(name);
        if (!picture.save(path))
            return QString();
        return path;
    }

private slots:
    void initTestCase()
    {
        TestEnv::silenceOffscreenPlatformNotices();
        QVERIFY(!ICamera::discoveryEnabled());
        IVideoDeviceRegistry::instance().clear();
        m_camera = IVideoDeviceSetup::install({"veskaroo", "--virtual-camera"});
        QVERIFY(m_camera);
        // A second accepted camera, not plugged in yet.
        m_second = std::make_shared<FakeVideoProvider>("Second Camera", kSecondPath, "2E1A", "5DA0");
        m_second->state()->present = false;
        // Its current format is one it refuses: opening falls back to its
        // first size, which must not become the main camera's setting.
        m_second->state()->format = QSize(800, 600);
        IVideoDeviceRegistry::instance().add(m_second);
        m_window = new MainFrame(nullptr);
        QSignalSpy frames(ICamera::instance(), &ICamera::sgCameraFrame);
        m_window->createFirstSlide();
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 2, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(m_window->isVisible(), 10000);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QCOMPARE(ICameraInfo::current().devicePath, IVirtualCamera::devicePath());
        // The first view reset has happened.
        QTest::qWait(400);
    }

    void cleanupTestCase()
    {
        delete m_window;
        ICamera::instance()->closeAllSources();
    }

    // Magnifier.

    void magnifierShowsCameraPixelsUnderThePointerAndFollowsIt()
    {
        QWidget* viewport = board()->viewport();
        IMagnifierFrame* lens = m_window->magnifier();
        QTest::mouseClick(rightButton(IRightToolBar::Magnifier), Qt::LeftButton);
        QVERIFY(lens->isActive());

        QPoint pointer = overPrint(0);
        sendMouse(viewport, QEvent::MouseMove, pointer);
        QCOMPARE(lens->zoom(), 2.0);
        // The wheel over the lens steps its zoom, and leaves the board's.
        const double boardScale = board()->scaleFactor();
        for (int step = 0; step < 4; ++step)
            sendWheel(viewport, pointer, 120);
        QCOMPARE(lens->zoom(), 8.0);
        QCOMPARE(board()->scaleFactor(), boardScale);
        checkLensShowsFrame(pointer);
        if (QTest::currentTestFailed())
            return;

        // It follows the pointer, and shows what is under it there.
        pointer = overPrint(5);
        sendMouse(viewport, QEvent::MouseMove, pointer);
        checkLensShowsFrame(pointer);
        if (QTest::currentTestFailed())
            return;
        const double enlarged = lens->lensToFrame().map(QLineF(0, 0, 100, 0)).length();
        sendWheel(viewport, pointer, -120);
        QCOMPARE(lens->zoom(), 6.0);
        QVERIFY(qAbs(lens->lensToFrame().map(QLineF(0, 0, 100, 0)).length() - enlarged * 8 / 6) < 0.01);
    }

    void bothMagnifierButtonsStayInStepAndEscapeCloses()
    {
        IMagnifierFrame* lens = m_window->magnifier();
        if (!lens->isActive())
            QTest::mouseClick(rightButton(IRightToolBar::Magnifier), Qt::LeftButton);
        QVERIFY(lens->isActive());
        QVERIFY(rightButton(IRightToolBar::Magnifier)->isChecked());
        QVERIFY(cameraButton(ICameraToolBar::Magnifier)->isChecked());

        // Off from the other bar.
        QTest::mouseClick(cameraButton(ICameraToolBar::Magnifier), Qt::LeftButton);
        QVERIFY(!lens->isActive());
        QVERIFY(!lens->isVisible());
        QVERIFY(!rightButton(IRightToolBar::Magnifier)->isChecked());
        QVERIFY(!cameraButton(ICameraToolBar::Magnifier)->isChecked());

        // On from the camera bar, off with Escape.
        QTest::mouseClick(cameraButton(ICameraToolBar::Magnifier), Qt::LeftButton);
        QVERIFY(lens->isActive());
        QVERIFY(rightButton(IRightToolBar::Magnifier)->isChecked());
        sendMouse(board()->viewport(), QEvent::MouseMove, onPage(0.5, 0.5));
        QVERIFY(lens->isVisible());
        QTest::keyClick(board()->viewport(), Qt::Key_Escape);
        QVERIFY(!lens->isActive());
        QVERIFY(!lens->isVisible());
        QVERIFY(!rightButton(IRightToolBar::Magnifier)->isChecked());
        QVERIFY(!cameraButton(ICameraToolBar::Magnifier)->isChecked());
    }

    // Split-screen compare.

    void compareWithoutAMarkedPictureAsksForOne()
    {
        m_window->imgListWidget()->list()->deselectAll();
        QTest::mouseClick(cameraButton(ICameraToolBar::SplitScreen), Qt::LeftButton);
        QTRY_COMPARE(shownNotice(), QString("Please select a picture first"));
        QVERIFY(!m_window->imageView()->isVisible());
        QVERIFY(!cameraButton(ICameraToolBar::SplitScreen)->isChecked());
    }

    void compareShowsTheMarkedPicturesSideBySideEachZoomingOnItsOwn()
    {
        IImgList* list = m_window->imgListWidget()->list();
        const QString red = writePicture("red.png", QColor(220, 30, 30));
        const QString blue = writePicture("blue.png", QColor(30, 30, 220));
        QVERIFY(!red.isEmpty() && !blue.isEmpty());
        list->addImage(QImage(), red);
        list->addImage(QImage(), blue);
        QTRY_COMPARE_WITH_TIMEOUT(list->pendingCount(), 0, 10000);
        list->deselectAll();
        list->entry(list->count() - 2)->setChecked(true);
        list->entry(list->count() - 1)->setChecked(true);
        QCOMPARE(list->selectedFiles().size(), 2);

        QTest::mouseClick(cameraButton(ICameraToolBar::SplitScreen), Qt::LeftButton);
        ImageView* view = m_window->imageView();
        QVERIFY(view->isVisible());
        QVERIFY(cameraButton(ICameraToolBar::SplitScreen)->isChecked());
        QTRY_COMPARE_WITH_TIMEOUT(view->pendingCount(), 0, 10000);
        const QList<ImageItem*> items = view->items();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->path(), red);
        QCOMPARE(items[1]->path(), blue);
        // Side by side over the board.
        QVERIFY(items[0]->geometry().right() < items[1]->geometry().left());
        QCOMPARE(items[0]->geometry().top(), items[1]->geometry().top());
        QVERIFY(items[0]->width() > board()->width() / 3);

        // Each shows its own picture, whole.
        const auto colourAt = [](ImageItem* item, const QPointF& picturePoint) {
            const QPoint at = item->pictureToWidget().map(picturePoint).toPoint();
            return item->grab().toImage().pixel(at);
        };
        QVERIFY(near(colourAt(items[0], {400, 300}), qRgb(220, 30, 30), 4));
        QVERIFY(near(colourAt(items[1], {400, 300}), qRgb(30, 30, 220), 4));
        QVERIFY(near(colourAt(items[0], {20, 20}), qRgb(255, 255, 255), 4));

        // The wheel zooms the one under it around the pointer.
        const QPoint mark = items[0]->pictureToWidget().map(QPointF(50, 50)).toPoint();
        const double before = items[0]->pictureToWidget().m11();
        sendWheel(items[0], mark, 240);
        QVERIFY(items[0]->zoom() > 1.4);
        QCOMPARE(items[1]->zoom(), 1.0);
        QVERIFY(items[0]->pictureToWidget().m11() > before * 1.4);
        QVERIFY((items[0]->pictureToWidget().map(QPointF(50, 50)) - QPointF(mark)).manhattanLength() < 2);
        // Zoomed, the white mark reaches well past where it ended before.
        const QPoint pastMark = mark + QPoint(int(70 * before), int(70 * before));
        QVERIFY(near(items[0]->grab().toImage().pixel(pastMark), qRgb(255, 255, 255), 4));

        // A drag moves only the one dragged.
        const QTransform blueBefore = items[1]->pictureToWidget();
        const QTransform redBefore = items[0]->pictureToWidget();
        drag(items[1], items[1]->rect().center(), items[1]->rect().center() + QPoint(60, 30));
        QCOMPARE(items[1]->pictureToWidget().dx(), blueBefore.dx() + 60);
        QCOMPARE(items[1]->pictureToWidget().dy(), blueBefore.dy() + 30);
        QCOMPARE(items[0]->pictureToWidget(), redBefore);

        // Unchecking closes it.
        QTest::mouseClick(cameraButton(ICameraToolBar::SplitScreen), Qt::LeftButton);
        QVERIFY(!view->isVisible());
        QVERIFY(!cameraButton(ICameraToolBar::SplitScreen)->isChecked());
    }

    // Picture-in-picture.

    void pictureInPictureWithoutASecondCameraSaysSo()
    {
        QTest::mouseClick(cameraButton(ICameraToolBar::PictureInPicture), Qt::LeftButton);
        QTRY_COMPARE(shownNotice(), QString("No camera device available"));
        QVERIFY(!m_window->smallCameraFrame()->isActive());
        QVERIFY(!m_window->smallCameraFrame()->isVisible());
        QVERIFY(!cameraButton(ICameraToolBar::PictureInPicture)->isChecked());
    }

    void pictureInPictureShowsTheSecondCameraBesideTheFirst()
    {
        m_second->state()->present = true;
        ISmallCameraFrame* pip = m_window->smallCameraFrame();
        QSignalSpy index(pip, &ISmallCameraFrame::changeCameraIndex);
        QSignalSpy errors(ICamera::instance(), &ICamera::sgError);
        const QSize configured = IConfigureService::instance()->cameraResolution();

        QTest::mouseClick(cameraButton(ICameraToolBar::PictureInPicture), Qt::LeftButton);
        QVERIFY(pip->isActive());
        QVERIFY(pip->isVisible());
        QVERIFY(cameraButton(ICameraToolBar::PictureInPicture)->isChecked());
        QCOMPARE(pip->camera().devicePath, kSecondPath);
        QCOMPARE(index.count(), 1);
        QCOMPARE(index.first().first().toInt(), pip->camera().index);
        // In the board's lower right corner.
        QVERIFY(pip->geometry().right() < board()->width() && pip->geometry().center().x() > board()->width() / 2);
        QVERIFY(pip->geometry().center().y() > board()->height() / 2);

        // The second camera's frames (orange-red: 200, 120, blue counting).
        QTRY_VERIFY_WITH_TIMEOUT(!pip->frame().isNull(), 10000);
        const QImage shown = pip->grab().toImage();
        const QRgb middle = shown.pixel(shown.width() / 2, shown.height() * 2 / 3);
        QVERIFY2(qAbs(qRed(middle) - 200) < 20 && qAbs(qGreen(middle) - 120) < 20,
                 qPrintable(QString::number(middle, 16)));

        // The main camera goes on as it was.
        QSignalSpy frames(ICamera::instance(), &ICamera::sgCameraFrame);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 3, 10000);
        QCOMPARE(ICameraInfo::current().devicePath, IVirtualCamera::devicePath());
        // The board may show a reduced decode; the picture is the stream's.
        QCOMPARE(ICamera::instance()->picture(FilterNone).size(), configured);
        QCOMPARE(IConfigureService::instance()->cameraResolution(), configured);
        for (const QList<QVariant>& error : errors)
            QVERIFY(error.first().toInt() != 3);

        // It moves when dragged, and stays on the board.
        const QPoint before = pip->pos();
        const QPoint by(-before.x() / 2, -before.y() / 2);
        drag(pip, QPoint(20, 20), QPoint(20, 20) + by);
        QCOMPARE(pip->pos(), before + by);
        drag(pip, QPoint(20, 20), QPoint(20 + 5000, 20 + 5000));
        QVERIFY(pip->geometry().right() < board()->width());
        QVERIFY(pip->geometry().bottom() < board()->height());
    }

    void unpluggingTheSecondCameraSwitchesItOff()
    {
        ISmallCameraFrame* pip = m_window->smallCameraFrame();
        QVERIFY(pip->isActive());
        QSignalSpy index(pip, &ISmallCameraFrame::changeCameraIndex);
        QSignalSpy errors(ICamera::instance(), &ICamera::sgError);
        m_second->state()->present = false;
        QTRY_VERIFY_WITH_TIMEOUT(!pip->isActive(), 10000);
        QVERIFY(!pip->isVisible());
        QVERIFY(!cameraButton(ICameraToolBar::PictureInPicture)->isChecked());
        QCOMPARE(index.count(), 1);
        QCOMPARE(index.first().first().toInt(), -1);
        // Not the main camera's loss.
        QTest::qWait(300);
        QVERIFY(errors.isEmpty());
        QVERIFY(ICamera::instance()->hasSource());
        QVERIFY(cameraButton(ICameraToolBar::PictureInPicture)->isEnabled());

        // Told by the device watcher, too.
        m_second->state()->present = true;
        QTest::mouseClick(cameraButton(ICameraToolBar::PictureInPicture), Qt::LeftButton);
        QVERIFY(pip->isActive());
        QVERIFY(m_window->usbWatcher());
        emit m_window->usbWatcher()->connectionChanged(false, kSecondPath.toUpper());
        QVERIFY(!pip->isActive());
        QVERIFY(!cameraButton(ICameraToolBar::PictureInPicture)->isChecked());
    }
};

VESKAROO_TEST_MAIN(TestViews)
#include "tst_views.moc"
