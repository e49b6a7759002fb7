// The board view: zoom limits and notice, rotation, pinch and pan, drops,
// input routing to tools, rendering of the annotation layer and the pencil
// cursor.
#include "common/testenv.h"
#include "common/testfigure.h"
#include "common/testtouch.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/icursorrecolor.h"
#include "board/islide.h"
#include "board/item/ielementframe.h"
#include "board/item/ipixmapitem.h"
#include "board/mode/deviceinput.h"
#include "board/mode/imode.h"
#include "board/mode/imodeeventhandle.h"
#include "board/mode/imodemanager.h"
#include "customui/common/itimemsgbox.h"

#include <QGestureEvent>
#include <QGraphicsRectItem>
#include <QLabel>
#include <QMimeData>
#include <QPinchGesture>
#include <QSignalSpy>
#include <QWindow>

#include <cmath>
#include <memory>
#include <stdexcept>

namespace {

// A shown board of the given size with one slide and a picture of
// `picture` pixels, the same shape as the board unless told otherwise.
struct BoardFixture
{
    explicit BoardFixture(const QSize& view = QSize(640, 360), const QSize& picture = QSize(640, 360),
                          bool inWindow = false)
    {
        if (inWindow)
            window = std::make_unique<QWidget>();
        board = std::make_unique<IBoard>(window.get());
        slide = new ISlide(board.get());
        board->insertSlide(slide, true);
        pictureItem = new IPixmapItem(view);
        board->setPictureItem(pictureItem);
        board->setPictureSize(picture);
        QImage image(picture, QImage::Format_RGB888);
        image.fill(Qt::green);
        board->setBackgroundImage(image);
        board->resize(view);
        if (window)
            window->resize(view);
        board->window()->show();
        ok = QTest::qWaitForWindowExposed(board->window());
        board->centerOnPicture();
    }

    QString zoomNotice() const
    {
        auto* box = board->findChild<ITimeMsgBox*>();
        auto* label = box ? box->findChild<QLabel*>() : nullptr;
        return label ? label->text() : QString();
    }

    QPoint viewPointOf(const QPointF& scenePos) const { return board->mapFromScene(scenePos); }

    // QTest moves the real cursor for widgets, which the offscreen platform ignores.
    void dragTo(const QPoint& pos) const
    {
        QMouseEvent move(QEvent::MouseMove, pos, board->viewport()->mapToGlobal(pos), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board->viewport(), &move);
    }

    // A drag as a user makes it: through the window, so that the widget
    // under the pointer takes the press and keeps the moves until release.
    void userDrag(const QPoint& from, const QPoint& to, int steps = 4) const
    {
        QWidget* top = board->window();
        QWindow* window = top->windowHandle();
        const auto inWindow = [this, top](const QPoint& p) { return board->viewport()->mapTo(top, p); };
        QTest::mousePress(window, Qt::LeftButton, {}, inWindow(from));
        for (int i = 1; i <= steps; ++i)
            QTest::mouseMove(window, inWindow(from + (to - from) * i / steps));
        QTest::mouseRelease(window, Qt::LeftButton, {}, inWindow(to));
    }

    // The main window that holds the board, as in the program. Touch tests
    // need it: Qt hands a window's touches to its top widget's gestures as
    // well, which a board alone in its window would recognise twice.
    std::unique_ptr<QWidget> window;
    std::unique_ptr<IBoard> board;
    ISlide* slide = nullptr;
    IPixmapItem* pictureItem = nullptr;
    bool ok = false;
};

// One step of a pinch as the gesture recogniser reports it.
bool sendPinch(QWidget* target, double scaleFactor, double lastScaleFactor)
{
    QPinchGesture pinch;
    pinch.setChangeFlags(QPinchGesture::ScaleFactorChanged);
    pinch.setTotalChangeFlags(QPinchGesture::ScaleFactorChanged);
    pinch.setScaleFactor(scaleFactor);
    pinch.setLastScaleFactor(lastScaleFactor);
    QGestureEvent event({&pinch});
    event.ignore();
    QApplication::sendEvent(target, &event);
    // The application takes the event apart and reports per gesture.
    return event.isAccepted(&pinch);
}

bool near(const QPointF& a, const QPointF& b, double tolerance = 1.0)
{
    return std::abs(a.x() - b.x()) <= tolerance && std::abs(a.y() - b.y()) <= tolerance;
}

// Counts the cursor changes of a widget.
struct CursorChanges : QObject
{
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::CursorChange)
            ++count;
        return false;
    }
};

