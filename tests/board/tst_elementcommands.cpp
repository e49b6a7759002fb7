// The Move tool on figures and ink strokes, and the element frame's Copy and
// Delete: what a user sees happen to the slide.
#include "common/testboard.h"
#include "common/testenv.h"
#include "common/testfigure.h"

#include "board/item/icommonelementframe.h"
#include "board/item/ielementframe.h"
#include "board/tk_iboard_enum.h"
#include "board/ui/itoolbutton.h"

#include <QSignalSpy>

namespace {

struct Board : TestBoard
{
    TestFigure* addFigure(const QRectF& rect)
    {
        auto* figure = new TestFigure(rect);
        slide->addElement(figure);
        return figure;
    }
    void drag(const QPoint& from, const QPoint& to)
    {
        press(from);
        for (int i = 1; i <= 4; ++i)
            moveTo(from + (to - from) * i / 4);
        release(to);
    }
    QPoint viewOf(const QGraphicsItem* item) const { return board->mapFromScene(item->sceneBoundingRect().center()); }
    ICommonElementFrame* frame() const { return static_cast<ICommonElementFrame*>(board->elementFrame()); }
};

} // namespace

class TestElementCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::silenceOffscreenPlatformNotices(); }

    void moveDragsAFigure()
    {
        Board f;
        QVERIFY(f.shown);
        TestFigure* figure = f.addFigure(QRectF(200, 100, 80, 60));
        f.board->setMode(TK_IBOARD_ENUM::SelectorMode);
        const QPointF before = figure->sceneBoundingRect().center();
        const QPoint at = f.viewOf(figure);
        f.drag(at, at + QPoint(40, 30));
        const QPointF moved = figure->sceneBoundingRect().center() - before;
        QVERIFY2((moved - f.scenePos(QPoint(40, 30)) + f.scenePos(QPoint(0, 0))).manhattanLength() < 1.5,
                 qPrintable(QString("%1,%2").arg(moved.x()).arg(moved.y())));
        QCOMPARE(f.board->elementFrame()->items(), QList<QGraphicsItem*>{figure});
    }

    void moveDragsAnInkStroke()
    {
        Board f;
        QVERIFY(f.shown);
        f.use("pencil");
        f.stroke({QPoint(200, 200), QPoint(260, 200), QPoint(320, 200)});
        QCOMPARE(f.slide->elements().size(), 1);
        auto* stroke = dynamic_cast<QGraphicsItem*>(f.slide->elements().first());
        QVERIFY(stroke && stroke->type() == InkElementType);
        f.board->setMode(TK_IBOARD_ENUM::SelectorMode);
        const QPointF before = stroke->sceneBoundingRect().center();
        f.drag(QPoint(260, 200), QPoint(260, 260));
        QVERIFY(stroke->sceneBoundingRect().center().y() > before.y() + 10);
        QCOMPARE(f.board->elementFrame()->items(), QList<QGraphicsItem*>{stroke});
    }

    void moveDragsAPenStrokeDrawnWithThePen()
    {
        Board f;
        QVERIFY(f.shown);
        // The pen's live overlay stays on the slide above every drawing.
        f.board->setMode(TK_IBOARD_ENUM::PencilMode);
        f.drag(QPoint(200, 200), QPoint(320, 200));
        QCOMPARE(f.slide->elements().size(), 1);
        auto* stroke = dynamic_cast<QGraphicsItem*>(f.slide->elements().first());
        f.board->setMode(TK_IBOARD_ENUM::SelectorMode);
        const QPointF before = stroke->sceneBoundingRect().center();
        f.drag(QPoint(260, 200), QPoint(260, 260));
        QCOMPARE(f.board->elementFrame()->items(), QList<QGraphicsItem*>{stroke});
        QVERIFY(stroke->sceneBoundingRect().center().y() > before.y() + 10);
    }

    void copyAddsOneOfTheSameKindAnnouncedOnce()
    {
        Board f;
        QVERIFY(f.shown);
        TestFigure* figure = f.addFigure(QRectF(200, 100, 80, 60));
        f.board->showFrameFor({figure});
        QSignalSpy added(f.slide, &ISlide::sgElementsAddedEvent);
        QVERIFY(f.frame()->barButton(QStringLiteral("Copy")));
        f.frame()->barButton(QStringLiteral("Copy"))->click();
        QCOMPARE(added.size(), 1);
        QCOMPARE(f.slide->elements().size(), 2);
        const QList<QGraphicsItem*> framed = f.frame()->items();
        QCOMPARE(framed.size(), 1);
        QVERIFY(framed.first() != figure);
        QCOMPARE(framed.first()->type(), int(FigureElementType));
        const QPointF offset = framed.first()->sceneBoundingRect().topLeft() - figure->sceneBoundingRect().topLeft();
        QCOMPARE(offset, QPointF(20, 20));
    }

    void deleteRemovesAnUnlockedFigureAndKeepsALockedOne()
    {
        Board f;
        QVERIFY(f.shown);
        TestFigure* loose = f.addFigure(QRectF(100, 100, 50, 50));
        TestFigure* locked = f.addFigure(QRectF(300, 100, 50, 50));
        locked->setLocked(true);
        QSignalSpy removed(f.slide, &ISlide::sgElementsRemovedEvent);

        f.board->showFrameFor({locked});
        f.frame()->deleteSelection();
        QCOMPARE(removed.size(), 0);
        QVERIFY(f.slide->elements().contains(locked));

        f.board->showFrameFor({loose});
        QVERIFY(f.frame()->barButton(QStringLiteral("Delete")));
        f.frame()->barButton(QStringLiteral("Delete"))->click();
        QCOMPARE(removed.size(), 1);
        QCOMPARE(f.slide->elements().size(), 1);
        QVERIFY(f.frame()->items().isEmpty());
    }
};

QTEST_MAIN(TestElementCommands)
#include "tst_elementcommands.moc"
