// The erasers on a real board: the point eraser cuts ink strokes, the object
// eraser removes whole elements; and removed elements are freed afterwards.
#include "common/testboard.h"
#include "common/testenv.h"
#include "common/testfigure.h"

#include "board/item/ielementframe.h"
#include "board/item/iinkelement.h"
#include "board/item/ipolygoninkelement.h"
#include "board/tk_iboard_enum.h"
#include "board/undo/islidehistory.h"

#include <QGraphicsEllipseItem>
#include <QSignalSpy>
#include <QUndoStack>

namespace {

// A figure that tells when it is deleted.
class WatchedFigure : public TestFigure
{
public:
    WatchedFigure(const QRectF& rect, bool* freed)
        : TestFigure(rect)
        , m_freed(freed)
    {
    }
    ~WatchedFigure() override { *m_freed = true; }

private:
    bool* m_freed;
};

IInkElement* draw(TestBoard& f, const QList<QPoint>& points, double thickness = 10)
{
    f.state()->setInkThickness(thickness);
    f.use("pencil");
    f.stroke(points);
    return dynamic_cast<IInkElement*>(f.slide->elements().value(f.slide->elements().size() - 1));
}

bool inkAt(const IInkElement* stroke, const QPointF& scenePoint)
{
    for (const IPolygonInkElement* segment : stroke->segments()) {
        if (segment->contains(segment->mapFromScene(scenePoint)))
            return true;
    }
    return false;
}

QGraphicsEllipseItem* eraserCircle(const TestBoard& f)
{
    const QList<QGraphicsEllipseItem*> circles = f.itemsOf<QGraphicsEllipseItem>();
    return circles.size() == 1 && circles.first()->zValue() == 10001000.0 ? circles.first() : nullptr;
}

// A figure 40 x 40 around a view point.
template <class Figure = TestFigure, class... Args>
Figure* addFigure(TestBoard& f, const QPoint& at, Args... args)
{
    auto* figure = new Figure(QRectF(f.scenePos(at) - QPointF(20, 20), QSizeF(40, 40)), args...);
    f.slide->addElement(figure);
    return figure;
}

} // namespace

