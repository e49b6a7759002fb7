// The board's pointer gestures: which button ends a gesture, and how a
// gesture whose pointer is gone is dropped so that the next press starts afresh.
#include "common/testenv.h"

#include "board/iboard.h"
#include "board/islide.h"
#include "board/item/ipixmapitem.h"
#include "board/mode/deviceinput.h"
#include "board/mode/iidlemode.h"
#include "board/mode/imodeeventhandle.h"
#include "board/mode/imodemanager.h"
#include "board/tk_iboard_enum.h"

#include "common/testtouch.h"

#include <QGraphicsRectItem>
#include <QSignalSpy>

#include <cmath>
#include <memory>

namespace {

// A shown 640 x 360 board whose camera picture fills it.
struct InputFixture
{
    InputFixture()
    {
        board = std::make_unique<IBoard>();
        slide = new ISlide(board.get());
        board->insertSlide(slide, true);
        board->setPictureItem(new IPixmapItem(QSize(640, 360)));
        board->setPictureSize(QSizeF(640, 360));
        QImage image(640, 360, QImage::Format_RGB888);
        image.fill(Qt::green);
        board->setBackgroundImage(image);
        board->resize(640, 360);
        board->show();
        ok = QTest::qWaitForWindowExposed(board.get());
        board->centerOnPicture();
    }

    // The placeholder tool a number selects, watched through its relay.
    IIdleMode* tool(int type) const { return dynamic_cast<IIdleMode*>(board->modeManager()->modeFor(type)); }

    QWidget* viewport() const { return board->viewport(); }

    void press(const QPoint& pos, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mousePress(viewport(), button, {}, pos);
    }

    void release(const QPoint& pos, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseRelease(viewport(), button, {}, pos);
    }

    // QTest moves the real cursor for widgets, which the offscreen platform ignores.
    void dragTo(const QPoint& pos) const
    {
        QMouseEvent move(QEvent::MouseMove, pos, viewport()->mapToGlobal(pos), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport(), &move);
    }

    std::unique_ptr<IBoard> board;
    ISlide* slide = nullptr;
    bool ok = false;
};

// What a tool received, through its relay.
struct ToolSpy
{
    explicit ToolSpy(IModeBase* tool)
        : presses(tool->eventHandle(), &IModeEventHandle::devicePress)
        , moves(tool->eventHandle(), &IModeEventHandle::deviceMove)
        , releases(tool->eventHandle(), &IModeEventHandle::deviceRelease)
    {
        QObject::connect(tool->eventHandle(), &IModeEventHandle::deviceRelease,
                         [this](IDeviceArgs* dev) { releasedAt = dev->input->position(); });
    }

    QSignalSpy presses;
    QSignalSpy moves;
    QSignalSpy releases;
    QPointF releasedAt;
};

// An element that counts the drag moves the scene gives it.
class DraggedItem : public QGraphicsRectItem
{
public:
    DraggedItem()
        : QGraphicsRectItem(-20, -20, 40, 40)
    {
        setFlag(ItemIsMovable);
    }

    int moves = 0;

protected:
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override
    {
        ++moves;
        QGraphicsRectItem::mouseMoveEvent(event);
    }
};

bool near(const QPointF& a, const QPointF& b)
{
    return std::abs(a.x() - b.x()) <= 1 && std::abs(a.y() - b.y()) <= 1;
}

} // namespace

class TestBoardInput : public QObject
{
    Q_OBJECT

    enum GestureLoss { PointerLeft, EscapePressed, TouchCancelled, DeviceLost };

