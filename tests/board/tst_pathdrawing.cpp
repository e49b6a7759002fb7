// The board's pen and its point eraser: strokes drawn live and kept as path
// elements, several fingers at once, and erasing parts or all of a stroke.
#include "common/testenv.h"
#include "common/testtouch.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/item/iabstractgraphicstextelement.h"
#include "board/item/ipixmapitem.h"
#include "board/mode/deviceinput.h"
#include "board/mode/imodemanager.h"
#include "board/path/ipatherasemode.h"
#include "board/path/ipathrenderwidget.h"
#include "board/path/ipencilpathelement.h"
#include "board/tk_iboard_enum.h"

#include <QGraphicsEllipseItem>
#include <QSignalSpy>

#include <memory>

namespace {

// A text box as the eraser meets it.
class TestText : public IAbstractGraphicsTextElement
{
public:
    explicit TestText(const QString& text)
        : IAbstractGraphicsTextElement(text)
    {
    }
    int type() const override { return TextElementType; }
    IElement* clone() const override { return new TestText(toPlainText()); }
};

bool isInk(const QColor& c)
{
    return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}

// A shown board in the pen, in a window as in the program, with a green
// camera picture filling it.
struct PenFixture
{
    explicit PenFixture(const QSize& size = QSize(640, 360))
    {
        window = std::make_unique<QWidget>();
        board = new IBoard(window.get());
        slide = new ISlide(board);
        board->insertSlide(slide, true);
        board->setPictureItem(new IPixmapItem(size));
        board->setPictureSize(size);
        QImage picture(size, QImage::Format_RGB888);
        picture.fill(Qt::green);
        board->setBackgroundImage(picture);
        board->resize(size);
        window->resize(size);
        window->show();
        ok = QTest::qWaitForWindowExposed(window.get());
        board->centerOnPicture();
        board->setMode(TK_IBOARD_ENUM::PencilMode);
    }

    QPoint at(const QPointF& scenePoint) const { return board->mapFromScene(scenePoint); }
    void press(const QPointF& p) const { QTest::mousePress(board->viewport(), Qt::LeftButton, {}, at(p)); }
    void release(const QPointF& p) const { QTest::mouseRelease(board->viewport(), Qt::LeftButton, {}, at(p)); }
    // QTest moves the real cursor for widgets, which the offscreen platform ignores.
    void dragTo(const QPointF& p) const
    {
        const QPoint pos = at(p);
        QMouseEvent move(QEvent::MouseMove, pos, board->viewport()->mapToGlobal(pos), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board->viewport(), &move);
    }
    void stroke(const QPointF& from, const QPointF& to, int steps = 8) const
    {
        press(from);
        for (int i = 1; i <= steps; ++i)
            dragTo(from + (to - from) * i / steps);
        release(to);
    }
    // What the board shows now.
    QImage shown() const
    {
        QApplication::processEvents();
        return board->viewport()->grab().toImage();
    }
    QColor colourAt(const QPointF& scenePoint) const { return shown().pixelColor(at(scenePoint)); }

    QList<IPencilPathElement*> strokes() const
    {
        QList<IPencilPathElement*> found;
        for (IElement* element : slide->elements()) {
            if (auto* pen = dynamic_cast<IPencilPathElement*>(element))
                found.append(pen);
        }
        return found;
    }

    std::unique_ptr<QWidget> window;
    IBoard* board = nullptr;
    ISlide* slide = nullptr;
    bool ok = false;
};

DeviceInput record(QEvent::Type type, const QPoint& viewPos, int device = DeviceInput::kMouseDevice)
{
    return DeviceInput(type, viewPos, Qt::LeftButton,
                       type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier,
                       device);
}

} // namespace

