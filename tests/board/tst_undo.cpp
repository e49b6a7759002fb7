// Undo and redo on the board: every kind of change a user makes comes back
// exactly (the elements' property texts and the board's pixels), each slide
// keeps its own history, and the history stays bounded.
#include "common/testenv.h"
#include "common/testtextboard.h"

#include "board/iboardstate.h"
#include "board/item/icommonelementframe.h"
#include "board/path/ipencilpathelement.h"
#include "board/tk_iboard_enum.h"
#include "board/ui/icolorpalette.h"
#include "board/ui/itextelementtoolbar.h"
#include "board/undo/islidehistory.h"
#include "service/iboardservice.h"

#include <QUndoGroup>
#include <QUndoStack>

namespace {

// What the board shows and what its elements say about themselves.
struct Look
{
    QImage pixels;
    // One line per element: "key=text" for each property key.
    QStringList texts;
};

struct Board : TestTextBoard
{
    Look look() const
    {
        QCoreApplication::processEvents();
        Look l;
        l.pixels = board->viewport()->grab().toImage();
        for (IElement* element : slide->elements()) {
            QStringList texts;
            for (int key = 0; key <= 40; ++key)
                texts << QString("%1=%2").arg(key).arg(element->property(key).toString());
            l.texts.append(texts.join(';'));
        }
        return l;
    }
    // The change is made by `change`; undo shows `before` again, redo the change.
    void checkUndoRedo(const std::function<void()>& change) const
    {
        board->hideSelection();
        const Look before = look();
        change();
        board->hideSelection();
        const Look after = look();
        QVERIFY2(after.pixels != before.pixels || after.texts != before.texts, "nothing changed");
        board->undo();
        const Look undone = look();
        QCOMPARE(undone.texts.size(), before.texts.size());
        for (int i = 0; i < before.texts.size(); ++i)
            QCOMPARE(undone.texts.at(i).right(400), before.texts.at(i).right(400));
        QCOMPARE(undone.texts, before.texts);
        QVERIFY(undone.pixels == before.pixels);
        board->redo();
        const Look redone = look();
        QCOMPARE(redone.texts, after.texts);
        QVERIFY(redone.pixels == after.pixels);
    }
    QPoint view(const QPointF& scene) const { return viewPoint(scene); }
    void pen(const QList<QPointF>& points) const
    {
        board->setMode(TK_IBOARD_ENUM::PencilMode);
        press(view(points.first()));
        for (const QPointF& p : points.mid(1))
            moveTo(view(p));
        release(view(points.last()));
    }
    QGraphicsItem* itemAt(int i) const { return dynamic_cast<QGraphicsItem*>(slide->elements().at(i)); }
    // Selects the element and drives its frame from one frame point to another.
    void frameDrag(QGraphicsItem* item, const std::function<QPointF(IElementFrame*)>& from, const QPointF& by) const
    {
        IElementFrame* frame = board->elementFrame();
        frame->setSelection({item}, true);
        const QPointF at = from(frame);
        frame->inputMousePress(at, {});
        for (int i = 1; i <= 4; ++i)
            frame->inputMouseMove(at + by * i / 4, {});
        frame->inputMouseRelease(at + by, {});
    }
};

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::silenceOffscreenPlatformNotices(); }

    void addingAStrokeAFigureAndTextComesAndGoes()
    {
        Board f;
        QVERIFY(f.ok);
        f.checkUndoRedo([&] { f.pen({{100, 100}, {160, 130}, {220, 110}}); });
        f.checkUndoRedo([&] {
            f.board->setMode(TK_IBOARD_ENUM::RectangleMode);
            f.drag(f.view({300, 100}), f.view({400, 180}));
        });
        f.checkUndoRedo([&] {
            f.board->setMode(TK_IBOARD_ENUM::TextMode);
            f.click(f.view({450, 250}));
            f.type("Hello");
        });
        // The box and its first words are one step.
        QCOMPARE(f.texts().size(), 1);
        f.board->undo();
        QVERIFY(f.texts().isEmpty());
        QCOMPARE(f.slide->elements().size(), 2);
    }

    void anEmptyTextBoxLeavesNoStep()
    {
        Board f;
        QVERIFY(f.ok);
        f.board->setMode(TK_IBOARD_ENUM::TextMode);
        f.click(f.view({450, 250}));
        f.board->hideSelection();
        QVERIFY(f.texts().isEmpty());
        QCOMPARE(f.slide->history()->stack()->count(), 0);
    }

    void erasingComesBack()
    {
        Board f;
        QVERIFY(f.ok);
        // Crossing strokes of three colours: what comes back must come back
        // at its place in the stacking order.
        f.board->boardState()->setInkThickness(12);
        f.pen({{100, 200}, {300, 200}, {500, 200}});
        f.board->boardState()->setInkColor(Qt::blue);
        f.pen({{100, 300}, {300, 260}, {500, 300}});
        f.board->boardState()->setInkColor(Qt::darkGreen);
        f.pen({{300, 150}, {300, 350}});
        f.board->boardState()->setInkColor(Qt::magenta);
        f.pen({{330, 150}, {450, 350}});
        // The point eraser cuts a stroke; the object eraser takes one off.
        f.checkUndoRedo([&] {
            f.board->boardState()->setPointEraserSize(QSizeF(30, 30));
            f.board->setMode(TK_IBOARD_ENUM::PathEraserMode);
            f.drag(f.view({200, 180}), f.view({200, 320}));
        });
        f.checkUndoRedo([&] {
            f.board->setMode(TK_IBOARD_ENUM::ObjectEraserMode);
            f.click(f.view({150, 290}));
            QCOMPARE(f.slide->elements().size(), 3);
        });
        // Erasing a stroke away in one pass.
        f.checkUndoRedo([&] {
            f.board->boardState()->setPointEraserSize(QSizeF(80, 80));
            f.board->setMode(TK_IBOARD_ENUM::PathEraserMode);
            f.drag(f.view({60, 200}), f.view({540, 200}), 12);
        });
        // Clearing the board, as the Clear button does.
        IBoardService::instance()->setBoard(f.board.get());
        f.checkUndoRedo([&] { IBoardService::instance()->clearAll(); });
        IBoardService::instance()->setBoard(nullptr);
    }

    void movingScalingTurningAndLockingComeBack()
    {
        Board f;
        QVERIFY(f.ok);
        f.board->setMode(TK_IBOARD_ENUM::RectangleMode);
        f.drag(f.view({200, 150}), f.view({320, 230}));
        f.pen({{150, 300}, {250, 320}, {350, 290}});
        f.board->setMode(TK_IBOARD_ENUM::SelectorMode);
        for (QGraphicsItem* item : {f.itemAt(0), f.itemAt(1)}) {
            f.checkUndoRedo([&] { f.frameDrag(item, [](IElementFrame* fr) { return fr->contentRect().center(); }, {40, 25}); });
            f.checkUndoRedo(
                [&] { f.frameDrag(item, [](IElementFrame* fr) { return fr->bottomRightHandleRect().center(); }, {30, 20}); });
            f.checkUndoRedo(
                [&] { f.frameDrag(item, [](IElementFrame* fr) { return fr->rotationHandleRect().center(); }, {60, 40}); });
        }
        // Locking through the lock button: the element stays put afterwards.
        IElementFrame* frame = f.board->elementFrame();
        const auto lockButton = [&] {
            frame->setSelection({f.itemAt(0)}, true);
            frame->inputMousePress(frame->lockButtonRect().center(), {});
            frame->inputMouseRelease(frame->lockButtonRect().center(), {});
        };
        f.checkUndoRedo(lockButton);
        QVERIFY(f.slide->elements().at(0)->isLocked());
        f.board->undo();
        QVERIFY(!f.slide->elements().at(0)->isLocked());
    }

    void textMovesLocksAndEditsComeBack()
    {
        Board f;
        QVERIFY(f.ok);
        ITextElement* text = f.addText("Board text", {200, 150});
        f.board->hideSelection();
        f.slide->history()->stack()->clear();
        f.board->setMode(TK_IBOARD_ENUM::SelectorMode);
        const QPoint at = f.view(text->sceneBoundingRect().center());
        f.checkUndoRedo([&] { f.drag(at, at + QPoint(60, 40)); });
        f.checkUndoRedo([&] {
            f.board->showFrameFor({text});
            f.frame()->lock();
        });
        f.board->undo();
        f.checkUndoRedo([&] {
            f.board->showFrameFor({text});
            f.frame()->enterEditor();
            f.type(" more");
            // The toolbar's palette recolours while typing.
            emit f.frame()->toolBar()->palette()->sgChangeColor(QColor(0, 120, 200));
        });
        QCOMPARE(text->toPlainText(), QString("Board text more"));
        f.board->undo();
        QCOMPARE(text->toPlainText(), QString("Board text"));
    }

    void copiesAndDeletionsComeBackAsOneStep()
    {
        Board f;
        QVERIFY(f.ok);
        f.pen({{100, 100}, {200, 120}});
        f.pen({{100, 200}, {200, 220}});
        f.board->setMode(TK_IBOARD_ENUM::SelectorMode);
        auto* frame = static_cast<ICommonElementFrame*>(f.board->elementFrame());
        f.checkUndoRedo([&] {
            frame->setSelection({f.itemAt(0), f.itemAt(1)}, true);
            frame->copySelection();
        });
        QCOMPARE(f.slide->elements().size(), 4);
        f.checkUndoRedo([&] {
            frame->setSelection({f.itemAt(0), f.itemAt(1)}, true);
            frame->deleteSelection();
        });
        QCOMPARE(f.slide->elements().size(), 2);
    }

    void keysUndoAndRedoAndTypingKeepsItsOwn()
    {
        Board f;
        QVERIFY(f.ok);
        f.pen({{100, 100}, {200, 120}});
        QTest::keyClick(f.board.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(f.slide->elements().isEmpty());
        QTest::keyClick(f.board.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.slide->elements().size(), 1);
        QTest::keyClick(f.board.get(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(f.board.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(f.slide->elements().size(), 1);
        // While typing, Ctrl+Z takes back typing, not the stroke.
        ITextElement* text = f.addText("abc", {300, 200});
        f.board->showFrameFor({text});
        f.frame()->enterEditor();
        f.type("d");
        QTest::keyClick(f.board.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text->toPlainText(), QString("abc"));
        QCOMPARE(f.slide->elements().size(), 2);
    }

    void eachSlideHasItsOwnHistory()
    {
        Board f;
        QVERIFY(f.ok);
        f.pen({{100, 100}, {200, 120}});
        auto* other = new ISlide(f.board.get());
        f.board->insertSlide(other, true);
        QVERIFY(!f.board->undoGroup()->canUndo());
        f.board->undo();
        QCOMPARE(f.slide->elements().size(), 1);
        f.board->setCurrentSlide(f.slide);
        QVERIFY(f.board->undoGroup()->canUndo());
        f.board->undo();
        QVERIFY(f.slide->elements().isEmpty());
    }

    void theHistoryStaysBoundedOverTenThousandStrokes()
    {
        Board f;
        QVERIFY(f.ok);
        IBoardService::instance()->setBoard(f.board.get());
        const int before = IElement::liveCount();
        for (int i = 0; i < 10000; ++i) {
            f.pen({{100.0 + i % 300, 100}, {200, 150}});
            IBoardService::instance()->clearAll();
            if (i % 500 == 0)
                QCoreApplication::processEvents();
        }
        IBoardService::instance()->setBoard(nullptr);
        QCoreApplication::processEvents();
        QCOMPARE(f.slide->history()->stack()->count(), ISlideHistory::kUndoLimit);
        // A stroke drawn and cleared takes two steps: what the dropped steps
        // held is freed.
        QVERIFY2(IElement::liveCount() - before <= ISlideHistory::kUndoLimit / 2,
                 qPrintable(QString::number(IElement::liveCount() - before)));
        // The oldest steps kept still work.
        while (f.slide->history()->stack()->canUndo())
            f.board->undo();
        QCOMPARE(f.slide->elements().size(), 0);
        f.board->redo();
        QCOMPARE(f.slide->elements().size(), 1);
    }
};

VESKAROO_TEST_MAIN(TestUndo)
#include "tst_undo.moc"
