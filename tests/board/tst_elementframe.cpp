// Element frame: handle layout and hit test, scaling, turning, moving,
// pinching, locking.
#include "common/testenv.h"
#include "common/testfigure.h"
#include "common/testtouch.h"

#include "board/item/frameinternalitemgroup.h"
#include "board/item/iabstractgraphicsshapeelement.h"
#include "board/item/iabstractgraphicstextelement.h"
#include "board/item/icommonelementframe.h"

#include <QGestureEvent>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QPainter>
#include <QPinchGesture>
#include <QSignalSpy>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

class TestText : public IAbstractGraphicsTextElement
{
public:
    explicit TestText(const QString& text)
        : IAbstractGraphicsTextElement(text)
    {
        setElementId(newElementId());
    }
    int type() const override { return TextElementType; }
    IElement* clone() const override { return new TestText(toPlainText()); }
};

// A board-like view with scene and view coordinates equal, and a frame on it.
struct Board
{
    QGraphicsScene scene{0, 0, 800, 600};
    QGraphicsView view{&scene};
    ICommonElementFrame* frame = nullptr;

    Board()
    {
        view.setFrameShape(QFrame::NoFrame);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view.resize(800, 600);
        frame = new ICommonElementFrame(&view);
        view.show();
        if (!QTest::qWaitForWindowExposed(&view))
            qWarning("board view not exposed");
    }

    template <typename Item>
    Item* add(Item* item)
    {
        scene.addItem(item);
        return item;
    }

    void select(const QList<QGraphicsItem*>& items) { frame->setSelection(items, true); }

    // Content rectangle in view coordinates, which here are scene coordinates.
    QRectF content() const { return frame->contentRect().translated(frame->pos()); }

    // A drag that starts at a point of the frame widget and moves by delta
    // on the view, in a few steps, the way a pointer reports it.
    void drag(const QPointF& widgetStart, const QPointF& delta, int steps = 4)
    {
        const QPointF viewStart = widgetStart + frame->pos();
        frame->inputMousePress(widgetStart, Qt::NoModifier);
        for (int i = 1; i <= steps; ++i) {
            const QPointF viewPos = viewStart + delta * i / steps;
            frame->inputMouseMove(viewPos - frame->pos(), Qt::NoModifier);
        }
        const QPointF viewEnd = viewStart + delta;
        frame->inputMouseRelease(viewEnd - frame->pos(), Qt::NoModifier);
    }

    QRectF handleRect(int handle) const
    {
        switch (handle) {
        case IAbstractFrame::LockHandle: return frame->lockButtonRect();
        case IAbstractFrame::RotationHandle: return frame->rotationHandleRect();
        case IAbstractFrame::TopLeftHandle: return frame->topLeftHandleRect();
        case IAbstractFrame::TopHandle: return frame->topEdgeHandleRect();
        case IAbstractFrame::TopRightHandle: return frame->topRightHandleRect();
        case IAbstractFrame::RightHandle: return frame->rightEdgeHandleRect();
        case IAbstractFrame::BottomRightHandle: return frame->bottomRightHandleRect();
        case IAbstractFrame::BottomHandle: return frame->bottomEdgeHandleRect();
        case IAbstractFrame::BottomLeftHandle: return frame->bottomLeftHandleRect();
        case IAbstractFrame::LeftHandle: return frame->leftEdgeHandleRect();
        default: return {};
        }
    }
};

bool near(const QPointF& a, const QPointF& b, double tolerance = 1.0)
{
    return std::abs(a.x() - b.x()) <= tolerance && std::abs(a.y() - b.y()) <= tolerance;
}

QString text(const QRectF& r)
{
    return QStringLiteral("(%1, %2  %3 x %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

bool sameTransform(const QTransform& a, const QTransform& b)
{
    const double d[] = {a.m11() - b.m11(), a.m12() - b.m12(), a.m21() - b.m21(),
                        a.m22() - b.m22(), a.dx() - b.dx(), a.dy() - b.dy()};
    return std::all_of(std::begin(d), std::end(d), [](double v) { return std::abs(v) < 1e-6; });
}

double sceneAngle(const QGraphicsItem* item)
{
    const QTransform t = item->sceneTransform();
    return qRadiansToDegrees(std::atan2(t.m12(), t.m11()));
}

// Steps of a pinch as the gesture recogniser reports them: the scale factor
// of this step and of the one before, and the angle turned since the start
// now and at the step before.
struct Pinch
{
    QPinchGesture gesture;

    bool scale(QWidget* target, double factor, double lastFactor)
    {
        gesture.setChangeFlags(QPinchGesture::ScaleFactorChanged);
        gesture.setLastScaleFactor(lastFactor);
        gesture.setScaleFactor(factor);
        return send(target);
    }

    bool turn(QWidget* target, double angle, double lastAngle)
    {
        gesture.setChangeFlags(QPinchGesture::RotationAngleChanged);
        gesture.setLastRotationAngle(lastAngle);
        gesture.setRotationAngle(angle);
        return send(target);
    }

    bool send(QWidget* target)
    {
        gesture.setTotalChangeFlags(gesture.totalChangeFlags() | gesture.changeFlags());
        QGestureEvent event({&gesture});
        event.ignore();
        QApplication::sendEvent(target, &event);
        // The application takes the event apart and reports per gesture.
        return event.isAccepted(&gesture);
    }
};

} // namespace

class TestElementFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::silenceOffscreenPlatformNotices(); }

    void frameSurroundsSelectionWithHandlesOnIt();
    void hitTestFindsEachEnabledHandle_data();
    void hitTestFindsEachEnabledHandle();
    void singleElementSwitchesHandles();
    void severalElementsUseCornersOnly();
    void cursorsFollowTheHandle();

    void cornerDragKeepsAspectRatio_data();
    void cornerDragKeepsAspectRatio();
    void edgeDragStretchesOneAxis_data();
    void edgeDragStretchesOneAxis();
    void shrinkingStopsAtMinimum();
    void thinElementFollowsACornerAlongItsLength_data();
    void thinElementFollowsACornerAlongItsLength();
    void smallElementGetsCentredMinimumFrame();

    void rotationHandleTurnsAboutCentre();
    void textOnlySelectionDoesNotRotate();
    void textStaysUprightInMixedRotation();

    void dragInsideMovesSelectionAndFrame();
    void realMouseEventsReachTheFrame();
    void transformSignalsBracketADrag();

    void pinchScalesAboutTheCentre();
    void pinchTurnsBySmallStepsOnly();
    void lockedSelectionIgnoresAPinch();
    void twoFingersScaleAsTheySpread();
    void liftingFingersAddsNoLastStep();

    void lockButtonLocksAndUnlocks();
    void lockedSelectionIgnoresEveryOtherPress_data();
    void lockedSelectionIgnoresEveryOtherPress();
    void lockedElementsShowLockedWhenSelected();

    void clearingGivesElementsBackToTheScene();
    void groupTakesOnlyElements();
};

