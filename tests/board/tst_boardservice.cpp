// The board service: tool selection, drawing parameters, clearing and the
// click-away handler.
#include "common/testenv.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/item/iabstractgraphicsshapeelement.h"
#include "iglobals.h"
#include "service/iboardservice.h"

#include <QGraphicsRectItem>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>

#include <functional>
#include <memory>

namespace {

class Sticker : public IAbstractGraphicsShapeElement
{
public:
    explicit Sticker(int type)
        : m_type(type)
    {
        setElementId(newElementId());
    }
    int type() const override { return m_type; }
    QRectF boundingRect() const override { return QRectF(0, 0, 10, 10); }
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    IElement* clone() const override { return new Sticker(m_type); }

private:
    int m_type;
};

} // namespace

class TestBoardService : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<IBoard> m_board;
    ISlide* m_slide = nullptr;
    IBoardService* service() const { return IBoardService::instance(); }

private slots:
    void init()
    {
        setScaleFactors(IScaleFactors());
        m_board = std::make_unique<IBoard>();
        m_slide = new ISlide(m_board.get());
        m_board->insertSlide(m_slide, true);
        service()->setBoard(m_board.get());
    }

    void cleanup()
    {
        service()->setBoard(nullptr);
        m_board.reset();
        setScaleFactors(IScaleFactors());
    }

    void eraserSizeWithAndWithoutScaleFactor()
    {
        IScaleFactors factors;
        factors.uniform = 1.5;
        setScaleFactors(factors);
        service()->setEraserSize(30);
        QCOMPARE(m_board->boardState()->pointEraserSize(), QSizeF(45, 45));
        service()->selectPointEraser(30);
        QCOMPARE(m_board->boardState()->pointEraserSize(), QSizeF(30, 30));
        QCOMPARE(m_board->currentModeType(), 3);
    }

    void pencilTakesItsInkBeforeItIsSelected()
    {
        QColor colourSeenBySwitch;
        connect(m_board.get(), &IBoard::sgBeforeModeChanged, this,
                [&] { colourSeenBySwitch = m_board->boardState()->inkColor(); });
        service()->selectPencil(Qt::darkGreen, 8, 100);
        IBoardState* state = m_board->boardState();
        QCOMPARE(state->inkColor(), QColor(Qt::darkGreen));
        QCOMPARE(state->inkThickness(), 8.0);
        QCOMPARE(state->inkOpacity(), 100);
        QCOMPARE(m_board->currentModeType(), 5);
        QCOMPARE(colourSeenBySwitch, QColor(Qt::darkGreen));
    }

    void eachSelectorPicksItsModeNumber_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("mode");
        QTest::newRow("text") << 0 << 2;
        QTest::newRow("figure 9") << 1 << 9;
        QTest::newRow("figure 19") << 2 << 19;
        QTest::newRow("figure 20") << 3 << 20;
        QTest::newRow("figure 21") << 4 << 21;
        QTest::newRow("figure 24") << 5 << 24;
        QTest::newRow("figure 25") << 6 << 25;
    }

    void eachSelectorPicksItsModeNumber()
    {
        QFETCH(int, operation);
        QFETCH(int, mode);
        IBoardService* s = service();
        const std::function<void()> operations[] = {
            [s] { s->selectText(); },         [s] { s->selectFigureMode9(); },
            [s] { s->selectFigureMode19(); }, [s] { s->selectFigureMode20(); },
            [s] { s->selectFigureMode21(); }, [s] { s->selectFigureMode24(); },
            [s] { s->selectFigureMode25(); },
        };
        operations[operation]();
        QCOMPARE(m_board->currentModeType(), mode);
        service()->selectSelector();
        QCOMPARE(m_board->currentModeType(), 1);
    }

    void clearingHidesTheFrameAndRemovesOnlyItsKind()
    {
        auto* frame = new QGraphicsRectItem(0, 0, 20, 20);
        m_slide->setSceneElementFrame(frame);
        frame->show();
        auto* drawing = new Sticker(InkElementType);
        auto* text = new Sticker(TextElementType);
        m_slide->addElement(drawing);
        m_slide->addElement(text);

        service()->clearDrawings();
        QVERIFY(!frame->isVisible());
        QCOMPARE(m_slide->elements(), QList<IElement*>{text});
        delete drawing;

        frame->show();
        service()->clearAll();
        QVERIFY(!frame->isVisible());
        QVERIFY(m_slide->elements().isEmpty());
        delete text;
    }

    void clickAwayEndsTextEditing()
    {
        QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen);
        const QRect area = screen->availableGeometry();
        QSignalSpy cleared(service(), &IBoardService::sgToolSelectionCleared);
        service()->selectText();

        QVERIFY(service()->handleGlobalPress(area.center()));
        QCOMPARE(m_board->currentModeType(), 2);

        // The left tool bar strip is outside the working area.
        QVERIFY(!service()->handleGlobalPress(area.topLeft() + QPoint(10, area.height() / 2)));
        QCOMPARE(m_board->currentModeType(), 1);
        QCOMPARE(cleared.count(), 1);
    }

    void clickAwayHidesTheSelectionOnlyForSelectorAndText()
    {
        QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen);
        const QPoint away = screen->availableGeometry().bottomRight() - QPoint(5, 5);
        auto* frame = new QGraphicsRectItem(0, 0, 20, 20);
        m_slide->setSceneElementFrame(frame);

        // Shown after the switch: leaving the selector puts the selection away.
        service()->selectPencil(Qt::red, 5, 255);
        frame->show();
        QVERIFY(service()->handleGlobalPress(away));
        QVERIFY(frame->isVisible());

        service()->selectSelector();
        service()->handleGlobalPress(away);
        QVERIFY(!frame->isVisible());
        QCOMPARE(m_board->currentModeType(), 1);
    }
};

VESKAROO_TEST_MAIN(TestBoardService)
#include "tst_boardservice.moc"
