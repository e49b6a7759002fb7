// The board's pointer gestures: only the button that began one ends it, and
// one whose pointer is gone is dropped so that the next press starts afresh.
#include "common/testenv.h"

#include "board/iboard.h"
#include "board/islide.h"
#include "board/item/ipixmapitem.h"
#include "board/mode/imodeeventhandle.h"
#include "board/mode/imodemanager.h"
#include "board/tk_iboard_enum.h"

#include <QGraphicsRectItem>
#include <QSignalSpy>

#include <memory>

namespace {

// A shown 640 x 360 board in the given tool, zoomed in so that the
// selector's drags move the view, with the camera picture filling it.
struct InputFixture
{
    explicit InputFixture(int mode)
    {
        auto* slide = new ISlide(board.get());
        board->insertSlide(slide, true);
        board->setPictureItem(new IPixmapItem(QSize(640, 360)));
        board->setPictureSize(QSizeF(640, 360));
        QImage picture(640, 360, QImage::Format_RGB888);
        picture.fill(Qt::green);
        board->setBackgroundImage(picture);
        board->resize(640, 360);
        board->show();
        ok = QTest::qWaitForWindowExposed(board.get());
        board->setMode(mode);
        board->zoomBy(2);
        tool = board->modeManager()->modeFor(mode);
    }

    void press(const QPoint& pos, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mousePress(board->viewport(), button, {}, pos);
    }
    void release(const QPoint& pos, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseRelease(board->viewport(), button, {}, pos);
    }
    // QTest moves the real cursor for widgets, which the offscreen platform ignores.
    void dragTo(const QPoint& pos) const
    {
        QMouseEvent move(QEvent::MouseMove, pos, board->viewport()->mapToGlobal(pos), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board->viewport(), &move);
    }

    std::unique_ptr<IBoard> board = std::make_unique<IBoard>();
    IModeBase* tool = nullptr;
    bool ok = false;
};

} // namespace

class TestBoardInput : public QObject
{
    Q_OBJECT

    enum GestureLoss { PointerLeft, EscapePressed, TouchCancelled, DeviceLost };

private slots:
    void otherButtonsDoNotEndTheGesture_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("button");
        QTest::newRow("pencil, middle") << int(TK_IBOARD_ENUM::PencilMode) << int(Qt::MiddleButton);
        QTest::newRow("pencil, back") << int(TK_IBOARD_ENUM::PencilMode) << int(Qt::BackButton);
        QTest::newRow("selector, middle") << int(TK_IBOARD_ENUM::SelectorMode) << int(Qt::MiddleButton);
    }

    void otherButtonsDoNotEndTheGesture()
    {
        QFETCH(int, mode);
        QFETCH(int, button);
        InputFixture f(mode);
        QVERIFY(f.ok);
        QSignalSpy moves(f.tool->eventHandle(), &IModeEventHandle::deviceMove);
        QSignalSpy releases(f.tool->eventHandle(), &IModeEventHandle::deviceRelease);
        const QPointF grabbed = f.board->mapToScene(QPoint(100, 100));
        f.press(QPoint(100, 100));
        f.dragTo(QPoint(160, 140));
        f.press(QPoint(160, 140), Qt::MouseButton(button));
        f.release(QPoint(160, 140), Qt::MouseButton(button));
        QCOMPARE(releases.count(), 0);

        f.dragTo(QPoint(220, 180));
        f.release(QPoint(220, 180));
        QCOMPARE(moves.count(), 2);
        QCOMPARE(releases.count(), 1);
        // In the selector the whole drag moved the view with the pointer.
        if (mode == TK_IBOARD_ENUM::SelectorMode)
            QCOMPARE(f.board->mapFromScene(grabbed), QPoint(220, 180));
    }

    void pressAfterALostReleaseStartsAFreshStroke()
    {
        InputFixture f(TK_IBOARD_ENUM::PencilMode);
        QVERIFY(f.ok);
        QSignalSpy presses(f.tool->eventHandle(), &IModeEventHandle::devicePress);
        f.press(QPoint(100, 100));
        f.dragTo(QPoint(150, 100));
        // The release went elsewhere, e.g. to a window that popped up.
        f.press(QPoint(300, 200));
        QCOMPARE(presses.count(), 2);
    }

    void goneGestureIsDropped_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("how");
        const QList<QPair<const char*, int>> modes{{"pencil", TK_IBOARD_ENUM::PencilMode},
                                                   {"circle", TK_IBOARD_ENUM::CircleMode},
                                                   {"selector", TK_IBOARD_ENUM::SelectorMode}};
        const QList<QPair<const char*, int>> losses{{"pointer left", PointerLeft},
                                                    {"escape", EscapePressed},
                                                    {"touch cancelled", TouchCancelled},
                                                    {"device lost", DeviceLost}};
        for (const auto& mode : modes) {
            for (const auto& loss : losses)
                QTest::addRow("%s, %s", mode.first, loss.first) << mode.second << loss.second;
        }
    }

    void goneGestureIsDropped()
    {
        QFETCH(int, mode);
        QFETCH(int, how);
        InputFixture f(mode);
        QVERIFY(f.ok);
        // The selector also hands the drag to the element under the pointer.
        auto* item = new QGraphicsRectItem(-20, -20, 40, 40);
        item->setFlag(QGraphicsItem::ItemIsMovable);
        item->setPos(f.board->mapToScene(QPoint(100, 100)));
        f.board->currentSlide()->addItem(item);
        QSignalSpy presses(f.tool->eventHandle(), &IModeEventHandle::devicePress);
        QSignalSpy moves(f.tool->eventHandle(), &IModeEventHandle::deviceMove);
        QSignalSpy releases(f.tool->eventHandle(), &IModeEventHandle::deviceRelease);
        f.press(QPoint(100, 100));
        f.dragTo(QPoint(140, 120));

        if (how == PointerLeft) {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(f.board->viewport(), &leave);
        } else if (how == EscapePressed) {
            QTest::keyClick(f.board.get(), Qt::Key_Escape);
        } else if (how == TouchCancelled) {
            // Qt then ends the mouse it made of the finger with a release.
            QTouchEvent cancel(QEvent::TouchCancel);
            QApplication::sendEvent(f.board->viewport(), &cancel);
        } else {
            f.board->cancelInput();
        }
        QCOMPARE(f.board->currentSlide()->mouseGrabberItem(), nullptr);

        // The button held on and let go later: the gesture stays dropped.
        const QTransform view = f.board->viewportTransform();
        f.dragTo(QPoint(220, 180));
        f.release(QPoint(220, 180));
        QCOMPARE(moves.count(), 1);
        QCOMPARE(releases.count(), 0);
        QCOMPARE(f.board->viewportTransform(), view);

        f.press(QPoint(300, 200));
        f.release(QPoint(300, 200));
        QCOMPARE(presses.count(), 2);
        QCOMPARE(releases.count(), 1);
    }
};

VESKAROO_TEST_MAIN(TestBoardInput)
#include "tst_boardinput.moc"