void TestElementFrame::frameSurroundsSelectionWithHandlesOnIt()
{
    Board b;
    auto* fig = b.add(new TestFigure(QRectF(100, 120, 200, 100)));
    b.select({fig});

    QVERIFY(b.frame->isVisible());
    QVERIFY(b.frame->isSelected());
    QCOMPARE(b.content(), fig->sceneBoundingRect());
    const QRectF c = b.frame->contentRect();
    QVERIFY(near(b.frame->topLeftHandleRect().center(), c.topLeft()));
    QVERIFY(near(b.frame->bottomRightHandleRect().center(), c.bottomRight()));
    QVERIFY(near(b.frame->topEdgeHandleRect().center(), QPointF(c.center().x(), c.top())));
    QVERIFY(near(b.frame->leftEdgeHandleRect().center(), QPointF(c.left(), c.center().y())));
    // The two extra buttons sit above the content and inside the widget.
    QVERIFY(b.frame->rotationHandleRect().bottom() < c.top());
    QVERIFY(b.frame->lockButtonRect().bottom() < c.top());
    QVERIFY(!b.frame->rotationHandleRect().intersects(b.frame->lockButtonRect()));
    const QRectF widget(QPointF(), QSizeF(b.frame->size()));
    QVERIFY(widget.contains(b.frame->rotationHandleRect()));
    QVERIFY(widget.contains(b.frame->lockButtonRect()));
    QVERIFY(widget.contains(b.frame->bottomRightHandleRect()));
}

void TestElementFrame::hitTestFindsEachEnabledHandle_data()
{
    QTest::addColumn<int>("handle");
    for (int h = IAbstractFrame::LockHandle; h <= IAbstractFrame::LeftHandle; ++h)
        QTest::addRow("handle %d", h) << h;
}

void TestElementFrame::hitTestFindsEachEnabledHandle()
{
    QFETCH(int, handle);
    Board b;
    TestFigure::Handles all;
    all.edges = true;
    auto* fig = b.add(new TestFigure(QRectF(100, 120, 200, 100), all));
    b.select({fig});
    QCOMPARE(b.frame->handleAt(b.handleRect(handle).center()), handle);
    QCOMPARE(b.frame->handleAt(b.frame->contentRect().center()), int(IAbstractFrame::NoHandle));
}

void TestElementFrame::singleElementSwitchesHandles()
{
    Board b;
    TestFigure::Handles wave;
    wave.corners = false;
    auto* fig = b.add(new TestFigure(QRectF(100, 120, 200, 100), wave));
    b.select({fig});
    for (int h : {IAbstractFrame::TopLeftHandle, IAbstractFrame::TopRightHandle,
                  IAbstractFrame::BottomLeftHandle, IAbstractFrame::BottomRightHandle,
                  IAbstractFrame::TopHandle, IAbstractFrame::RightHandle})
        QCOMPARE(b.frame->handleAt(b.handleRect(h).center()), int(IAbstractFrame::NoHandle));
    QCOMPARE(b.frame->handleAt(b.frame->rotationHandleRect().center()), int(IAbstractFrame::RotationHandle));

    // A drag on a switched-off corner does not resize the figure.
    const QSizeF before = fig->sceneBoundingRect().size();
    b.drag(b.frame->bottomRightHandleRect().center(), QPointF(60, 40));
    QCOMPARE(fig->sceneBoundingRect().size(), before);

    TestFigure::Handles fixed;
    fixed.rotatable = false;
    auto* still = b.add(new TestFigure(QRectF(400, 300, 50, 50), fixed));
    b.select({still});
    QCOMPARE(b.frame->handleAt(b.frame->rotationHandleRect().center()), int(IAbstractFrame::NoHandle));
}

