// The ink figures, the ink text and the board's selector: what a drag, a
// click or typed text leaves on the slide, how it looks, where it is cut, and
// how the selector moves it or pans the view instead.
#include "common/testboard.h"
#include "common/testenv.h"

#include "board/item/iabstractframe.h"
#include "board/item/iabstractgraphicstextelement.h"
#include "board/item/icommontextelementframe.h"
#include "board/item/ielementframe.h"
#include "board/item/itextelement.h"
#include "board/path/icirclepathelement.h"
#include "board/path/ifigurepathelement.h"
#include "board/path/ifigurepathmode.h"
#include "board/path/ilinepathelement.h"
#include "board/path/iselectorpathmode.h"
#include "board/path/itextpathelement.h"
#include "board/path/itextpathmode.h"
#include "board/tk_iboard_enum.h"
#include "board/ui/ibasewidget.h"
#include "board/undo/islidehistory.h"

#include <QFontMetricsF>
#include <QGraphicsTextItem>
#include <QSignalSpy>
#include <QUndoStack>
#include <QWindow>

#include <cmath>

namespace {

using namespace TK_IBOARD_ENUM;

bool isInk(const QColor& c)
{
    return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}

bool near(const QPointF& a, const QPointF& b, double tolerance = 1.0)
{
    return std::abs(a.x() - b.x()) <= tolerance && std::abs(a.y() - b.y()) <= tolerance;
}

QString text(const QRectF& r)
{
    return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// A text box as the selector meets it.
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

// A path line that says when it is freed.
class CountedLine : public ILinePathElement
{
public:
    ~CountedLine() override
    {
        if (freed)
            *freed = true;
    }
    bool* freed = nullptr;
};

// The slide's text frame as far as the selector uses it: it takes items and
// writes down the presses it is given.
class TestTextFrame : public QGraphicsRectItem, public IAbstractFrame
{
public:
    QList<QPointF> presses;

    void refreshFrame() override {}
    void setGeometry(const QPointF&, const QSizeF&) override {}
    QSizeF frameSize() const override { return rect().size(); }
    QPointF topLeft() const override { return rect().topLeft(); }
    void setTopLeft(const QPointF&) override {}
    void setFrameSize(double, double) override {}
    void paintFrame(QPainter*) override {}
    void paintExtras(QPainter*) override {}
    void setFrameVisible(bool visible) override { setVisible(visible); }
    void setSelection(const QList<QGraphicsItem*>& items, bool visible) override
    {
        m_items = items;
        if (!items.isEmpty())
            setRect(items.first()->sceneBoundingRect());
        setVisible(visible);
    }
    void setItems(const QList<QGraphicsItem*>& items) override { m_items = items; }
    QList<QGraphicsItem*> items() const override { return m_items; }
    void clearSelection(bool) override { m_items.clear(); hide(); }
    bool ownsGroup(const QGraphicsItem*) const override { return false; }
    void inputMousePress(const QPointF& pos, Qt::KeyboardModifiers) override { presses << pos; }
    void inputMouseMove(const QPointF&, Qt::KeyboardModifiers) override {}
    void inputMouseRelease(const QPointF&, Qt::KeyboardModifiers) override {}
    QWidget* frameWidget() override { return nullptr; }
    int handleAt(const QPointF&) const override { return NoHandle; }
    void setHandleSize(const QSizeF&) override {}
    QRectF topLeftHandleRect() const override { return {}; }
    QRectF topRightHandleRect() const override { return {}; }
    QRectF bottomLeftHandleRect() const override { return {}; }
    QRectF bottomRightHandleRect() const override { return {}; }
    QRectF leftEdgeHandleRect() const override { return {}; }
    QRectF topEdgeHandleRect() const override { return {}; }
    QRectF rightEdgeHandleRect() const override { return {}; }
    QRectF bottomEdgeHandleRect() const override { return {}; }
    void setSelected(bool) override {}
    bool gestureEvent(QGestureEvent*) override { return false; }
    double handleExtent() const override { return 0; }
    double frameMargin() const override { return 0; }
    bool scaleHandlesShown() const override { return false; }
    bool isRedrawEnabled() const override { return true; }
    void setRedrawEnabled(bool, bool) override {}

private:
    QList<QGraphicsItem*> m_items;
};

// The test board with what these tests look at.
struct Board : TestBoard
{
    // What the board shows now.
    QImage screen() const
    {
        QApplication::processEvents();
        return board->viewport()->grab().toImage();
    }
    QColor colourAt(const QPoint& viewPos) const { return screen().pixelColor(viewPos); }
    // The view box of the ink pixels inside `area`.
    QRect inkBox(const QRect& area) const
    {
        const QImage image = screen();
        QRect box;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (isInk(image.pixelColor(x, y)))
                    box |= QRect(x, y, 1, 1);
            }
        }
        return box;
    }
    template <class T>
    QList<T*> elementsOf() const
    {
        QList<T*> found;
        for (IElement* element : slide->elements()) {
            if (auto* t = dynamic_cast<T*>(element))
                found.append(t);
        }
        return found;
    }
    ITextPathMode* textMode() const
    {
        return static_cast<ITextPathMode*>(board->modeManager()->modeNamed(QStringLiteral("path text")));
    }
    // A drag as a user makes it: through the window, so that the widget
    // under the pointer takes the press and keeps the moves until release.
    void userDrag(const QPoint& from, const QPoint& to, int steps = 4) const
    {
        QWindow* window = board->window()->windowHandle();
        const auto inWindow = [this](const QPoint& p) { return board->viewport()->mapTo(board->window(), p); };
        QTest::mousePress(window, Qt::LeftButton, {}, inWindow(from));
        for (int i = 1; i <= steps; ++i)
            QTest::mouseMove(window, inWindow(from + (to - from) * i / steps));
        QTest::mouseRelease(window, Qt::LeftButton, {}, inWindow(to));
    }
};

} // namespace