class TestPathDrawing : public QObject
{
    Q_OBJECT

private slots:
    // --- the pen ---------------------------------------------------------------
    void tapMakesARoundDotOfTheInkWidth_data()
    {
        QTest::addColumn<double>("ink");
        QTest::addColumn<int>("width");
        QTest::newRow("10") << 10.0 << 10;
        QTest::newRow("3.9 is cut to 3") << 3.9 << 3;
    }

    void tapMakesARoundDotOfTheInkWidth()
    {
        QFETCH(double, ink);
        QFETCH(int, width);
        PenFixture f;
        QVERIFY(f.ok);
        f.board->boardState()->setInkThickness(ink);
        f.press(QPointF(200, 150));
        f.release(QPointF(200, 150));

        QCOMPARE(f.strokes().size(), 1);
        IPencilPathElement* dot = f.strokes().first();
        QVERIFY(dot->isDot());
        QCOMPARE(dot->width(), width);
        QCOMPARE(dot->path().boundingRect(), QRectF(200 - width / 2.0, 150 - width / 2.0, width, width));
        QCOMPARE(dot->color(), QColor(Qt::red));
        QVERIFY(!f.board->boardState()->isDrawing());
    }

    void twoPointsAtDifferentPlacesKeepTheirLine()
    {
        PenFixture f;
        QVERIFY(f.ok);
        f.board->boardState()->setInkThickness(10);
        // Pressed and released elsewhere with no move between.
        f.press(QPointF(100, 150));
        f.release(QPointF(300, 150));

        QCOMPARE(f.strokes().size(), 1);
        IPencilPathElement* line = f.strokes().first();
        QVERIFY(!line->isDot());
        QCOMPARE(line->points(), (QVector<QPointF>{{100, 150}, {300, 150}}));
        QVERIFY(isInk(f.colourAt(QPointF(200, 150))));
        QVERIFY(isInk(f.colourAt(QPointF(295, 150))));
    }

    void secondPressOfAPendingDeviceIsIgnored()
    {
        PenFixture f;
        QVERIFY(f.ok);
        IModeManager* modes = f.board->modeManager();
        DeviceInput press = record(QEvent::MouseButtonPress, f.at(QPointF(100, 100)));
        DeviceInput move = record(QEvent::MouseMove, f.at(QPointF(150, 100)));
        DeviceInput again = record(QEvent::MouseButtonPress, f.at(QPointF(400, 300)));
        DeviceInput release = record(QEvent::MouseButtonRelease, f.at(QPointF(200, 100)));
        modes->press(press);
        modes->move(move);
        modes->press(again);
        QCOMPARE(f.board->pendingStrokes().value(DeviceInput::kMouseDevice),
                 (QVector<QPointF>{{100, 100}, {150, 100}}));
        modes->release(release);

        QCOMPARE(f.strokes().size(), 1);
        QCOMPARE(f.strokes().first()->points(), (QVector<QPointF>{{100, 100}, {150, 100}, {200, 100}}));
        QVERIFY(f.board->pendingStrokes().isEmpty());
    }

    void finishedStrokeLooksAsItDidLive()
    {
        PenFixture f;
        QVERIFY(f.ok);
        f.board->boardState()->setInkOpacity(128);
        f.press(QPointF(100, 200));
        f.dragTo(QPointF(300, 200));
        const QColor live = f.colourAt(QPointF(200, 200));
        f.release(QPointF(300, 200));
        const QColor kept = f.colourAt(QPointF(200, 200));
        // Half red over the green picture, both times.
        QVERIFY2(std::abs(live.red() - 128) < 8 && std::abs(live.green() - 127) < 8, qPrintable(live.name()));
        QVERIFY2(std::abs(live.red() - kept.red()) <= 2 && std::abs(live.green() - kept.green()) <= 2,
                 qPrintable(live.name() + " " + kept.name()));
        QCOMPARE(f.strokes().first()->alpha(), 128);
        QVERIFY(!f.board->pathRenderWidget()->isVisible());
    }