class TestErasers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::silenceOffscreenPlatformNotices(); }

    // --- the point eraser ------------------------------------------------------
    void erasingAcrossTheMiddleLeavesTwoPiecesInTheSameStroke()
    {
        TestBoard f;
        QVERIFY(f.shown);
        IInkElement* stroke = draw(f, {QPoint(100, 150), QPoint(400, 150)});
        QVERIFY(stroke);
        f.state()->setPointEraserSize(QSizeF(40, 40));
        f.use("point eraser");
        QSignalSpy erased(f.slide, &ISlide::sgElementsEraseredEvent);
        f.stroke({QPoint(250, 100), QPoint(250, 200)});

        QCOMPARE(f.slide->elements(), QList<IElement*>{stroke});
        QCOMPARE(erased.count(), 1);
        QCOMPARE(erased.at(0).at(1).value<QList<IElement*>>(), QList<IElement*>{stroke});
        const QList<IPolygonInkElement*> pieces = stroke->cutPieces();
        QCOMPARE(pieces.size(), 2);
        const double middle = f.scenePos(QPoint(250, 150)).x();
        for (const IPolygonInkElement* piece : pieces) {
            const QRectF r = piece->sceneBoundingRect();
            QVERIFY(r.right() < middle - 19 || r.left() > middle + 19);
        }
        QVERIFY(!inkAt(stroke, f.scenePos(QPoint(250, 150))));
        // The press's dot and the two pieces; the erased segment is gone.
        QCOMPARE(stroke->segments().size(), 3);
        QCOMPARE(stroke->property(IElement::InkSegmentsKey).toString().count(QLatin1Char(';')), 1);
    }

    void eraserKeepsItsSizeOnTheScreenWhenZoomed()
    {
        TestBoard f;
        QVERIFY(f.shown);
        f.board->zoomBy(2);
        IInkElement* stroke = draw(f, {QPoint(50, 180), QPoint(600, 180)}, 20);
        QCOMPARE(f.state()->pointEraserSize(), QSizeF(100, 100));
        f.use("point eraser");
        f.tap(QPoint(320, 180));

        const QPointF centre = f.scenePos(QPoint(320, 180));
        for (double off : {-1.0, 1.0}) {
            QVERIFY(!inkAt(stroke, centre + QPointF(off * 24, 0)));
            QVERIFY(inkAt(stroke, centre + QPointF(off * 26, 0)));
        }
        QGraphicsEllipseItem* circle = eraserCircle(f);
        QVERIFY(circle);
        QCOMPARE(circle->rect().size(), QSizeF(50, 50));
        QCOMPARE(circle->pos(), centre);
    }

    void eraserCircleIsThereForEveryPass()
    {
        TestBoard f;
        QVERIFY(f.shown);
        f.use("point eraser");
        f.tap(QPoint(100, 100));
        QGraphicsEllipseItem* circle = eraserCircle(f);
        QVERIFY(circle);
        QVERIFY(!circle->isVisible());

        f.press(QPoint(200, 100));
        QCOMPARE(eraserCircle(f), circle);
        QVERIFY(circle->isVisible());
        f.release(QPoint(200, 100));

        // On another slide the circle follows.
        auto* other = new ISlide(f.board.get());
        f.board->insertSlide(other, true);
        f.press(QPoint(200, 100));
        QCOMPARE(circle->scene(), other);
        QVERIFY(circle->isVisible());
    }

    void cancelledPassKeepsWhatItErasedAndAnnouncesIt()
    {
        TestBoard f;
        QVERIFY(f.shown);
        IInkElement* stroke = draw(f, {QPoint(100, 150), QPoint(400, 150)});
        f.state()->setPointEraserSize(QSizeF(40, 40));
        f.use("point eraser");
        QSignalSpy erased(f.slide, &ISlide::sgElementsEraseredEvent);
        f.press(QPoint(250, 100));
        f.moveTo(QPoint(250, 200));
        f.board->cancelInput();
        QCOMPARE(erased.count(), 1);
        QVERIFY(!f.state()->isDrawing());
        QCOMPARE(stroke->cutPieces().size(), 2);
        // The next press is a pass of its own.
        f.tap(QPoint(150, 150));
        QCOMPARE(erased.count(), 2);
    }

    void lockedStrokesSurviveBothErasers_data()
    {
        QTest::addColumn<bool>("pointEraser");
        QTest::newRow("point eraser") << true;
        QTest::newRow("object eraser") << false;
    }

    void lockedStrokesSurviveBothErasers()
    {
        QFETCH(bool, pointEraser);
        TestBoard f;
        QVERIFY(f.shown);
        IInkElement* stroke = draw(f, {QPoint(100, 150), QPoint(400, 150)});
        stroke->setLocked(true);
        if (pointEraser)
            f.use("point eraser");
        else
            f.board->setMode(TK_IBOARD_ENUM::ObjectEraserMode);
        QSignalSpy erased(f.slide, &ISlide::sgElementsEraseredEvent);
        QSignalSpy removed(f.slide, &ISlide::sgElementsRemovedEvent);
        f.tap(QPoint(250, 150));
        f.stroke({QPoint(250, 100), QPoint(250, 200)});
        QCOMPARE(f.slide->elements(), QList<IElement*>{stroke});
        QCOMPARE(stroke->segments().size(), 2);
        QVERIFY(inkAt(stroke, f.scenePos(QPoint(250, 150))));
        QCOMPARE(erased.count() + removed.count(), 0);
    }

    // --- the object eraser -----------------------------------------------------
    void tapRemovesTheUnlockedElementUnderIt_data()
    {
        QTest::addColumn<bool>("locked");
        QTest::newRow("unlocked") << false;
        QTest::newRow("locked") << true;
    }

    void tapRemovesTheUnlockedElementUnderIt()
    {
        QFETCH(bool, locked);
        TestBoard f;
        QVERIFY(f.shown);
        TestFigure* figure = addFigure(f, QPoint(300, 200));
        figure->setLocked(locked);
        f.board->setMode(TK_IBOARD_ENUM::ObjectEraserMode);
        const QCursor cursor = f.board->viewport()->cursor();
        QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
        QCOMPARE(cursor.hotSpot(), QPoint(16, 16));
        QSignalSpy removed(f.slide, &ISlide::sgElementsRemovedEvent);
        QSignalSpy changed(f.slide, &ISlide::sgSlideChangedEvent);
        f.tap(QPoint(300, 200));
        QCOMPARE(f.slide->elements().contains(figure), locked);
        QCOMPARE(removed.count(), locked ? 0 : 1);
        QCOMPARE(changed.count(), locked ? 0 : 1);
    }

    void tapBetweenTheLinesOfAStrokeMissesIt()
    {
        TestBoard f;
        QVERIFY(f.shown);
        draw(f, {QPoint(100, 100), QPoint(300, 300)});
        f.board->setMode(TK_IBOARD_ENUM::ObjectEraserMode);
        f.tap(QPoint(280, 120)); // inside the stroke's bounds, far from its ink
        QCOMPARE(f.slide->elements().size(), 1);
        f.tap(QPoint(200, 200));
        QVERIFY(f.slide->elements().isEmpty());
    }

    void lassoRemovesTheElementsItTouchesEachOnce_data()
    {
        QTest::addColumn<QList<QPoint>>("lasso");
        QTest::addColumn<int>("removals");
        // Across the second and third segment of the stroke.
        QTest::newRow("over two segments")
            << QList<QPoint>{{150, 100}, {250, 100}, {250, 200}, {150, 200}} << 1;
        QTest::newRow("empty space") << QList<QPoint>{{400, 250}, {500, 250}, {500, 330}} << 0;
    }

    void lassoRemovesTheElementsItTouchesEachOnce()
    {
        QFETCH(QList<QPoint>, lasso);
        QFETCH(int, removals);
        TestBoard f;
        QVERIFY(f.shown);
        IInkElement* stroke = draw(f, {QPoint(100, 150), QPoint(200, 150), QPoint(300, 150)});
        f.board->setMode(TK_IBOARD_ENUM::ObjectEraserMode);
        QSignalSpy removed(f.slide, &ISlide::sgElementsRemovedEvent);
        f.press(lasso.first());
        for (const QPoint& p : lasso.mid(1))
            f.moveTo(p);
        // The trail shows while the lasso is drawn, and not a moment longer.
        QCOMPARE(f.itemsOf<QGraphicsPathItem>().size(), 1);
        f.release(lasso.last());
        QVERIFY(f.itemsOf<QGraphicsPathItem>().isEmpty());
        QCOMPARE(removed.count(), removals);
        if (removals)
            QCOMPARE(removed.at(0).at(1).value<QList<IElement*>>(), QList<IElement*>{stroke});
        QVERIFY(!f.state()->isDrawing());
    }

    void erasingTheSelectedElementClearsTheSelectionFirst()
    {
        TestBoard f;
        QVERIFY(f.shown);
        TestFigure* figure = addFigure(f, QPoint(300, 200));
        f.board->elementFrame()->setSelection({figure}, true);
        QVERIFY(figure->parentItem());
        f.board->setMode(TK_IBOARD_ENUM::ObjectEraserMode);
        f.tap(QPoint(300, 200));
        QVERIFY(f.slide->elements().isEmpty());
        QVERIFY(f.board->elementFrame()->items().isEmpty());
        QVERIFY(!figure->parentItem());
        QVERIFY(!figure->scene());
    }

    // --- freeing what was removed ----------------------------------------------
    void removedElementIsFreedOnceNoUndoStepHoldsIt_data()
    {
        QTest::addColumn<bool>("putBack");
        QTest::newRow("erased") << false;
        QTest::newRow("put back before the turn") << true;
    }

    void removedElementIsFreedOnceNoUndoStepHoldsIt()
    {
        QFETCH(bool, putBack);
        TestBoard f;
        QVERIFY(f.shown);
        bool freed = false;
        auto* figure = addFigure<WatchedFigure>(f, QPoint(300, 200), &freed);
        f.board->setMode(TK_IBOARD_ENUM::ObjectEraserMode);
        f.tap(QPoint(300, 200));
        QVERIFY(!f.slide->elements().contains(figure));
        if (putBack)
            f.slide->addElement(figure);
        QCoreApplication::processEvents();
        // Undo can bring it back.
        QVERIFY(!freed);
        f.slide->history()->stack()->clear();
        QCoreApplication::processEvents();
        QCOMPARE(freed, !putBack);
        if (putBack) {
            f.slide->clearAllElements();
            f.slide->history()->stack()->clear();
            QCoreApplication::processEvents();
            QVERIFY(freed);
        }
    }
};

VESKAROO_TEST_MAIN(TestErasers)
#include "tst_erasers.moc"
