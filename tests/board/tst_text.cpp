// Text boxes: styling and sizing the text, its numbered properties, copies,
// and the frame that moves, scales, locks and starts the typing, on a real board.
#include "common/testenv.h"
#include "common/testtextboard.h"

#include "board/iboardstate.h"
#include "board/item/itextframebutton.h"
#include "board/mode/imodemanager.h"
#include "board/tk_iboard_enum.h"
#include "board/ui/ibasewidget.h"
#include "board/ui/itextelementtoolbar.h"
#include "board/ui/itoolbutton.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The format of the character at `position`.
QTextCharFormat formatAt(QTextDocument* document, int position)
{
    QTextCursor cursor(document);
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

void format(QTextDocument* document, int from, int to, const QTextCharFormat& format)
{
    QTextCursor cursor(document);
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
}

bool near(const QPointF& a, const QPointF& b, double tolerance = 0.01)
{
    return qAbs(a.x() - b.x()) <= tolerance && qAbs(a.y() - b.y()) <= tolerance;
}

} // namespace

class TestText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::silenceOffscreenPlatformNotices(); }

    // --- Styling and sizing the text ---

    void boldTurnsOnBelowWeight58_data()
    {
        QTest::addColumn<int>("weight");
        QTest::addColumn<int>("toggled");
        QTest::newRow("medium 57") << 57 << int(QFont::Bold);
        QTest::newRow("58") << 58 << int(QFont::Normal);
        QTest::newRow("bold") << int(QFont::Bold) << int(QFont::Normal);
    }

    void boldTurnsOnBelowWeight58()
    {
        QFETCH(int, weight);
        QFETCH(int, toggled);
        ITextElement text(QStringLiteral("Board"));
        QFont font = text.font();
        font.setWeight(weight);
        text.setFont(font);

        text.toggleBold();
        QCOMPARE(text.font().weight(), toggled);
        QCOMPARE(formatAt(text.document(), 2).fontWeight(), toggled);
    }

    void stylesGoToTheSelectionOnly()
    {
        ITextElement text(QStringLiteral("Hello world"));
        QTextCursor cursor = text.textCursor();
        cursor.setPosition(0);
        cursor.setPosition(5, QTextCursor::KeepAnchor);
        text.setTextCursor(cursor);

        text.toggleBold();
        text.toggleItalic();
        text.setTextColor(Qt::red);
        QCOMPARE(formatAt(text.document(), 2).fontWeight(), int(QFont::Bold));
        QVERIFY(formatAt(text.document(), 2).fontItalic());
        QCOMPARE(formatAt(text.document(), 2).foreground().color(), QColor(Qt::red));
        QCOMPARE(formatAt(text.document(), 8).fontWeight(), int(QFont::Normal));
        QVERIFY(!formatAt(text.document(), 8).fontItalic());
        QVERIFY(!formatAt(text.document(), 8).hasProperty(QTextFormat::ForegroundBrush));

        // Without a selection a colour changes nothing.
        cursor.clearSelection();
        text.setTextCursor(cursor);
        text.setTextColor(Qt::blue);
        QCOMPARE(formatAt(text.document(), 2).foreground().color(), QColor(Qt::red));
        QCOMPARE(text.lastTextColor(), QColor(Qt::red));
    }

    void widthNeverFallsBelowALine()
    {
        ITextElement text(QStringLiteral("Some words"));
        text.setPointSize(24);
        text.setTextWidth(1);
        QVERIFY(text.textWidth() >= QFontMetricsF(text.font()).height());

        // Empty, the box keeps room for its placeholder.
        ITextElement empty;
        empty.setPlaceholder(QStringLiteral("<i>Type here</i>"), QStringLiteral("Type here"));
        empty.setTextWidth(1);
        QVERIFY(empty.textWidth() >= QFontMetricsF(empty.font()).horizontalAdvance(QStringLiteral("Type here")) + 20);

        // A width handle on a box that never had a width widens what it shows.
        ITextElement unset(QStringLiteral("No width yet"));
        const double shown = unset.size().width();
        unset.resize(shown * 2, 0);
        QVERIFY(qAbs(unset.size().width() - shown * 2) < 1.0);
    }

    void finishingKeepsTheLinesAsTyped()
    {
        ITextElement text(QStringLiteral("One line that fits"));
        text.setTextWidth(500);
        text.setEditable(true);
        const int lines = text.document()->lineCount();

        text.finishEditing();
        QVERIFY(!text.isEditing());
        QCOMPARE(text.document()->lineCount(), lines);
        QVERIFY(text.textWidth() < 500);

        // An empty box shows its placeholder, and typing starts afresh.
        ITextElement empty;
        empty.setPlaceholder(QStringLiteral("<i>Type here</i>"), QStringLiteral("Type here"));
        empty.finishEditing();
        QVERIFY(empty.isPlaceholderShown());
        QVERIFY(!empty.hasText());
    }

    // --- Numbered properties ---

    void sizePropertyWithMinusOneChangesNothing()
    {
        ITextElement text(QStringLiteral("Sized"));
        text.setTextWidth(300);
        text.setBoxHeight(80);
        text.setProperty(ITextElement::SizeKey, QStringLiteral("-1,-1,5,5"));
        QCOMPARE(text.textWidth(), 300.0);
        QCOMPARE(text.boxHeight(), 80.0);

        // Written in points: 72 points are one inch of the screen.
        const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
        text.setProperty(ITextElement::SizeKey, QStringLiteral("72,100"));
        QCOMPARE(text.textWidth(), dpi);
        QCOMPARE(text.boxHeight(), 100.0);

        // What a box without a set width reads writes back unchanged.
        ITextElement fresh(QStringLiteral("Unset"));
        const QRectF before = fresh.boundingRect();
        fresh.setProperty(ITextElement::SizeKey, fresh.property(ITextElement::SizeKey));
        QCOMPARE(fresh.textWidth(), -1.0);
        QCOMPARE(fresh.boundingRect(), before);
    }

    void fontPropertyReadsBackWhatItWrote()
    {
        ITextElement text(QStringLiteral("Font"));
        text.setProperty(ITextElement::FontKey, QStringLiteral("Serif,30,75,1"));
        QCOMPARE(text.font().pointSizeF(), 30.0);
        QCOMPARE(text.font().weight(), int(QFont::Bold));
        QVERIFY(text.font().italic());
        QCOMPARE(text.rememberedFont(), text.font());
        QCOMPARE(text.property(ITextElement::FontKey).toString(), QStringLiteral("Serif,30,75,1"));
    }

    // --- Copies ---

    void copyKeepsCharacterColoursAndStyles()
    {
        ITextElement source(QStringLiteral("Red bold, plain, italic"));
        source.setPos(40, 60);
        source.setTextWidth(400);
        QTextCharFormat redBold;
        redBold.setForeground(Qt::red);
        redBold.setFontWeight(QFont::Bold);
        format(source.document(), 0, 8, redBold);
        QTextCharFormat italic;
        italic.setFontItalic(true);
        italic.setFontUnderline(true);
        format(source.document(), 17, 23, italic);

        std::unique_ptr<IElement> element(source.clone());
        auto* copy = dynamic_cast<ITextElement*>(element.get());
        QVERIFY(copy);
        QCOMPARE(copy->toPlainText(), source.toPlainText());
        QVERIFY(copy->elementId() != source.elementId());
        QCOMPARE(copy->pos(), source.pos());
        QCOMPARE(copy->textWidth(), source.textWidth());
        for (int position : {2, 12, 19}) {
            const QTextCharFormat want = formatAt(source.document(), position);
            const QTextCharFormat got = formatAt(copy->document(), position);
            QCOMPARE(got.foreground(), want.foreground());
            QCOMPARE(got.fontWeight(), want.fontWeight());
            QCOMPARE(got.fontItalic(), want.fontItalic());
            QCOMPARE(got.fontUnderline(), want.fontUnderline());
        }
        QCOMPARE(formatAt(copy->document(), 2).foreground().color(), QColor(Qt::red));
        // The copy's size still follows its own font afterwards.
        copy->setPointSize(40);
        QCOMPARE(QFontInfo(formatAt(copy->document(), 12).font().resolve(copy->font())).pointSizeF(),
                 QFontInfo(copy->font()).pointSizeF());
    }

    // --- The frame ---

    void aClickStartsTypingAndADragMoves_data()
    {
        QTest::addColumn<QPointF>("moved");
        QTest::addColumn<bool>("types");
        QTest::newRow("still") << QPointF(0, 0) << true;
        QTest::newRow("2.9 across") << QPointF(2.9, 0) << true;
        QTest::newRow("2 + 0.9") << QPointF(2, -0.9) << true;
        QTest::newRow("3 across") << QPointF(3, 0) << false;
        QTest::newRow("2 + 1") << QPointF(-2, 1) << false;
    }

    void aClickStartsTypingAndADragMoves()
    {
        QFETCH(QPointF, moved);
        QFETCH(bool, types);
        TestTextBoard b;
        QVERIFY(b.ok);
        ITextElement* text = b.addText(QStringLiteral("Hello"), QPointF(200, 150));
        ICommonTextElementFrame* frame = b.frame();
        frame->setSelection({text}, true);
        QSignalSpy entered(frame, &ITextElementFrame::sgEnterTextEditor);
        const QPointF start = text->sceneBoundingRect().center();
        const QPointF before = text->pos();

        frame->inputMousePress(start, Qt::NoModifier);
        frame->inputMouseMove(start + moved, Qt::NoModifier);
        frame->inputMouseRelease(start + moved, Qt::NoModifier);

        QCOMPARE(text->isEditing(), types);
        QCOMPARE(entered.count(), types ? 1 : 0);
        QVERIFY(near(text->pos(), types ? before : before + moved));
    }

    void handlesMoveWidenAndScale()
    {
        TestTextBoard b;
        QVERIFY(b.ok);
        ITextElement* text = b.addText(QStringLiteral("Handles"), QPointF(200, 150));
        ICommonTextElementFrame* frame = b.frame();
        frame->setSelection({text}, true);
        const auto drag = [frame](int handle, const QPointF& by) {
            const QPointF at = frame->handle(handle)->sceneBoundingRect().center();
            frame->inputMousePress(at, Qt::NoModifier);
            frame->inputMouseMove(at + by / 2, Qt::NoModifier);
            frame->inputMouseMove(at + by, Qt::NoModifier);
            frame->inputMouseRelease(at + by, Qt::NoModifier);
        };

        const QPointF before = text->pos();
        drag(IAbstractFrame::TopLeftHandle, QPointF(30, 20));
        QVERIFY(near(text->pos(), before + QPointF(30, 20)));

        // The left handle keeps the right edge; the text wraps to the new width.
        const QRectF wide = text->sceneBoundingRect();
        drag(IAbstractFrame::LeftHandle, QPointF(-100, 0));
        QVERIFY(qAbs(text->sceneBoundingRect().width() - (wide.width() + 100)) < 1.0);
        QVERIFY(qAbs(text->sceneBoundingRect().right() - wide.right()) < 1.0);

        // A corner scales the whole box about the opposite corner.
        const QRectF unscaled = text->sceneBoundingRect();
        drag(IAbstractFrame::BottomRightHandle, QPointF(unscaled.width(), 0));
        QVERIFY(near(text->sceneBoundingRect().topLeft(), unscaled.topLeft(), 0.5));
        QVERIFY(qAbs(text->sceneBoundingRect().width() - 2 * unscaled.width()) < 1.0);
        QVERIFY(qAbs(text->sceneBoundingRect().height() - 2 * unscaled.height()) < 1.0);
        // The frame follows what it surrounds.
        QVERIFY(frame->rect().contains(text->sceneBoundingRect()));
    }

    void handlesKeepTheirSizeOnScreenWhenTheBoardZooms()
    {
        TestTextBoard b;
        QVERIFY(b.ok);
        ITextElement* text = b.addText(QStringLiteral("Zoomed"), QPointF(200, 150));
        ICommonTextElementFrame* frame = b.frame();
        frame->setSelection({text}, true);
        b.board->viewport()->repaint();
        QCoreApplication::processEvents();
        const auto onScreen = [&b, frame] {
            const QRectF handle = frame->handle(IAbstractFrame::BottomRightHandle)->sceneBoundingRect();
            return b.board->viewportTransform().mapRect(handle).width();
        };
        const double before = onScreen();

        b.board->zoomBy(2);
        b.board->viewport()->repaint();
        QCoreApplication::processEvents();
        QVERIFY2(qAbs(onScreen() - before) < 1.0, qPrintable(QString::number(onScreen())));
        QVERIFY(frame->rect().contains(text->sceneBoundingRect()));
    }

    void anEmptyBoxGoesWhenTheFrameMovesOn()
    {
        TestTextBoard b;
        QVERIFY(b.ok);
        ITextElement* empty = b.addText(QString(), QPointF(100, 100));
        ITextElement* written = b.addText(QStringLiteral("Kept"), QPointF(300, 100));
        ITextElement* other = b.addText(QStringLiteral("Other"), QPointF(300, 300));
        ICommonTextElementFrame* frame = b.frame();

        frame->setSelection({empty}, true);
        frame->enterEditor();
        QVERIFY(empty->isEditing());
        frame->setSelection({written}, true);
        QVERIFY(!b.slide->elements().contains(empty));
        QVERIFY(!empty->isEditing());

        frame->setSelection({other}, true);
        frame->clearSelection(true);
        QCOMPARE(b.texts(), (QList<ITextElement*>{written, other}));
        delete empty;
    }

    void aLockKeepsTheBoxAndItsIndicatorUnlocks()
    {
        TestTextBoard b;
        QVERIFY(b.ok);
        ITextElement* text = b.addText(QStringLiteral("Locked"), QPointF(200, 150));
        ICommonTextElementFrame* frame = b.frame();
        frame->setSelection({text}, true);
        const QPointF before = text->pos();

        frame->onLock();
        QVERIFY(text->isLocked());
        QVERIFY(!frame->handle(IAbstractFrame::TopLeftHandle)->isVisible());
        QVERIFY(frame->handle(IAbstractFrame::LockHandle)->isVisible());
        QVERIFY(!frame->popupBar()->isVisible());
        const QPointF body = text->sceneBoundingRect().center();
        frame->inputMousePress(body, Qt::NoModifier);
        frame->inputMouseMove(body + QPointF(40, 0), Qt::NoModifier);
        frame->inputMouseRelease(body + QPointF(40, 0), Qt::NoModifier);
        QCOMPARE(text->pos(), before);
        QVERIFY(!b.slide->removeElement(text));

        const QPointF lock = frame->handle(IAbstractFrame::LockHandle)->sceneBoundingRect().center();
        frame->inputMousePress(lock, Qt::NoModifier);
        frame->inputMouseRelease(lock, Qt::NoModifier);
        QVERIFY(!text->isLocked());
        QVERIFY(frame->handle(IAbstractFrame::TopLeftHandle)->isVisible());
        // The bar offers Copy and Delete, never Lock.
        QVERIFY(frame->popupBar()->isVisible());
        QVERIFY(frame->barButton(QStringLiteral("Copy"))->isVisible());
        QVERIFY(frame->barButton(QStringLiteral("Delete"))->isVisible());
        QVERIFY(!frame->barButton(QStringLiteral("Lock"))->isVisible());
    }

    void endingTheTypingLeavesOtherToolsChosen()
    {
        TestTextBoard b;
        QVERIFY(b.ok);
        ITextElement* text = b.addText(QStringLiteral("Tool"), QPointF(200, 150));
        ICommonTextElementFrame* frame = b.frame();
        frame->setSelection({text}, true);
        frame->enterEditor();
        QCOMPARE(b.board->currentModeType(), int(TK_IBOARD_ENUM::SelectorMode));

        // Clearing the board while the pencil is chosen keeps the pencil.
        b.board->setMode(TK_IBOARD_ENUM::PencilMode);
        b.board->hideSelection();
        QCOMPARE(b.board->currentModeType(), int(TK_IBOARD_ENUM::PencilMode));
        QVERIFY(!text->isEditing());
        QVERIFY(!frame->isVisible());

        // The text tool hands over to the selector.
        b.board->setMode(TK_IBOARD_ENUM::TextMode);
        frame->setSelection({text}, true);
        b.board->hideSelection();
        QCOMPARE(b.board->currentModeType(), int(TK_IBOARD_ENUM::SelectorMode));
    }

    void anEmptiedBoxShowsItsPlaceholderUntilTypedInto()
    {
        TestTextBoard b;
        QVERIFY(b.ok);
        ITextElement* text = b.addText(QString(), QPointF(200, 150));
        text->setPlaceholder(QStringLiteral("<i>Type here</i>"), QStringLiteral("Type here"));
        ICommonTextElementFrame* frame = b.frame();
        frame->setSelection({text}, true);
        frame->enterEditor();
        frame->leaveEditor();
        QVERIFY(text->isPlaceholderShown());

        frame->enterEditor();
        b.type(QStringLiteral("abc"));
        QCOMPARE(text->toPlainText(), QStringLiteral("abc"));
        text->setPointSize(40);
        QCOMPARE(formatAt(text->document(), 1).font().resolve(text->font()).pointSizeF(), 40.0);
    }

    void copyAndDeleteFromTheBar()
    {
        TestTextBoard b;
        QVERIFY(b.ok);
        ITextElement* text = b.addText(QStringLiteral("Twice"), QPointF(200, 150));
        QTextCharFormat blue;
        blue.setForeground(Qt::blue);
        format(text->document(), 0, 2, blue);
        ICommonTextElementFrame* frame = b.frame();
        frame->setSelection({text}, true);

        frame->barButton(QStringLiteral("Copy"))->click();
        QCOMPARE(b.texts().size(), 2);
        ITextElement* copy = b.texts().at(1);
        QCOMPARE(copy->pos(), text->pos() + QPointF(15, 15));
        QCOMPARE(formatAt(copy->document(), 1).foreground().color(), QColor(Qt::blue));
        QCOMPARE(frame->textItem(), copy);

        frame->barButton(QStringLiteral("Delete"))->click();
        QCOMPARE(b.texts(), QList<ITextElement*>{text});
        QVERIFY(!frame->isVisible());
        delete copy;
    }

    // --- On a real board ---

    void typingInTextModeMakesOneTextElement()
    {
        TestTextBoard b;
        QVERIFY(b.ok);
        b.board->setMode(TK_IBOARD_ENUM::TextMode);
        const QPointF where(120, 90);
        b.click(b.viewPoint(where));
        b.type(QStringLiteral("Hello board"));

        QCOMPARE(b.texts().size(), 1);
        ITextElement* text = b.texts().first();
        QCOMPARE(text->toPlainText(), QStringLiteral("Hello board"));
        QVERIFY(near(text->pos(), where, 1.0));
        QCOMPARE(text->font().pointSizeF(), 24.0);
        QColor ink = b.board->boardState()->inkColor();
        ink.setAlpha(b.board->boardState()->inkOpacity());
        QCOMPARE(text->defaultTextColor(), ink);
        // Typing hands the board to the selector, with the toolbar under the text.
        QCOMPARE(b.board->currentModeType(), int(TK_IBOARD_ENUM::SelectorMode));
        QVERIFY(b.frame()->isVisible());
        QVERIFY(b.frame()->toolBar()->isVisible());

        // A click away ends the typing and keeps the text.
        b.click(b.viewPoint(QPointF(600, 400)));
        QVERIFY(!text->isEditing());
        QVERIFY(!b.frame()->isVisible());
        QVERIFY(!b.frame()->toolBar()->isVisible());
        QCOMPARE(b.texts(), QList<ITextElement*>{text});

        // A click on the text starts typing where it landed; a drag moves it.
        b.click(b.viewPoint(text->mapToScene(text->boundingRect().center())));
        QVERIFY(text->isEditing());
        QVERIFY(b.frame()->toolBar()->isVisible());
        b.type(QStringLiteral("!"));
        QVERIFY(text->toPlainText().contains(QLatin1Char('!')));
        QVERIFY(text->toPlainText() != QStringLiteral("Hello board!"));
        b.click(b.viewPoint(QPointF(600, 400)));
        const QPointF before = text->pos();
        const QPoint grab = b.viewPoint(text->sceneBoundingRect().center());
        b.drag(grab, grab + QPoint(60, 30));
        QVERIFY(near(text->pos(), before + QPointF(60, 30), 1.0));
        QVERIFY(!text->isEditing());
        QVERIFY(b.frame()->popupBar()->isVisible());
    }

    void clickingAwayInTextModeLeavesNoEmptyBox()
    {
        TestTextBoard b;
        QVERIFY(b.ok);
        b.board->setMode(TK_IBOARD_ENUM::TextMode);
        b.click(b.viewPoint(QPointF(100, 100)));
        b.board->setMode(TK_IBOARD_ENUM::TextMode);
        b.click(b.viewPoint(QPointF(300, 300)));
        b.type(QStringLiteral("Second"));
        QCOMPARE(b.texts().size(), 1);
        QCOMPARE(b.texts().first()->toPlainText(), QStringLiteral("Second"));
    }

    void theSelectorDragsTextOnceNotTwice()
    {
        TestTextBoard b;
        QVERIFY(b.ok);
        b.board->zoomBy(1.5);
        // No number selects this selector; a free number does here.
        b.board->modeManager()->registerMode(6, b.board->modeManager()->modeNamed(QStringLiteral("selector")));
        b.board->setMode(6);
        ITextElement* text = b.addText(QStringLiteral("Dragged"), QPointF(200, 150));
        const QPointF before = text->pos();
        const QPoint grab = b.viewPoint(text->sceneBoundingRect().center());

        b.drag(grab, grab + QPoint(60, 0));
        QVERIFY(near(text->pos(), before + QPointF(60 / 1.5, 0), 1.0));
        QVERIFY(!text->isEditing());
        QCOMPARE(b.frame()->textItem(), text);

        // A click without a drag starts the typing.
        const QPoint again = b.viewPoint(text->sceneBoundingRect().center());
        b.click(again);
        QVERIFY(text->isEditing());
    }

    void picturesOfTheBoardLeaveTheFrameOut()
    {
        TestTextBoard b;
        QVERIFY(b.ok);
        ITextElement* text = b.addText(QStringLiteral("Snap"), QPointF(200, 150));
        const QImage plain = b.board->renderAnnotations(1, 1);
        b.frame()->setSelection({text}, true);
        QVERIFY(b.frame()->isVisible());
        QCOMPARE(b.board->renderAnnotations(1, 1), plain);
    }

    void doubleClickOnTextKeepsTheBoardSize()
    {
        QWidget window;
        window.resize(800, 450);
        TestTextBoard b;
        QVERIFY(b.ok);
        b.board->setParent(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ITextElement* text = b.addText(QStringLiteral("Double"), QPointF(200, 150));
        const QPoint on = b.viewPoint(text->sceneBoundingRect().center());
        QTest::mouseDClick(b.board->viewport(), Qt::LeftButton, {}, on);
        QVERIFY(!b.board->isFullScreen());
        QTest::mouseDClick(b.board->viewport(), Qt::LeftButton, {}, b.viewPoint(QPointF(600, 400)));
        QVERIFY(b.board->isFullScreen());
        b.board->setParent(nullptr);
    }
};

VESKAROO_TEST_MAIN(TestText)
#include "tst_text.moc"
