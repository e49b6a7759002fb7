// Undo and Redo in the main window: the board toolbar's buttons, and a
// history that survives switching the camera and unplugging it.
#include "common/testenv.h"

#include "board/iboard.h"
#include "board/islide.h"
#include "board/item/ipixmapitem.h"
#include "board/item/ielement.h"
#include "board/tk_iboard_enum.h"
#include "customui/common/iitoolbutton.h"
#include "customui/toolbar/iboardtoolbar.h"
#include "customui/toolbar/imaintitlewidget.h"
#include "customui/toolbar/irighttoolbar.h"
#include "directshow/ivideodeviceregistry.h"
#include "directshow/ivideodevicesetup.h"
#include "directshow/virtual/ivirtualcamera.h"
#include "icamera.h"
#include "icamerainfo.h"
#include "mainframe.h"
#include "service/iboardservice.h"

#include <QPainter>
#include <QSignalSpy>

class TestUndoWindow : public QObject
{
    Q_OBJECT

    std::shared_ptr<IVirtualCamera> m_camera;
    MainFrame* m_window = nullptr;
    // Where the strokes are drawn, in the scene: the picture moves and
    // resizes with each camera, the strokes do not.
    QRectF m_area;

    IBoard* board() const { return m_window->board(); }
    QAbstractButton* barButton(const QString& tip) const
    {
        for (auto* b : m_window->boardToolBar()->findChildren<QAbstractButton*>()) {
            if (b->toolTip() == tip)
                return b;
        }
        return nullptr;
    }
    // The elements' property texts and what they paint over the picture.
    void compareDrawn(const QPair<QStringList, QImage>& expected) const
    {
        const auto now = drawn();
        QCOMPARE(now.first, expected.first);
        QCOMPARE(now.second.size(), expected.second.size());
        QVERIFY(now.second == expected.second);
    }
    QPair<QStringList, QImage> drawn() const
    {
        QStringList texts;
        for (IElement* element : board()->currentSlide()->elements()) {
            for (int key = 0; key <= 40; ++key)
                texts << element->property(key).toString();
        }
        QImage image(m_area.size().toSize(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        board()->pictureItem()->setPaintSuppressed(true);
        board()->currentSlide()->render(&painter, QRectF(image.rect()), m_area);
        board()->pictureItem()->setPaintSuppressed(false);
        return {texts, image};
    }
    void stroke(const QPointF& from, const QPointF& to) const
    {
        QWidget* view = board()->viewport();
        const QPoint a = board()->mapFromScene(from);
        const QPoint b = board()->mapFromScene(to);
        QTest::mousePress(view, Qt::LeftButton, {}, a);
        for (int i = 1; i <= 4; ++i) {
            const QPoint p = a + (b - a) * i / 4;
            QMouseEvent move(QEvent::MouseMove, p, view->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(view, &move);
        }
        QTest::mouseRelease(view, Qt::LeftButton, {}, b);
    }
    QPointF inPicture(double fx, double fy) const
    {
        const QRectF r = m_area;
        return {r.left() + r.width() * fx, r.top() + r.height() * fy};
    }

private slots:
    void initTestCase()
    {
        TestEnv::silenceOffscreenPlatformNotices();
        IVideoDeviceRegistry::instance().clear();
        m_camera = IVideoDeviceSetup::install({"veskaroo", "--virtual-camera"});
        QVERIFY(m_camera);
        m_window = new MainFrame(nullptr);
        QVERIFY(TestEnv::showFirstPicture(m_window));
        // Start-up binds the service to the board through the application object.
        IBoardService::instance()->setBoard(board());
        m_area = board()->pictureSceneRect();
        m_window->rightToolBar()->button(IRightToolBar::Board)->click();
        QVERIFY(m_window->boardToolBar()->isVisible());
    }

    void cleanupTestCase()
    {
        IBoardService::instance()->setBoard(nullptr);
        delete m_window;
        ICamera::instance()->closeAllSources();
    }

    void theButtonsUndoAndRedoAStroke()
    {
        QAbstractButton* undo = barButton("Undo");
        QAbstractButton* redo = barButton("Redo");
        QVERIFY(undo && redo);
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        m_window->boardToolBar()->button(IBoardToolBar::Pencil)->click();
        stroke(inPicture(0.2, 0.3), inPicture(0.6, 0.4));
        QCOMPARE(board()->currentSlide()->elements().size(), 1);
        QVERIFY(undo->isEnabled());
        const auto withStroke = drawn();
        undo->click();
        QVERIFY(board()->currentSlide()->elements().isEmpty());
        QVERIFY(redo->isEnabled() && !undo->isEnabled());
        redo->click();
        compareDrawn(withStroke);
    }

    void undoBringsBackWhatACameraSwitchCleared()
    {
        const auto withStroke = drawn();
        QCOMPARE(withStroke.first.isEmpty(), false);
        QSignalSpy errors(ICamera::instance(), &ICamera::sgError);
        emit m_window->titleWidget()->sgSwitchCamera(ICameraInfo::current());
        QTRY_VERIFY_WITH_TIMEOUT(errors.count() >= 1, 10000);
        QTRY_VERIFY(m_window->isEnabled());
        QVERIFY(board()->currentSlide()->elements().isEmpty());
        barButton("Undo")->click();
        compareDrawn(withStroke);
    }

    void undoGoesOnAfterAReplug()
    {
        const auto withStroke = drawn();
        QSignalSpy errors(ICamera::instance(), &ICamera::sgError);
        m_camera->setPresent(false);
        QTRY_VERIFY_WITH_TIMEOUT(errors.count() >= 1, 10000);
        QSignalSpy frames(ICamera::instance(), &ICamera::sgCameraFrame);
        m_camera->setPresent(true);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 2, 10000);
        QTRY_VERIFY(m_window->isEnabled());
        // The view settles on the picture again a moment after the camera is back.
        QTest::qWait(400);
        // A stroke after the replug, then back through the whole history.
        m_window->boardToolBar()->button(IBoardToolBar::Pencil)->click();
        stroke(inPicture(0.3, 0.6), inPicture(0.7, 0.7));
        QCOMPARE(board()->currentSlide()->elements().size(), 2);
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keyClick(m_window, Qt::Key_Z, Qt::ControlModifier);
        compareDrawn(withStroke);
        barButton("Undo")->click();
        QVERIFY(board()->currentSlide()->elements().isEmpty());
        QVERIFY(!barButton("Undo")->isEnabled());
        barButton("Redo")->click();
        compareDrawn(withStroke);
    }
};

VESKAROO_TEST_MAIN(TestUndoWindow)
#include "tst_undowindow.moc"