void TestElementFrame::severalElementsUseCornersOnly()
{
    Board b;
    TestFigure::Handles edgesOnly;
    edgesOnly.corners = false;
    edgesOnly.edges = true;
    edgesOnly.rotatable = false;
    auto* a = b.add(new TestFigure(QRectF(100, 100, 50, 50), edgesOnly));
    auto* c = b.add(new TestFigure(QRectF(300, 200, 50, 50), edgesOnly));
    b.select({a, c});
    QCOMPARE(b.content(), QRectF(100, 100, 250, 150));
    for (int h = IAbstractFrame::RotationHandle; h <= IAbstractFrame::LeftHandle; ++h) {
        const bool edge = h == IAbstractFrame::TopHandle || h == IAbstractFrame::RightHandle
            || h == IAbstractFrame::BottomHandle || h == IAbstractFrame::LeftHandle;
        QCOMPARE(b.frame->handleAt(b.handleRect(h).center()), edge ? int(IAbstractFrame::NoHandle) : h);
    }
}

void TestElementFrame::cursorsFollowTheHandle()
{
    Board b;
    TestFigure::Handles all;
    all.edges = true;
    auto* fig = b.add(new TestFigure(QRectF(100, 120, 200, 100), all));
    b.select({fig});
    QCOMPARE(b.frame->cursorAt(b.frame->topLeftHandleRect().center()).shape(), Qt::SizeFDiagCursor);
    QCOMPARE(b.frame->cursorAt(b.frame->bottomLeftHandleRect().center()).shape(), Qt::SizeBDiagCursor);
    QCOMPARE(b.frame->cursorAt(b.frame->topEdgeHandleRect().center()).shape(), Qt::SizeVerCursor);
    QCOMPARE(b.frame->cursorAt(b.frame->rightEdgeHandleRect().center()).shape(), Qt::SizeHorCursor);
    QCOMPARE(b.frame->cursorAt(b.frame->lockButtonRect().center()).shape(), Qt::ArrowCursor);
    // Move and turn use their own pictures, with the hot spot in the middle.
    const QCursor move = b.frame->cursorAt(b.frame->contentRect().center());
    QCOMPARE(move.shape(), Qt::BitmapCursor);
    QCOMPARE(move.hotSpot(), QPoint(move.pixmap().width() / 2, move.pixmap().height() / 2));
    QCOMPARE(b.frame->cursorAt(b.frame->rotationHandleRect().center()).shape(), Qt::BitmapCursor);
}

void TestElementFrame::cornerDragKeepsAspectRatio_data()
{
    QTest::addColumn<int>("handle");
    QTest::addColumn<QPointF>("delta");
    QTest::addColumn<double>("scale");
    // Width and height ratios are averaged: (1.5 + 1.2) / 2 and so on.
    QTest::newRow("bottom-right") << int(IAbstractFrame::BottomRightHandle) << QPointF(100, 20) << 1.35;
    QTest::newRow("top-left") << int(IAbstractFrame::TopLeftHandle) << QPointF(-100, -20) << 1.35;
    QTest::newRow("top-right") << int(IAbstractFrame::TopRightHandle) << QPointF(-50, 30) << 0.725;
    QTest::newRow("bottom-left") << int(IAbstractFrame::BottomLeftHandle) << QPointF(-40, 0) << 1.1;
}

void TestElementFrame::cornerDragKeepsAspectRatio()
{
    QFETCH(int, handle);
    QFETCH(QPointF, delta);
    QFETCH(double, scale);
    Board b;
    auto* fig = b.add(new TestFigure(QRectF(200, 150, 200, 100)));
    b.select({fig});
    const QRectF before = fig->sceneBoundingRect();
    b.drag(b.handleRect(handle).center(), delta);

    const QRectF after = fig->sceneBoundingRect();
    QVERIFY2(std::abs(after.width() - 200 * scale) < 0.5, qPrintable(text(after)));
    QVERIFY2(std::abs(after.height() - 100 * scale) < 0.5, qPrintable(text(after)));
    // The corner opposite the handle stays where it was.
    const QPointF fixedBefore = handle == IAbstractFrame::BottomRightHandle ? before.topLeft()
        : handle == IAbstractFrame::TopLeftHandle ? before.bottomRight()
        : handle == IAbstractFrame::TopRightHandle ? before.bottomLeft() : before.topRight();
    const QPointF fixedAfter = handle == IAbstractFrame::BottomRightHandle ? after.topLeft()
        : handle == IAbstractFrame::TopLeftHandle ? after.bottomRight()
        : handle == IAbstractFrame::TopRightHandle ? after.bottomLeft() : after.topRight();
    QVERIFY2(near(fixedBefore, fixedAfter, 0.5), qPrintable(text(after)));
    // The frame is laid out around the result.
    QVERIFY2(near(b.content().topLeft(), after.topLeft()) && near(b.content().bottomRight(), after.bottomRight()),
             qPrintable(text(b.content())));
}

void TestElementFrame::edgeDragStretchesOneAxis_data()
{
    QTest::addColumn<int>("handle");
    QTest::addColumn<QPointF>("delta");
    QTest::addColumn<QRectF>("expected");
    // The pointer's movement along the edge does not count.
    QTest::newRow("right") << int(IAbstractFrame::RightHandle) << QPointF(50, 30) << QRectF(200, 150, 250, 100);
    QTest::newRow("left") << int(IAbstractFrame::LeftHandle) << QPointF(40, -30) << QRectF(240, 150, 160, 100);
    QTest::newRow("top") << int(IAbstractFrame::TopHandle) << QPointF(25, -30) << QRectF(200, 120, 200, 130);
    QTest::newRow("bottom") << int(IAbstractFrame::BottomHandle) << QPointF(0, 60) << QRectF(200, 150, 200, 160);
}