    void cancelDropsEveryPendingStroke()
    {
        PenFixture f;
        QVERIFY(f.ok);
        IModeBase* pen = f.board->modeManager()->currentMode();
        pen->cancel(); // nothing under way: nothing happens
        f.press(QPointF(100, 100));
        f.dragTo(QPointF(200, 100));
        QTest::keyClick(f.board, Qt::Key_Escape);
        QVERIFY(f.board->pendingStrokes().isEmpty());
        QVERIFY(!f.board->boardState()->isDrawing());
        QVERIFY(!isInk(f.colourAt(QPointF(150, 100))));
        f.release(QPointF(200, 100));
        QVERIFY(f.strokes().isEmpty());
    }

    // --- several devices ---------------------------------------------------------
    void twoFingersDrawTwoStrokesAtOnce()
    {
        PenFixture f;
        QVERIFY(f.ok);
        TestTouch touch(f.board->viewport());
        touch.press(1, f.at(QPointF(100, 100))).press(2, f.at(QPointF(100, 250))).commit();
        for (int x = 150; x <= 400; x += 50) {
            touch.move(1, f.at(QPointF(x, 100))).move(2, f.at(QPointF(x, 250))).commit();
        }
        QVERIFY(isInk(f.colourAt(QPointF(300, 100))));
        QVERIFY(isInk(f.colourAt(QPointF(300, 250))));
        // Nothing joins the fingers.
        QVERIFY(!isInk(f.colourAt(QPointF(300, 175))));

        touch.release(1, f.at(QPointF(400, 100))).commit();
        QCOMPARE(f.strokes().size(), 1);
        // The other finger's ink stays while it still draws.
        QVERIFY(isInk(f.colourAt(QPointF(300, 250))));
        touch.move(2, f.at(QPointF(450, 250))).commit();
        touch.release(2, f.at(QPointF(450, 250))).commit();

        const QList<IPencilPathElement*> strokes = f.strokes();
        QCOMPARE(strokes.size(), 2);
        for (IPencilPathElement* stroke : strokes) {
            const QVector<QPointF> points = stroke->points();
            const double y = points.first().y();
            QVERIFY(std::all_of(points.cbegin(), points.cend(), [y](const QPointF& p) { return p.y() == y; }));
            // Its region covers the whole stroke, from the first finger's
            // press to its release, whatever the other finger did.
            QVERIFY(stroke->baseRegion().contains(QPoint(100, int(y))));
            QVERIFY(stroke->baseRegion().contains(points.last().toPoint()));
        }
        QVERIFY(isInk(f.colourAt(QPointF(100, 100))));
        QVERIFY(isInk(f.colourAt(QPointF(440, 250))));
        QVERIFY(f.board->pendingStrokes().isEmpty());
    }

    void mouseAndFingerDrawSideBySide()
    {
        PenFixture f;
        QVERIFY(f.ok);
        TestTouch touch(f.board->viewport());
        f.press(QPointF(100, 100));
        touch.press(1, f.at(QPointF(100, 250))).commit();
        f.dragTo(QPointF(300, 100));
        touch.move(1, f.at(QPointF(300, 250))).commit();
        f.release(QPointF(300, 100));
        touch.release(1, f.at(QPointF(300, 250))).commit();

        const QList<IPencilPathElement*> strokes = f.strokes();
        QCOMPARE(strokes.size(), 2);
        QCOMPARE(strokes.at(0)->points(), (QVector<QPointF>{{100, 100}, {300, 100}, {300, 100}}));
        QCOMPARE(strokes.at(1)->points(), (QVector<QPointF>{{100, 250}, {300, 250}, {300, 250}}));
    }

