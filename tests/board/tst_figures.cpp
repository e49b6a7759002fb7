// Figure elements and the figure tool: the shapes a presenter drags onto the
// board, how each comes out after the release, and drawing them through a
// real board with the mouse.
#include "common/syntheticdocument.h"
#include "common/testenv.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/item/figure/icirclefigureelement.h"
#include "board/item/figure/ifigurecatalog.h"
#include "board/item/figure/ifigurekind.h"
#include "board/item/figure/iisoscelestrianglefigureelement.h"
#include "board/item/figure/ilinefigureelement.h"
#include "board/item/figure/iparallelquadrilateralfigureelement.h"
#include "board/item/figure/iverticspolygonfigureelement.h"
#include "board/item/figure/iwavelinefigureelement.h"
#include "board/item/ipixmapitem.h"
#include "board/mode/ifiguremode.h"
#include "board/mode/imodemanager.h"
#include "board/tk_iboard_enum.h"
#include "opencv/iopencvapi.h"

#include <QGraphicsScene>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// Drags a figure as the tool does, without a board.
void drag(IFigureElement* figure, const QPointF& from, const QPointF& to)
{
    figure->beginDrag(from);
    figure->dragTo((from + to) / 2);
    figure->dragTo(to);
}

// The figure alone on a white sheet of `size`, in scene coordinates.
QImage rendered(IFigureElement* figure, const QSize& size)
{
    QGraphicsScene scene(0, 0, size.width(), size.height());
    scene.addItem(figure);
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.render(&painter, QRectF(QPointF(0, 0), size), scene.sceneRect());
    painter.end();
    scene.removeItem(figure);
    return image;
}

// Corners of a polygon that lie on its topmost line.
QPolygonF topCorners(const QPolygonF& corners)
{
    double top = corners.first().y();
    for (const QPointF& p : corners)
        top = std::min(top, p.y());
    QPolygonF onTop;
    for (const QPointF& p : corners) {
        if (std::abs(p.y() - top) < 1e-6)
            onTop << p;
    }
    return onTop;
}

// A shown board over a grey picture, its figure colours set apart from the
// defaults so that a test sees where each came from.
struct BoardFixture
{
    BoardFixture()
    {
        auto* slide = new ISlide(board.get());
        board->insertSlide(slide, true);
        board->setPictureItem(new IPixmapItem(QSize(640, 360)));
        board->setPictureSize(QSizeF(640, 360));
        QImage picture(640, 360, QImage::Format_RGB888);
        picture.fill(Qt::gray);
        board->setBackgroundImage(picture);
        board->resize(640, 360);
        board->show();
        ok = QTest::qWaitForWindowExposed(board.get());
        board->boardState()->setInkColor(QColor(10, 120, 30));
        board->boardState()->setFigureThickness(7);
        board->boardState()->setFigureBackground(QColor(250, 200, 0));
    }
    ISlide* slide() const { return board->currentSlide(); }
    QPoint viewPoint(const QPointF& scenePos) const { return board->mapFromScene(scenePos); }
    void press(const QPoint& pos) const { QTest::mousePress(board->viewport(), Qt::LeftButton, {}, pos); }
    void moveTo(const QPoint& pos) const
    {
        QMouseEvent move(QEvent::MouseMove, pos, board->viewport()->mapToGlobal(pos), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board->viewport(), &move);
    }
    void release(const QPoint& pos) const { QTest::mouseRelease(board->viewport(), Qt::LeftButton, {}, pos); }
    void dragOnBoard(const QPointF& from, const QPointF& to) const
    {
        press(viewPoint(from));
        moveTo(viewPoint((from + to) / 2));
        moveTo(viewPoint(to));
        release(viewPoint(to));
    }

    std::unique_ptr<IBoard> board = std::make_unique<IBoard>();
    bool ok = false;
};

} // namespace

