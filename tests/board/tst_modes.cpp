// Board tools: the input record, pressed-device bookkeeping, cancelling,
// drag tools, cursors, and which tool each tool number selects.
#include "common/testenv.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/mode/idragmode.h"
#include "board/mode/deviceinput.h"
#include "board/mode/iidlefiguremode.h"
#include "board/mode/imodeeventhandle.h"
#include "board/mode/imodemanager.h"
#include "board/mode/inonemode.h"

#include <QMouseEvent>
#include <QSignalSpy>

namespace {

DeviceInput mouseInput(QEvent::Type type, int device = DeviceInput::kMouseDevice,
                       const QPointF& pos = QPointF(10, 20))
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    return DeviceInput(type, pos, button, buttons, Qt::NoModifier, device);
}

// A stand-in that counts how often it is switched on and off, under `number`.
IIdleMode* countingTool(IModeManager& manager, int number, const QString& name)
{
    auto* tool = manager.addMode(name, std::make_unique<IIdleMode>());
    manager.registerMode(number, tool);
    return tool;
}

// Number 5 given to a counting stand-in, for what the manager does with the
// pencil's number whatever tool it selects.
IIdleMode* countingPencil(IModeManager& manager)
{
    return countingTool(manager, 5, QStringLiteral("counting pencil"));
}

// A drag tool that writes down what it is told, one line per hook.
class RecordingDragMode : public IDragMode
{
public:
    QStringList log;

protected:
    void note(const char* hook, const Drag& drag, const QPointF& from)
    {
        log << QStringLiteral("%1 %2 %3,%4 > %5,%6%7")
                   .arg(hook).arg(drag.device).arg(from.x()).arg(from.y())
                   .arg(drag.current.x()).arg(drag.current.y())
                   .arg(drag.moved ? "" : " still");
    }
    void begin(const Drag& drag) override { note("begin", drag, drag.start); }
    void update(const Drag& drag, const QPointF& from) override { note("update", drag, from); }
    void finish(const Drag& drag) override { note("finish", drag, drag.start); }
    void abort(const Drag& drag) override { note("abort", drag, drag.start); }
};

// Plays steps such as "press 1 10 20; move 1 30 40; release 1 30 40; cancel; deactivate".
void play(IDragMode& mode, const QString& steps)
{
    for (const QString& step : steps.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList w = step.simplified().split(QLatin1Char(' '));
        if (w.size() == 1) {
            w[0] == QLatin1String("cancel") ? mode.cancel() : mode.deactivate();
            continue;
        }
        const bool press = w[0] == QLatin1String("press");
        const bool move = w[0] == QLatin1String("move");
        const QEvent::Type type = press ? QEvent::MouseButtonPress
            : move                      ? QEvent::MouseMove
                                        : QEvent::MouseButtonRelease;
        DeviceInput input = mouseInput(type, w[1].toInt(), QPointF(w[2].toDouble(), w[3].toDouble()));
        auto handler = press ? &IModeBase::devicePress : move ? &IModeBase::deviceMove : &IModeBase::deviceRelease;
        (mode.*handler)(input);
    }
}

} // namespace

class TestModes : public QObject
{
    Q_OBJECT

    enum GestureEnd { Cancel, CancelDisabled, SelectPencil, SelectTextInactive };

private slots:
    // --- the input record -------------------------------------------------
    void inputRecordOwnsACopyOfAMouseEvent()
    {
        std::unique_ptr<DeviceInput> input;
        {
            QMouseEvent event(QEvent::MouseButtonPress, QPointF(3, 4), Qt::LeftButton,
                              Qt::LeftButton, Qt::ShiftModifier);
            input = std::make_unique<DeviceInput>(event, QPointF(3, 4), 175);
        }
        QCOMPARE(input->kind(), int(DeviceInput::MouseKind));
        QCOMPARE(input->deviceNumber(), 175);
        auto* copy = static_cast<QMouseEvent*>(input->event());
        QCOMPARE(copy->type(), QEvent::MouseButtonPress);
        QCOMPARE(copy->localPos(), QPointF(3, 4));
        QCOMPARE(copy->button(), Qt::LeftButton);
        QCOMPARE(copy->modifiers(), Qt::ShiftModifier);
    }

