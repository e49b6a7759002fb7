// Frameless window bases (title strip: close mark, dragging, close-when-moved)
// and the panel tool buttons.
#include "common/testenv.h"

#include "customui/common/icustomdialog.h"
#include "customui/common/icustomwidget.h"
#include "customui/common/iicolorbutton.h"
#include "customui/common/iitoolbutton.h"
#include "iglobals.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

namespace {

const double kScale = 1.5;

struct Flags
{
    QString title = QStringLiteral("Panel");
    bool closable = true;
    bool movable = true;
    bool closeWhenMoved = false;
};

template <class W>
void applyFlags(W* window, const Flags& flags)
{
    window->setTitle(flags.title);
    window->setClosable(flags.closable);
    window->setMovable(flags.movable);
    window->setCloseWhenMoved(flags.closeWhenMoved);
}

// A shown 300x200 window of the given kind at (100, 100).
std::unique_ptr<QWidget> makeWindow(const QString& kind, const Flags& flags)
{
    std::unique_ptr<QWidget> window;
    if (kind == QLatin1String("dialog")) {
        auto* dialog = new ICustomDialog;
        applyFlags(dialog, flags);
        window.reset(dialog);
    } else {
        auto* widget = new ICustomWidget;
        applyFlags(widget, flags);
        window.reset(widget);
    }
    window->setGeometry(100, 100, 300, 200);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("window not exposed");
    return window;
}

// The close mark where the user sees it: 20s square, left edge 30s from the
// right edge, centred in the 30s strip.
QPoint markCentre(QWidget* window)
{
    const double s = kScale;
    return QPoint(qRound(window->width() - 30 * s + 10 * s), qRound(15 * s));
}

void sendMouse(QWidget* window, QEvent::Type type, const QPoint& global,
               Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, window->mapFromGlobal(global), global, button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(window, &event);
}

void press(QWidget* window, const QPoint& local, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(window, QEvent::MouseButtonPress, window->mapToGlobal(local), button, button);
}

void release(QWidget* window, const QPoint& local, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(window, QEvent::MouseButtonRelease, window->mapToGlobal(local), button,
              Qt::NoButton);
}

void dragTo(QWidget* window, const QPoint& global, Qt::MouseButtons held = Qt::LeftButton)
{
    sendMouse(window, QEvent::MouseMove, global, Qt::NoButton, held);
}

QString writeSolidPng(const QTemporaryDir& dir, const QString& name, const QColor& color)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(color);
    const QString path = dir.filePath(name);
    image.save(path);
    return path;
}

bool near(const QColor& a, const QColor& b, int tolerance = 6)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

// The button inside a white panel, so that what its corners let through shows.
struct ButtonOnPanel
{
    QWidget panel;
    IIToolButton* button = nullptr;

    explicit ButtonOnPanel(IIToolButton* b)
        : button(b)
    {
        panel.setAutoFillBackground(true);
        QPalette palette = panel.palette();
        palette.setColor(QPalette::Window, Qt::white);
        panel.setPalette(palette);
        b->setParent(&panel);
        b->setGeometry(0, 0, 60, 60);
        b->setIconSize(QSize(24, 24));
        panel.resize(60, 60);
        panel.show();
    }

    QImage look() { return panel.grab().toImage(); }
};

} // namespace

class TestCustomWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setScaleFactors({kScale, kScale, kScale});
        TestEnv::silenceOffscreenPlatformNotices();
    }

    void kinds_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("widget") << "widget";
        QTest::newRow("dialog") << "dialog";
    }

    // --- title strip geometry ---

    void stripFollowsScreenScale_data() { kinds_data(); }
    void stripFollowsScreenScale()
    {
        QFETCH(QString, kind);
        auto window = makeWindow(kind, Flags());
        const QRect expected(300 - 45, 7, 30, 30);
        QRect mark;
        int height = 0;
        if (auto* dialog = qobject_cast<ICustomDialog*>(window.get())) {
            mark = dialog->closeMarkRect();
            height = dialog->titleHeight();
        } else {
            auto* widget = qobject_cast<ICustomWidget*>(window.get());
            mark = widget->closeMarkRect();
            height = widget->titleHeight();
        }
        QCOMPARE(height, 45);
        QCOMPARE(mark.size(), expected.size());
        QCOMPARE(mark.left(), expected.left());
        QVERIFY(qAbs(mark.top() - expected.top()) <= 1);

        // The mark stays at the right edge when the window is resized.
        window->resize(500, 200);
        const QRect wider = qobject_cast<ICustomDialog*>(window.get())
            ? qobject_cast<ICustomDialog*>(window.get())->closeMarkRect()
            : qobject_cast<ICustomWidget*>(window.get())->closeMarkRect();
        QCOMPARE(wider.left(), 500 - 45);
    }

    // --- close mark ---

    void closeMarkClosesOnReleaseInside_data() { kinds_data(); }
    void closeMarkClosesOnReleaseInside()
    {
        QFETCH(QString, kind);
        auto window = makeWindow(kind, Flags());
        QSignalSpy closed(window.get(), SIGNAL(sgClose()));

        press(window.get(), markCentre(window.get()));
        QVERIFY2(window->isVisible(), "a press alone only arms the mark");
        QCOMPARE(closed.count(), 0);

        // Releasing anywhere inside the mark counts, not just where it was pressed.
        release(window.get(), markCentre(window.get()) + QPoint(8, 8));
        QVERIFY(!window->isVisible());
        QCOMPARE(closed.count(), 1);
    }

    void closeMarkDisarmsOnReleaseElsewhere_data() { kinds_data(); }
    void closeMarkDisarmsOnReleaseElsewhere()
    {
        QFETCH(QString, kind);
        auto window = makeWindow(kind, Flags());
        QSignalSpy closed(window.get(), SIGNAL(sgClose()));
        const QPoint start = window->pos();

        press(window.get(), markCentre(window.get()));
        // Moving with the mark armed does not drag the window.
        dragTo(window.get(), window->mapToGlobal(QPoint(100, 120)));
        QCOMPARE(window->pos(), start);
        release(window.get(), QPoint(100, 120));
        QVERIFY(window->isVisible());
        QCOMPARE(closed.count(), 0);

        // Disarmed: a stray release over the mark does nothing.
        release(window.get(), markCentre(window.get()));
        QVERIFY(window->isVisible());
        QCOMPARE(closed.count(), 0);
    }

    void closeMarkInactive_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("closable");
        QTest::addColumn<bool>("closeWhenMoved");
        for (const char* kind : {"widget", "dialog"}) {
            QTest::addRow("%s not closable", kind) << kind << "Panel" << false << false;
            QTest::addRow("%s close-when-moved", kind) << kind << "Panel" << true << true;
            QTest::addRow("%s no title", kind) << kind << "" << true << false;
        }
    }
    void closeMarkInactive()
    {
        QFETCH(QString, kind);
        QFETCH(QString, title);
        QFETCH(bool, closable);
        QFETCH(bool, closeWhenMoved);
        Flags flags;
        flags.title = title;
        flags.closable = closable;
        flags.closeWhenMoved = closeWhenMoved;
        flags.movable = false;
        auto window = makeWindow(kind, flags);
        QSignalSpy closed(window.get(), SIGNAL(sgClose()));

        press(window.get(), markCentre(window.get()));
        release(window.get(), markCentre(window.get()));
        QVERIFY(window->isVisible());
        QCOMPARE(closed.count(), 0);
    }

    void rightButtonDoesNotClose_data() { kinds_data(); }
    void rightButtonDoesNotClose()
    {
        QFETCH(QString, kind);
        auto window = makeWindow(kind, Flags());
        press(window.get(), markCentre(window.get()), Qt::RightButton);
        release(window.get(), markCentre(window.get()), Qt::RightButton);
        QVERIFY(window->isVisible());
    }

    // --- dragging ---

    void dragByStripMovesWindow_data() { kinds_data(); }
    void dragByStripMovesWindow()
    {
        QFETCH(QString, kind);
        auto window = makeWindow(kind, Flags());
        const QPoint start = window->pos();
        const QPoint grip(60, 20);
        const QPoint pressGlobal = window->mapToGlobal(grip);

        press(window.get(), grip);
        dragTo(window.get(), pressGlobal + QPoint(120, 80));
        QCOMPARE(window->pos(), start + QPoint(120, 80));
        // Keeps the press offset: the grip stays under the mouse.
        dragTo(window.get(), pressGlobal + QPoint(-30, 10));
        QCOMPARE(window->pos(), start + QPoint(-30, 10));
        QCOMPARE(window->mapToGlobal(grip), pressGlobal + QPoint(-30, 10));

        release(window.get(), window->mapFromGlobal(pressGlobal + QPoint(-30, 10)));
        const QPoint dropped = window->pos();
        dragTo(window.get(), pressGlobal + QPoint(200, 200), Qt::NoButton);
        QCOMPARE(window->pos(), dropped);
        QVERIFY(window->isVisible());
    }

    void dragIgnored_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("movable");
        QTest::addColumn<QPoint>("grip");
        for (const char* kind : {"widget", "dialog"}) {
            QTest::addRow("%s not movable", kind) << kind << "Panel" << false << QPoint(60, 20);
            QTest::addRow("%s below the strip", kind) << kind << "Panel" << true << QPoint(60, 46);
            QTest::addRow("%s no title", kind) << kind << "" << true << QPoint(60, 20);
        }
    }
    void dragIgnored()
    {
        QFETCH(QString, kind);
        QFETCH(QString, title);
        QFETCH(bool, movable);
        QFETCH(QPoint, grip);
        Flags flags;
        flags.title = title;
        flags.movable = movable;
        auto window = makeWindow(kind, flags);
        const QPoint start = window->pos();

        press(window.get(), grip);
        dragTo(window.get(), window->mapToGlobal(grip) + QPoint(50, 50));
        release(window.get(), grip + QPoint(50, 50));
        QCOMPARE(window->pos(), start);
    }

    void closeWhenMovedHidesOnceMoved_data() { kinds_data(); }
    void closeWhenMovedHidesOnceMoved()
    {
        QFETCH(QString, kind);
        Flags flags;
        flags.closeWhenMoved = true;
        auto window = makeWindow(kind, flags);
        QSignalSpy closed(window.get(), SIGNAL(sgClose()));
        const QPoint grip(60, 20);
        const QPoint pressGlobal = window->mapToGlobal(grip);

        // A click without movement leaves it up.
        press(window.get(), grip);
        dragTo(window.get(), pressGlobal);
        release(window.get(), grip);
        QVERIFY(window->isVisible());

        press(window.get(), grip);
        dragTo(window.get(), pressGlobal + QPoint(15, 0));
        QVERIFY(!window->isVisible());
        QCOMPARE(closed.count(), 1);
        // Further movement of the held mouse does not bring it back.
        dragTo(window.get(), pressGlobal + QPoint(40, 0));
        QVERIFY(!window->isVisible());
        QCOMPARE(closed.count(), 1);
    }

    // --- closing ---

    void widgetCloseEmitsSgClose()
    {
        auto window = makeWindow("widget", Flags());
        QSignalSpy closed(window.get(), SIGNAL(sgClose()));
        window->close();
        QCOMPARE(closed.count(), 1);
    }

    void dialogEndEmitsSgClose_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("accept") << "accept";
        QTest::newRow("reject") << "reject";
        QTest::newRow("escape") << "escape";
        QTest::newRow("close") << "close";
    }
    void dialogEndEmitsSgClose()
    {
        QFETCH(QString, how);
        auto window = makeWindow("dialog", Flags());
        auto* dialog = qobject_cast<ICustomDialog*>(window.get());
        QSignalSpy closed(dialog, &ICustomDialog::sgClose);
        if (how == "accept")
            dialog->accept();
        else if (how == "reject")
            dialog->reject();
        else if (how == "escape")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            dialog->close();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(dialog->result(), how == "accept" ? int(QDialog::Accepted)
                                                   : int(QDialog::Rejected));
    }

    // --- tool buttons ---

    void toolButtonClickReportsIdAndState()
    {
        IIToolButton button(7, QString(), QString());
        button.show();
        QSignalSpy clicks(&button, &IIToolButton::sgButtonClick);

        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.at(0).at(0).toBool(), false);
        QCOMPARE(clicks.at(0).at(1).value<QVariant>(), QVariant(7));
        QCOMPARE(clicks.at(0).at(1).value<QVariant>().userType(), int(QMetaType::Int));

        button.setCheckable(true);
        button.setId(12);
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks.count(), 3);
        QCOMPARE(clicks.at(1).at(0).toBool(), true);
        QCOMPARE(clicks.at(2).at(0).toBool(), false);
        QCOMPARE(clicks.at(2).at(1).value<QVariant>(), QVariant(12));

        // Disabled buttons report nothing.
        button.setEnabled(false);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks.count(), 3);
    }

    void toolButtonShowsPressedIconWhileDownOrChecked()
    {
        QTemporaryDir dir;
        const QString normal = writeSolidPng(dir, "normal.png", QColor(200, 0, 0));
        const QString pressed = writeSolidPng(dir, "pressed.png", QColor(0, 0, 200));
        ButtonOnPanel on(new IIToolButton(1, normal, pressed));
        const QPoint centre(30, 30);

        QVERIFY(near(on.look().pixelColor(centre), QColor(200, 0, 0)));
        QTest::mousePress(on.button, Qt::LeftButton);
        QVERIFY(near(on.look().pixelColor(centre), QColor(0, 0, 200)));
        QTest::mouseRelease(on.button, Qt::LeftButton);
        QVERIFY(near(on.look().pixelColor(centre), QColor(200, 0, 0)));

        on.button->setCheckable(true);
        QTest::mouseClick(on.button, Qt::LeftButton);
        QVERIFY(on.button->isChecked());
        QVERIFY(near(on.look().pixelColor(centre), QColor(0, 0, 200)));
        on.button->setChecked(false);
        QVERIFY(near(on.look().pixelColor(centre), QColor(200, 0, 0)));
    }

    void toolButtonColoursAndCorners()
    {
        auto* button = new IIToolButton;
        button->setBackgroundColor(QColor(10, 20, 30));
        button->setHoverColor(QColor(60, 70, 80));
        button->setRadius(6);
        ButtonOnPanel on(button);
        const QPoint inside(30, 4);

        QVERIFY(near(on.look().pixelColor(inside), QColor(10, 20, 30)));
        // Rounded by 6 x 1.5: the panel shows through the corner.
        QVERIFY(near(on.look().pixelColor(0, 0), Qt::white));

        button->setAttribute(Qt::WA_UnderMouse, true);
        button->update();
        QVERIFY(near(on.look().pixelColor(inside), QColor(60, 70, 80)));
        button->setAttribute(Qt::WA_UnderMouse, false);
        button->update();
        QVERIFY(near(on.look().pixelColor(inside), QColor(10, 20, 30)));

        button->setCheckable(true);
        button->setChecked(true);
        QVERIFY(near(on.look().pixelColor(inside), QColor(60, 70, 80)));
    }

    void toolButtonTextTurnsOrangeWhenHovered()
    {
        auto* button = new IIToolButton;
        button->setText(QStringLiteral("MMMM"));
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        QFont font = button->font();
        font.setPixelSize(20);
        font.setBold(true);
        button->setFont(font);
        ButtonOnPanel on(button);
        auto orangePixels = [&on]() {
            const QImage image = on.look();
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    count += near(image.pixelColor(x, y), QColor(235, 120, 7), 20) ? 1 : 0;
            return count;
        };
        QCOMPARE(orangePixels(), 0);
        button->setAttribute(Qt::WA_UnderMouse, true);
        button->update();
        QVERIFY(orangePixels() > 10);
    }

    void colorButtonShowsItsColour()
    {
        auto* button = new IIColorButton(3, QColor(0, 160, 60));
        ButtonOnPanel on(button);
        QSignalSpy clicks(button, &IIToolButton::sgButtonClick);

        QVERIFY(near(on.look().pixelColor(30, 30), QColor(0, 160, 60)));
        button->setColor(QColor(250, 220, 0));
        QCOMPARE(button->color(), QColor(250, 220, 0));
        QVERIFY(near(on.look().pixelColor(30, 30), QColor(250, 220, 0)));

        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.at(0).at(1).value<QVariant>(), QVariant(3));
    }
};

VESKAROO_TEST_MAIN(TestCustomWindow)
#include "tst_customwindow.moc"
