// The pen's pickers beside the board toolbar: each choice reaches the
// settings file and the board's drawing state; the number box refuses what
// the range cannot take; the pickers open beside their buttons, close again,
// and the ones that commit on closing do so however they close.
#include "common/testenv.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/item/figure/ifigureelement.h"
#include "board/item/ipixmapitem.h"
#include "board/mode/ifiguretool.h"
#include "board/mode/imodemanager.h"
#include "board/ui/icolorbutton.h"
#include "board/ui/icolorframe.h"
#include "board/ui/icolorpanel.h"
#include "board/ui/icustomslider.h"
#include "board/ui/ieraseframe.h"
#include "board/ui/ifigureframe.h"
#include "board/ui/islider.h"
#include "board/ui/ithicknessframe.h"
#include "board/ui/itoolbutton.h"
#include "board/ui/itransparentframe.h"
#include "board/ui/myvalidator.h"
#include "customui/toolbar/iboardtoolbar.h"
#include "customui/toolbar/irighttoolbar.h"
#include "iglobals.h"
#include "mainframe.h"
#include "service/iboardservice.h"
#include "service/iconfigureservice.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QToolButton>

class TestBoardPickers : public QObject
{
    Q_OBJECT

    MainFrame* m_window = nullptr;

    static IConfigureService* config() { return IConfigureService::instance(); }
    IBoardState* state() const { return m_window->board()->boardState(); }
    // What the settings file holds now, read as a later start would.
    static QVariant stored(const QString& key)
    {
        QSettings file(IConfigureService::settingsFilePath(), QSettings::IniFormat);
        return file.value(key);
    }
    static QStringList toolTips(const QList<QAbstractButton*>& buttons)
    {
        QStringList tips;
        for (const QAbstractButton* b : buttons)
            tips << b->toolTip();
        return tips;
    }
    static QAbstractButton* buttonWithTip(QWidget* parent, const QString& tip)
    {
        for (QAbstractButton* b : parent->findChildren<QAbstractButton*>()) {
            if (b->toolTip() == tip)
                return b;
        }
        return nullptr;
    }
    static QStringList checkedTips(QWidget* parent)
    {
        QStringList tips;
        for (QAbstractButton* b : parent->findChildren<QAbstractButton*>()) {
            if (b->isChecked())
                tips << b->toolTip();
        }
        return tips;
    }
    // A board toolbar button, found by its text as a user finds it.
    QAbstractButton* boardButton(const QString& text) const
    {
        for (QAbstractButton* b : m_window->boardToolBar()->findChildren<QAbstractButton*>()) {
            if (b->text() == text)
                return b;
        }
        return nullptr;
    }
    template <typename Picker>
    Picker* picker() const
    {
        return m_window->findChild<Picker*>();
    }
    static void typeNumber(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    static QString previewStyle(int r, int g, int b, int a)
    {
        return QString("border:none;background-color:rgba(%1,%2,%3,%4);border-radius:10px;").arg(r).arg(g).arg(b).arg(a);
    }

private slots:
    void initTestCase()
    {
        TestEnv::silenceOffscreenPlatformNotices();
        // Small enough for the whole window to fit the offscreen screen, so
        // that no picker is pushed back onto it.
        setScaleFactors({0.6, 0.6, 0.6});
        m_window = new MainFrame(nullptr);
        IBoardService::instance()->setBoard(m_window->board());
        m_window->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QTest::mouseClick(m_window->rightToolBar()->button(IRightToolBar::Board), Qt::LeftButton);
        QVERIFY(m_window->boardToolBar()->isVisible());
    }

    void cleanupTestCase()
    {
        IBoardService::instance()->setBoard(nullptr);
        delete m_window;
    }

    void thicknessClickSetsThePenAtOnce()
    {
        IThicknessFrame frame;
        frame.show();
        QList<QAbstractButton*> buttons;
        for (IToolButton* b : frame.buttons())
            buttons << b;
        QCOMPARE(toolTips(buttons), QStringList({"1 thickness", "3 thickness", "5 thickness", "7 thickness",
                                                 "10 thickness", "20 thickness", "30 thickness"}));
        // The configured thickness (5 by default) is the one shown.
        QCOMPARE(checkedTips(&frame), QStringList{"5 thickness"});

        QTest::mouseClick(buttonWithTip(&frame, "7 thickness"), Qt::LeftButton);
        QCOMPARE(config()->pencilThickness(), 7);
        QCOMPARE(stored("pencil/thickness").toInt(), 7);
        QCOMPARE(state()->inkThickness(), 7.0);
        QCOMPARE(checkedTips(&frame), QStringList{"7 thickness"});

        // Shown again, it marks what the settings say now.
        frame.hide();
        config()->setPencilThickness(20);
        frame.show();
        QCOMPARE(checkedTips(&frame), QStringList{"20 thickness"});
        frame.hide();
        config()->setPencilThickness(4); // not one it offers
        frame.show();
        QCOMPARE(checkedTips(&frame), QStringList());
        config()->setPencilThickness(5);
    }

    void colourSwatchSetsThePenAtOnce()
    {
        config()->setPencilColor(QColor(255, 0, 0));
        IColorFrame frame;
        frame.show();
        QList<QAbstractButton*> buttons;
        for (IColorButton* b : frame.colorButtons())
            buttons << b;
        buttons << frame.moreButton();
        QCOMPARE(toolTips(buttons),
                 QStringList({"Red", "Green", "Blue", "Yellow", "Pink", "Cyan", "Black", "White", "..."}));
        QCOMPARE(checkedTips(&frame), QStringList{"Red"});

        QTest::mouseClick(buttonWithTip(&frame, "Pink"), Qt::LeftButton);
        QCOMPARE(stored("pencil/color").toString(), QString("#ff00ff"));
        QCOMPARE(state()->inkColor(), QColor(255, 0, 255));
        QCOMPARE(checkedTips(&frame), QStringList{"Pink"});
        // A click on the chosen swatch keeps it chosen.
        QTest::mouseClick(buttonWithTip(&frame, "Pink"), Qt::LeftButton);
        QCOMPARE(checkedTips(&frame), QStringList{"Pink"});

        frame.hide();
        config()->setPencilColor(QColor(0, 0, 255));
        frame.show();
        QCOMPARE(checkedTips(&frame), QStringList{"Blue"});
    }

    void moreOpensTheColourPanelWhichPicksTheColourUnderTheCursor()
    {
        IColorFrame frame;
        frame.move(600, 100);
        frame.show();
        IColorPanel* panel = frame.colorPanel();
        QTest::mouseClick(frame.moreButton(), Qt::LeftButton);
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->title(), QString("Color Panel"));
        // Beside the picker, not over it.
        QVERIFY(panel->frameGeometry().right() < frame.frameGeometry().left());

        // Between yellow and green, halfway down: a clear yellow-green.
        IToolButton* field = panel->fieldButton();
        const QPoint at(field->width() * 3 / 10, field->height() / 2);
        const QColor expected = IColorPanel::fieldPicture().pixelColor(at);
        QVERIFY2(expected.green() > 200 && expected.red() > 60 && expected.blue() < 40, qPrintable(expected.name()));
        QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(state()->inkColor(), expected);
        QCOMPARE(stored("pencil/color").toString(), expected.name());
        QVERIFY(!panel->isVisible());
        QCOMPARE(checkedTips(&frame), QStringList());

        // "..." again closes it; so does closing the picker.
        QTest::mouseClick(frame.moreButton(), Qt::LeftButton);
        QVERIFY(panel->isVisible());
        QTest::mouseClick(frame.moreButton(), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        QTest::mouseClick(frame.moreButton(), Qt::LeftButton);
        frame.hide();
        QVERIFY(!panel->isVisible());
        // Its close button ends it like any dialog.
        frame.show();
        QTest::mouseClick(frame.moreButton(), Qt::LeftButton);
        QSignalSpy closed(panel, &IBaseWidget::sgClose);
        QTest::mouseClick(panel->closeButton(), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        QCOMPARE(closed.count(), 1);
    }

    void colourFieldRunsThroughTheHuesAndFadesToWhiteAndBlack()
    {
        const QImage field = IColorPanel::fieldPicture();
        const int w = field.width();
        const int h = field.height();
        for (int x : {0, w / 4, w / 2, w - 1}) {
            QVERIFY2(field.pixelColor(x, 0).lightness() > 245, qPrintable(QString::number(x)));
            QVERIFY2(field.pixelColor(x, h - 1).lightness() < 10, qPrintable(QString::number(x)));
        }
        // The middle three fifths show the hues themselves.
        const int y = h / 2;
        const QColor darkRed = field.pixelColor(0, y);
        QVERIFY2(qAbs(darkRed.red() - 128) <= 4 && darkRed.green() < 8 && darkRed.blue() < 8, qPrintable(darkRed.name()));
        QCOMPARE(field.pixelColor(w - 1, y).red(), 255);
        const QColor yellow = field.pixelColor(w / 5, y);
        QVERIFY2(yellow.red() > 240 && yellow.green() > 240 && yellow.blue() < 15, qPrintable(yellow.name()));
        const QColor blue = field.pixelColor(w * 6 / 10, y);
        QVERIFY2(blue.blue() > 240 && blue.red() < 15 && blue.green() < 15, qPrintable(blue.name()));
    }

    void transparencyPreviewsThePenColourAndCommitsOnClosing()
    {
        config()->setPencilColor(QColor(0, 0, 255));
        config()->setPencilTransparency(200);
        ITransparentFrame frame;
        frame.show();
        QCOMPARE(frame.slider()->value(), 200);
        QCOMPARE(frame.preview()->styleSheet(), previewStyle(0, 0, 255, 200));

        typeNumber(frame.slider()->numberBox(), "120");
        QTest::keyClick(frame.slider()->numberBox(), Qt::Key_Return);
        QCOMPARE(frame.slider()->value(), 120);
        QCOMPARE(frame.preview()->styleSheet(), previewStyle(0, 0, 255, 120));
        QCOMPARE(frame.slider()->slider()->toolTip(), QString("120"));
        // Nothing is committed while the picker is open.
        QCOMPARE(stored("pencil/transparent").toInt(), 200);
        QCOMPARE(state()->inkOpacity(), 200);

        frame.hide();
        QCOMPARE(config()->pencilTransparency(), 120);
        QCOMPARE(stored("pencil/transparent").toInt(), 120);
        QCOMPARE(state()->inkOpacity(), 120);

        // A colour chosen meanwhile shows at the next opening; 1 previews as clear.
        config()->setPencilColor(QColor(255, 255, 0));
        frame.show();
        QCOMPARE(frame.preview()->styleSheet(), previewStyle(255, 255, 0, 120));
        frame.slider()->setValue(1);
        QCOMPARE(frame.preview()->styleSheet(), previewStyle(255, 255, 0, 0));
        // A number typed but not confirmed still counts when the picker closes.
        typeNumber(frame.slider()->numberBox(), "77");
        frame.hide();
        QCOMPARE(state()->inkOpacity(), 77);
    }

    void numberBoxRefusesWhatTheRangeCannotTake()
    {
        ITransparentFrame frame;
        frame.show();
        QLineEdit* box = frame.slider()->numberBox();
        typeNumber(box, "300");
        QVERIFY(!box->hasAcceptableInput());
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->text(), QString("0"));
        QCOMPARE(frame.slider()->value(), 0);
        // An empty box becomes the minimum too; letters never get in.
        frame.slider()->setValue(90);
        typeNumber(box, "ab");
        QCOMPARE(box->text(), QString());
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(frame.slider()->value(), 0);
        // A refused number is not committed when the picker closes.
        frame.slider()->setValue(150);
        typeNumber(box, "300");
        frame.hide();
        QCOMPARE(state()->inkOpacity(), 150);
    }

    void validatorFollowsTheRangeAndTheBoxFollowsTheValue()
    {
        ICustomSlider slider(ICustomSlider::Vertical);
        slider.setRange(20, 200);
        QCOMPARE(slider.slider()->minimum(), 20);
        auto* validator = qobject_cast<const MyValidator*>(slider.numberBox()->validator());
        QVERIFY(validator);
        QCOMPARE(validator->bottom(), 20);
        QCOMPARE(validator->top(), 200);
        QString low = "5";
        validator->fixup(low);
        QCOMPARE(low, QString("20"));
        slider.setMaximum(50);
        QCOMPARE(qobject_cast<const MyValidator*>(slider.numberBox()->validator())->top(), 50);

        QSignalSpy values(&slider, &ICustomSlider::sgValueChanged);
        QSignalSpy states(&slider, &ICustomSlider::sgStateChanged);
        slider.setValue(40, false);
        QCOMPARE(values.count(), 1);
        QCOMPARE(states.count(), 1);
        QVERIFY(!slider.isChecked());
        // The same value again still clears a half-typed number.
        slider.numberBox()->setText("4");
        slider.setValue(40, false);
        QCOMPARE(slider.numberBox()->text(), QString("40"));
        QCOMPARE(values.count(), 1);
        // The box goes with the slider.
        slider.slider()->setEnabled(false);
        QVERIFY(!slider.numberBox()->isEnabled());
        slider.slider()->setEnabled(true);
        QVERIFY(slider.numberBox()->isEnabled());
    }

    void eraserShowsTheLastSizeAndCommitsOnClosing()
    {
        config()->setEraserSize(150);
        IEraseFrame frame;
        frame.show();
        QCOMPARE(frame.slider()->value(), 150);
        QCOMPARE(frame.slider()->slider()->minimum(), 20);
        QCOMPARE(frame.slider()->slider()->maximum(), 200);
        frame.slider()->setValue(60);
        QCOMPARE(frame.slider()->slider()->toolTip(), QString("60"));
        QCOMPARE(stored("erase/size").toInt(), 150);

        // The board's eraser is that many interface pixels.
        const IScaleFactors before = scaleFactors();
        setScaleFactors({1.5, 1.5, 1.5});
        frame.hide();
        setScaleFactors(before);
        QCOMPARE(stored("erase/size").toInt(), 60);
        QCOMPARE(state()->pointEraserSize(), QSizeF(90, 90));
        frame.show();
        QCOMPARE(frame.slider()->value(), 60);
        frame.hide();
    }

    void slidersShowWholeOnEveryScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("1920x1080") << QSize(1920, 1080);
        QTest::newRow("1366x768") << QSize(1366, 768);
        QTest::newRow("ultrawide 2560x1080") << QSize(2560, 1080);
        QTest::newRow("4:3 1024x768") << QSize(1024, 768);
    }