    void inputRecordOfAnotherEventKeepsOnlyItsType()
    {
        const QEvent event(QEvent::TouchBegin);
        const DeviceInput input(event, QPointF(1, 1), 7);
        QCOMPARE(input.kind(), int(DeviceInput::OtherKind));
        QCOMPARE(input.event()->type(), QEvent::TouchBegin);
    }

    // --- pressed devices ---------------------------------------------------
    void moveWithoutPressIsNotRelayed()
    {
        IIdleMode mode(QStringLiteral("probe"));
        QSignalSpy moves(mode.eventHandle(), &IModeEventHandle::deviceMove);
        QSignalSpy releases(mode.eventHandle(), &IModeEventHandle::deviceRelease);
        DeviceInput move = mouseInput(QEvent::MouseMove);
        DeviceInput release = mouseInput(QEvent::MouseButtonRelease);
        mode.deviceMove(move);
        mode.deviceRelease(release);
        QCOMPARE(moves.count(), 0);
        QCOMPARE(releases.count(), 0);
    }

    void pressMoveReleaseOfOneDeviceIsRelayedOnce()
    {
        IIdleMode mode(QStringLiteral("probe"));
        QSignalSpy presses(mode.eventHandle(), &IModeEventHandle::devicePress);
        QSignalSpy moves(mode.eventHandle(), &IModeEventHandle::deviceMove);
        QSignalSpy releases(mode.eventHandle(), &IModeEventHandle::deviceRelease);
        IModeBase* seenMode = nullptr;
        int seenDevice = -1;
        QObject::connect(mode.eventHandle(), &IModeEventHandle::devicePress, [&](IDeviceArgs* dev) {
            seenMode = dev->mode;
            seenDevice = dev->input->deviceNumber();
        });

        DeviceInput press = mouseInput(QEvent::MouseButtonPress);
        DeviceInput move = mouseInput(QEvent::MouseMove);
        DeviceInput release = mouseInput(QEvent::MouseButtonRelease);
        mode.devicePress(press);
        mode.devicePress(press); // already down
        mode.deviceMove(move);
        mode.deviceRelease(release);
        mode.deviceRelease(release); // already up
        mode.deviceMove(move);

        QCOMPARE(presses.count(), 1);
        QCOMPARE(moves.count(), 1);
        QCOMPARE(releases.count(), 1);
        QCOMPARE(seenMode, &mode);
        QCOMPARE(seenDevice, 175);
        QVERIFY(mode.activeDevices().isEmpty());
    }

    void devicesAreTrackedSeparately()
    {
        IIdleMode mode(QStringLiteral("probe"));
        QSignalSpy moves(mode.eventHandle(), &IModeEventHandle::deviceMove);
        DeviceInput press = mouseInput(QEvent::MouseButtonPress, 1);
        DeviceInput moveOther = mouseInput(QEvent::MouseMove, 2);
        mode.devicePress(press);
        mode.deviceMove(moveOther);
        QCOMPARE(moves.count(), 0);
        QCOMPARE(mode.activeDevices(), QList<int>{1});
    }

    void deactivationForgetsPressedDevices()
    {
        IIdleMode mode(QStringLiteral("probe"));
        QSignalSpy moves(mode.eventHandle(), &IModeEventHandle::deviceMove);
        DeviceInput press = mouseInput(QEvent::MouseButtonPress);
        DeviceInput move = mouseInput(QEvent::MouseMove);
        mode.devicePress(press);
        mode.deactivate();
        mode.deviceMove(move);
        QCOMPARE(moves.count(), 0);
    }

