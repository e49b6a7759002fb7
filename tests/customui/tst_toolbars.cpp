// The three toolbars: their buttons, icons, clicks, shortcuts and the
// operations the main window drives them with.
#include "common/testenv.h"

#include "customui/toolbar/iboardtoolbar.h"
#include "customui/toolbar/icameratoolbar.h"
#include "customui/toolbar/irighttoolbar.h"
#include "iglobals.h"

#include <QDirIterator>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSvgRenderer>

#include <algorithm>
#include <memory>

namespace {

using Buttons = QList<QPair<int, QString>>;

const Buttons kRight = {{0, "Board"}, {1, "Magnifier"}, {2, "Zoom-in"},
                        {3, "Zoom-out"}, {4, "Rotate"}, {5, "Self-adapting"}};
const Buttons kBoard = {{0, "Move"}, {1, "Pencil"}, {2, "Thickness"}, {3, "Color"},
                        {4, "Transparency"}, {5, "Text"}, {6, "Shape"}, {7, "Eraser"},
                        {11, "Undo"}, {12, "Redo"}, {8, "Clear"}, {9, "Home"}, {10, "Desktop"}};
const Buttons kCamera = {{0, "Focus and Exposure"}, {1, "Magnifier"}, {2, "Resolution"},
                         {3, "Zoom-in"}, {4, "Zoom-out"}, {5, "Rotate"}, {6, "Freeze"},
                         {7, "Color-adjusting"}, {8, "Self-adapting"}, {9, "Automatic edging"},
                         {15, "Camera"}, {16, "Picture-in-picture"}, {17, "Split-screen"},
                         {10, "Snap"}, {11, "Photo-mode"}, {12, "Video-Recording"},
                         {13, "OCR"}, {14, "PDF"}};

const QColor kOrange(235, 120, 7);

// A shown main window holding one toolbar of the given kind.
struct Window
{
    QWidget window;
    IToolBar* bar = nullptr;

    explicit Window(const QString& kind)
    {
        auto* layout = new QHBoxLayout(&window);
        if (kind == QLatin1String("right"))
            bar = new IRightToolBar(&window, &window);
        else if (kind == QLatin1String("board"))
            bar = new IBoardToolBar(&window, &window);
        else
            bar = new ICameraToolBar(&window, &window);
        layout->addWidget(bar);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("window not exposed");
    }
};

Buttons expectedButtons(const QString& kind)
{
    return kind == QLatin1String("right") ? kRight : kind == QLatin1String("board") ? kBoard : kCamera;
}

void addBars()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("right") << "right";
    QTest::newRow("board") << "board";
    QTest::newRow("camera") << "camera";
}

// How many pixels of the icon the button shows are close to the colour.
int pixelsNear(const QIcon& icon, const QColor& color)
{
    const QImage image = icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 200 && qAbs(c.red() - color.red()) < 12
                && qAbs(c.green() - color.green()) < 12 && qAbs(c.blue() - color.blue()) < 12)
                ++count;
        }
    }
    return count;
}

QList<QVariant> clickOnce(IToolBar* bar, IIToolButton* button)
{
    QSignalSpy spy(bar, &IToolBar::sgButtonClick);
    QTest::mouseClick(button, Qt::LeftButton);
    if (spy.count() != 1)
        return {};
    return spy.takeFirst();
}

} // namespace