    static void loseGesture(InputFixture& f, int how)
    {
        switch (how) {
        case PointerLeft: {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(f.viewport(), &leave);
            break;
        }
        case EscapePressed: QTest::keyClick(f.board.get(), Qt::Key_Escape); break;
        case TouchCancelled: {
            QTouchEvent cancel(QEvent::TouchCancel);
            QApplication::sendEvent(f.viewport(), &cancel);
            break;
        }
        case DeviceLost: f.board->cancelInput(); break;
        }
    }

private slots:
    // --- which button ends a gesture ----------------------------------------------
    void otherButtonsDoNotEndTheGesture_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("button");
        QTest::newRow("pencil, middle") << int(TK_IBOARD_ENUM::PencilMode) << int(Qt::MiddleButton);
        QTest::newRow("pencil, right") << int(TK_IBOARD_ENUM::PencilMode) << int(Qt::RightButton);
        QTest::newRow("pencil, back") << int(TK_IBOARD_ENUM::PencilMode) << int(Qt::BackButton);
        QTest::newRow("line, middle") << int(TK_IBOARD_ENUM::LineMode) << int(Qt::MiddleButton);
        QTest::newRow("selector, middle") << int(TK_IBOARD_ENUM::SelectorMode) << int(Qt::MiddleButton);
        QTest::newRow("selector, right") << int(TK_IBOARD_ENUM::SelectorMode) << int(Qt::RightButton);
    }

    void otherButtonsDoNotEndTheGesture()
    {
        QFETCH(int, mode);
        QFETCH(int, button);
        InputFixture f;
        QVERIFY(f.ok);
        f.board->setMode(mode);
        // Zoomed in, so that the selector's drag has room to move the view.
        f.board->zoomBy(2);
        ToolSpy spy(f.tool(mode));
        const QPoint start(100, 100);
        const QPoint end(220, 180);
        const QPointF grabbed = f.board->mapToScene(start);

        f.press(start);
        f.dragTo(QPoint(160, 140));
        f.press(QPoint(160, 140), Qt::MouseButton(button));
        f.release(QPoint(160, 140), Qt::MouseButton(button));
        QCOMPARE(spy.releases.count(), 0);

        f.dragTo(end);
        f.release(end);
        QCOMPARE(spy.presses.count(), 1);
        QCOMPARE(spy.moves.count(), 2);
        QCOMPARE(spy.releases.count(), 1);
        QCOMPARE(spy.releasedAt, QPointF(end));
        // In the selector the whole drag moved the view with the pointer.
        if (mode == TK_IBOARD_ENUM::SelectorMode)
            QVERIFY(near(f.board->mapFromScene(grabbed), end));
    }

    void pressAfterALostReleaseStartsAFreshStroke()
    {
        InputFixture f;
        QVERIFY(f.ok);
        f.board->setMode(TK_IBOARD_ENUM::PencilMode);
        ToolSpy spy(f.tool(TK_IBOARD_ENUM::PencilMode));
        f.press(QPoint(100, 100));
        f.dragTo(QPoint(150, 100));
        // The release went elsewhere, e.g. to a window that popped up.
        f.press(QPoint(300, 200));
        f.dragTo(QPoint(350, 200));
        f.release(QPoint(350, 200));
        QCOMPARE(spy.presses.count(), 2);
        QCOMPARE(spy.moves.count(), 2);
        QCOMPARE(spy.releases.count(), 1);
        QCOMPARE(f.tool(TK_IBOARD_ENUM::PencilMode)->cancellations(), 1);
    }

    // --- gestures whose pointer is gone ----------------------------------------------
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
        InputFixture f;
        QVERIFY(f.ok);
        f.board->setMode(mode);
        f.board->zoomBy(2);
        const QPoint start(100, 100);
        // Something the selector drags along, besides the view.
        auto* item = new DraggedItem;
        item->setPos(f.board->mapToScene(start));
        f.slide->addItem(item);
        ToolSpy spy(f.tool(mode));

        f.press(start);
        f.dragTo(QPoint(140, 120));
        QCOMPARE(spy.moves.count(), 1);
        const int itemMoves = item->moves;
        if (mode == TK_IBOARD_ENUM::SelectorMode)
            QVERIFY(itemMoves > 0);
        loseGesture(f, how);

        // The button still held and let go later: the gesture stays dropped.
        const QTransform view = f.board->viewportTransform();
        f.dragTo(QPoint(220, 180));
        f.release(QPoint(220, 180));
        QCOMPARE(spy.moves.count(), 1);
        QCOMPARE(spy.releases.count(), 0);
        QCOMPARE(item->moves, itemMoves);
        QCOMPARE(f.board->viewportTransform(), view);

        // The next press is a gesture of its own.
        f.press(QPoint(300, 200));
        f.dragTo(QPoint(320, 210));
        f.release(QPoint(320, 210));
        QCOMPARE(spy.presses.count(), 2);
        QCOMPARE(spy.moves.count(), 2);
        QCOMPARE(spy.releases.count(), 1);
    }

    void leaveAndEscapeWithoutAGestureLeaveTheToolAlone()
    {
        InputFixture f;
        QVERIFY(f.ok);
        f.board->setMode(TK_IBOARD_ENUM::PencilMode);
        IIdleMode* pencil = f.tool(TK_IBOARD_ENUM::PencilMode);
        loseGesture(f, PointerLeft);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        escape.ignore();
        QApplication::sendEvent(f.board.get(), &escape);
        QCOMPARE(pencil->cancellations(), 0);
        // Not taken, so the window behind the board still sees it.
        QVERIFY(!escape.isAccepted());
    }

    void touchStrokeCancelledBySystemIsNotCompleted()
    {
        InputFixture f;
        QVERIFY(f.ok);
        f.board->setMode(TK_IBOARD_ENUM::PencilMode);
        ToolSpy spy(f.tool(TK_IBOARD_ENUM::PencilMode));
        TestTouch touch(f.viewport());
        touch.press(0, QPoint(100, 100)).commit();
        touch.move(0, QPoint(140, 120)).commit();
        QCOMPARE(spy.presses.count(), 1);
        QVERIFY(spy.moves.count() >= 1);
        loseGesture(f, TouchCancelled);
        // Qt ends the mouse it made of the finger with a release.
        touch.release(0, QPoint(140, 120)).commit();
        QCOMPARE(spy.releases.count(), 0);

        touch.press(0, QPoint(300, 200)).commit();
        touch.release(0, QPoint(300, 200)).commit();
        QCOMPARE(spy.presses.count(), 2);
        QCOMPARE(spy.releases.count(), 1);
    }
};

VESKAROO_TEST_MAIN(TestBoardInput)
#include "tst_boardinput.moc"