QString text(const QPointF& p)
{
    return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y());
}

} // namespace

class TestBoard : public QObject
{
    Q_OBJECT

private slots:
    void initSetsTheDrawingDefaultsAndStartsOnTheSelector()
    {
        IBoard board;
        IBoardState* state = board.boardState();
        QVERIFY(state);
        QCOMPARE(state->inkColor(), QColor(Qt::red));
        QCOMPARE(state->inkThickness(), 5.0);
        QCOMPARE(state->inkOpacity(), 255);
        QCOMPARE(state->pointEraserSize(), QSizeF(100, 100));
        QCOMPARE(state->figureForeground(), QColor(Qt::black));
        // Figures start hollow, leaving the page under them in view.
        QCOMPARE(state->figureBackground().alpha(), 0);
        QCOMPARE(state->figureThickness(), 5);
        QCOMPARE(board.currentModeType(), 1);
        QCOMPARE(board.modeManager()->currentMode()->boardState(), state);
    }

    void initAgainChangesNothing()
    {
        // The main window calls init once more after making the board.
        IBoard board;
        IBoardState* state = board.boardState();
        IModeManager* manager = board.modeManager();
        board.setMode(5);
        state->setInkColor(Qt::blue);
        board.init();
        QCOMPARE(board.boardState(), state);
        QCOMPARE(board.modeManager(), manager);
        QCOMPARE(board.findChildren<IBoardState*>().size(), 1);
        QCOMPARE(board.findChildren<ITimeMsgBox*>().size(), 1);
        QCOMPARE(board.currentModeType(), 5);
        QCOMPARE(state->inkColor(), QColor(Qt::blue));

        // The state's notices reach the board once: one new pencil cursor.
        CursorChanges changes;
        board.viewport()->installEventFilter(&changes);
        state->setInkColor(Qt::green);
        QCOMPARE(changes.count, 1);
    }

    // --- slides ---------------------------------------------------------------
    void slidesAreAppendedWithTheirIndexesAnnounced()
    {
        IBoard board;
        QSignalSpy before(&board, &IBoard::sgBeforeSlideInsert);
        QSignalSpy after(&board, &IBoard::sgAfterSlideInsert);
        auto* first = new ISlide;
        auto* second = new ISlide;
        board.insertSlide(first, true);
        board.insertSlide(second, false);
        QCOMPARE(board.currentSlide(), first);
        QCOMPARE(board.indexOfSlide(second), 1);
        QCOMPARE(first->parent(), &board);
        QCOMPARE(before.at(0), (QList<QVariant>{-1, 0}));
        QCOMPARE(after.at(1), (QList<QVariant>{0, 1}));
        QVERIFY_EXCEPTION_THROWN(board.insertSlide(nullptr, true), std::invalid_argument);
        QVERIFY_EXCEPTION_THROWN(board.setCurrentSlide(nullptr), std::invalid_argument);
    }

