// Ink: the pencil's strokes on a real board, what a stroke tells through its
// keys, and its copies.
#include "common/testboard.h"
#include "common/testenv.h"

#include "board/item/iinkelement.h"
#include "board/item/iinkproxy.h"
#include "board/item/ipolygoninkelement.h"

#include <QSignalSpy>

namespace {

IInkElement* onlyStroke(const TestBoard& f)
{
    const QList<IElement*> elements = f.slide->elements();
    return elements.size() == 1 ? dynamic_cast<IInkElement*>(elements.first()) : nullptr;
}

// A stroke of one red segment from (0, 0) to (10, 0), 5 wide, and a cut piece.
IInkElement* exampleStroke()
{
    auto* stroke = new IInkElement;
    auto* segment = new IPolygonInkElement(QLineF(0, 0, 10, 0), 5);
    segment->setInkColor(Qt::red);
    auto* proxy = new IInkProxy;
    proxy->setGroup(stroke);
    segment->setProxy(proxy);
    stroke->addToGroup(segment);
    auto* piece = new IPolygonInkElement(QPolygonF(QRectF(20, -2, 4, 4)));
    segment->copyItemParameters(piece);
    piece->setProxy(proxy);
    stroke->addToGroup(piece);
    stroke->addCutPiece(piece);
    return stroke;
}

} // namespace