class TestPathShapes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::silenceOffscreenPlatformNotices(); }

    // --- figures ---------------------------------------------------------------
    void circleLiesOnTheSideThePointerWent()
    {
        Board f;
        QVERIFY(f.shown);
        f.board->setMode(CircleMode);
        const QPoint press(200, 250);
        f.stroke({press, press + QPoint(10, -30), press + QPoint(30, -80)});

        const QList<ICirclePathElement*> circles = f.elementsOf<ICirclePathElement>();
        QCOMPARE(circles.size(), 1);
        // A square of side 80 above and to the right of the press.
        const QPointF at = f.scenePos(press);
        const double side = 80 / f.board->scaleFactor();
        const QRectF square = circles.first()->rect();
        QVERIFY2(near(square.topLeft(), at - QPointF(0, side), 0.01) && std::abs(square.width() - side) < 0.01
                     && std::abs(square.height() - side) < 0.01,
                 qPrintable(text(square)));
        QVERIFY(isInk(f.colourAt(press + QPoint(40, -40))));
        QVERIFY(!isInk(f.colourAt(press + QPoint(40, 20))));
        QVERIFY(!isInk(f.colourAt(press + QPoint(-20, -40))));
    }

    void figuresTakeTheInkOutlinedOpaqueAndFilledAtItsOpacity_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("pathKind");
        QTest::newRow("circle") << int(CircleMode) << int(IPathElement::CirclePath);
        QTest::newRow("ellipse") << int(EllipseMode) << int(IPathElement::EllipsePath);
        QTest::newRow("rectangle") << int(RectangleMode) << int(IPathElement::RectanglePath);
        QTest::newRow("triangle") << int(IsoscelesTriangleMode) << int(IPathElement::IsoscelesTrianglePath);
    }

    void figuresTakeTheInkOutlinedOpaqueAndFilledAtItsOpacity()
    {
        QFETCH(int, mode);
        QFETCH(int, pathKind);
        Board f;
        QVERIFY(f.shown);
        f.state()->setInkOpacity(128);
        f.state()->setInkThickness(6.9);
        f.board->setMode(mode);
        QVERIFY(!f.board->viewport()->cursor().pixmap().isNull());
        f.stroke({QPoint(200, 100), QPoint(300, 150), QPoint(400, 300)});

        QCOMPARE(f.slide->elements().size(), 1);
        auto* figure = dynamic_cast<IFigurePathElement*>(f.slide->elements().first());
        QVERIFY(figure);
        QCOMPARE(figure->pathKind(), pathKind);
        QCOMPARE(figure->width(), 6);
        // Half-way red over the white picture inside, full red on the outline.
        const QColor inside = f.colourAt(QPoint(300, 250));
        QVERIFY2(inside.red() > 240 && std::abs(inside.green() - 127) < 12, qPrintable(inside.name()));
        QVERIFY(isInk(f.colourAt(QPoint(300, 300))));
        QVERIFY(!isInk(f.colourAt(QPoint(300, 306))));
    }

    void aDragUpwardTurnsTheTriangleOver()
    {
        Board f;
        QVERIFY(f.shown);
        f.board->setMode(IsoscelesTriangleMode);
        f.stroke({QPoint(200, 300), QPoint(300, 200), QPoint(400, 100)});
        // The apex at the bottom, under the press; the base along the top.
        QVERIFY(isInk(f.colourAt(QPoint(300, 120))));
        QVERIFY(isInk(f.colourAt(QPoint(300, 290))));
        QVERIFY(!isInk(f.colourAt(QPoint(220, 280))));
        QVERIFY(isInk(f.colourAt(QPoint(220, 110))));
    }

    void lineComesOutOnTheAngleMeantWithinADegree()
    {
        Board f;
        QVERIFY(f.shown);
        f.board->setMode(LineMode);
        QVERIFY(!f.board->viewport()->cursor().pixmap().isNull());
        // 44.5 degrees downward: put on 45.
        const QPoint from(100, 100);
        const double a = qDegreesToRadians(44.5);
        const QPoint to = from + QPoint(qRound(200 * std::cos(a)), qRound(200 * std::sin(a)));
        f.stroke({from, to});
        auto* line = f.elementsOf<ILinePathElement>().value(0);
        QVERIFY(line);
        const QLineF drawn(line->start(), line->end());
        QVERIFY2(std::abs(drawn.angle() - 315) < 1e-9, qPrintable(QString::number(drawn.angle())));
        QVERIFY(isInk(f.colourAt(QPoint(200, 200))));
    }

    void clickLeavesNoLineButAnEmptyShape()
    {
        Board f;
        QVERIFY(f.shown);
        QSignalSpy added(f.slide, &ISlide::sgElementsAddedEvent);
        f.board->setMode(LineMode);
        f.tap(QPoint(200, 200));
        // Out and back to the press point is a click as well.
        f.stroke({QPoint(250, 200), QPoint(290, 200), QPoint(250, 200)});
        QVERIFY(f.slide->elements().isEmpty());
        QVERIFY(f.itemsOf<ILinePathElement>().isEmpty());
        QCOMPARE(added.count(), 0);

        f.board->setMode(CircleMode);
        f.tap(QPoint(200, 200));
        QCOMPARE(f.slide->elements().size(), 1);
        auto* circle = dynamic_cast<ICirclePathElement*>(f.slide->elements().first());
        QVERIFY(circle);
        QVERIFY(circle->rect().isEmpty());
        QCOMPARE(added.count(), 1);
    }

    void aFigureIsAnnouncedOnceWhenReleased()
    {
        Board f;
        QVERIFY(f.shown);
        QSignalSpy added(f.slide, &ISlide::sgElementsAddedEvent);
        f.board->setMode(RectangleMode);
        f.press(QPoint(100, 100));
        f.moveTo(QPoint(200, 200));
        // Shown while drawn, not yet announced.
        QCOMPARE(f.slide->elements().size(), 1);
        QCOMPARE(added.count(), 0);
        f.release(QPoint(200, 200));
        QCOMPARE(added.count(), 1);
        QCOMPARE(added.first().at(1).value<QList<IElement*>>(), f.slide->elements());

        // One given up half-way leaves nothing.
        f.press(QPoint(300, 100));
        f.moveTo(QPoint(350, 200));
        f.board->setMode(SelectorMode);
        QCOMPARE(f.slide->elements().size(), 1);
        QCOMPARE(added.count(), 1);
    }

    void circleReachingPastTheViewIsCutAtItsBorder()
    {
        Board f;
        QVERIFY(f.shown);
        f.board->setMode(CircleMode);
        // Down 200 from near the right edge: the square reaches 170 past it.
        f.stroke({QPoint(600, 100), QPoint(630, 300)});
        auto* circle = f.elementsOf<ICirclePathElement>().value(0);
        QVERIFY(circle);
        QVERIFY(isInk(f.colourAt(QPoint(620, 200))));

        // Seen from further away, nothing lies beyond the old border.
        const QPointF border = f.scenePos(QPoint(640, 200));
        f.board->zoomBy(0.5);
        f.board->centerOn(border);
        QVERIFY(isInk(f.colourAt(f.board->mapFromScene(border - QPointF(15, 0)))));
        QVERIFY(!isInk(f.colourAt(f.board->mapFromScene(border + QPointF(15, 0)))));
        QVERIFY(!isInk(f.colourAt(f.board->mapFromScene(border + QPointF(100, 0)))));
        QVERIFY(f.slide->elements().contains(circle));
    }

    void erasingAllOfAFigureHandsItToWhoeverTakesRemovedElements()
    {
        Board f;
        QVERIFY(f.shown);
        auto* figure = new CountedLine();
        figure->setWidth(6);
        figure->setPoints(f.scenePos(QPoint(200, 150)), f.scenePos(QPoint(240, 150)));
        f.slide->addElement(figure);
        bool freed = false;
        figure->freed = &freed;
        QList<IElement*> handedOut;
        connect(f.slide, &ISlide::sgElementsRemovedEvent, this,
                [&](const QString&, const QList<IElement*>& elements) { handedOut << elements; });
        f.board->setMode(PathEraserMode);
        f.state()->setPointEraserSize(QSizeF(120, 120));
        f.stroke({QPoint(220, 150), QPoint(225, 150)});

        QVERIFY(f.slide->elements().isEmpty());
        QCOMPARE(handedOut, QList<IElement*>{figure});
        // Kept while an undo can put it back; freed by the board's bin once
        // the history lets go of it.
        QCoreApplication::processEvents();
        QVERIFY(!freed);
        f.slide->history()->stack()->clear();
        QTRY_VERIFY(freed);
    }

    // --- text --------------------------------------------------------------------
    void typedLinesBecomeInkWhereTheyWereTyped()
    {
        Board f;
        QVERIFY(f.shown);
        f.board->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.board.get()));
        f.use(QStringLiteral("path text"));
        f.tap(QPoint(100, 60));
        QGraphicsTextItem* editor = f.textMode()->editor();
        QVERIFY(editor && editor->isVisible());
        QTest::keyClicks(f.board.get(), QStringLiteral("Hg"));
        QTest::keyClick(f.board.get(), Qt::Key_Return);
        QTest::keyClicks(f.board.get(), QStringLiteral("Hg"));
        const QRect area(60, 20, 400, 200);
        const QRect typed = f.inkBox(area);
        QVERIFY(!typed.isEmpty());

        // Elsewhere: what was typed is committed, a new editor opens there.
        f.tap(QPoint(100, 300));
        const QList<ITextPathElement*> texts = f.elementsOf<ITextPathElement>();
        QCOMPARE(texts.size(), 1);
        ITextPathElement* ink = texts.first();
        QCOMPARE(ink->text(), QStringLiteral("Hg\nHg"));
        QCOMPARE(ink->font(), editor->font());
        const QRect committed = f.inkBox(area);
        QVERIFY2(std::abs(committed.left() - typed.left()) <= 2 && std::abs(committed.top() - typed.top()) <= 2
                     && std::abs(committed.right() - typed.right()) <= 2,
                 qPrintable(text(committed) + " typed " + text(typed)));

        // The second line lies one line height and 1 below the first.
        ITextPathElement one;
        one.setFont(ink->font());
        one.setOrigin(ink->origin());
        one.setText(QStringLiteral("Hg"));
        const double step = QFontMetricsF(ink->font()).height() + 1;
        QVERIFY(std::abs(ink->path().boundingRect().bottom() - one.path().boundingRect().bottom() - step) < 0.01);
        QCOMPARE(ink->path().boundingRect().top(), one.path().boundingRect().top());
    }

    void aLineTooLongForTheEditorIsCommittedAsItWrapped()
    {
        Board f;
        QVERIFY(f.shown);
        f.use(QStringLiteral("path text"));
        f.tap(QPoint(40, 40));
        QGraphicsTextItem* editor = f.textMode()->editor();
        editor->setPlainText(QStringLiteral("one two three four five six seven eight nine ten eleven twelve"));
        const QRect area(0, 0, 640, 300);
        const QRect typed = f.inkBox(area);
        ITextPathElement* ink = f.textMode()->commit();
        QVERIFY(ink);
        QVERIFY2(ink->text().count(QLatin1Char('\n')) >= 1, qPrintable(ink->text()));
        QVERIFY(!ink->text().contains(QStringLiteral(" \n")));
        const QRect committed = f.inkBox(area);
        QVERIFY2(std::abs(committed.bottom() - typed.bottom()) <= 3 && std::abs(committed.right() - typed.right()) <= 3,
                 qPrintable(text(committed) + " typed " + text(typed)));
    }

    void nothingTypedCommitsNothing()
    {
        Board f;
        QVERIFY(f.shown);
        QSignalSpy added(f.slide, &ISlide::sgElementsAddedEvent);
        f.use(QStringLiteral("path text"));
        f.tap(QPoint(100, 100));
        f.tap(QPoint(200, 100));
        f.textMode()->editor()->setPlainText(QStringLiteral("  \n "));
        f.tap(QPoint(300, 100));
        QVERIFY(f.slide->elements().isEmpty());
        QCOMPARE(added.count(), 0);
    }

    void leavingCommitsOnceAndPutsTheEditorAway()
    {
        Board f;
        QVERIFY(f.shown);
        f.use(QStringLiteral("path text"));
        f.tap(QPoint(100, 100));
        QGraphicsTextItem* editor = f.textMode()->editor();
        editor->setPlainText(QStringLiteral("Note"));
        f.board->setMode(PencilMode);
        QCOMPARE(f.elementsOf<ITextPathElement>().size(), 1);
        QVERIFY(!editor->isVisible());

        // Back again, the next click starts afresh: the note is not put down twice.
        f.use(QStringLiteral("path text"));
        f.tap(QPoint(300, 200));
        QCOMPARE(f.elementsOf<ITextPathElement>().size(), 1);
        QVERIFY(editor->isVisible());
        QVERIFY(editor->toPlainText().isEmpty());
    }

    void textTypedPastTheViewIsCutAtItsBorder()
    {
        Board f;
        QVERIFY(f.shown);
        f.use(QStringLiteral("path text"));
        f.tap(QPoint(560, 100));
        f.textMode()->editor()->setPlainText(QStringLiteral("WWWWWW"));
        ITextPathElement* ink = f.textMode()->commit();
        QVERIFY(ink);
        const QPointF border = f.scenePos(QPoint(640, 0));
        QVERIFY(ink->path().boundingRect().right() > border.x() + 20);
        QVERIFY(ink->eraseRegion().boundingRect().left() >= border.x() - 1);
        QVERIFY(!ink->eraseRegion().isEmpty());
    }

    void theEditorIsATextBoxTheSlideNeverHearsOf()
    {
        Board f;
        QVERIFY(f.shown);
        f.board->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.board.get()));
        QSignalSpy added(f.slide, &ISlide::sgElementsAddedEvent);
        QSignalSpy removed(f.slide, &ISlide::sgElementsRemovedEvent);
        QSignalSpy changed(f.slide, &ISlide::sgSlideChangedEvent);
        f.use(QStringLiteral("path text"));
        f.tap(QPoint(100, 60));
        ITextElement* editor = f.textMode()->editor();
        QVERIFY(editor && editor->isVisible() && editor->isEditing());
        // Framed as text being typed, with nothing to copy or delete.
        auto* frame = dynamic_cast<ICommonTextElementFrame*>(f.board->sceneElementFrame());
        QVERIFY(frame && frame->isVisible());
        QCOMPARE(frame->items(), QList<QGraphicsItem*>{editor});
        QVERIFY(frame->isEditing());
        QVERIFY(!frame->popupBar() || !frame->popupBar()->isVisible());

        QTest::keyClicks(f.board.get(), QStringLiteral("Hi there"));
        QCOMPARE(editor->toPlainText(), QStringLiteral("Hi there"));
        // Typing changes nothing on the slide, and clearing it leaves the editor.
        QVERIFY(!f.slide->elements().contains(editor));
        QVERIFY(f.slide->clearPathAndTextElements().isEmpty());
        QCOMPARE(editor->scene(), f.slide);
        QCOMPARE(added.count() + removed.count() + changed.count(), 0);

        // The next click puts down one element, announced once.
        f.tap(QPoint(100, 300));
        const QList<ITextPathElement*> inks = f.elementsOf<ITextPathElement>();
        QCOMPARE(inks.size(), 1);
        QCOMPARE(added.count(), 1);
        QCOMPARE(added.first().at(1).value<QList<IElement*>>(), QList<IElement*>{inks.first()});

        // Leaving the tool lets go of the empty editor without a word to the slide.
        f.board->setMode(PencilMode);
        QVERIFY(!editor->isVisible());
        QVERIFY(frame->items().isEmpty());
        QCOMPARE(removed.count(), 0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(f.slide->elements(), QList<IElement*>{inks.first()});
    }

    void losingTheKeyboardEndsTheTypingAndTheNextClickStillPutsItDown()
    {
        Board f;
        QVERIFY(f.shown);
        f.board->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.board.get()));
        f.use(QStringLiteral("path text"));
        f.tap(QPoint(100, 60));
        ITextElement* editor = f.textMode()->editor();
        QTest::keyClicks(f.board.get(), QStringLiteral("Kept"));

        // Another window takes the keyboard: the typing ends, the text stays shown.
        QWidget other;
        other.setGeometry(700, 0, 100, 100);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTRY_VERIFY(!editor->isEditing());
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->toPlainText(), QStringLiteral("Kept"));

        f.board->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.board.get()));
        f.tap(QPoint(300, 200));
        const QList<ITextPathElement*> inks = f.elementsOf<ITextPathElement>();
        QCOMPARE(inks.size(), 1);
        QCOMPARE(inks.first()->text(), QStringLiteral("Kept"));
        QVERIFY(editor->isEditing());
    }

    // --- the selector ------------------------------------------------------------
    void selectorDragsAPathDrawingAndPansOnEmptyPicture()
    {
        Board f;
        QVERIFY(f.shown);
        // Enlarged, so that there is room to pan.
        f.board->zoomBy(2);
        f.board->setMode(RectangleMode);
        f.stroke({QPoint(250, 150), QPoint(330, 210)});
        IElement* drawn = f.slide->elements().value(0);
        auto* item = dynamic_cast<QGraphicsItem*>(drawn);
        QVERIFY(item);
        f.board->setMode(SelectorMode);
        const QRectF before = item->sceneBoundingRect();
        const QPointF viewBefore = f.board->mapToScene(QPoint(0, 0));

        f.userDrag(QPoint(290, 180), QPoint(350, 220));
        // 60 x 40 screen pixels at twice the size; the view stayed.
        QCOMPARE(f.board->mapToScene(QPoint(0, 0)), viewBefore);
        const QPointF moved = item->sceneBoundingRect().center() - before.center();
        QVERIFY2(near(moved, QPointF(30, 20), 0.5), qPrintable(QString("%1,%2").arg(moved.x()).arg(moved.y())));
        QCOMPARE(f.board->elementFrame()->items(), QList<QGraphicsItem*>{item});

        // On the empty picture the same drag pans, and the selection goes.
        const QPointF grabbed = f.board->mapToScene(QPoint(100, 300));
        const QPointF elementAt = item->sceneBoundingRect().center();
        f.userDrag(QPoint(100, 300), QPoint(160, 260));
        QVERIFY(near(f.board->mapFromScene(grabbed), QPoint(160, 260)));
        QVERIFY(near(item->sceneBoundingRect().center(), elementAt, 0.01));
        QVERIFY(!f.board->elementFrame()->isVisible());
        QCOMPARE(item->parentItem(), nullptr);
    }

    void textGoesToTheSlidesTextFrameWhenThereIsOne()
    {
        Board f;
        QVERIFY(f.shown);
        auto* note = new TestText(QStringLiteral("Note"));
        note->setPos(200, 100);
        f.slide->addElement(note);
        f.board->setMode(RectangleMode);
        f.stroke({QPoint(400, 100), QPoint(450, 150)});
        auto* drawn = dynamic_cast<QGraphicsItem*>(f.elementsOf<IFigurePathElement>().value(0));
        f.board->setMode(SelectorMode);
        const QPoint onNote = f.board->mapFromScene(note->sceneBoundingRect().center());

        // Without a text frame nothing takes it, and nothing breaks.
        f.userDrag(QPoint(420, 120), QPoint(425, 125));
        QCOMPARE(f.board->elementFrame()->items(), QList<QGraphicsItem*>{drawn});
        f.userDrag(onNote, onNote, 1);
        QVERIFY(f.board->elementFrame()->items().isEmpty());
        QCOMPARE(note->scenePos(), QPointF(200, 100));

        auto* frame = new TestTextFrame();
        f.slide->setSceneElementFrame(frame);
        const QPointF viewBefore = f.board->mapToScene(QPoint(0, 0));
        f.userDrag(onNote, onNote + QPoint(30, 0));
        QCOMPARE(frame->items(), QList<QGraphicsItem*>{note});
        QCOMPARE(frame->presses.size(), 1);
        QVERIFY(near(frame->presses.first(), f.scenePos(onNote), 1.0));
        QCOMPARE(f.board->mapToScene(QPoint(0, 0)), viewBefore);

        // Another tool puts both frames away.
        f.board->setMode(PencilMode);
        QVERIFY(!frame->isVisible());
        QVERIFY(frame->items().isEmpty());
    }
};

QTEST_MAIN(TestPathShapes)
#include "tst_pathshapes.moc"