    // --- zoom -------------------------------------------------------------------
    void zoomStopsAtTenTimesNativeAndAtOneTwentieth_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<double>("maximum");
        // Board and picture alike: the fit is native size, so 10x is scale 10.
        QTest::newRow("native fit") << QSize(640, 360) << 10.0;
        // A full-HD picture fits at a third of its pixels; 10x native is scale 30.
        QTest::newRow("full HD picture") << QSize(1920, 1080) << 30.0;
    }

    void zoomStopsAtTenTimesNativeAndAtOneTwentieth()
    {
        QFETCH(QSize, picture);
        QFETCH(double, maximum);
        BoardFixture f(QSize(640, 360), picture);
        QVERIFY(f.ok);
        for (int i = 0; i < 40; ++i)
            f.board->zoomBy(1.5);
        QCOMPARE(f.board->scaleFactor(), maximum);
        QCOMPARE(f.zoomNotice(), QStringLiteral("1000X"));
        for (int i = 0; i < 80; ++i)
            f.board->zoomBy(0.5);
        QCOMPARE(f.board->scaleFactor(), 0.05);
    }

    void fitSizePictureReadsHundred()
    {
        BoardFixture f;
        QVERIFY(f.ok);
        f.board->zoomBy(1.1);
        QCOMPARE(f.zoomNotice(), QStringLiteral("110X"));
        f.board->zoomBy(1.7);
        f.board->zoomToFit();
        QCOMPARE(f.zoomNotice(), QStringLiteral("100X"));
    }

    void wheelZoomsInAndOut()
    {
        BoardFixture f;
        QVERIFY(f.ok);
        const QPoint centre = f.board->viewport()->rect().center();
        QWheelEvent up(centre, f.board->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.board->viewport(), &up);
        QCOMPARE(f.board->scaleFactor(), 1.1);
        QWheelEvent down(centre, f.board->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.board->viewport(), &down);
        QVERIFY(qAbs(f.board->scaleFactor() - 0.99) < 1e-9);
    }

    void onlyAVerticalWheelTurnZooms_data()
    {
        QTest::addColumn<QPoint>("angle");
        QTest::addColumn<double>("scale");
        QTest::newRow("up") << QPoint(0, 120) << 1.1;
        QTest::newRow("down") << QPoint(0, -120) << 0.9;
        QTest::newRow("tilted up and sideways") << QPoint(-120, 120) << 1.1;
        QTest::newRow("sideways right") << QPoint(120, 0) << 1.0;
        QTest::newRow("sideways left") << QPoint(-120, 0) << 1.0;
        QTest::newRow("touch pad start, no delta") << QPoint(0, 0) << 1.0;
    }
    void onlyAVerticalWheelTurnZooms()
    {
        QFETCH(QPoint, angle);
        QFETCH(double, scale);
        BoardFixture f;
        QVERIFY(f.ok);
        const QPoint centre = f.board->viewport()->rect().center();
        QWheelEvent wheel(centre, f.board->mapToGlobal(centre), QPoint(), angle, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.board->viewport(), &wheel);
        QVERIFY2(qAbs(f.board->scaleFactor() - scale) < 1e-9, qPrintable(QString::number(f.board->scaleFactor())));
    }

    void nonFiniteZoomOrPanKeepsTheView_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QPointF>("pan");
        QTest::newRow("zoom by NaN") << qQNaN() << QPointF();
        QTest::newRow("zoom by infinity") << qInf() << QPointF();
        QTest::newRow("zoom by minus infinity") << -qInf() << QPointF();
        QTest::newRow("pan by NaN") << 1.0 << QPointF(qQNaN(), 0);
        QTest::newRow("pan by infinity") << 1.0 << QPointF(0, qInf());
    }
    void nonFiniteZoomOrPanKeepsTheView()
    {
        QFETCH(double, zoom);
        QFETCH(QPointF, pan);
        BoardFixture f;
        QVERIFY(f.ok);
        f.board->zoomBy(1.5);
        const QTransform before = f.board->transform();
        const QRectF shownBefore = f.board->mapFromScene(f.board->pictureSceneRect()).boundingRect();
        f.board->zoomBy(zoom);
        f.board->panBy(pan.x(), pan.y());
        QCOMPARE(f.board->transform(), before);
        QCOMPARE(f.board->mapFromScene(f.board->pictureSceneRect()).boundingRect(), shownBefore);
        // The picture is still on screen: its green shows in the middle.
        const QImage shown = f.board->viewport()->grab().toImage();
        QCOMPARE(shown.pixelColor(shown.rect().center()), QColor(Qt::green));
        // And zooming still works afterwards.
        f.board->zoomBy(2);
        QCOMPARE(f.board->scaleFactor(), 3.0);
    }

    void zoomLimitHoldsWhenRotated()
    {
        BoardFixture f;
        QVERIFY(f.ok);
        f.board->rotateBy(90);
        for (int i = 0; i < 40; ++i)
            f.board->zoomBy(1.5);
        QVERIFY(qAbs(f.board->scaleFactor() - 10.0) < 1e-9);
    }

    // --- pinch and pan ----------------------------------------------------------
    void pinchZoomsOnlyWithTheSelector()
    {
        BoardFixture f;
        QVERIFY(f.ok);
        // The recogniser reports each step's factor and the one before it;
        // the view follows the latter.
        QVERIFY(sendPinch(f.board->viewport(), 1.5, 1.25));
        QCOMPARE(f.board->scaleFactor(), 1.25);
        QCOMPARE(f.zoomNotice(), QStringLiteral("125X"));
        QVERIFY(sendPinch(f.board.get(), 1.1, 1.2));
        QCOMPARE(f.board->scaleFactor(), 1.5);

        // Drawing with two fingers on the picture must not zoom it.
        f.board->setMode(5);
        sendPinch(f.board->viewport(), 2.0, 2.0);
        sendPinch(f.board.get(), 2.0, 2.0);
        QCOMPARE(f.board->scaleFactor(), 1.5);
        f.board->setMode(1);
        QVERIFY(sendPinch(f.board->viewport(), 1.0, 0.5));
        QCOMPARE(f.board->scaleFactor(), 0.75);
    }

    void dragOnThePicturePansWithTheSelectorOnly_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("pans");
        QTest::newRow("selector") << 1 << true;
        QTest::newRow("pencil") << 5 << false;
    }

    void dragOnThePicturePansWithTheSelectorOnly()
    {
        QFETCH(int, mode);
        QFETCH(bool, pans);
        BoardFixture f;
        QVERIFY(f.ok);
        // Enlarged, so that there is room to pan in every direction.
        f.board->zoomBy(2);
        f.board->setMode(mode);
        const QPoint from(200, 150);
        const QPoint to(290, 100);
        const QPointF grabbed = f.board->mapToScene(from);
        f.userDrag(from, to);

        const QPointF now = f.board->mapFromScene(grabbed);
        QVERIFY2(near(now, pans ? to : from), qPrintable(text(now)));
        QCOMPARE(f.board->scaleFactor(), 2.0);
        // Panning again from there continues from where the view was left.
        if (pans) {
            f.userDrag(to, from);
            QVERIFY(near(f.board->mapFromScene(grabbed), from));
        }
    }

    void dragOnASelectedElementMovesItAndNotTheView()
    {
        BoardFixture f;
        QVERIFY(f.ok);
        f.board->zoomBy(2);
        auto* fig = new TestFigure(QRectF(300, 160, 40, 30));
        f.slide->addItem(fig);
        IElementFrame* frame = f.board->elementFrame();
        frame->setSelection({fig}, true);
        QVERIFY(frame->isVisible());
        const QPoint start = f.board->viewport()->mapFrom(
            f.board.get(), frame->mapTo(f.board.get(), frame->contentRect().center().toPoint()));
        QCOMPARE(f.board->viewport()->childAt(start), nullptr);
        QCOMPARE(f.board->childAt(f.board->viewport()->mapTo(f.board.get(), start)), frame);
        const QPointF figureBefore = fig->sceneBoundingRect().center();
        const QPointF viewBefore = f.board->mapToScene(QPoint(0, 0));

        f.userDrag(start, start + QPoint(60, 40));
        // The view did not move; the element went 60 x 40 screen pixels, at
        // twice its size 30 x 20 scene units.
        QCOMPARE(f.board->mapToScene(QPoint(0, 0)), viewBefore);
        const QPointF moved = fig->sceneBoundingRect().center() - figureBefore;
        QVERIFY2(near(moved, QPointF(30, 20), 0.5), qPrintable(text(moved)));

        // Away from the frame the same drag pans again.
        const QPointF grabbed = f.board->mapToScene(QPoint(100, 100));
        f.userDrag(QPoint(100, 100), QPoint(160, 140));
        QVERIFY(near(f.board->mapFromScene(grabbed), QPoint(160, 140)));
    }

    void twoFingersZoomAsFarAsTheySpread()
    {
        BoardFixture f(QSize(640, 360), QSize(640, 360), true);
        QVERIFY(f.ok);
        const QPoint c(320, 180);
        const QPoint side(1, 0);
        TestTouch touch(f.board->viewport());
        // Qt starts the pinch at the first movement, here at 120 pixels
        // apart; from there the fingers go to 180 and 270.
        touch.press(0, c - 40 * side).press(1, c + 40 * side).commit();
        for (int half : {60, 90, 135})
            touch.move(0, c - half * side).move(1, c + half * side).commit();
        touch.release(0, c - 135 * side).release(1, c + 135 * side).commit();
        QVERIFY2(std::abs(f.board->scaleFactor() - 2.25) < 1e-9, qPrintable(QString::number(f.board->scaleFactor())));

        // Drawing fingers never zoom.
        f.board->setMode(5);
        touch.press(0, c - 40 * side).press(1, c + 40 * side).commit();
        for (int half : {60, 90, 135})
            touch.move(0, c - half * side).move(1, c + half * side).commit();
        touch.release(0, c - 135 * side).release(1, c + 135 * side).commit();
        QVERIFY2(std::abs(f.board->scaleFactor() - 2.25) < 1e-9, qPrintable(QString::number(f.board->scaleFactor())));
    }

    void fingerLeftAfterAPinchDoesNotPan()
    {
        BoardFixture f(QSize(640, 360), QSize(640, 360), true);
        QVERIFY(f.ok);
        f.board->zoomBy(2);
        const QPoint c(320, 180);
        const QPoint side(1, 0);
        TestTouch touch(f.board->viewport());
        touch.press(0, c - 40 * side).press(1, c + 40 * side).commit();
        touch.move(0, c - 50 * side).move(1, c + 50 * side).commit();
        touch.move(0, c - 60 * side).move(1, c + 60 * side).commit();
        touch.release(1, c + 60 * side).commit();
        // The pinch ends when the first finger moves on alone; from then on
        // that finger leaves the view where it is.
        touch.move(0, c - QPoint(80, 10)).commit();
        const QPointF probe = f.board->mapToScene(QPoint(100, 100));
        touch.move(0, c - QPoint(140, 50)).commit();
        touch.move(0, c - QPoint(200, 90)).commit();
        QVERIFY2(near(f.board->mapFromScene(probe), QPoint(100, 100)), qPrintable(text(f.board->mapFromScene(probe))));
        touch.release(0, c - QPoint(200, 90)).commit();

        // A finger that comes down alone pans as the mouse does.
        const QPointF grabbed = f.board->mapToScene(c);
        touch.press(0, c).commit();
        touch.move(0, c + QPoint(30, 20)).commit();
        touch.move(0, c + QPoint(60, 40)).commit();
        touch.release(0, c + QPoint(60, 40)).commit();
        QVERIFY2(near(f.board->mapFromScene(grabbed), c + QPoint(60, 40)), qPrintable(text(f.board->mapFromScene(grabbed))));
    }

    void twoFingersOnASelectedElementScaleItNotTheView()
    {
        BoardFixture f(QSize(640, 360), QSize(640, 360), true);
        QVERIFY(f.ok);
        auto* fig = new TestFigure(QRectF(220, 130, 200, 100));
        f.slide->addItem(fig);
        f.board->elementFrame()->setSelection({fig}, true);
        const QPointF centre = fig->sceneBoundingRect().center();
        const QPoint c = f.board->mapFromScene(centre);
        const QPoint side(1, 0);
        TestTouch touch(f.board->viewport());
        // From 60 pixels apart, where Qt starts the pinch, to 120; then the
        // fingers rest and lift.
        touch.press(0, c - 20 * side).press(1, c + 20 * side).commit();
        for (int half : {30, 45, 60, 60})
            touch.move(0, c - half * side).move(1, c + half * side).commit();
        touch.release(0, c - 60 * side).release(1, c + 60 * side).commit();

        const QRectF after = fig->sceneBoundingRect();
        QVERIFY2(std::abs(after.width() - 400) < 0.5 && std::abs(after.height() - 200) < 0.5,
                 qPrintable(QStringLiteral("%1 x %2").arg(after.width()).arg(after.height())));
        QVERIFY(near(after.center(), centre, 0.5));
        QCOMPARE(f.board->scaleFactor(), 1.0);
    }

    // --- drag and drop ------------------------------------------------------------
    void dropsAreAcceptedAndHandedOn()
    {
        BoardFixture f;
        QVERIFY(f.ok);
        QVERIFY(f.board->acceptDrops());
        QVERIFY(f.board->viewport()->acceptDrops());
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/page.png"))});
        const QPoint at(120, 80);

        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        enter.ignore();
        QApplication::sendEvent(f.board->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
        QDragMoveEvent move(at + QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                            Qt::NoModifier);
        move.ignore();
        QApplication::sendEvent(f.board->viewport(), &move);
        QVERIFY(move.isAccepted());

        QList<QUrl> dropped;
        QPoint droppedAt;
        connect(f.board.get(), &IBoard::sgDropEvent, this, [&](QDropEvent* event) {
            dropped = event->mimeData()->urls();
            droppedAt = event->pos();
        });
        QDropEvent drop(at + QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
        drop.ignore();
        QApplication::sendEvent(f.board->viewport(), &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
        QCOMPARE(dropped, data.urls());
        QCOMPARE(droppedAt, at + QPoint(5, 5));
    }

    // --- rotation ---------------------------------------------------------------
    void fourQuarterTurnsGiveZero()
    {
        BoardFixture f;
        QVERIFY(f.ok);
        for (int expected : {90, 180, 270, 0}) {
            f.board->rotateBy(90);
            QCOMPARE(f.board->rotation(), expected);
        }
        QVERIFY(f.board->transform().isIdentity() || qFuzzyCompare(f.board->transform().m11(), 1.0));
    }

    void rotationStaysWithinAFullTurn()
    {
        BoardFixture f;
        QVERIFY(f.ok);
        f.board->rotateBy(-90);
        QCOMPARE(f.board->rotation(), 270);
        f.board->rotateBy(180);
        QCOMPARE(f.board->rotation(), 90);
        f.board->resetView();
        QCOMPARE(f.board->rotation(), 0);
        QCOMPARE(f.board->scaleFactor(), 1.0);
    }

    // --- input to tools ---------------------------------------------------------
    void releaseOutsideThePictureStillEndsTheStroke()
    {
        // The picture covers the top 360 rows of a 480-row board.
        BoardFixture f(QSize(640, 480), QSize(640, 360));
        QVERIFY(f.ok);
        f.board->setMode(5);
        IMode* pencil = dynamic_cast<IMode*>(f.board->modeManager()->modeFor(5));
        QSignalSpy presses(pencil->eventHandle(), &IModeEventHandle::devicePress);
        QSignalSpy moves(pencil->eventHandle(), &IModeEventHandle::deviceMove);
        QPointF releasedAt;
        int releasedDevice = 0;
        int releases = 0;
        connect(pencil->eventHandle(), &IModeEventHandle::deviceRelease, this, [&](IDeviceArgs* dev) {
            ++releases;
            releasedAt = dev->input->position();
            releasedDevice = dev->input->deviceNumber();
        });

        const QRectF picture = f.board->pictureSceneRect();
        QVERIFY(picture.contains(QPointF(100, 100)));
        QVERIFY(!picture.contains(QPointF(300, 420)));
        const QPoint inside = f.viewPointOf(QPointF(100, 100));
        const QPoint lastInside = f.viewPointOf(QPointF(200, 300));
        const QPoint outside = f.viewPointOf(QPointF(300, 420));
        QTest::mousePress(f.board->viewport(), Qt::LeftButton, {}, inside);
        f.dragTo(lastInside);
        f.dragTo(outside); // not relayed
        QTest::mouseRelease(f.board->viewport(), Qt::LeftButton, {}, outside);

        QCOMPARE(presses.count(), 1);
        QCOMPARE(moves.count(), 1);
        QCOMPARE(releases, 1);
        QCOMPARE(releasedAt, QPointF(lastInside));
        QCOMPARE(releasedDevice, 175);
        QVERIFY(pencil->activeDevices().isEmpty());
    }

    void pressOutsideThePictureNeverReachesTheTool()
    {
        BoardFixture f(QSize(640, 480), QSize(640, 360));
        QVERIFY(f.ok);
        f.board->setMode(5);
        IMode* pencil = dynamic_cast<IMode*>(f.board->modeManager()->modeFor(5));
        QSignalSpy presses(pencil->eventHandle(), &IModeEventHandle::devicePress);
        QSignalSpy releases(pencil->eventHandle(), &IModeEventHandle::deviceRelease);
        const QPoint outside = f.viewPointOf(QPointF(300, 420));
        QTest::mousePress(f.board->viewport(), Qt::LeftButton, {}, outside);
        QTest::mouseRelease(f.board->viewport(), Qt::LeftButton, {}, f.viewPointOf(QPointF(100, 100)));
        QCOMPARE(presses.count(), 0);
        QCOMPARE(releases.count(), 0);
    }

    void rightButtonNeverReachesAToolNorSelects()
    {
        BoardFixture f;
        QVERIFY(f.ok);
        auto* item = new QGraphicsRectItem(0, 0, 80, 80);
        item->setPos(50, 50);
        item->setFlag(QGraphicsItem::ItemIsSelectable);
        f.slide->addItem(item);
        QSignalSpy clicks(f.board.get(), &IBoard::sgClickOnBoard);
        IModeBase* selector = f.board->modeManager()->modeFor(1);
        QSignalSpy selectorPresses(selector->eventHandle(), &IModeEventHandle::devicePress);
        const QPoint onItem = f.viewPointOf(QPointF(90, 90));

        QTest::mousePress(f.board->viewport(), Qt::RightButton, {}, onItem);
        QTest::mouseRelease(f.board->viewport(), Qt::RightButton, {}, onItem);
        QCOMPARE(selectorPresses.count(), 0);
        QCOMPARE(clicks.count(), 0);
        QVERIFY(!item->isSelected());

        // The left button, by contrast, reaches the tool and selects.
        QTest::mousePress(f.board->viewport(), Qt::LeftButton, {}, onItem);
        QTest::mouseRelease(f.board->viewport(), Qt::LeftButton, {}, onItem);
        QCOMPARE(selectorPresses.count(), 1);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(item->isSelected());

        f.board->setMode(5);
        QSignalSpy pencilPresses(f.board->modeManager()->modeFor(5)->eventHandle(),
                                 &IModeEventHandle::devicePress);
        QTest::mousePress(f.board->viewport(), Qt::RightButton, {}, onItem);
        QCOMPARE(pencilPresses.count(), 0);
    }

    void modeChangesAreBracketedBySignals()
    {
        IBoard board;
        QStringList order;
        connect(&board, &IBoard::sgBeforeModeChanged, this, [&] { order << QString::number(board.currentModeType()); });
        connect(&board, &IBoard::sgAfterModeChanged, this, [&] { order << QString::number(board.currentModeType()); });
        board.setMode(2);
        QCOMPARE(order, (QStringList{"1", "2"}));
    }

    void doubleClickOnThePictureTogglesFullScreen()
    {
        QWidget window;
        window.resize(800, 450);
        auto* board = new IBoard(&window);
        auto* slide = new ISlide(board);
        board->insertSlide(slide, true);
        board->setPictureItem(new IPixmapItem(QSize(640, 360)));
        board->setPictureSize(QSizeF(640, 360));
        board->setBackgroundImage(QImage(640, 360, QImage::Format_RGB888));
        board->resize(640, 360);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy toggles(board, &IBoard::sgIsFullScreen);
        const QPoint inside = board->mapFromScene(QPointF(100, 100));
        QTest::mouseDClick(board->viewport(), Qt::LeftButton, {}, inside);
        QCOMPARE(toggles.count(), 1);
        QCOMPARE(toggles.first().first().toBool(), true);
        QVERIFY(board->isFullScreen());
        // The enlarged picture fills the 800-wide parent.
        QCOMPARE(board->scaleFactor(), 1.25);
        QTest::mouseDClick(board->viewport(), Qt::LeftButton, {}, inside);
        QVERIFY(!board->isFullScreen());
        QCOMPARE(board->scaleFactor(), 1.0);
    }

    // --- pictures -----------------------------------------------------------------
    void pictureLiesBelowEveryElement()
    {
        BoardFixture f;
        QVERIFY(f.ok);
        QCOMPARE(f.pictureItem->zValue(), -9999999.0);
        // Even an element pushed far down, below an empty slide's top z, shows over it.
        auto* low = new TestFigure(QRectF(0, 0, 40, 40));
        low->setZOrder(-9500000);
        f.slide->addElement(low);
        const QList<QGraphicsItem*> stack = f.slide->items(QPointF(20, 20));
        QCOMPARE(stack.size(), 2);
        QCOMPARE(stack.first(), low);
        QCOMPARE(stack.last(), f.pictureItem);

        // A picture given later takes the same place.
        auto* next = new IPixmapItem(QSize(640, 360));
        f.board->setPictureItem(next);
        QCOMPARE(next->zValue(), -9999999.0);
        delete f.pictureItem;
    }

    void backgroundImageReplacesThePicture()
    {
        BoardFixture f;
        QVERIFY(f.ok);
        QImage frame(640, 360, QImage::Format_RGB888);
        frame.fill(Qt::blue);
        f.board->setBackgroundImage(frame);
        QVERIFY(!f.board->isHoldingBackground());
        QCOMPARE(f.pictureItem->image().pixelColor(10, 10), QColor(Qt::blue));
    }

    void renderAnnotationsLeavesThePictureOut()
    {
        BoardFixture f;
        QVERIFY(f.ok);
        // Nothing over the picture, or only hidden things: no layer at all.
        QVERIFY(f.board->renderAnnotations(1, 1).isNull());
        auto* mark = new QGraphicsRectItem(10, 10, 50, 50);
        mark->setBrush(Qt::red);
        mark->setPen(Qt::NoPen);
        mark->hide();
        f.slide->addItem(mark);
        QVERIFY(f.board->renderAnnotations(1, 1).isNull());
        mark->show();

        const QImage layer = f.board->renderAnnotations(1, 1);
        QCOMPARE(layer.size(), QSize(640, 360));
        QCOMPARE(layer.pixelColor(30, 30), QColor(Qt::red));
        QCOMPARE(layer.pixelColor(300, 300).alpha(), 0);
        QVERIFY(f.pictureItem->isVisible());

        const QImage doubled = f.board->renderAnnotations(2, 2);
        QCOMPARE(doubled.size(), QSize(1280, 720));
        QCOMPARE(doubled.pixelColor(60, 60), QColor(Qt::red));
    }

    // --- cursors --------------------------------------------------------------------
    void recolouringShiftsOnlyTheReferenceHue()
    {
        QImage picture(3, 1, QImage::Format_ARGB32);
        picture.setPixelColor(0, 0, QColor(255, 0, 0));
        picture.setPixelColor(1, 0, QColor(40, 40, 40));
        picture.setPixelColor(2, 0, QColor(0, 255, 0));
        const QImage tinted = ICursorRecolor::recolor(picture, Qt::red, Qt::blue);
        QCOMPARE(tinted.format(), QImage::Format_ARGB32);
        QCOMPARE(tinted.pixelColor(0, 0), QColor(0, 0, 255));
        QCOMPARE(tinted.pixelColor(1, 0), QColor(40, 40, 40));
        QCOMPARE(tinted.pixelColor(2, 0), QColor(0, 255, 0));
    }

    void pencilCursorFollowsTheInkColour()
    {
        BoardFixture f;
        QVERIFY(f.ok);
        f.board->boardState()->setInkColor(Qt::blue);
        QCOMPARE(f.board->viewport()->cursor().shape(), Qt::ArrowCursor); // not in pencil mode

        f.board->setMode(5);
        f.board->boardState()->setInkColor(Qt::green);
        const QCursor cursor = f.board->viewport()->cursor();
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), QPoint(4, 16));
        const QImage shown = cursor.pixmap().toImage();
        bool hasGreen = false;
        bool hasRed = false;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QColor c = shown.pixelColor(x, y);
                hasGreen |= c == QColor(0, 255, 0);
                hasRed |= c == QColor(255, 0, 0);
            }
        }
        QVERIFY(hasGreen);
        QVERIFY(!hasRed);
    }

    void unreadableCursorFileKeepsTheCursor()
    {
        IBoard board;
        board.setBoardCursor(QCursor(Qt::CrossCursor));
        board.setBoardCursorFile(QStringLiteral("/no/such/file.png"));
        QCOMPARE(board.viewport()->cursor().shape(), Qt::CrossCursor);
    }
};

VESKAROO_TEST_MAIN(TestBoard)
#include "tst_board.moc"