    // --- drag tools ----------------------------------------------------------
    void dragToolHearsOneGesturePerDevice_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("drag") << "press 1 10 20; move 1 30 40; move 1 50 60; release 1 50 60"
                              << QStringList{"begin 1 10,20 > 10,20 still", "update 1 10,20 > 30,40",
                                             "update 1 30,40 > 50,60", "finish 1 10,20 > 50,60"};
        QTest::newRow("moved in place is a click") << "press 1 10 20; move 1 10 20; release 1 10 20"
                                                   << QStringList{"begin 1 10,20 > 10,20 still",
                                                                  "finish 1 10,20 > 10,20 still"};
        QTest::newRow("released away from the last move")
            << "press 1 10 20; release 1 35 45"
            << QStringList{"begin 1 10,20 > 10,20 still", "update 1 10,20 > 35,45", "finish 1 10,20 > 35,45"};
        QTest::newRow("pressed twice, or not at all") << "move 2 0 0; press 1 10 20; press 1 90 90; release 2 0 0"
                                                      << QStringList{"begin 1 10,20 > 10,20 still"};
        QTest::newRow("two devices at once")
            << "press 1 10 20; press 2 50 50; move 2 60 60; move 1 20 30; release 1 20 30; release 2 60 60"
            << QStringList{"begin 1 10,20 > 10,20 still", "begin 2 50,50 > 50,50 still", "update 2 50,50 > 60,60",
                           "update 1 10,20 > 20,30", "finish 1 10,20 > 20,30", "finish 2 50,50 > 60,60"};
        QTest::newRow("cancel aborts every gesture, then a press starts afresh")
            << "press 1 10 20; press 2 50 50; move 1 20 30; cancel; move 1 40 40; release 1 40 40; press 1 5 5"
            << QStringList{"begin 1 10,20 > 10,20 still", "begin 2 50,50 > 50,50 still", "update 1 10,20 > 20,30",
                           "abort 1 10,20 > 20,30", "abort 2 50,50 > 50,50 still", "begin 1 5,5 > 5,5 still"};
        QTest::newRow("switching the tool off aborts") << "press 1 10 20; deactivate; release 1 10 20; cancel"
                                                       << QStringList{"begin 1 10,20 > 10,20 still",
                                                                      "abort 1 10,20 > 10,20 still"};
    }

    void dragToolHearsOneGesturePerDevice()
    {
        QFETCH(QString, steps);
        QFETCH(QStringList, expected);
        RecordingDragMode mode;
        play(mode, steps);
        QCOMPARE(mode.log, expected);
    }

    void dragToolOnABoardDrawsInSceneCoordinatesAndFlagsTheDrawing_data()
    {
        QTest::addColumn<QString>("end");
        QTest::newRow("released") << "release 175 100.5 60";
        QTest::newRow("cancelled") << "cancel";
    }

    void dragToolOnABoardDrawsInSceneCoordinatesAndFlagsTheDrawing()
    {
        QFETCH(QString, end);
        IBoard board;
        board.scale(2, 2);
        RecordingDragMode mode;
        mode.setBoard(&board);
        QSignalSpy observed(mode.eventHandle(), &IModeEventHandle::devicePress);
        const QPointF at = board.viewportTransform().inverted().map(QPointF(100.5, 60));
        play(mode, "press 175 100.5 60; press 1 300 200; release 1 300 200");
        // Fractions of a view pixel survive: pens and fingers are finer than pixels.
        QCOMPARE(mode.log.value(0), QStringLiteral("begin 175 %1,%2 > %1,%2 still").arg(at.x()).arg(at.y()));
        QCOMPARE(observed.count(), 2);
        // One device is still down.
        QVERIFY(board.boardState()->isDrawing());
        play(mode, end);
        QVERIFY(!board.boardState()->isDrawing());
    }

    // --- cursors -----------------------------------------------------------
    void missingCursorFileGivesTheArrow()
    {
        IIdleMode mode(QStringLiteral("probe"));
        mode.setCursor(QCursor(Qt::CrossCursor));
        mode.setCursorFile(QStringLiteral("/no/such/cursor.png"), 32, 32);
        QCOMPARE(mode.cursor().shape(), Qt::ArrowCursor);
    }

    void cursorFileIsStretchedWithItsHotSpotInTheMiddle()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("c.png"));
        QImage picture(10, 10, QImage::Format_ARGB32);
        picture.fill(Qt::green);
        QVERIFY(picture.save(path));
        IIdleMode mode(QStringLiteral("probe"));
        mode.setCursorFile(path, 32, 16);
        const QCursor cursor = mode.cursor();
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.pixmap().size(), QSize(32, 16));
        QCOMPARE(cursor.hotSpot(), QPoint(16, 8));
    }

    // --- the manager ---------------------------------------------------------
    void startsOnTheSelector()
    {
        IModeManager manager(nullptr);
        QCOMPARE(manager.modeType(), 1);
        QCOMPARE(manager.currentMode(), manager.modeNamed("path selector"));
    }

    void pencilSelectedTwiceIsActivatedTwice()
    {
        IModeManager manager(nullptr);
        IIdleMode* pencil = countingPencil(manager);
        manager.setModeType(5);
        manager.setModeType(5);
        QCOMPARE(manager.currentMode(), pencil);
        QCOMPARE(pencil->activations(), 2);
        QCOMPARE(pencil->deactivations(), 0);
    }

    void sameNumberOtherThanPencilDoesNothing()
    {
        IModeManager manager(nullptr);
        IIdleMode* probe = countingTool(manager, 6, QStringLiteral("probe"));
        manager.setModeType(6);
        manager.setModeType(6);
        QCOMPARE(probe->activations(), 1);
        QCOMPARE(probe->deactivations(), 0);
    }

    void numberWithoutToolKeepsThePencil()
    {
        IModeManager manager(nullptr);
        IIdleMode* pencil = countingPencil(manager);
        manager.setModeType(5);
        manager.setModeType(7);
        QCOMPARE(manager.modeType(), 7);
        QCOMPARE(manager.currentMode(), pencil);
        QCOMPARE(pencil->deactivations(), 1);
        QCOMPARE(pencil->activations(), 2);

        manager.setModeType(5);
        QCOMPARE(manager.modeType(), 5);
        QCOMPARE(pencil->deactivations(), 2);
        QCOMPARE(pencil->activations(), 3);
    }

    void numbersWithoutToolAreRecorded_data()
    {
        QTest::addColumn<int>("number");
        for (int n : {6, 7, 8, 10, 12, 14, 16, 18, 22, 31, 35, 40, 99})
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }

    void numbersWithoutToolAreRecorded()
    {
        QFETCH(int, number);
        IModeManager manager(nullptr);
        manager.setModeType(4);
        manager.setModeType(number);
        QCOMPARE(manager.modeType(), number);
        QCOMPARE(manager.currentMode(), manager.modeFor(4));
    }

    void eachNumberSelectsItsTool_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("tool");
        QTest::addColumn<int>("figure");
        QTest::newRow("0") << 0 << "none" << -1;
        QTest::newRow("1") << 1 << "path selector" << -1;
        QTest::newRow("2") << 2 << "text" << -1;
        QTest::newRow("3") << 3 << "path eraser" << -1;
        QTest::newRow("4") << 4 << "object eraser" << -1;
        QTest::newRow("5") << 5 << "path pencil" << -1;
        const QList<QPair<int, int>> pathFigures{{9, 1}, {19, 13}, {20, 14}, {21, 15}, {24, 18}};
        for (const auto& f : pathFigures)
            QTest::newRow(qPrintable(QString::number(f.first))) << f.first << "path figure" << f.second;
        const QList<QPair<int, int>> figures{{11, 3}, {13, 5}, {15, 9}, {17, 7}, {23, 17}, {25, 19},
                                             {26, 20}, {27, 21}, {28, 22}, {29, 23}, {30, 32},
                                             {32, 24}, {33, 25}, {34, 26}, {36, 28}, {37, 29},
                                             {38, 30}, {39, 31}};
        for (const auto& f : figures)
            QTest::newRow(qPrintable(QString::number(f.first))) << f.first << "figure" << f.second;
    }

    void eachNumberSelectsItsTool()
    {
        QFETCH(int, number);
        QFETCH(QString, tool);
        QFETCH(int, figure);
        IModeManager manager(nullptr);
        // Start elsewhere so that number 1 is a change, too.
        manager.setModeType(2);
        manager.setModeType(number);
        QCOMPARE(manager.currentMode()->name(), tool);
        if (figure >= 0) {
            auto* figureMode = dynamic_cast<IFigureTool*>(manager.currentMode());
            QVERIFY(figureMode);
            QCOMPARE(figureMode->figureKind(), figure);
        }
    }

    void toolsNoNumberSelectsAreKeptOnTheBoard()
    {
        IBoard board;
        IModeManager manager(&board);
        QCOMPARE(manager.modes().size(), 12);
        for (IModeBase* mode : manager.modes())
            QCOMPARE(mode->board(), &board);
        for (const char* unselected : {"pencil", "selector", "point eraser", "path text"})
            QVERIFY(manager.modes().contains(manager.modeNamed(unselected)));
    }

    void aToolRegisteredLaterIsSelectedByItsNumber()
    {
        IModeManager manager(nullptr);
        auto* wave = manager.addMode(QStringLiteral("probe figure"), std::make_unique<IIdleFigureMode>());
        auto* plain = manager.addMode(QStringLiteral("probe"), std::make_unique<IIdleMode>());
        manager.registerFigureMode(31, wave, 33);
        manager.registerMode(35, plain);
        manager.setModeType(31);
        QCOMPARE(manager.currentMode(), wave);
        QCOMPARE(wave->figureKind(), 33);
        QCOMPARE(wave->activations(), 1);
        manager.setModeType(35);
        QCOMPARE(manager.currentMode(), plain);

        // Giving a number to another tool replaces the old one.
        manager.registerMode(5, plain);
        manager.setModeType(5);
        QCOMPARE(manager.currentMode(), plain);
    }

    void noneModeIsNeitherActivatedNorDeactivated()
    {
        IModeManager manager(nullptr);
        IIdleMode* probe = countingTool(manager, 6, QStringLiteral("probe"));
        IIdleMode* other = countingTool(manager, 8, QStringLiteral("other"));
        manager.setModeType(6);
        manager.setModeType(0);
        QCOMPARE(manager.currentMode(), manager.modeNamed("none"));
        manager.setModeType(8);
        QCOMPARE(other->activations(), 1);
        // Nothing in between reached the probe again.
        QCOMPARE(probe->activations(), 1);
        QCOMPARE(probe->deactivations(), 1);
    }

    void inactiveManagerSwitchesToolsWithoutActivatingThem()
    {
        IModeManager manager(nullptr);
        IIdleMode* probe = countingTool(manager, 6, QStringLiteral("probe"));
        IIdleMode* other = countingTool(manager, 8, QStringLiteral("other"));
        manager.setModeType(6);
        manager.setActive(false);
        manager.setModeType(8);
        QCOMPARE(manager.currentMode(), other);
        QCOMPARE(other->activations(), 0);
        QCOMPARE(probe->deactivations(), 0);
    }

    // What becomes of a pencil stroke in progress: only selecting the pencil
    // again (for a new colour) keeps it; anything else drops it, so that the
    // pencil never takes a later release for the end of that stroke.
    void strokeSurvivesOnlyThePencilsReselection_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("survives");
        QTest::newRow("cancel") << int(Cancel) << false;
        QTest::newRow("cancel while disabled") << int(CancelDisabled) << false;
        QTest::newRow("pencil again") << int(SelectPencil) << true;
        QTest::newRow("text, tools not switched on and off") << int(SelectTextInactive) << false;
    }

    void strokeSurvivesOnlyThePencilsReselection()
    {
        QFETCH(int, action);
        QFETCH(bool, survives);
        IModeManager manager(nullptr);
        manager.setModeType(5);
        IModeBase* pencil = manager.modeNamed("path pencil");
        QSignalSpy releases(pencil->eventHandle(), &IModeEventHandle::deviceRelease);
        DeviceInput press = mouseInput(QEvent::MouseButtonPress);
        DeviceInput release = mouseInput(QEvent::MouseButtonRelease);
        manager.press(press);
        pencil->setEnabled(action != CancelDisabled);
        manager.setActive(action != SelectTextInactive);
        if (action == Cancel || action == CancelDisabled)
            manager.cancel();
        manager.setModeType(action == SelectTextInactive ? 2 : 5);
        manager.setModeType(5);
        pencil->setEnabled(true);
        manager.release(release);
        QCOMPARE(releases.count(), survives ? 1 : 0);
    }

    void inputReachesOnlyAnEnabledCurrentTool()
    {
        IModeManager manager(nullptr);
        manager.setModeType(5);
        QSignalSpy presses(manager.modeNamed("path pencil")->eventHandle(), &IModeEventHandle::devicePress);

        manager.modeNamed("path pencil")->setEnabled(false);
        DeviceInput ignored = mouseInput(QEvent::MouseButtonPress);
        ignored.event()->ignore();
        manager.press(ignored);
        QCOMPARE(presses.count(), 0);
        QVERIFY(!ignored.event()->isAccepted());

        manager.modeNamed("path pencil")->setEnabled(true);
        DeviceInput taken = mouseInput(QEvent::MouseButtonPress);
        taken.event()->ignore();
        manager.press(taken);
        QCOMPARE(presses.count(), 1);
        QVERIFY(taken.event()->isAccepted());
    }
};

VESKAROO_TEST_MAIN(TestModes)
#include "tst_modes.moc"