class TestFigures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::silenceOffscreenPlatformNotices(); }

    void lineSnapsWithinADegreeOfAnEighthTurn_data()
    {
        QTest::addColumn<double>("dragged");
        QTest::addColumn<double>("drawn");
        QTest::newRow("44.5 to 45") << 44.5 << 45.0;
        QTest::newRow("43.9 kept") << 43.9 << 43.9;
        QTest::newRow("90.8 to 90") << 90.8 << 90.0;
        QTest::newRow("179.2 to 180") << 179.2 << 180.0;
        QTest::newRow("315.9 to 315") << 315.9 << 315.0;
        QTest::newRow("1.2 kept") << 1.2 << 1.2;
    }

    void lineSnapsWithinADegreeOfAnEighthTurn()
    {
        QFETCH(double, dragged);
        QFETCH(double, drawn);
        ILineFigureElement line(IFigureKind::Line);
        QLineF wanted(QPointF(300, 300), QPointF(500, 300));
        wanted.setAngle(dragged);
        drag(&line, wanted.p1(), wanted.p2());

        const QLineF result(line.start(), line.end());
        QCOMPARE(line.start(), wanted.p1());
        QVERIFY2(std::abs(result.angle() - drawn) < 1e-9, qPrintable(QString::number(result.angle(), 'g', 15)));
        QVERIFY(std::abs(result.length() - 200) < 1e-9);
        QVERIFY(line.finishDrag());
    }

    void circleGrowsTowardsThePointerAndIsNormalised()
    {
        ICircleFigureElement circle;
        drag(&circle, QPointF(100, 200), QPointF(130, 120));
        QCOMPARE(circle.radius(), 40.0);
        // Above the press point, one corner of its square on it.
        const QRectF whileDragging = circle.mapRectToScene(circle.circleRect());
        QCOMPARE(whileDragging, QRectF(100, 120, 80, 80));

        QVERIFY(circle.finishDrag());
        QCOMPARE(circle.pos(), QPointF(100, 120));
        QCOMPARE(circle.circleRect(), QRectF(0, 0, 80, 80));
        QCOMPARE(circle.mapRectToScene(circle.circleRect()), whileDragging);
    }

    void draggedUpAndLeftTheFigureStaysWhereItWasDrawn_data()
    {
        QTest::addColumn<int>("kind");
        // Figures kept in their item's own coordinates then start at the
        // item's position; polygons and mirrored figures are placed otherwise.
        QTest::addColumn<bool>("atItsPosition");
        for (int kind : {IFigureKind::Ellipse, IFigureKind::Rectangle, IFigureKind::Star, IFigureKind::Cube,
                         IFigureKind::Cone, IFigureKind::Ball})
            QTest::newRow(qPrintable(QString::number(kind))) << kind << true;
        for (int kind : {IFigureKind::Parallelogram, IFigureKind::IsoscelesTriangle, IFigureKind::Pentagon})
            QTest::newRow(qPrintable(QString::number(kind))) << kind << false;
    }

    void draggedUpAndLeftTheFigureStaysWhereItWasDrawn()
    {
        QFETCH(int, kind);
        QFETCH(bool, atItsPosition);
        std::unique_ptr<IFigureElement> figure(IFigureCatalog::create(kind));
        drag(figure.get(), QPointF(400, 300), QPointF(250, 180));
        const QRectF drawn = figure->sceneBoundingRect();
        QVERIFY(drawn.contains(QPointF(260, 190)));
        QVERIFY(figure->finishDrag());
        QCOMPARE(figure->sceneBoundingRect(), drawn);
        if (atItsPosition) {
            QCOMPARE(figure->pos(), QPointF(250, 180));
            QVERIFY(figure->boundingRect().top() > -figure->thickness());
            QVERIFY(figure->boundingRect().left() > -figure->thickness());
        }
    }

    void thinFiguresAreDrawnTwoWide_data()
    {
        QTest::addColumn<double>("thickness");
        QTest::addColumn<double>("width");
        QTest::newRow("0.5") << 0.5 << 2.0;
        QTest::newRow("1") << 1.0 << 2.0;
        QTest::newRow("0") << 0.0 << 2.0;
        QTest::newRow("not a number") << std::nan("") << 2.0;
        QTest::newRow("1.5") << 1.5 << 1.5;
        QTest::newRow("8") << 8.0 << 8.0;
    }

    void thinFiguresAreDrawnTwoWide()
    {
        QFETCH(double, thickness);
        QFETCH(double, width);
        ICircleFigureElement circle;
        circle.setThickness(thickness);
        QCOMPARE(circle.thickness(), width);
        circle.setProperty(IFigureElement::PenWidthKey, thickness);
        QCOMPARE(circle.property(IFigureElement::PenWidthKey).toDouble(), width);

        // The wave line's waves follow the width, so a thickness of 0 still
        // gives waves with length rather than an endless loop.
        IWaveLineFigureElement wave;
        wave.setThickness(thickness);
        drag(&wave, QPointF(0, 0), QPointF(200, 0));
        QCOMPARE(wave.waveSize(), width);
        QVERIFY(wave.finishDrag());
        QCOMPARE(wave.path().elementCount(), 1 + 3 * int(std::ceil(200 / (4 * width))));
    }

    void waveLineIsDrawnInWholePeriods_data()
    {
        QTest::addColumn<QPointF>("end");
        QTest::addColumn<int>("periods");
        QTest::addColumn<QPointF>("drawnTo");
        QTest::newRow("35 long: two periods") << QPointF(35, 0) << 2 << QPointF(40, 0);
        QTest::newRow("40 long: two periods") << QPointF(40, 0) << 2 << QPointF(40, 0);
        QTest::newRow("41 long: three") << QPointF(41, 0) << 3 << QPointF(60, 0);
        QTest::newRow("downwards") << QPointF(0, 35) << 2 << QPointF(0, 40);
        QTest::newRow("no length") << QPointF(0, 0) << 0 << QPointF(0, 0);
    }

    void waveLineIsDrawnInWholePeriods()
    {
        QFETCH(QPointF, end);
        QFETCH(int, periods);
        QFETCH(QPointF, drawnTo);
        const QPainterPath wave = IWaveLineFigureElement::wavePath(QPointF(0, 0), end, 5);
        QCOMPARE(wave.isEmpty() ? 0 : (wave.elementCount() - 1) / 3, periods);
        if (periods == 0)
            return;
        QVERIFY(QLineF(wave.currentPosition(), drawnTo).length() < 1e-9);
        // It waves to both sides of the line.
        const QRectF bounds = wave.boundingRect();
        if (end.y() == 0)
            QVERIFY(bounds.top() < -3 && bounds.bottom() > 3);
    }

    void regularPolygonsStandOnTheirBase_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("cornersOnTop");
        QTest::newRow("triangle points up") << int(IFigureKind::RegularTriangle) << 1;
        QTest::newRow("pentagon points up") << int(IFigureKind::Pentagon) << 1;
        QTest::newRow("hexagon flat on top") << int(IFigureKind::Hexagon) << 2;
        QTest::newRow("octagon corner on top") << int(IFigureKind::Octagon) << 1;
    }

    void regularPolygonsStandOnTheirBase()
    {
        QFETCH(int, kind);
        QFETCH(int, cornersOnTop);
        std::unique_ptr<IFigureElement> figure(IFigureCatalog::create(kind));
        auto* polygon = dynamic_cast<IVerticsPolygonFigureElement*>(figure.get());
        QVERIFY(polygon);
        drag(polygon, QPointF(100, 100), QPointF(300, 260));
        // Inside the square of the longer side, from the press point.
        QCOMPARE(polygon->center(), QPointF(200, 200));
        QCOMPARE(polygon->radius(), 100.0);
        const QPolygonF top = topCorners(polygon->vertices());
        QCOMPARE(top.size(), cornersOnTop);
        // A corner on top touches the square; a flat top lies a little lower.
        if (cornersOnTop == 1)
            QVERIFY(std::abs(top.first().x() - 200) < 1e-9 && std::abs(top.first().y() - 100) < 1e-9);
        else
            QVERIFY(std::abs(top.first().x() + top.last().x() - 400) < 1e-9);
    }

    void solidsAndWavesStayUnfilledAndTheBallIsRed()
    {
        const QColor yellow(250, 200, 0);
        auto* cube = IFigureCatalog::create(IFigureKind::Cube);
        cube->setFillColor(yellow);
        cube->setProperty(IFigureElement::FillColorKey, "#fac800");
        drag(cube, QPointF(20, 20), QPointF(180, 180));
        QVERIFY(cube->finishDrag());
        QCOMPARE(cube->property(IFigureElement::FillAlphaKey).toDouble(), 0.0);
        // The middle of the front face shows the sheet behind it.
        QCOMPARE(rendered(cube, QSize(200, 200)).pixelColor(100, 160), QColor(Qt::white));
        delete cube;

        // Red whatever the fill colour; in red ink its equator still shows.
        auto* ball = IFigureCatalog::create(IFigureKind::Ball);
        ball->setFillColor(yellow);
        ball->setPenColor(Qt::red);
        ball->setThickness(5);
        drag(ball, QPointF(20, 20), QPointF(180, 180));
        QVERIFY(ball->finishDrag());
        const QImage ballImage = rendered(ball, QSize(200, 200));
        for (const QPoint& inside : {QPoint(100, 50), QPoint(60, 150), QPoint(140, 100), QPoint(100, 105)}) {
            const QColor c = ballImage.pixelColor(inside);
            QVERIFY(c.red() == 255 && c.green() == c.blue());
        }
        QCOMPARE(ballImage.pixelColor(100, 120), QColor(Qt::red)); // the near half of the equator
        QVERIFY(ballImage.pixelColor(100, 105).green() > 60);
        delete ball;

        // A flat figure does take the colour.
        auto* star = IFigureCatalog::create(IFigureKind::Star);
        star->setFillColor(yellow);
        drag(star, QPointF(20, 20), QPointF(180, 180));
        QVERIFY(star->finishDrag());
        QCOMPARE(rendered(star, QSize(200, 200)).pixelColor(100, 110), yellow);
        delete star;

        // Nor does a wave line fill its waves against the chord.
        IWaveLineFigureElement wave;
        wave.setFillColor(yellow);
        wave.setThickness(8);
        drag(&wave, QPointF(10, 100), QPointF(190, 100));
        const QImage waveImage = rendered(&wave, QSize(200, 200));
        int yellowPixels = 0, inked = 0;
        for (int y = 70; y < 130; ++y) {
            for (int x = 10; x < 190; ++x) {
                yellowPixels += waveImage.pixelColor(x, y) == yellow;
                inked += waveImage.pixelColor(x, y) == QColor(Qt::black);
            }
        }
        QCOMPARE(yellowPixels, 0);
        QVERIFY(inked > 500);
    }

    void drawnUpwardsTheTriangleStandsOnItsHead()
    {
        IIsoscelesTriangleFigureElement triangle;
        drag(&triangle, QPointF(100, 200), QPointF(160, 120));
        const QRectF drawn = triangle.sceneBoundingRect();
        QVERIFY(triangle.finishDrag());
        QCOMPARE(triangle.sceneBoundingRect(), drawn);
        // The apex, (w/2, 0) of the stored outline, is at the bottom now.
        const QPointF apex = triangle.mapToScene(triangle.outline().at(0));
        QCOMPARE(apex, QPointF(130, 200));
        QCOMPARE(triangle.mapToScene(triangle.outline().at(1)).y(), 120.0);

        // Drawn to the left, the parallelogram leans the other way: its top
        // side starts at the right.
        IParallelQuadrilateralFigureElement leaning;
        drag(&leaning, QPointF(400, 100), QPointF(310, 160));
        QVERIFY(leaning.finishDrag());
        QCOMPARE(leaning.mapToScene(leaning.outline().at(0)), QPointF(400, 100));
        QCOMPARE(leaning.mapToScene(leaning.outline().at(1)), QPointF(340, 100));
    }

    void lineIsPickedNearItsStrokeOnly()
    {
        ILineFigureElement line(IFigureKind::EndArrowLine);
        line.setThickness(4);
        drag(&line, QPointF(0, 0), QPointF(300, 200));
        const QPainterPath shape = line.shape();
        QVERIFY(shape.contains(QPointF(150, 100)));
        QVERIFY(shape.contains(QPointF(152, 98)));
        // The empty corners of its box are not the line.
        QVERIFY(!shape.contains(QPointF(250, 30)));
        QVERIFY(!shape.contains(QPointF(40, 180)));
        // The arrowhead reaches past the end and belongs to the line.
        QLineF beyond(QPointF(0, 0), QPointF(300, 200));
        beyond.setLength(beyond.length() + 6);
        QVERIFY(shape.contains(beyond.p2()));
        QVERIFY(line.boundingRect().contains(beyond.p2()));
    }

    void dotsShowOnThickLines()
    {
        ILineFigureElement line(IFigureKind::DoubleDotLine);
        line.setThickness(10);
        drag(&line, QPointF(50, 100), QPointF(150, 100));
        const QImage image = rendered(&line, QSize(200, 200));
        // Beside the line's end, inside the dot.
        QCOMPARE(image.pixelColor(150, 108), QColor(Qt::black));
        QCOMPARE(image.pixelColor(50, 92), QColor(Qt::black));
    }

    void propertiesAndClonesCarryTheFigure()
    {
        ILineFigureElement line(IFigureKind::DoubleArrowLine);
        line.setProperty(IFigureElement::PenColorKey, "#00ff00");
        line.setProperty(IFigureElement::PenWidthKey, 6);
        line.setProperty(IFigureElement::PenStyleKey, 2);
        line.setProperty(IFigureElement::FillColorKey, "#80ff0000");
        drag(&line, QPointF(10, 20), QPointF(110, 20));
        QCOMPARE(line.property(IElement::TypeKey).toInt(), int(FigureElementType));
        QCOMPARE(line.property(IFigureElement::PenColorKey).toString(), QStringLiteral("#00ff00"));
        QCOMPARE(line.property(IFigureElement::PenAlphaKey).toDouble(), 1.0);
        QCOMPARE(line.property(IFigureElement::PenStyleKey).toInt(), int(Qt::DashLine));
        QCOMPARE(line.property(IFigureElement::FillColorKey).toString(), QStringLiteral("#ff0000"));
        QVERIFY(std::abs(line.property(IFigureElement::FillAlphaKey).toDouble() - 128 / 255.0) < 1e-9);
        QCOMPARE(line.property(IFigureElement::FillModeKey).toInt(), int(IFigureElement::SolidFill));
        line.setLocked(true);

        std::unique_ptr<IElement> copy(line.clone());
        auto* cloned = dynamic_cast<ILineFigureElement*>(copy.get());
        QVERIFY(cloned);
        QCOMPARE(cloned->start(), line.start());
        QCOMPARE(cloned->end(), line.end());
        QCOMPARE(cloned->startEnd(), ILineEnd::Arrow);
        QCOMPARE(cloned->endEnd(), ILineEnd::Arrow);
        QCOMPARE(cloned->pen(), line.pen());
        QCOMPARE(cloned->fillColor(), line.fillColor());
        QVERIFY(cloned->isLocked());
        QCOMPARE(cloned->boundingRect(), line.boundingRect());
        QVERIFY(!cloned->elementId().isEmpty() && cloned->elementId() != line.elementId());

        // Any other style number draws solid.
        line.setProperty(IFigureElement::PenStyleKey, 9);
        QCOMPARE(line.lineStyle(), int(Qt::SolidLine));

        auto* cone = IFigureCatalog::create(IFigureKind::Cone);
        drag(cone, QPointF(30, 40), QPointF(130, 240));
        cone->finishDrag();
        // The frame leaves a turn in the item's transform.
        cone->setTransform(QTransform().rotate(30));
        std::unique_ptr<IElement> coneCopy(cone->clone());
        auto* clonedCone = dynamic_cast<IFigureElement*>(coneCopy.get());
        QCOMPARE(clonedCone->figureKind(), int(IFigureKind::Cone));
        QCOMPARE(clonedCone->sceneBoundingRect(), cone->sceneBoundingRect());
        delete cone;
    }

    void waveLineTurnsButDoesNotScale()
    {
        IWaveLineFigureElement wave;
        QVERIFY(wave.isRotatable());
        QVERIFY(!wave.isTopLeftResizable() && !wave.isTopRightResizable());
        QVERIFY(!wave.isBottomLeftResizable() && !wave.isBottomRightResizable());
        ICircleFigureElement circle;
        QVERIFY(circle.isTopLeftResizable() && circle.isRotatable());
    }

    void eachDragOnTheBoardAddsOneFigure()
    {
        BoardFixture f;
        QVERIFY(f.ok);
        QSignalSpy added(f.slide(), &ISlide::sgElementsAddedEvent);
        f.board->setMode(TK_IBOARD_ENUM::StarMode);
        f.dragOnBoard(QPointF(100, 100), QPointF(180, 170));
        f.board->setMode(TK_IBOARD_ENUM::CubeMode);
        f.dragOnBoard(QPointF(300, 100), QPointF(220, 200));

        QCOMPARE(f.slide()->elements().size(), 2);
        QCOMPARE(added.count(), 2);
        auto* star = dynamic_cast<IFigureElement*>(f.slide()->elements().at(0));
        QVERIFY(star);
        QCOMPARE(star->figureKind(), int(IFigureKind::Star));
        QCOMPARE(star->penColor(), QColor(10, 120, 30));
        QCOMPARE(star->thickness(), 7.0);
        QCOMPARE(star->fillColor(), QColor(250, 200, 0));
        QVERIFY(std::abs(star->sceneBoundingRect().left() - 96.5) < 1.5);
        auto* cube = dynamic_cast<IFigureElement*>(f.slide()->elements().at(1));
        QCOMPARE(cube->figureKind(), int(IFigureKind::Cube));
        QVERIFY(!f.board->boardState()->isDrawing());
    }

    void everyFigureToolShowsItsCursor()
    {
        BoardFixture f;
        QVERIFY(f.ok);
        for (int number : {11, 13, 15, 17, 23, 25, 26, 27, 28, 29, 30, 32, 33, 34, 36, 37, 38, 39}) {
            f.board->setMode(number);
            const QCursor cursor = f.board->viewport()->cursor();
            QVERIFY2(cursor.shape() == Qt::BitmapCursor && !cursor.pixmap().isNull(), qPrintable(QString::number(number)));
            // The hot spot is the cross-hair's centre.
            QCOMPARE(cursor.hotSpot(), QPoint(cursor.pixmap().width() / 2, cursor.pixmap().height() / 2));
        }
        f.board->setMode(TK_IBOARD_ENUM::NoneMode);
        QCOMPARE(f.board->viewport()->cursor().shape(), Qt::ArrowCursor);
    }

    void aClickOrAFigureWithoutSizeLeavesNothing()
    {
        BoardFixture f;
        QVERIFY(f.ok);
        QSignalSpy added(f.slide(), &ISlide::sgElementsAddedEvent);
        QSignalSpy removed(f.slide(), &ISlide::sgElementsRemovedEvent);
        f.board->setMode(TK_IBOARD_ENUM::PentagonMode);
        const QPoint at = f.viewPoint(QPointF(200, 150));
        f.press(at);
        f.release(at);
        // A line dragged back onto its own start.
        f.board->setMode(TK_IBOARD_ENUM::DoubleArrowLineMode);
        f.press(at);
        f.moveTo(at + QPoint(40, 10));
        f.moveTo(at);
        f.release(at);

        QVERIFY(f.slide()->elements().isEmpty());
        // Only the picture and the slide's frames are left in the scene.
        const QList<QGraphicsItem*> items = f.slide()->items();
        QVERIFY(std::none_of(items.cbegin(), items.cend(), IBoard::isBoardElement));
        QCOMPARE(added.count(), 0);
        QCOMPARE(removed.count(), 0);
        QVERIFY(!f.board->boardState()->isDrawing());
    }

    void cancellingTakesBackTheFigureBeingDrawn()
    {
        BoardFixture f;
        QVERIFY(f.ok);
        f.board->setMode(TK_IBOARD_ENUM::EndArrowLineMode);
        auto* tool = dynamic_cast<IFigureMode*>(f.board->modeManager()->currentMode());
        QVERIFY(tool);
        tool->cancel(); // nothing to take back
        f.press(f.viewPoint(QPointF(100, 100)));
        f.moveTo(f.viewPoint(QPointF(200, 150)));
        QCOMPARE(f.slide()->elements().size(), 1);
        QVERIFY(f.board->boardState()->isDrawing());

        f.board->cancelInput();
        QVERIFY(f.slide()->elements().isEmpty());
        QVERIFY(!f.board->boardState()->isDrawing());
        QVERIFY(!tool->figureOf(175));
        // The release that follows starts nothing.
        f.release(f.viewPoint(QPointF(200, 150)));
        QVERIFY(f.slide()->elements().isEmpty());

        // A figure cleared away mid-drag is left to whoever took it.
        f.press(f.viewPoint(QPointF(100, 100)));
        f.moveTo(f.viewPoint(QPointF(200, 150)));
        const QSet<IElement*> taken = f.slide()->clearAllElements();
        QCOMPARE(taken.size(), 1);
        f.moveTo(f.viewPoint(QPointF(220, 150)));
        f.release(f.viewPoint(QPointF(220, 150)));
        QVERIFY(f.slide()->elements().isEmpty());
        qDeleteAll(taken);
    }

    // Every kind on a page under the camera: each draws something, and with
    // VESKAROO_SAVE_LOOK=/path/file.png the picture is kept for people to see.
    void everyKindOnAPage()
    {
        BoardFixture f;
        QVERIFY(f.ok);
        f.board->resize(1280, 720);
        f.board->setPictureSize(QSizeF(1280, 720));
        f.board->pictureItem()->setTargetSize(QSize(1280, 720));
        const SyntheticDocument page = SyntheticDocument::render({1280, 720}, 0.0);
        f.board->setBackgroundImage(IOpencvApi::cvMat2Image(page.frame));
        f.board->resetView();
        // What the board starts with.
        f.board->boardState()->setInkColor(Qt::red);
        f.board->boardState()->setFigureThickness(5);
        f.board->boardState()->setFigureBackground(Qt::blue);
        QTest::qWait(50);

        const QList<QPair<int, int>> kinds{
            {1, 11}, {2, 11}, {3, 11}, {4, 11}, {5, 13}, {6, 11}, {7, 17}, {8, 11}, {9, 15}, {10, 11},
            {32, 30}, {13, 11}, {14, 11}, {15, 11}, {17, 23}, {18, 11}, {19, 25}, {20, 26}, {21, 27},
            {22, 28}, {23, 29}, {24, 32}, {25, 33}, {26, 34}, {28, 36}, {29, 37}, {30, 38}, {31, 39}};
        auto* tool = dynamic_cast<IFigureMode*>(f.board->modeManager()->modeNamed(QStringLiteral("figure")));
        QVERIFY(tool);
        const QRectF page_ = f.board->pictureSceneRect();
        const QSizeF cell(page_.width() / 7, page_.height() / 4);
        for (int i = 0; i < kinds.size(); ++i) {
            // Numbers without a tool of their own are reached through the tool itself.
            f.board->setMode(kinds[i].second);
            tool->setFigureKind(kinds[i].first);
            const QPointF corner = page_.topLeft() + QPointF(cell.width() * (i % 7), cell.height() * (i / 7));
            const bool line = kinds[i].first <= 10 || kinds[i].first == 32;
            const QPointF from = corner + QPointF(cell.width() * 0.2, cell.height() * (line ? 0.75 : 0.2));
            const QPointF to = corner + QPointF(cell.width() * 0.8, cell.height() * (line ? 0.3 : 0.8));
            f.dragOnBoard(from, to);
        }
        QCOMPARE(f.slide()->elements().size(), kinds.size());
        QTest::qWait(50);
        const QImage look = f.board->grab().toImage();
        const QString path = qEnvironmentVariable("VESKAROO_SAVE_LOOK");
        if (!path.isEmpty())
            QVERIFY(look.save(path));
        // Each figure put ink on the page.
        for (IElement* element : f.slide()->elements()) {
            auto* figure = dynamic_cast<IFigureElement*>(element);
            const QRect area = f.board->mapFromScene(figure->sceneBoundingRect()).boundingRect();
            int inked = 0;
            for (int y = area.top(); y <= area.bottom(); y += 2) {
                for (int x = area.left(); x <= area.right(); x += 2) {
                    const QColor c = look.pixelColor(x, y);
                    inked += c.red() > 150 && c.green() < 90 && c.blue() < 90;
                }
            }
            QVERIFY2(inked > 10, qPrintable(QString("kind %1").arg(figure->figureKind())));
        }
    }
};

VESKAROO_TEST_MAIN(TestFigures)
#include "tst_figures.moc"
