// Drawing parameters of the board: defaults and when a change is announced.
#include "common/testenv.h"

#include "board/iboardstate.h"

#include <QSignalSpy>

class TestBoardState : public QObject
{
    Q_OBJECT

private slots:
    void startsWithBlackOpaqueTenPixelInkAndNoEraser()
    {
        IBoardState state;
        QCOMPARE(state.inkOpacity(), 255);
        QCOMPARE(state.inkColor(), QColor(Qt::black));
        QCOMPARE(state.inkThickness(), 10.0);
        QVERIFY(!state.figureForeground().isValid());
        QVERIFY(!state.figureBackground().isValid());
        QCOMPARE(state.pointEraserSize(), QSizeF(-1, -1));
        QVERIFY(!state.isDrawing());
    }

    // Ink and eraser announce only real changes.
    void inkColorSetTwiceNotifiesOnce()
    {
        IBoardState state;
        QSignalSpy spy(&state, &IBoardState::notifyStateChanged);
        state.setInkColor(Qt::green);
        state.setInkColor(Qt::green);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().at(0).value<IBoardState::NotifyStatePropertyType>(), IBoardState::InkColor);
        QCOMPARE(spy.first().at(1).value<QColor>(), QColor(Qt::green));
    }

    void unchangedInkAndEraserValuesAreQuiet()
    {
        IBoardState state;
        QSignalSpy spy(&state, &IBoardState::notifyStateChanged);
        state.setInkOpacity(255);
        state.setInkColor(Qt::black);
        state.setInkThickness(10.0);
        state.setInkThickness(10.0 * (1 + 1e-14)); // arithmetic noise, not a change
        state.setPointEraserSize(QSizeF(-1, -1));
        QCOMPARE(spy.count(), 0);
    }

    void changedInkAndEraserValuesCarryTheirNumbers()
    {
        IBoardState state;
        QSignalSpy spy(&state, &IBoardState::notifyStateChanged);
        state.setInkOpacity(128);
        state.setInkThickness(4.5);
        state.setPointEraserSize(QSizeF(30, 30));
        state.setPointEraserSize(QSizeF(30, 30));
        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.at(0).at(0).value<IBoardState::NotifyStatePropertyType>(), IBoardState::InkOpacity);
        QCOMPARE(spy.at(0).at(1).toInt(), 128);
        QCOMPARE(spy.at(1).at(0).value<IBoardState::NotifyStatePropertyType>(), IBoardState::InkThickness);
        QCOMPARE(spy.at(1).at(1).toDouble(), 4.5);
        QCOMPARE(spy.at(2).at(0).value<IBoardState::NotifyStatePropertyType>(), IBoardState::PointEraserSize);
        QCOMPARE(spy.at(2).at(1).toSizeF(), QSizeF(30, 30));
        QCOMPARE(state.pointEraserSize(), QSizeF(30, 30));
    }

    // Figure setters announce every call, so tool bars can re-apply a value.
    void figureColorSetTwiceNotifiesTwice()
    {
        IBoardState state;
        QSignalSpy spy(&state, &IBoardState::notifyStateChanged);
        state.setFigureForeground(Qt::blue);
        state.setFigureForeground(Qt::blue);
        state.setFigureBackground(Qt::yellow);
        state.setFigureBackground(Qt::yellow);
        state.setFigureThickness(3);
        state.setFigureThickness(3);
        QCOMPARE(spy.count(), 6);
        QCOMPARE(spy.at(1).at(0).value<IBoardState::NotifyStatePropertyType>(), IBoardState::FigureForeground);
        QCOMPARE(spy.at(3).at(0).value<IBoardState::NotifyStatePropertyType>(), IBoardState::FigureBackground);
        QCOMPARE(spy.at(5).at(0).value<IBoardState::NotifyStatePropertyType>(), IBoardState::FigureThickness);
        QCOMPARE(state.figureBackground(), QColor(Qt::yellow));
        QCOMPARE(state.figureThickness(), 3);
    }

    void propertiesAreReachableByName()
    {
        IBoardState state;
        QVERIFY(state.setProperty("inkColor", QColor(Qt::cyan)));
        QCOMPARE(state.inkColor(), QColor(Qt::cyan));
        QCOMPARE(state.property("inkOpacity").toInt(), 255);
    }
};

VESKAROO_TEST_MAIN(TestBoardState)
#include "tst_boardstate.moc"