    void fingerLeavingThePictureEndsItsStrokeThere()
    {
        // The picture covers the top 360 rows of a 480-row board.
        PenFixture f(QSize(640, 480));
        QVERIFY(f.ok);
        f.board->setPictureSize(QSizeF(640, 360));
        QImage picture(640, 360, QImage::Format_RGB888);
        picture.fill(Qt::green);
        f.board->setBackgroundImage(picture);
        const QRectF inPicture = f.board->pictureSceneRect();
        const QPointF start = inPicture.center();
        const QPointF lastInside(start.x(), inPicture.bottom() - 5);
        TestTouch touch(f.board->viewport());
        touch.press(1, f.at(start)).commit();
        touch.move(1, f.at(lastInside)).commit();
        touch.move(1, f.at(QPointF(start.x(), inPicture.bottom() + 40))).commit();
        QCOMPARE(f.strokes().size(), 1);
        touch.move(1, f.at(QPointF(start.x() + 50, inPicture.bottom() - 20))).commit();
        touch.release(1, f.at(QPointF(start.x() + 50, inPicture.bottom() - 20))).commit();
        QCOMPARE(f.strokes().size(), 1);
        QCOMPARE(f.strokes().first()->points().last(), f.board->mapToScene(f.at(lastInside)));
    }

    // --- the overlay follows the view ---------------------------------------------
    void liveInkShowsAllOverTheChangedView_data()
    {
        QTest::addColumn<bool>("turned");
        QTest::newRow("resized") << false;
        QTest::newRow("resized and turned") << true;
    }

    void liveInkShowsAllOverTheChangedView()
    {
        QFETCH(bool, turned);
        PenFixture f;
        QVERIFY(f.ok);
        // The overlay is first used at the board's first size.
        f.stroke(QPointF(100, 100), QPointF(150, 100));
        f.window->resize(1200, 700);
        f.board->resize(1200, 700);
        if (turned)
            f.board->rotateBy(90);
        f.board->centerOnPicture();
        QApplication::processEvents();

        // On the picture, beyond the first size on screen.
        const QPointF from = f.board->mapToScene(QPoint(860, 500));
        const QPointF to = f.board->mapToScene(QPoint(900, 500));
        QVERIFY(f.board->pictureSceneRect().contains(from));
        QVERIFY(f.board->pictureSceneRect().contains(to));
        f.press(from);
        f.dragTo(to);
        QVERIFY(isInk(f.colourAt((from + to) / 2)));
        f.release(to);
        QVERIFY(isInk(f.colourAt((from + to) / 2)));
    }

    // --- the eraser ------------------------------------------------------------------
    void erasingHalfAStrokeHidesThatHalf()
    {
        PenFixture f;
        QVERIFY(f.ok);
        f.stroke(QPointF(100, 180), QPointF(500, 180));
        IPencilPathElement* line = f.strokes().first();
        QSignalSpy erased(f.slide, &ISlide::sgElementsEraseredEvent);
        f.board->setMode(TK_IBOARD_ENUM::PathEraserMode);
        f.board->boardState()->setPointEraserSize(QSizeF(40, 40));
        f.stroke(QPointF(320, 180), QPointF(560, 180));

        QVERIFY(isInk(f.colourAt(QPointF(200, 180))));
        QVERIFY(!isInk(f.colourAt(QPointF(400, 180))));
        QVERIFY(f.slide->elements().contains(line));
        QCOMPARE(erased.count(), 1);
        QCOMPARE(erased.first().at(1).value<QList<IElement*>>(), QList<IElement*>{line});
        QVERIFY(!line->erasePoints().isEmpty());
    }