void TestElementFrame::edgeDragStretchesOneAxis()
{
    QFETCH(int, handle);
    QFETCH(QPointF, delta);
    QFETCH(QRectF, expected);
    Board b;
    TestFigure::Handles all;
    all.edges = true;
    auto* fig = b.add(new TestFigure(QRectF(200, 150, 200, 100), all));
    b.select({fig});
    b.drag(b.handleRect(handle).center(), delta);
    const QRectF after = fig->sceneBoundingRect();
    QVERIFY2(near(after.topLeft(), expected.topLeft(), 0.5) && near(after.bottomRight(), expected.bottomRight(), 0.5),
             qPrintable(text(after)));
    QVERIFY2(near(b.content().topLeft(), expected.topLeft()) && near(b.content().bottomRight(), expected.bottomRight()),
             qPrintable(text(b.content())));
}

void TestElementFrame::shrinkingStopsAtMinimum()
{
    Board b;
    TestFigure::Handles all;
    all.edges = true;
    auto* square = b.add(new TestFigure(QRectF(200, 200, 100, 100), all));
    b.select({square});
    // Far past the opposite corner, and back a little: still held at the minimum.
    b.drag(b.frame->bottomRightHandleRect().center(), QPointF(-400, -300));
    QRectF after = square->sceneBoundingRect();
    QVERIFY2(std::abs(after.width() - 20) < 0.5 && std::abs(after.height() - 20) < 0.5, qPrintable(text(after)));
    QVERIFY(near(after.topLeft(), QPointF(200, 200), 0.5));
    QCOMPARE(b.frame->contentRect().size(), QSizeF(20, 20));
    QVERIFY(near(b.content().center(), after.center(), 0.5));

    // An edge stops at the minimum in its own axis only.
    auto* wide = b.add(new TestFigure(QRectF(400, 100, 200, 100), all));
    b.select({wide});
    b.drag(b.frame->leftEdgeHandleRect().center(), QPointF(500, 0));
    after = wide->sceneBoundingRect();
    QVERIFY2(std::abs(after.width() - 20) < 0.5 && std::abs(after.height() - 100) < 0.5, qPrintable(text(after)));
    QVERIFY(near(after.topRight(), QPointF(600, 100), 0.5));
}

void TestElementFrame::thinElementFollowsACornerAlongItsLength_data()
{
    QTest::addColumn<QRectF>("element");
    QTest::addColumn<int>("handle");
    QTest::addColumn<QPointF>("delta");
    QTest::addColumn<double>("scale");
    // The frame around a line is held at the minimum across it; that side
    // neither blocks shrinking nor sets the scale.
    const QRectF across(200, 300, 200, 4);
    const QRectF upright(300, 150, 4, 200);
    QTest::newRow("shrunk by half") << across << int(IAbstractFrame::BottomRightHandle) << QPointF(-100, -30) << 0.5;
    QTest::newRow("shrunk from the other end") << across << int(IAbstractFrame::TopLeftHandle) << QPointF(150, 20) << 0.25;
    QTest::newRow("shrunk to the minimum") << across << int(IAbstractFrame::BottomRightHandle) << QPointF(-400, 0) << 0.1;
    QTest::newRow("grown") << across << int(IAbstractFrame::BottomRightHandle) << QPointF(50, 50) << 1.25;
    QTest::newRow("upright, shrunk") << upright << int(IAbstractFrame::BottomLeftHandle) << QPointF(30, -120) << 0.4;
}

void TestElementFrame::thinElementFollowsACornerAlongItsLength()
{
    QFETCH(QRectF, element);
    QFETCH(int, handle);
    QFETCH(QPointF, delta);
    QFETCH(double, scale);
    Board b;
    auto* line = b.add(new TestFigure(element));
    b.select({line});
    const QRectF before = line->sceneBoundingRect();
    b.drag(b.handleRect(handle).center(), delta);

    const QRectF after = line->sceneBoundingRect();
    QVERIFY2(std::abs(after.width() - before.width() * scale) < 0.5
                 && std::abs(after.height() - before.height() * scale) < 0.5,
             qPrintable(text(after)));
    // The end opposite the handle stays put.
    const QPointF fixedBefore = handle == IAbstractFrame::BottomRightHandle ? before.topLeft()
        : handle == IAbstractFrame::TopLeftHandle ? before.bottomRight() : before.topRight();
    const QPointF fixedAfter = handle == IAbstractFrame::BottomRightHandle ? after.topLeft()
        : handle == IAbstractFrame::TopLeftHandle ? after.bottomRight() : after.topRight();
    QVERIFY2(near(fixedBefore, fixedAfter, 0.5), qPrintable(text(after)));
    // The frame, still grabbable, surrounds what is left.
    QVERIFY2(b.content().contains(after), qPrintable(text(b.content())));
    QVERIFY(b.frame->contentRect().width() >= 20 && b.frame->contentRect().height() >= 20);
}

void TestElementFrame::smallElementGetsCentredMinimumFrame()
{
    Board b;
    auto* dot = b.add(new TestFigure(QRectF(300, 300, 6, 4)));
    b.select({dot});
    QCOMPARE(b.frame->contentRect().size(), QSizeF(20, 20));
    QVERIFY(near(b.content().center(), dot->sceneBoundingRect().center(), 0.01));

    // A size asked below the minimum grows about the centre it asked for.
    const double left = b.frame->topLeft().x();
    b.frame->setFrameSize(10, 50);
    QCOMPARE(b.frame->contentRect().size(), QSizeF(20, 50));
    QCOMPARE(b.frame->topLeft().x() + 10, left + 5);
}