    void slidersShowWholeOnEveryScreen()
    {
        QFETCH(QSize, screen);
        const IScaleFactors before = scaleFactors();
        setScaleFactors(IScaleFactors::fromScreen(screen));
        ITransparentFrame transparency;
        IEraseFrame eraser;
        setScaleFactors(before);
        for (QWidget* picker : {static_cast<QWidget*>(&transparency), static_cast<QWidget*>(&eraser)}) {
            picker->show();
            QVERIFY(QTest::qWaitForWindowExposed(picker));
            // Inside the margins, and the box clear of the slider.
            const QRect inside = picker->layout()->contentsRect();
            auto* slider = picker->findChild<ICustomSlider*>();
            QRect parts[2];
            int i = 0;
            for (QWidget* part : {static_cast<QWidget*>(slider->slider()), static_cast<QWidget*>(slider->numberBox())}) {
                const QRect at(part->mapTo(picker, QPoint(0, 0)), part->size());
                parts[i++] = at;
                QVERIFY2(inside.contains(at),
                         qPrintable(QString("%1 at %2,%3 %4x%5 in %6,%7 %8x%9").arg(part->metaObject()->className())
                                        .arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height())
                                        .arg(inside.x()).arg(inside.y()).arg(inside.width()).arg(inside.height())));
            }
            QVERIFY(!parts[0].intersects(parts[1]));
        }
    }

    void pickersOpenLeftOfTheirButtonAndCloseOnASecondClick_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("picker");
        QTest::newRow("thickness") << "Thickness" << "IThicknessFrame";
        QTest::newRow("colour") << "Color" << "IColorFrame";
        QTest::newRow("transparency") << "Transparency" << "ITransparentFrame";
        QTest::newRow("figure") << "Shape" << "IFigureFrame";
        QTest::newRow("eraser") << "Eraser" << "IEraseFrame";
    }

    void pickersOpenLeftOfTheirButtonAndCloseOnASecondClick()
    {
        QFETCH(QString, button);
        QFETCH(QString, picker);
        QAbstractButton* b = boardButton(button);
        QVERIFY(b);
        QWidget* panel = nullptr;
        for (QWidget* child : m_window->findChildren<QWidget*>()) {
            if (child->isWindow() && child->inherits(qPrintable(picker)))
                panel = child;
        }
        QVERIFY(panel);
        QVERIFY(!panel->isVisible());

        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(panel->isVisible());
        const QRect at(b->mapToGlobal(QPoint(0, 0)), b->size());
        const QRect placed = panel->frameGeometry();
        QCOMPARE(placed.x() + placed.width() + scaledPixels(10), at.x());
        QVERIFY2(qAbs(placed.center().y() - at.center().y()) <= 1,
                 qPrintable(QString("picker centre %1, button centre %2").arg(placed.center().y()).arg(at.center().y())));
        // The only pop-up open.
        for (QWidget* other : m_window->findChildren<ICustomWidget*>())
            QVERIFY2(other == panel || !other->isVisible(), other->metaObject()->className());

        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(!panel->isVisible());
    }

    void eraserButtonSelectsTheEraserAndItsPickerCommitsHoweverItCloses()
    {
        config()->setEraserSize(100);
        QAbstractButton* eraser = boardButton("Eraser");
        auto* frame = picker<IEraseFrame>();

        QTest::mouseClick(eraser, Qt::LeftButton);
        QCOMPARE(m_window->board()->currentModeType(), 3);
        QVERIFY(frame->isVisible());
        QCOMPARE(frame->slider()->value(), 100);
        frame->slider()->setValue(40);
        // A press on the board closes it before the eraser gets the press.
        QTest::mouseClick(m_window->board()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          m_window->board()->viewport()->rect().center());
        QVERIFY(!frame->isVisible());
        QCOMPARE(stored("erase/size").toInt(), 40);
        QCOMPARE(state()->pointEraserSize(), QSizeF(40 * scaleFactors().uniform, 40 * scaleFactors().uniform));

        // Another toolbar button closes it too.
        QTest::mouseClick(eraser, Qt::LeftButton);
        QCOMPARE(frame->slider()->value(), 40);
        frame->slider()->setValue(70);
        QTest::mouseClick(boardButton("Thickness"), Qt::LeftButton);
        QVERIFY(!frame->isVisible());
        QVERIFY(picker<IThicknessFrame>()->isVisible());
        QCOMPARE(stored("erase/size").toInt(), 70);

        // And so does the eraser button itself, after it picked the eraser again.
        QTest::mouseClick(eraser, Qt::LeftButton);
        QVERIFY(!picker<IThicknessFrame>()->isVisible());
        frame->slider()->setValue(180);
        QTest::mouseClick(eraser, Qt::LeftButton);
        QVERIFY(!frame->isVisible());
        QCOMPARE(state()->pointEraserSize(), QSizeF(180 * scaleFactors().uniform, 180 * scaleFactors().uniform));
        QCOMPARE(m_window->board()->currentModeType(), 3);
    }

    void figurePickerSwitchesTheBoardToTheInkFigures()
    {
        auto* frame = picker<IFigureFrame>();
        QTest::mouseClick(boardButton("Shape"), Qt::LeftButton);
        QVERIFY(frame->isVisible());
        QList<QAbstractButton*> buttons;
        for (IToolButton* b : frame->buttons().mid(0, 5))
            buttons << b;
        QCOMPARE(toolTips(buttons), QStringList({"Straight line", "Circle", "Oval", "Triangle", "Rectangle"}));
        // They stay side by side on the top row, in that order.
        for (int i = 1; i < buttons.size(); ++i) {
            QCOMPARE(buttons.at(i)->y(), buttons.at(0)->y());
            QVERIFY(buttons.at(i)->x() > buttons.at(i - 1)->x());
        }

        const QList<QPair<int, int>> modeAndKind{{9, 1}, {19, 13}, {20, 14}, {24, 18}, {21, 15}};
        for (int i = 0; i < buttons.size(); ++i) {
            QTest::mouseClick(buttons.at(i), Qt::LeftButton);
            QCOMPARE(m_window->board()->currentModeType(), modeAndKind.at(i).first);
            auto* tool = dynamic_cast<IFigureTool*>(m_window->board()->modeManager()->currentMode());
            QVERIFY(tool);
            QCOMPARE(tool->figureKind(), modeAndKind.at(i).second);
            QCOMPARE(checkedTips(frame), QStringList{buttons.at(i)->toolTip()});
        }

        // Opened again, it marks the figure the board draws; with another tool, none.
        QTest::mouseClick(boardButton("Shape"), Qt::LeftButton);
        QVERIFY(!frame->isVisible());
        QTest::mouseClick(boardButton("Shape"), Qt::LeftButton);
        QCOMPARE(checkedTips(frame), QStringList{"Rectangle"});
        QTest::mouseClick(boardButton("Move"), Qt::LeftButton);
        QVERIFY(!frame->isVisible());
        QCOMPARE(m_window->board()->currentModeType(), 1);
        QTest::mouseClick(boardButton("Shape"), Qt::LeftButton);
        QCOMPARE(checkedTips(frame), QStringList());
        QTest::mouseClick(boardButton("Shape"), Qt::LeftButton);
    }

    void figurePickerReachesEveryFigureKind()
    {
        auto* frame = picker<IFigureFrame>();
        QTest::mouseClick(boardButton("Shape"), Qt::LeftButton);
        QVERIFY(frame->isVisible());

        struct Expected
        {
            const char* tip;
            int mode;
            int kind;
        };
        // Lines, flat shapes, solids: one row each, under the ink figures.
        const QList<QList<Expected>> rows{
            {{"Dotted line", 11, 3}, {"Arrow", 13, 5}, {"Reverse arrow", 15, 9}, {"Double arrow", 17, 7},
             {"Wave line", 30, 32}},
            {{"Parallelogram", 23, 17}, {"Equilateral triangle", 25, 19}, {"Pentagon", 26, 20}, {"Hexagon", 27, 21},
             {"Octagon", 28, 22}, {"Star", 29, 23}},
            {{"Cube", 32, 24}, {"Cone", 33, 25}, {"Cylinder", 34, 26}, {"Dihedral angle", 36, 28},
             {"Hemisphere", 37, 29}, {"Triangular pyramid", 38, 30}, {"Ball", 39, 31}},
        };
        const QList<IToolButton*> all = frame->buttons();
        int index = 5;
        int rowTop = all.first()->y();
        QList<QImage> icons;
        for (int i = 0; i < 5; ++i)
            icons << all.at(i)->icon().pixmap(32, 32).toImage();
        for (const QList<Expected>& row : rows) {
            QVERIFY(all.at(index)->y() > rowTop);
            rowTop = all.at(index)->y();
            for (const Expected& expected : row) {
                QVERIFY2(index < all.size(), expected.tip);
                IToolButton* b = all.at(index++);
                QCOMPARE(b->toolTip(), QString(expected.tip));
                QCOMPARE(b->y(), rowTop);
                QCOMPARE(b->size(), QSize(scaledPixels(40), scaledPixels(40)));
                QVERIFY2(b->isVisible() && frame->rect().contains(b->geometry()), expected.tip);
                // Each its own picture, so no two buttons look alike.
                const QImage icon = b->icon().pixmap(32, 32).toImage();
                QVERIFY2(!icon.isNull(), expected.tip);
                QVERIFY2(!icons.contains(icon), expected.tip);
                icons << icon;

                QTest::mouseClick(b, Qt::LeftButton);
                QCOMPARE(m_window->board()->currentModeType(), expected.mode);
                auto* tool = dynamic_cast<IFigureTool*>(m_window->board()->modeManager()->currentMode());
                QVERIFY2(tool, expected.tip);
                QCOMPARE(tool->figureKind(), expected.kind);
                QCOMPARE(checkedTips(frame), QStringList{expected.tip});
            }
        }
        QCOMPARE(index, all.size());

        // The chosen figure is drawn by a drag on the board.
        QTest::mouseClick(boardButton("Shape"), Qt::LeftButton);
        QVERIFY(!frame->isVisible());
        // Without a camera the window has no page yet: give it a grey one.
        IBoard* board = m_window->board();
        if (!board->currentSlide()) {
            board->insertSlide(new ISlide(board), true);
            board->setPictureItem(new IPixmapItem(board->size()));
            board->setPictureSize(QSizeF(board->size()));
            QImage grey(board->size(), QImage::Format_RGB888);
            grey.fill(Qt::gray);
            board->setBackgroundImage(grey);
            board->resetView();
        }
        ISlide* slide = board->currentSlide();
        const int before = slide->elements().size();
        QWidget* viewport = m_window->board()->viewport();
        const QPoint from = viewport->rect().center() - QPoint(60, 60);
        const QPoint to = viewport->rect().center() + QPoint(60, 60);
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
        // Sent, not QTest::mouseMove: the offscreen platform drops a moved cursor.
        for (const QPoint& at : {(from + to) / 2, to}) {
            QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(viewport, &move);
        }
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);
        QCOMPARE(slide->elements().size(), before + 1);
        auto* ball = dynamic_cast<IFigureElement*>(slide->elements().last());
        QVERIFY(ball);
        QCOMPARE(ball->figureKind(), 31);

        // Opened again, it marks the solid the board draws.
        QTest::mouseClick(boardButton("Shape"), Qt::LeftButton);
        QCOMPARE(checkedTips(frame), QStringList{"Ball"});
        QTest::mouseClick(boardButton("Shape"), Qt::LeftButton);
    }

    void figureServiceSelectsOnlyFigureTools()
    {
        IBoardService::instance()->selectFigureMode(29);
        QCOMPARE(m_window->board()->currentModeType(), 29);
        // Numbers of other tools, or of none, leave the star in place.
        for (int other : {3, 5, 16, 31, 0, 1000}) {
            IBoardService::instance()->selectFigureMode(other);
            QCOMPARE(m_window->board()->currentModeType(), 29);
        }
        // The named calls still work beside it.
        IBoardService::instance()->selectFigureMode25();
        QCOMPARE(m_window->board()->currentModeType(), 25);
        IBoardService::instance()->selectFigureMode(9);
        QCOMPARE(m_window->board()->currentModeType(), 9);
    }

    void transparencyPickerCommitsWhenAnotherButtonClosesIt()
    {
        config()->setPencilTransparency(255);
        QTest::mouseClick(boardButton("Transparency"), Qt::LeftButton);
        auto* frame = picker<ITransparentFrame>();
        QVERIFY(frame->isVisible());
        frame->slider()->setValue(64);
        QTest::mouseClick(boardButton("Pencil"), Qt::LeftButton);
        QVERIFY(!frame->isVisible());
        QCOMPARE(stored("pencil/transparent").toInt(), 64);
        QCOMPARE(state()->inkOpacity(), 64);
    }
};

VESKAROO_TEST_MAIN(TestBoardPickers)
#include "tst_boardpickers.moc"