class TestInk : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::silenceOffscreenPlatformNotices(); }

    // --- the pencil on a board ------------------------------------------------
    void tapGivesOneDotOfTheInkWidthAtAnyZoom_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<double>("width");
        QTest::newRow("1") << 1.0 << 10.0;
        QTest::newRow("2 halves it") << 2.0 << 5.0;
    }

    void tapGivesOneDotOfTheInkWidthAtAnyZoom()
    {
        QFETCH(double, zoom);
        QFETCH(double, width);
        TestBoard f;
        QVERIFY(f.shown);
        f.state()->setInkThickness(10);
        f.board->zoomBy(zoom);
        f.use("pencil");
        QSignalSpy added(f.slide, &ISlide::sgElementsAddedEvent);
        const QPoint at(200, 150);
        f.tap(at);

        QCOMPARE(added.count(), 1);
        IInkElement* stroke = onlyStroke(f);
        QVERIFY(stroke);
        QCOMPARE(stroke->width(), width);
        QCOMPARE(stroke->segments().size(), 1);
        const QRectF dot = stroke->segments().first()->sceneBoundingRect();
        QVERIFY(std::abs(dot.width() - width) < 0.05);
        QVERIFY(std::abs(dot.height() - width) < 0.05);
        QVERIFY((dot.center() - f.scenePos(at)).manhattanLength() < 0.05);
        QVERIFY(!f.state()->isDrawing());
    }

    void dragGathersItsSegmentsIntoOneStrokeAtRelease()
    {
        TestBoard f;
        QVERIFY(f.shown);
        f.use("pencil");
        f.press(QPoint(100, 100));
        f.moveTo(QPoint(150, 100));
        f.moveTo(QPoint(200, 120));
        // While drawing the segments lie loose above everything.
        QVERIFY(f.state()->isDrawing());
        QVERIFY(f.slide->elements().isEmpty());
        QCOMPARE(f.itemsOf<IPolygonInkElement>().size(), 3);
        QCOMPARE(f.itemsOf<IPolygonInkElement>().first()->zValue(), 5000.0);

        f.release(QPoint(200, 120));
        IInkElement* stroke = onlyStroke(f);
        QVERIFY(stroke);
        QCOMPARE(stroke->segments().size(), 3);
        QCOMPARE(stroke->segments().first()->proxy()->group(), stroke);
        QVERIFY(!f.state()->isDrawing());
    }

    void cancelDropsTheStrokeInProgressAndIsHarmlessWithout()
    {
        TestBoard f;
        QVERIFY(f.shown);
        f.use("pencil");
        f.board->cancelInput();
        f.press(QPoint(100, 100));
        f.moveTo(QPoint(150, 100));
        f.board->cancelInput();
        QVERIFY(f.itemsOf<IPolygonInkElement>().isEmpty());
        QVERIFY(!f.state()->isDrawing());
        f.release(QPoint(150, 100));
        QVERIFY(f.slide->elements().isEmpty());

        f.tap(QPoint(300, 200));
        QVERIFY(onlyStroke(f));
    }

    void translucentStrokeCrossingItselfShowsNoDarkerOverlap()
    {
        TestBoard f;
        QVERIFY(f.shown);
        f.state()->setInkColor(Qt::blue);
        f.state()->setInkOpacity(100);
        f.state()->setInkThickness(12);
        f.use("pencil");
        // Right, back up and left, then down through the first leg.
        f.stroke({QPoint(100, 100), QPoint(300, 100), QPoint(200, 50), QPoint(200, 200)});

        const QImage ink = f.board->renderAnnotations(1, 1);
        const QPointF origin = f.board->pictureSceneRect().topLeft();
        const auto alphaAt = [&](const QPoint& view) {
            return qAlpha(ink.pixel((f.scenePos(view) - origin).toPoint()));
        };
        const int single = alphaAt(QPoint(150, 100));
        QVERIFY2(single > 60 && single < 140, qPrintable(QString::number(single)));
        QCOMPARE(alphaAt(QPoint(200, 100)), single); // the crossing
        QCOMPARE(alphaAt(QPoint(300, 100)), single); // a turn
        QCOMPARE(alphaAt(QPoint(200, 150)), single);
    }

    // --- what a stroke tells ---------------------------------------------------
    void segmentTextOfTheRedExample()
    {
        IPolygonInkElement segment(QLineF(0, 0, 10, 0), 5);
        segment.setInkColor(Qt::red);
        QCOMPARE(segment.segmentText(), QStringLiteral("0,0,10,0,0,0,5,#ffff0000;"));
    }

    void strokeKeysDescribeItsFirstSegmentAndSkipCutPieces()
    {
        std::unique_ptr<IInkElement> stroke(exampleStroke());
        stroke->setWidth(5);
        QCOMPARE(stroke->property(IElement::TypeKey).toInt(), 65538);
        QCOMPARE(stroke->property(IElement::InkSegmentsKey).toString(),
                 QStringLiteral("0,0,10,0,0,0,5,#ffff0000;"));
        QCOMPARE(stroke->property(IElement::InkColorKey).toString(), QStringLiteral("#ff0000"));
        QCOMPARE(stroke->property(IElement::InkAlphaKey).toDouble(), 1.0);
        QCOMPARE(stroke->property(IElement::InkWidthKey).toDouble(), 5.0);

        // A new colour goes to every segment, each keeping its transparency.
        stroke->segments().last()->setInkColor(QColor(255, 0, 0, 100));
        stroke->setProperty(IElement::InkColorKey, QStringLiteral("#00ff00"));
        QCOMPARE(stroke->segments().first()->inkColor(), QColor(0, 255, 0));
        QCOMPARE(stroke->segments().last()->inkColor(), QColor(0, 255, 0, 100));
        // An unreadable name changes nothing rather than painting it black.
        stroke->setProperty(IElement::InkColorKey, QStringLiteral("no colour"));
        QCOMPARE(stroke->segments().first()->inkColor(), QColor(0, 255, 0));
    }

    // --- copies --------------------------------------------------------------
    void cloneKeepsCutPiecesOnlyWithStyle2_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("segments");
        QTest::addColumn<int>("pieces");
        QTest::newRow("pencil stroke") << 0 << 1 << 0;
        QTest::newRow("style 2") << 2 << 2 << 1;
    }

    void cloneKeepsCutPiecesOnlyWithStyle2()
    {
        QFETCH(int, style);
        QFETCH(int, segments);
        QFETCH(int, pieces);
        std::unique_ptr<IInkElement> source(exampleStroke());
        source->setStyle(style);
        source->setWidth(5);
        source->setPos(30, 40);
        source->setZOrder(2.5);
        std::unique_ptr<IInkElement> copy(dynamic_cast<IInkElement*>(source->clone()));
        QVERIFY(copy);
        QVERIFY(copy->elementId() != source->elementId());
        QCOMPARE(copy->zOrder(), 2.5);
        QCOMPARE(copy->width(), 5.0);
        QCOMPARE(copy->segments().size(), segments);
        QCOMPARE(copy->cutPieces().size(), pieces);
        QCOMPARE(copy->segments().first()->inkColor(), QColor(Qt::red));
        QCOMPARE(copy->segments().first()->sceneBoundingRect(), source->segments().first()->sceneBoundingRect());
        // Its segments are one stroke of its own, which the point eraser can cut.
        for (IPolygonInkElement* segment : copy->segments())
            QCOMPARE(segment->proxy()->group(), copy.get());
    }
};

VESKAROO_TEST_MAIN(TestInk)
#include "tst_ink.moc"