void TestElementFrame::rotationHandleTurnsAboutCentre()
{
    Board b;
    auto* fig = b.add(new TestFigure(QRectF(200, 200, 200, 100)));
    b.select({fig});
    const QPointF centre = fig->sceneBoundingRect().center();
    // From above the centre to its right: a quarter turn clockwise.
    const QPointF start = b.frame->rotationHandleRect().center();
    const QPointF startView = start + b.frame->pos();
    const double radius = centre.y() - startView.y();
    const QPointF delta = centre + QPointF(radius, 0) - startView;
    b.frame->inputMousePress(start, Qt::NoModifier);
    b.frame->inputMouseMove(startView + delta / 2 + QPointF(radius / 2, 0) - b.frame->pos(), Qt::NoModifier);
    b.frame->inputMouseMove(startView + delta - b.frame->pos(), Qt::NoModifier);
    b.frame->inputMouseRelease(startView + delta - b.frame->pos(), Qt::NoModifier);

    QVERIFY2(std::abs(sceneAngle(fig) - 90) < 0.5, qPrintable(QString::number(sceneAngle(fig))));
    const QRectF after = fig->sceneBoundingRect();
    QVERIFY(near(after.center(), centre, 0.5));
    QVERIFY2(std::abs(after.width() - 100) < 0.5 && std::abs(after.height() - 200) < 0.5, qPrintable(text(after)));
    QVERIFY(near(b.content().topLeft(), after.topLeft()) && near(b.content().bottomRight(), after.bottomRight()));
}

void TestElementFrame::textOnlySelectionDoesNotRotate()
{
    Board b;
    auto* one = b.add(new TestText(QStringLiteral("one")));
    auto* two = b.add(new TestText(QStringLiteral("two")));
    one->setPos(200, 200);
    two->setPos(260, 260);
    b.select({one, two});
    QSignalSpy before(b.frame, &IElementFrame::transformBeforeChanged);
    QSignalSpy changing(b.frame, &IElementFrame::transformChanging);
    const QTransform oneBefore = one->sceneTransform();
    const QRectF frameBefore = b.content();

    b.drag(b.frame->rotationHandleRect().center(), QPointF(80, 80));
    QCOMPARE(one->sceneTransform(), oneBefore);
    QCOMPARE(std::abs(sceneAngle(two)), 0.0);
    QCOMPARE(before.count(), 0);
    QCOMPARE(changing.count(), 0);
    QCOMPARE(b.content(), frameBefore);

    // Nor does a pinch turn it.
    Pinch pinch;
    pinch.turn(b.frame, 10, 0);
    pinch.turn(b.frame, 15, 10);
    QVERIFY(sameTransform(one->sceneTransform(), oneBefore));
    QCOMPARE(std::abs(sceneAngle(two)), 0.0);
    QCOMPARE(before.count(), 0);

    // It does grow under a pinch, upright.
    const QRectF grown = one->sceneBoundingRect() | two->sceneBoundingRect();
    QVERIFY(pinch.scale(b.frame, 2.0, 1.0));
    const QRectF after = one->sceneBoundingRect() | two->sceneBoundingRect();
    QVERIFY2(std::abs(after.width() - 2 * grown.width()) < 0.5, qPrintable(text(after)));
    QVERIFY(near(after.center(), grown.center(), 0.5));
    QCOMPARE(sceneAngle(one), 0.0);
    QCOMPARE(sceneAngle(two), 0.0);
}

void TestElementFrame::textStaysUprightInMixedRotation()
{
    Board b;
    auto* label = b.add(new TestText(QStringLiteral("label")));
    label->setPos(150, 150);
    auto* fig = b.add(new TestFigure(QRectF(200, 200, 200, 100)));
    b.select({label, fig});
    const QTransform labelBefore = label->sceneTransform();
    b.drag(b.frame->rotationHandleRect().center(), QPointF(150, 60));

    QVERIFY(std::abs(sceneAngle(fig)) > 10);
    QVERIFY(sameTransform(label->sceneTransform(), labelBefore));
    // Both are back together for the next move.
    QVERIFY(b.frame->ownsGroup(label->parentItem()));
    QVERIFY(b.frame->ownsGroup(fig->parentItem()));
    b.drag(b.frame->contentRect().center(), QPointF(10, 0));
    QVERIFY(near(label->sceneBoundingRect().topLeft(), labelBefore.map(label->boundingRect().topLeft()) + QPointF(10, 0), 0.01));
}

void TestElementFrame::dragInsideMovesSelectionAndFrame()
{
    Board b;
    auto* a = b.add(new TestFigure(QRectF(100, 100, 80, 60)));
    auto* c = b.add(new TestFigure(QRectF(300, 200, 40, 40)));
    b.select({a, c});
    const QPoint framePos = b.frame->pos();
    b.drag(b.frame->contentRect().center(), QPointF(30, -40));
    QCOMPARE(a->sceneBoundingRect(), QRectF(130, 60, 80, 60));
    QCOMPARE(c->sceneBoundingRect(), QRectF(330, 160, 40, 40));
    QCOMPARE(b.frame->pos(), framePos + QPoint(30, -40));
    QCOMPARE(b.content(), QRectF(130, 60, 240, 140));
}