    void erasingAllOfAStrokeTakesItOffItsSlideOnce()
    {
        PenFixture f;
        QVERIFY(f.ok);
        f.stroke(QPointF(100, 100), QPointF(200, 100));
        f.stroke(QPointF(100, 250), QPointF(500, 250));
        IPencilPathElement* whole = f.strokes().at(0);
        IPencilPathElement* part = f.strokes().at(1);
        QSignalSpy removed(f.slide, &ISlide::sgElementsRemovedEvent);
        QSignalSpy erased(f.slide, &ISlide::sgElementsEraseredEvent);
        f.board->setMode(TK_IBOARD_ENUM::PathEraserMode);
        f.board->boardState()->setPointEraserSize(QSizeF(60, 60));
        // Over all of the first stroke, back and forth, then onto the second.
        f.press(QPointF(60, 100));
        f.dragTo(QPointF(240, 100));
        f.dragTo(QPointF(60, 100));
        f.dragTo(QPointF(150, 250));
        f.dragTo(QPointF(200, 250));
        f.release(QPointF(200, 250));

        QCOMPARE(f.slide->elements(), QList<IElement*>{part});
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.first().at(1).value<QList<IElement*>>(), QList<IElement*>{whole});
        // Gone from the scene and named by no notice of what was erased.
        QCOMPARE(erased.count(), 1);
        QCOMPARE(erased.first().at(1).value<QList<IElement*>>(), QList<IElement*>{part});
        QVERIFY(!isInk(f.colourAt(QPointF(150, 100))));
        QVERIFY(isInk(f.colourAt(QPointF(400, 250))));
    }

    void eraserLeavesTextAndLockedStrokes()
    {
        PenFixture f;
        QVERIFY(f.ok);
        f.stroke(QPointF(100, 250), QPointF(300, 250));
        IPencilPathElement* locked = f.strokes().first();
        locked->setLocked(true);
        auto* text = new TestText(QStringLiteral("Notes"));
        text->setPos(100, 80);
        f.slide->addElement(text);
        const QString before = text->toPlainText();
        f.board->setMode(TK_IBOARD_ENUM::PathEraserMode);

        QTest::ignoreMessage(QtDebugMsg, "erase TK_RichText...");
        f.stroke(QPointF(80, 90), QPointF(320, 90), 2);
        f.stroke(QPointF(80, 250), QPointF(320, 250));
        QCOMPARE(f.slide->elements().size(), 2);
        QVERIFY(text->isVisible());
        QCOMPARE(text->toPlainText(), before);
        QVERIFY(locked->eraseRegion().isEmpty());
        QVERIFY(isInk(f.colourAt(QPointF(200, 250))));
    }

    void erasingAMovedStrokeErasesWhereItIsShown()
    {
        PenFixture f;
        QVERIFY(f.ok);
        f.stroke(QPointF(100, 100), QPointF(400, 100));
        IPencilPathElement* line = f.strokes().first();
        line->setPos(0, 150);
        f.board->setMode(TK_IBOARD_ENUM::PathEraserMode);
        f.board->boardState()->setPointEraserSize(QSizeF(40, 40));
        f.stroke(QPointF(200, 250), QPointF(300, 250));
        QVERIFY(!isInk(f.colourAt(QPointF(250, 250))));
        QVERIFY(isInk(f.colourAt(QPointF(150, 250))));
    }

    void eraserCircleIsBackForTheSecondPass()
    {
        PenFixture f;
        QVERIFY(f.ok);
        f.board->setMode(TK_IBOARD_ENUM::PathEraserMode);
        auto* eraser = dynamic_cast<IPathEraseMode*>(f.board->modeManager()->currentMode());
        QVERIFY(eraser);
        for (int pass = 1; pass <= 2; ++pass) {
            f.press(QPointF(200, 200));
            f.dragTo(QPointF(260, 200));
            QGraphicsEllipseItem* circle = eraser->indicator();
            QVERIFY(circle);
            QCOMPARE(circle->scene(), f.slide);
            QVERIFY(circle->isVisible());
            QCOMPARE(circle->sceneBoundingRect().center(), QPointF(260, 200));
            f.release(QPointF(260, 200));
            QVERIFY(!circle->isVisible());
        }
        QVERIFY(!f.board->boardState()->isDrawing());
    }
};

VESKAROO_TEST_MAIN(TestPathDrawing)
#include "tst_pathdrawing.moc"