class TestToolBars : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestEnv::silenceOffscreenPlatformNotices();
        setScaleFactors(IScaleFactors::fromScreen(QSize(2880, 1620)));
    }

    // --- buttons, texts and icons -------------------------------------------

    void everyButtonHasItsIdAndFindableText_data() { addBars(); }
    void everyButtonHasItsIdAndFindableText()
    {
        QFETCH(QString, kind);
        Window w(kind);
        const Buttons expected = expectedButtons(kind);
        const QList<IIToolButton*> buttons = w.bar->buttons();
        QCOMPARE(buttons.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(buttons.at(i)->id(), expected.at(i).first);
            QCOMPARE(buttons.at(i)->toolTip(), expected.at(i).second);
            QCOMPARE(buttons.at(i)->text(), expected.at(i).second);
            QVERIFY(buttons.at(i)->isVisible());
            QCOMPARE(w.bar->button(expected.at(i).first), buttons.at(i));
        }
        QVERIFY(!w.bar->button(99));
    }

    // The normal face is the light icon; held down it turns orange.
    void everyButtonShowsItsNormalAndPressedIcon_data() { addBars(); }
    void everyButtonShowsItsNormalAndPressedIcon()
    {
        QFETCH(QString, kind);
        Window w(kind);
        for (IIToolButton* b : w.bar->buttons()) {
            if (b->isChecked())
                continue; // the board's current tool, covered below
            QVERIFY2(pixelsNear(b->icon(), QColor(224, 224, 224)) > 10, qPrintable(b->text()));
            QCOMPARE(pixelsNear(b->icon(), kOrange), 0);
            QTest::mousePress(b, Qt::LeftButton);
            QVERIFY2(pixelsNear(b->icon(), kOrange) > 10, qPrintable(b->text()));
            QTest::mouseRelease(b, Qt::LeftButton);
            w.bar->setButtonChecked(b->id(), false);
            QCOMPARE(pixelsNear(b->icon(), kOrange), 0);
        }
    }

    void everyIconInTheResourcesRendersInBothStates()
    {
        const QStringList folders = {":/righttoolbar/righttoolbar", ":/boardtoolbar/boardtoolbar",
                                     ":/cameratoolbar/cameratoolbar", ":/title/title"};
        int pairs = 0;
        for (const QString& folder : folders) {
            QDirIterator it(folder, {"*_normal.svg"});
            while (it.hasNext()) {
                const QString normal = it.next();
                QString pressed = normal;
                pressed.replace("_normal.svg", "_click.svg");
                QVERIFY2(QSvgRenderer(normal).isValid(), qPrintable(normal));
                QVERIFY2(QSvgRenderer(pressed).isValid(), qPrintable(pressed));
                ++pairs;
            }
        }
        QCOMPARE(pairs, 6 + 13 + 18 + 6);
    }

    // --- clicks ------------------------------------------------------------

    void aClickReportsCheckedStateAndIdOnce_data() { addBars(); }
    void aClickReportsCheckedStateAndIdOnce()
    {
        QFETCH(QString, kind);
        Window w(kind);
        for (IIToolButton* b : w.bar->buttons()) {
            const QList<QVariant> args = clickOnce(w.bar, b);
            QVERIFY2(args.size() == 2, qPrintable(b->text()));
            QCOMPARE(args.at(0).toBool(), b->isCheckable() && b->isChecked());
            QCOMPARE(args.at(1).toInt(), b->id());
            if (w.window.isMinimized())
                w.window.showNormal();
        }
    }

    // Toggles report the new state; everything else reports false.
    void toggleButtonsReportTheirNewState_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QList<int>>("toggles");
        QTest::newRow("right") << "right" << QList<int>{1};
        QTest::newRow("camera") << "camera" << QList<int>{1, 6, 9, 16, 17};
    }
    void toggleButtonsReportTheirNewState()
    {
        QFETCH(QString, kind);
        QFETCH(QList<int>, toggles);
        Window w(kind);
        for (IIToolButton* b : w.bar->buttons())
            QCOMPARE(b->isCheckable(), toggles.contains(b->id()));
        for (int id : toggles) {
            QCOMPARE(clickOnce(w.bar, w.bar->button(id)).value(0).toBool(), true);
            QVERIFY(w.bar->isButtonChecked(id));
            QCOMPARE(clickOnce(w.bar, w.bar->button(id)).value(0).toBool(), false);
            QVERIFY(!w.bar->isButtonChecked(id));
        }
    }

    // Move, Pencil, Text and Eraser are the board's modes: one at a time,
    // Move at the start and after Home.
    void boardToolsAreOneExclusiveChoice()
    {
        Window w("board");
        auto* board = static_cast<IBoardToolBar*>(w.bar);
        const QList<int> tools = {0, 1, 5, 7};
        auto checkedTools = [&] {
            QList<int> checked;
            for (int id : tools) {
                if (board->isButtonChecked(id))
                    checked << id;
            }
            return checked;
        };
        QCOMPARE(checkedTools(), QList<int>{0});
        for (int id : {1, 5, 7, 0, 7}) {
            QCOMPARE(clickOnce(board, board->button(id)), (QList<QVariant>{true, id}));
            QCOMPARE(checkedTools(), QList<int>{id});
        }
        // Clicking the current tool again keeps it (its panel toggles instead).
        QCOMPARE(clickOnce(board, board->button(7)), (QList<QVariant>{true, 7}));
        QCOMPARE(checkedTools(), QList<int>{7});
        // Panels and commands do not change the tool.
        for (int id : {2, 3, 4, 6, 8}) {
            QCOMPARE(clickOnce(board, board->button(id)), (QList<QVariant>{false, id}));
            QCOMPARE(checkedTools(), QList<int>{7});
        }
        board->resetSelection();
        QCOMPARE(checkedTools(), QList<int>{0});
        board->setButtonChecked(5, true);
        QCOMPARE(checkedTools(), QList<int>{5});
    }

    void desktopButtonMinimisesTheWindow()
    {
        Window w("board");
        QSignalSpy spy(w.bar, &IToolBar::sgButtonClick);
        QVERIFY(!w.window.isMinimized());
        QTest::mouseClick(w.bar->button(IBoardToolBar::Desktop), Qt::LeftButton);
        QVERIFY(w.window.isMinimized());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().at(1).toInt(), 10);
    }

    // --- shortcuts ------------------------------------------------------------

    void shortcutsClickTheirButtons_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("id");
        QTest::newRow("+") << int(Qt::Key_Plus) << int(Qt::NoModifier) << 3;
        QTest::newRow("keypad +") << int(Qt::Key_Plus) << int(Qt::KeypadModifier) << 3;
        QTest::newRow("-") << int(Qt::Key_Minus) << int(Qt::NoModifier) << 4;
        QTest::newRow("keypad -") << int(Qt::Key_Minus) << int(Qt::KeypadModifier) << 4;
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << 10;
    }
    void shortcutsClickTheirButtons()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, id);
        Window w("camera");
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QSignalSpy spy(w.bar, &IToolBar::sgButtonClick);
        QTest::keyClick(&w.window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(spy.first().at(1).toInt(), id);
        QTest::qWait(150);
        QCOMPARE(spy.count(), 1);
    }

    // Typing into a text field of the same window is text, not a command;
    // a disabled Snap (a capture under way) does not fire again.
    void shortcutsStayOutOfTheWay()
    {
        Window w("camera");
        auto* field = new QLineEdit(&w.window);
        w.window.layout()->addWidget(field);
        field->show();
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        field->setFocus();
        QSignalSpy spy(w.bar, &IToolBar::sgButtonClick);
        QTest::keyClicks(field, "+ -");
        QCOMPARE(field->text(), QString("+ -"));
        w.bar->setButtonEnabled(ICameraToolBar::Snap, false);
        field->clearFocus();
        w.window.setFocus();
        QTest::keyClick(&w.window, Qt::Key_Space);
        QTest::qWait(200);
        QCOMPARE(spy.count(), 0);
    }

    // --- operations by id ---------------------------------------------------

    void enableAndCheckById()
    {
        Window w("camera");
        QSignalSpy spy(w.bar, &IToolBar::sgButtonClick);
        for (int id : {14, 15, 16, 17})
            w.bar->setButtonEnabled(id, false);
        for (int id : {14, 15, 16, 17}) {
            QVERIFY(!w.bar->button(id)->isEnabled());
            QTest::mouseClick(w.bar->button(id), Qt::LeftButton);
        }
        QCOMPARE(spy.count(), 0);
        w.bar->setButtonEnabled(14, true);
        QTest::mouseClick(w.bar->button(14), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);

        // Checking from the program shows the pressed icon and reports nothing.
        spy.clear();
        w.bar->setButtonChecked(ICameraToolBar::Freeze, true);
        QVERIFY(w.bar->isButtonChecked(6));
        QVERIFY(pixelsNear(w.bar->button(6)->icon(), kOrange) > 10);
        w.bar->setButtonChecked(ICameraToolBar::Freeze, false);
        QVERIFY(!w.bar->isButtonChecked(6));
        QCOMPARE(pixelsNear(w.bar->button(6)->icon(), kOrange), 0);
        // Plain commands cannot be left pressed; unknown ids change nothing.
        w.bar->setButtonChecked(ICameraToolBar::Snap, true);
        QVERIFY(!w.bar->isButtonChecked(10));
        w.bar->setButtonChecked(42, true);
        w.bar->setButtonEnabled(42, false);
        QCOMPARE(spy.count(), 0);
    }

    // Panels open beside their button: the bar tells where each one is.
    void buttonsAreLocatedOnScreenInTheirOrder_data() { addBars(); }
    void buttonsAreLocatedOnScreenInTheirOrder()
    {
        QFETCH(QString, kind);
        Window w(kind);
        w.window.move(37, 21);
        QTRY_COMPARE(w.window.pos(), QPoint(37, 21));
        const QRect barOnScreen(w.bar->mapToGlobal(QPoint(0, 0)), w.bar->size());
        QRect previous;
        for (IIToolButton* b : w.bar->buttons()) {
            const QRect r = w.bar->buttonGlobalRect(b->id());
            QCOMPARE(w.bar->buttonGlobalPos(b->id()), r.topLeft());
            QVERIFY(barOnScreen.contains(r));
            QCOMPARE(r.size(), b->size());
            if (previous.isValid()) {
                if (w.bar->orientation() == Qt::Horizontal)
                    QVERIFY(r.left() > previous.right());
                else
                    QVERIFY(r.top() > previous.bottom());
            }
            previous = r;
        }
        QVERIFY(w.bar->buttonGlobalPos(99).isNull());
    }

    void everyLabelShowsWholeOnCommonScreens_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QSize>("screen");
        for (const QString kind : {"camera", "right", "board"}) {
            for (const QSize screen : {QSize(1920, 1080), QSize(1366, 768)})
                QTest::newRow(qPrintable(QString("%1 %2x%3").arg(kind).arg(screen.width()).arg(screen.height())))
                    << kind << screen;
        }
    }
    void everyLabelShowsWholeOnCommonScreens()
    {
        QFETCH(QString, kind);
        QFETCH(QSize, screen);
        setScaleFactors(IScaleFactors::fromScreen(screen));
        Window w(kind);
        // The bar never makes the window wider than the screen.
        QVERIFY(w.bar->minimumSizeHint().width() <= screen.width());
        // Room to spare across the bar: the bar takes the height it asks for.
        if (w.bar->orientation() == Qt::Horizontal)
            w.window.resize(screen.width(), 300);
        else
            w.window.resize(400, screen.height());
        // The layout settles on a later turn of the event loop, late on a busy machine.
        const auto settled = [&w] {
            const QList<IIToolButton*> buttons = w.bar->buttons();
            return std::all_of(buttons.cbegin(), buttons.cend(), [](const IIToolButton* b) {
                return b->isHidden() || b->height() >= b->sizeHint().height();
            });
        };
        QTRY_VERIFY_WITH_TIMEOUT(settled(), 5000);
        // The labels show, on one line or two.
        QCOMPARE(w.bar->buttons().first()->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        const int padding = 2 * qRound(2 * scaleFactors().uniform);
        for (IIToolButton* b : w.bar->buttons()) {
            if (b->isHidden())
                continue;
            const QStringList lines = b->labelLines();
            QVERIFY2(lines.size() <= 2, qPrintable(b->text()));
            // Whole words, all of them, each line inside the button.
            QCOMPARE(lines.join(QString()).remove(' '), b->text().remove(' '));
            for (const QString& line : lines)
                QVERIFY2(b->fontMetrics().horizontalAdvance(line) <= b->width() - padding,
                         qPrintable(QString("\"%1\" in %2 px").arg(line).arg(b->width())));
            QVERIFY2(b->height() >= b->sizeHint().height(), qPrintable(b->text()));
        }
        setScaleFactors(IScaleFactors());
    }

    void aRowShortOfRoomShowsIconsWithTheirTooltips()
    {
        Window w("camera");
        w.window.resize(w.bar->minimumSizeHint().width() + 20, 300);
        QTest::qWait(50);
        for (IIToolButton* b : w.bar->buttons()) {
            QCOMPARE(b->toolButtonStyle(), Qt::ToolButtonIconOnly);
            QVERIFY(!b->toolTip().isEmpty());
            QCOMPARE(b->toolTip(), b->text());
        }
        // With room again the labels come back.
        w.window.resize(1920, 300);
        QTRY_COMPARE(w.bar->buttons().first()->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    }
};

VESKAROO_TEST_MAIN(TestToolBars)
#include "tst_toolbars.moc"
