// The timed notice: its size, where it appears, and how it goes away.
#include "common/testenv.h"

#include "customui/common/itimemsgbox.h"
#include "iglobals.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace {

QLabel* labelOf(ITimeMsgBox& box)
{
    return box.findChild<QLabel*>();
}

} // namespace

class TestTimeMsgBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestEnv::silenceOffscreenPlatformNotices();
    }

    void init()
    {
        setScaleFactors(IScaleFactors());
        QCursor::setPos(QGuiApplication::primaryScreen()->geometry().center());
    }

    void scales_data()
    {
        QTest::addColumn<double>("sx");
        QTest::addColumn<double>("s");
        QTest::newRow("reference screen") << 1.0 << 1.0;
        QTest::newRow("smaller screen") << 0.8 << 0.75;
    }

    void shortTextKeepsBoxJustAroundIt_data() { scales_data(); }
    void shortTextKeepsBoxJustAroundIt()
    {
        QFETCH(double, sx);
        QFETCH(double, s);
        setScaleFactors({sx, s, s});
        ITimeMsgBox box;
        box.showMessage(QStringLiteral("Saved"), 5000);
        QLabel* label = labelOf(box);
        QVERIFY(label);

        QVERIFY(!label->wordWrap());
        const int textWidth = label->fontMetrics().horizontalAdvance(QStringLiteral("Saved"));
        QVERIFY2(qAbs(label->width() - textWidth) <= 2,
                 qPrintable(QString("label %1, text %2").arg(label->width()).arg(textWidth)));
        QCOMPARE(box.width(), label->width() + qRound(40 * s));
        QCOMPARE(box.height(), label->height() + qRound(20 * s));
        // Centred inside the box by the stretches.
        const QRect inBox(label->mapTo(&box, QPoint(0, 0)), label->size());
        QVERIFY(qAbs(inBox.center().x() - box.rect().center().x()) <= 1);
        QVERIFY(qAbs(inBox.center().y() - box.rect().center().y()) <= 1);
        QCOMPARE(label->font().pointSize(), 24);
        QCOMPARE(label->font().weight(), 75);
        box.close();
    }

    void wideTextWraps_data() { scales_data(); }
    void wideTextWraps()
    {
        QFETCH(double, sx);
        QFETCH(double, s);
        setScaleFactors({sx, s, s});
        ITimeMsgBox box;
        const QString text =
            QStringLiteral("The camera was unplugged, plug it in again to go on working");
        box.showMessage(text, 5000);
        QLabel* label = labelOf(box);
        QVERIFY(label->fontMetrics().horizontalAdvance(text) > 500 * s);

        QVERIFY(label->wordWrap());
        QVERIFY(label->width() <= qRound(500 * sx));
        QVERIFY(label->height() >= 2 * label->fontMetrics().lineSpacing());
        // Every line fits: the label is as tall as the wrapped text needs.
        QVERIFY(label->height() >= label->heightForWidth(label->width()));
        QCOMPARE(box.width(), label->width() + qRound(40 * s));
        QCOMPARE(box.height(), label->height() + qRound(20 * s));
        box.close();
    }

    void nextShortTextUnwraps()
    {
        ITimeMsgBox box;
        box.showMessage(QStringLiteral("A notice long enough to wrap over more than one line"),
                        5000);
        box.showMessage(QStringLiteral("Short"), 5000);
        QLabel* label = labelOf(box);
        QVERIFY(!label->wordWrap());
        QCOMPARE(label->height(), label->sizeHint().height());
        QCOMPARE(box.height(), label->height() + 20);
        box.close();
    }

    void centredOnScreenUnderMouse()
    {
        QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
        QVERIFY(screen);
        ITimeMsgBox box;
        box.showMessage(QStringLiteral("Zoom 150%"), 5000, -1000, -1000);
        const QPoint centre = box.frameGeometry().center();
        const QPoint expected = screen->availableGeometry().center();
        QVERIFY2((centre - expected).manhattanLength() <= 2,
                 qPrintable(QString("%1,%2 vs %3,%4")
                                .arg(centre.x()).arg(centre.y())
                                .arg(expected.x()).arg(expected.y())));
        box.close();
    }

    void centredOverAWindowWhereverTheMouseIs()
    {
        QWidget window;
        window.setGeometry(30, 40, 360, 240);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ITimeMsgBox box;
        box.showMessageOver(&window, QStringLiteral("Saved"), 5000);
        const QPoint offset = box.frameGeometry().center() - window.frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));
        // A hidden window: on the screen under the mouse instead.
        window.hide();
        box.showMessageOver(&window, QStringLiteral("Saved"), 5000);
        const QPoint onScreen = box.frameGeometry().center() - QGuiApplication::screenAt(QCursor::pos())->availableGeometry().center();
        QVERIFY(onScreen.manhattanLength() <= 2);
        box.close();
    }

    void givenPositionIsTopLeft()
    {
        ITimeMsgBox box;
        box.showMessage(QStringLiteral("Saved"), 5000, 40, 60);
        QCOMPARE(box.pos(), QPoint(40, 60));
        // Only both coordinates at -1000 mean "centre".
        box.showMessage(QStringLiteral("Saved"), 5000, -1000, 60);
        QCOMPARE(box.pos(), QPoint(-1000, 60));
        box.close();
    }

    void opaqueForDurationThenFadesThenCloses()
    {
        const int duration = 600;
        ITimeMsgBox box;
        QElapsedTimer clock;
        clock.start();
        box.showMessage(QStringLiteral("Saved"), duration);
        QVERIFY(box.isVisible());
        QCOMPARE(box.windowOpacity(), 1.0);

        // Timers never fire early by more than a few percent.
        while (clock.elapsed() < duration * 3 / 4) {
            QCOMPARE(box.windowOpacity(), 1.0);
            QVERIFY(box.isVisible());
            QTest::qWait(20);
        }

        QTRY_VERIFY_WITH_TIMEOUT(box.windowOpacity() < 1.0 && box.windowOpacity() > 0.0
                                     && box.isVisible(),
                                 20000);
        QTRY_VERIFY_WITH_TIMEOUT(!box.isVisible(), 20000);
        // The fade itself takes a second.
        QVERIFY2(clock.elapsed() >= duration * 95 / 100 + 1000 - 50,
                 qPrintable(QString::number(clock.elapsed())));
    }

    void showingAgainWhileFadingStartsOver()
    {
        ITimeMsgBox box;
        box.showMessage(QStringLiteral("Zoom 110%"), 100);
        QTRY_VERIFY_WITH_TIMEOUT(box.windowOpacity() < 1.0, 20000);

        box.showMessage(QStringLiteral("Zoom 120%"), 60000);
        QCOMPARE(box.windowOpacity(), 1.0);
        // Long past the end of the first fade: still up and opaque.
        QTest::qWait(1500);
        QVERIFY(box.isVisible());
        QCOMPARE(box.windowOpacity(), 1.0);
        QCOMPARE(labelOf(box)->text(), QStringLiteral("Zoom 120%"));
        box.close();
    }

    void timeoutStartsTheFadeAtOnce()
    {
        ITimeMsgBox box;
        box.showMessage(QStringLiteral("Saved"), 60000);
        box.slTimeout();
        QTRY_VERIFY_WITH_TIMEOUT(!box.isVisible(), 20000);
    }
};

VESKAROO_TEST_MAIN(TestTimeMsgBox)
#include "tst_timemsgbox.moc"