void TestElementFrame::realMouseEventsReachTheFrame()
{
    Board b;
    auto* fig = b.add(new TestFigure(QRectF(100, 100, 80, 60)));
    b.select({fig});
    const QPoint start = b.frame->contentRect().center().toPoint();
    QTest::mousePress(b.frame, Qt::LeftButton, Qt::NoModifier, start);
    // QTest's move on a widget only warps the cursor; send the drag itself.
    const QPoint to = start + QPoint(20, 10);
    QMouseEvent move(QEvent::MouseMove, to, b.frame->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(b.frame, &move);
    // The frame has followed the pointer, which is back over the press point.
    QTest::mouseRelease(b.frame, Qt::LeftButton, Qt::NoModifier, start);
    QCOMPARE(fig->sceneBoundingRect(), QRectF(120, 110, 80, 60));
}

void TestElementFrame::transformSignalsBracketADrag()
{
    Board b;
    auto* a = b.add(new TestFigure(QRectF(100, 100, 80, 60)));
    auto* c = b.add(new TestFigure(QRectF(300, 200, 40, 40)));
    b.select({a, c});
    QSignalSpy before(b.frame, &IElementFrame::transformBeforeChanged);
    QSignalSpy changing(b.frame, &IElementFrame::transformChanging);
    QSignalSpy after(b.frame, &IElementFrame::transformAfterChanged);
    b.drag(b.frame->bottomRightHandleRect().center(), QPointF(20, 20), 5);
    QCOMPARE(before.count(), 1);
    QCOMPARE(changing.count(), 5);
    QCOMPARE(after.count(), 1);
    QCOMPARE(after.first().first().value<QSet<QGraphicsItem*>>(), (QSet<QGraphicsItem*>{a, c}));

    // A click without movement changes nothing and says nothing.
    b.frame->inputMousePress(b.frame->contentRect().center(), Qt::NoModifier);
    b.frame->inputMouseRelease(b.frame->contentRect().center(), Qt::NoModifier);
    QCOMPARE(before.count(), 1);
    QCOMPARE(after.count(), 1);
}

void TestElementFrame::pinchScalesAboutTheCentre()
{
    Board b;
    auto* fig = b.add(new TestFigure(QRectF(200, 150, 200, 100)));
    b.select({fig});
    QSignalSpy before(b.frame, &IElementFrame::transformBeforeChanged);
    QSignalSpy changing(b.frame, &IElementFrame::transformChanging);
    const QPointF centre = fig->sceneBoundingRect().center();
    // Fingers spread in two steps, by 1.2 and then by 1.25: 1.5 in all.
    // Each step counts once, by its own factor.
    Pinch pinch;
    QVERIFY(pinch.scale(b.frame, 1.2, 1.0));
    QVERIFY(pinch.scale(b.frame, 1.25, 1.2));

    const QRectF after = fig->sceneBoundingRect();
    QVERIFY2(std::abs(after.width() - 300) < 0.5 && std::abs(after.height() - 150) < 0.5, qPrintable(text(after)));
    QVERIFY(near(after.center(), centre, 0.5));
    QCOMPARE(sceneAngle(fig), 0.0);
    QCOMPARE(before.count(), 1);
    QCOMPARE(changing.count(), 2);

    // Pinching back shrinks it again about the same centre.
    QVERIFY(pinch.scale(b.frame, 0.5, 1.25));
    const QRectF smaller = fig->sceneBoundingRect();
    QVERIFY2(std::abs(smaller.width() - 150) < 0.5 && std::abs(smaller.height() - 75) < 0.5, qPrintable(text(smaller)));
    QVERIFY(near(smaller.center(), centre, 0.5));
}

void TestElementFrame::pinchTurnsBySmallStepsOnly()
{
    Board b;
    auto* fig = b.add(new TestFigure(QRectF(200, 150, 200, 100)));
    b.select({fig});
    QSignalSpy changing(b.frame, &IElementFrame::transformChanging);
    const QPointF centre = fig->sceneBoundingRect().center();
    const QSizeF size = fig->sceneBoundingRect().size();
    Pinch pinch;
    QVERIFY(pinch.turn(b.frame, 10, 0));
    QVERIFY2(std::abs(sceneAngle(fig) - 10) < 0.01, qPrintable(QString::number(sceneAngle(fig))));
    // A jump of 20 degrees or more between two steps is a misread finger.
    pinch.turn(b.frame, 30, 10);
    QVERIFY2(std::abs(sceneAngle(fig) - 10) < 0.01, qPrintable(QString::number(sceneAngle(fig))));
    pinch.turn(b.frame, 5, 30);
    QVERIFY2(std::abs(sceneAngle(fig) - 10) < 0.01, qPrintable(QString::number(sceneAngle(fig))));
    QCOMPARE(changing.count(), 1);
    // Just under the limit still turns, either way.
    pinch.turn(b.frame, 24.5, 5);
    QVERIFY2(std::abs(sceneAngle(fig) - 29.5) < 0.01, qPrintable(QString::number(sceneAngle(fig))));
    pinch.turn(b.frame, 14.5, 24.5);
    QVERIFY2(std::abs(sceneAngle(fig) - 19.5) < 0.01, qPrintable(QString::number(sceneAngle(fig))));
    QCOMPARE(changing.count(), 3);

    // Turned about its centre, keeping its size.
    QVERIFY(near(fig->sceneBoundingRect().center(), centre, 0.5));
    const QLineF top(fig->mapToScene(fig->boundingRect().topLeft()), fig->mapToScene(fig->boundingRect().topRight()));
    QVERIFY2(std::abs(top.length() - size.width()) < 0.01, qPrintable(QString::number(top.length())));
}

void TestElementFrame::lockedSelectionIgnoresAPinch()
{
    Board b;
    auto* fig = b.add(new TestFigure(QRectF(200, 150, 200, 100)));
    b.select({fig});
    b.frame->lockSelection(true);
    QSignalSpy before(b.frame, &IElementFrame::transformBeforeChanged);
    const QTransform itemBefore = fig->sceneTransform();
    Pinch pinch;
    pinch.scale(b.frame, 1.5, 1.0);
    pinch.turn(b.frame, 10, 0);
    QCOMPARE(fig->sceneTransform(), itemBefore);
    QCOMPARE(before.count(), 0);

    b.frame->unlockSelection(true);
    QVERIFY(pinch.scale(b.frame, 1.5, 1.0));
    QVERIFY(std::abs(fig->sceneBoundingRect().width() - 300) < 0.5);
}

void TestElementFrame::twoFingersScaleAsTheySpread()
{
    Board b;
    auto* fig = b.add(new TestFigure(QRectF(200, 150, 200, 100)));
    b.select({fig});
    QSignalSpy before(b.frame, &IElementFrame::transformBeforeChanged);
    QSignalSpy after(b.frame, &IElementFrame::transformAfterChanged);
    const QPointF centre = fig->sceneBoundingRect().center();
    const QPoint c = centre.toPoint();
    const QPoint side(1, 0);
    // Real touches: the first finger also comes as a mouse press on the frame.
    TestTouch touch(&b.view);
    touch.press(0, c - 20 * side).press(1, c + 20 * side).commit();
    // Qt starts the pinch at the first movement, 60 pixels apart; the
    // element then follows the fingers to 90 and 120.
    touch.move(0, c - 30 * side).move(1, c + 30 * side).commit();
    for (const double scale : {1.5, 2.0}) {
        const int half = qRound(30 * scale);
        touch.move(0, c - half * side).move(1, c + half * side).commit();
        const QRectF now = fig->sceneBoundingRect();
        QVERIFY2(std::abs(now.width() - 200 * scale) < 0.5 && std::abs(now.height() - 100 * scale) < 0.5,
                 qPrintable(text(now)));
        QVERIFY(near(now.center(), centre, 0.5));
        QVERIFY2(near(b.content().topLeft(), now.topLeft()) && near(b.content().bottomRight(), now.bottomRight()),
                 qPrintable(text(b.content())));
    }
    // The fingers come to rest and lift.
    touch.move(0, c - 60 * side).move(1, c + 60 * side).commit();
    touch.release(0, c - 60 * side).release(1, c + 60 * side).commit();
    const QRectF done = fig->sceneBoundingRect();
    QVERIFY2(std::abs(done.width() - 400) < 0.5 && std::abs(done.height() - 200) < 0.5, qPrintable(text(done)));
    QVERIFY(near(done.center(), centre, 0.5));
    QCOMPARE(before.count(), 1);
    QCOMPARE(after.count(), 1);
    QVERIFY(b.frame->ownsGroup(fig->parentItem()));
}

void TestElementFrame::liftingFingersAddsNoLastStep()
{
    Board b;
    auto* label = b.add(new TestText(QStringLiteral("label")));
    label->setPos(150, 150);
    auto* fig = b.add(new TestFigure(QRectF(250, 180, 200, 100)));
    b.select({label, fig});
    const QTransform labelBefore = label->sceneTransform();
    const QPointF centre = fig->sceneBoundingRect().center();
    // Two fingers turn clockwise in steps of 8 degrees and lift while still
    // turning: Qt's finishing step repeats the last one's values.
    TestTouch touch(&b.view);
    const auto finger = [&](double degrees, int side) {
        const double a = qDegreesToRadians(degrees);
        return (centre + side * 60 * QPointF(std::cos(a), std::sin(a))).toPoint();
    };
    touch.press(0, finger(0, -1)).press(1, finger(0, 1)).commit();
    for (const double degrees : {8.0, 16.0, 24.0})
        touch.move(0, finger(degrees, -1)).move(1, finger(degrees, 1)).commit();
    touch.release(0, finger(24, -1)).release(1, finger(24, 1)).commit();
    QVERIFY2(std::abs(sceneAngle(fig) - 24) < 1, qPrintable(QString::number(sceneAngle(fig))));
    // The text sat the turn out upright and is back with the figure.
    QVERIFY(sameTransform(label->sceneTransform(), labelBefore));
    QVERIFY(b.frame->ownsGroup(label->parentItem()));
    QVERIFY(b.frame->ownsGroup(fig->parentItem()));

    // The same for a spread from 60 to 120 pixels apart.
    b.select({fig});
    const QRectF before = fig->sceneBoundingRect();
    const QPoint c = before.center().toPoint();
    const QPoint side(1, 0);
    touch.press(0, c - 20 * side).press(1, c + 20 * side).commit();
    for (int half : {30, 45, 60})
        touch.move(0, c - half * side).move(1, c + half * side).commit();
    touch.release(0, c - 60 * side).release(1, c + 60 * side).commit();
    const QRectF after = fig->sceneBoundingRect();
    QVERIFY2(std::abs(after.width() - 2 * before.width()) < 0.5, qPrintable(text(after)));
    QVERIFY(near(after.center(), before.center(), 0.5));
}

void TestElementFrame::lockButtonLocksAndUnlocks()
{
    Board b;
    auto* a = b.add(new TestFigure(QRectF(100, 100, 80, 60)));
    auto* c = b.add(new TestFigure(QRectF(300, 200, 40, 40)));
    b.select({a, c});
    QSignalSpy changed(b.frame, &ICommonElementFrame::sgItemPropertyChanged);

    const QPointF lock = b.frame->lockButtonRect().center();
    b.frame->inputMousePress(lock, Qt::NoModifier);
    b.frame->inputMouseRelease(lock, Qt::NoModifier);
    QVERIFY(b.frame->isLocked());
    QVERIFY(a->isLocked() && c->isLocked());
    QCOMPARE(changed.count(), 2);

    b.frame->inputMousePress(lock, Qt::NoModifier);
    b.frame->inputMouseRelease(lock, Qt::NoModifier);
    QVERIFY(!b.frame->isLocked());
    QVERIFY(!a->isLocked() && !c->isLocked());
    QCOMPARE(changed.count(), 4);
}

void TestElementFrame::lockedSelectionIgnoresEveryOtherPress_data()
{
    QTest::addColumn<int>("handle");
    QTest::addColumn<QPointF>("delta");
    QTest::newRow("inside") << int(IAbstractFrame::NoHandle) << QPointF(40, 30);
    QTest::newRow("corner") << int(IAbstractFrame::BottomRightHandle) << QPointF(40, 30);
    QTest::newRow("edge") << int(IAbstractFrame::RightHandle) << QPointF(40, 0);
    QTest::newRow("rotation") << int(IAbstractFrame::RotationHandle) << QPointF(100, 60);
}

void TestElementFrame::lockedSelectionIgnoresEveryOtherPress()
{
    QFETCH(int, handle);
    QFETCH(QPointF, delta);
    Board b;
    TestFigure::Handles all;
    all.edges = true;
    auto* fig = b.add(new TestFigure(QRectF(200, 200, 100, 80), all));
    b.select({fig});
    b.frame->lockSelection(true);
    QSignalSpy before(b.frame, &IElementFrame::transformBeforeChanged);
    const QTransform itemBefore = fig->sceneTransform();
    const QRectF frameBefore = b.content();

    const QPointF start = handle == IAbstractFrame::NoHandle ? b.frame->contentRect().center()
                                                             : b.handleRect(handle).center();
    b.drag(start, delta);
    QCOMPARE(fig->sceneTransform(), itemBefore);
    QCOMPARE(b.content(), frameBefore);
    QCOMPARE(before.count(), 0);
    QVERIFY(b.frame->isLocked());
    QVERIFY(fig->isLocked());
}

void TestElementFrame::lockedElementsShowLockedWhenSelected()
{
    Board b;
    auto* a = b.add(new TestFigure(QRectF(100, 100, 80, 60)));
    auto* c = b.add(new TestFigure(QRectF(300, 200, 40, 40)));
    a->setLocked(true);
    c->setLocked(true);
    b.select({a, c});
    QVERIFY(b.frame->isLocked());
    QVERIFY(!b.frame->scaleHandlesShown());
    c->setLocked(false);
    b.select({a, c});
    QVERIFY(!b.frame->isLocked());
}

void TestElementFrame::clearingGivesElementsBackToTheScene()
{
    Board b;
    auto* fig = b.add(new TestFigure(QRectF(100, 100, 80, 60)));
    b.select({fig});
    QVERIFY(b.frame->ownsGroup(fig->parentItem()));
    QCOMPARE(fig->parentItem()->zValue(), 2147483647.0);
    b.drag(b.frame->bottomRightHandleRect().center(), QPointF(40, 30));
    const QRectF placed = fig->sceneBoundingRect();
    QSignalSpy selection(b.frame, &IElementFrame::selectionChanged);
    b.frame->clearSelection(true);
    QCOMPARE(fig->parentItem(), nullptr);
    QCOMPARE(fig->scene(), &b.scene);
    QVERIFY(near(fig->sceneBoundingRect().topLeft(), placed.topLeft(), 0.01));
    QVERIFY(near(fig->sceneBoundingRect().bottomRight(), placed.bottomRight(), 0.01));
    QVERIFY(!b.frame->isVisible());
    QCOMPARE(selection.count(), 1);
    QCOMPARE(selection.first().first().toBool(), false);
}

void TestElementFrame::groupTakesOnlyElements()
{
    QGraphicsScene scene;
    auto* group = new FrameInternalItemGroup;
    scene.addItem(group);
    QCOMPARE(group->type(), int(0x80010003u));
    auto* plain = scene.addRect(0, 0, 10, 10);
    auto* fig = new TestFigure(QRectF(0, 0, 10, 10));
    scene.addItem(fig);
    fig->setPos(50, 60);
    fig->setRotation(30);
    const QTransform placed = fig->sceneTransform();

    QTest::ignoreMessage(QtWarningMsg, "GroupElement::addToGroup: cannot add null item");
    group->addToGroup(nullptr);
    QTest::ignoreMessage(QtWarningMsg, "GroupElement::addToGroup: cannot add a group to itself");
    group->addToGroup(group);
    QTest::ignoreMessage(QtWarningMsg, "GroupElement::addToGroup: cannot add item which is derived from IElement");
    group->addToGroup(plain);
    QCOMPARE(plain->parentItem(), nullptr);
    QVERIFY(group->childItems().isEmpty());

    group->setPos(5, 5);
    group->addToGroup(fig);
    QCOMPARE(fig->parentItem(), group);
    QCOMPARE(fig->sceneTransform(), placed);
    group->removeFromGroup(fig);
    QCOMPARE(fig->parentItem(), nullptr);
    QVERIFY(qFuzzyCompare(fig->rotation(), 30.0));
    QCOMPARE(fig->sceneTransform(), placed);
}

VESKAROO_TEST_MAIN(TestElementFrame)
#include "tst_elementframe.moc"
