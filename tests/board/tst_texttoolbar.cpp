// The text toolbar: the sizes it offers, and that choosing a size, a colour or
// a style while typing keeps the typing going.
#include "common/testenv.h"
#include "common/testtextboard.h"

#include "board/tk_iboard_enum.h"
#include "board/ui/icolorbutton.h"
#include "board/ui/icolorpalette.h"
#include "board/ui/itextelementtoolbar.h"
#include "board/ui/itoolbutton.h"
#include "iglobals.h"
#include "service/iboardservice.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// A board in text mode with "Hello" typed into a new box.
struct Typing : TestTextBoard
{
    Typing()
    {
        if (!ok)
            return;
        board->setMode(TK_IBOARD_ENUM::TextMode);
        click(viewPoint(QPointF(120, 90)));
        type(QStringLiteral("Hello"));
        text = texts().value(0);
        toolBar = frame()->toolBar();
        ok = text && toolBar && toolBar->isVisible() && text->isEditing();
    }
    QColor colourAt(int position) const
    {
        QTextCursor cursor(text->document());
        cursor.setPosition(position + 1);
        const QTextCharFormat format = cursor.charFormat();
        return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                                : text->defaultTextColor();
    }
    void loseFocus(Qt::FocusReason reason) const
    {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(board.get(), &out);
    }

    ITextElement* text = nullptr;
    ITextElementToolBar* toolBar = nullptr;
};

} // namespace

class TestTextToolBar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestEnv::silenceOffscreenPlatformNotices();
        setScaleFactors(IScaleFactors());
    }

    void offersTheListedFontSizes()
    {
        Typing t;
        QVERIFY(t.ok);
        QStringList offered;
        for (int i = 0; i < t.toolBar->sizeBox()->count(); ++i)
            offered << t.toolBar->sizeBox()->itemText(i);
        const QStringList listed = QStringLiteral(
            "3 4 5 6 6.5 7 7.5 8 8.8 9 9.5 10 10.5 11 11.5 12 12.5 13 13.5 14 15 16 17 18 19 20 22 24 26 28 "
            "30 32 34 36 38 40 44 48 52 56 62 72 76 80 88 96 104 112 120 128 136 144").split(QLatin1Char(' '));
        QCOMPARE(offered, listed);
        // The box shows the text's own size.
        QCOMPARE(t.toolBar->sizeBox()->currentText(), QStringLiteral("24"));
    }

    void choosingAFontSizeWhileTypingKeepsEditing()
    {
        Typing t;
        QVERIFY(t.ok);
        QSignalSpy ended(t.text, &ITextElement::endEdit);
        QComboBox* sizes = t.toolBar->sizeBox();

        // The list opens as a pop-up, which takes the focus for a moment.
        QTest::mouseClick(sizes, Qt::LeftButton);
        t.loseFocus(Qt::PopupFocusReason);
        sizes->setCurrentText(QStringLiteral("48"));
        sizes->hidePopup();

        QCOMPARE(t.text->font().pointSizeF(), 48.0);
        QVERIFY(t.text->isEditing());
        QCOMPARE(ended.count(), 0);
        t.type(QStringLiteral(" you"));
        QCOMPARE(t.text->toPlainText(), QStringLiteral("Hello you"));
    }

    void stylesFromTheToolbarKeepTheSelection()
    {
        Typing t;
        QVERIFY(t.ok);
        QTextCursor cursor = t.text->textCursor();
        cursor.setPosition(1);
        cursor.setPosition(3, QTextCursor::KeepAnchor);
        t.text->setTextCursor(cursor);

        t.toolBar->findChild<IToolButton*>(QStringLiteral("bold"))->click();
        t.toolBar->findChild<IToolButton*>(QStringLiteral("underline"))->click();
        QVERIFY(t.text->isEditing());
        QVERIFY(t.text->textCursor().hasSelection());
        QTextCursor at(t.text->document());
        at.setPosition(2);
        QCOMPARE(at.charFormat().fontWeight(), int(QFont::Bold));
        QVERIFY(at.charFormat().fontUnderline());
        at.setPosition(5);
        QVERIFY(!at.charFormat().fontUnderline());
    }

    void aPaletteColourRecoloursTheWholeElement()
    {
        Typing t;
        QVERIFY(t.ok);
        QTextCursor cursor(t.text->document());
        cursor.setPosition(0);
        cursor.setPosition(2, QTextCursor::KeepAnchor);
        QTextCharFormat blue;
        blue.setForeground(Qt::blue);
        cursor.mergeCharFormat(blue);

        t.toolBar->findChild<IToolButton*>(QStringLiteral("color"))->click();
        IColorPalette* palette = t.toolBar->palette();
        QVERIFY(palette->isVisible());
        IColorButton* red = palette->colorButtons().at(1);
        QCOMPARE(red->color(), QColor(Qt::red));
        red->click();

        QVERIFY(!palette->isVisible());
        QCOMPARE(t.text->defaultTextColor(), QColor(Qt::red));
        for (int position = 0; position < 5; ++position)
            QCOMPARE(t.colourAt(position), QColor(Qt::red));
        QVERIFY(t.text->isEditing());
        t.type(QStringLiteral("!"));
        QCOMPARE(t.colourAt(5), QColor(Qt::red));
    }

    void whileThePaletteIsOpenLosingTheFocusKeepsTyping()
    {
        Typing t;
        QVERIFY(t.ok);
        t.toolBar->onTextColor();
        // The colour panel is a window of its own and takes the activation.
        t.loseFocus(Qt::ActiveWindowFocusReason);
        QVERIFY(t.text->isEditing());

        t.toolBar->onTextColor();
        QVERIFY(!t.toolBar->palette()->isVisible());
        QApplication::setActiveWindow(t.board.get());
        t.text->setFocus();
        t.loseFocus(Qt::ActiveWindowFocusReason);
        QVERIFY(!t.text->isEditing());
    }

    void aPressOnTheToolbarNearTheScreenEdgeIsNoPressAway()
    {
        Typing t;
        QVERIFY(t.ok);
        IBoardService* service = IBoardService::instance();
        service->setBoard(t.board.get());
        QComboBox* family = t.toolBar->familyBox();
        const QPoint onToolBar = family->mapToGlobal(QPoint(4, family->height() / 2));
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(onToolBar.x() < area.left() + 200, "the toolbar lies in the left strip");

        QVERIFY(service->handleGlobalPress(onToolBar));
        QVERIFY(t.text->isEditing());
        QVERIFY(t.toolBar->isVisible());

        // A press in the same strip but off the board's pop-ups ends the typing.
        QVERIFY(!service->handleGlobalPress(QPoint(area.left() + 2, area.bottom() - 2)));
        QVERIFY(!t.text->isEditing());
        QVERIFY(!t.toolBar->isVisible());
        service->setBoard(nullptr);
    }
};

VESKAROO_TEST_MAIN(TestTextToolBar)
#include "tst_texttoolbar.moc"
