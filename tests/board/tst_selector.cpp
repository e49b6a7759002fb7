// The selector: the element under the press is framed and dragged at once; a
// segment stands for its stroke and a member for its group; a press on
// nothing clears the selection unless Ctrl is held.
#include "common/testboard.h"
#include "common/testenv.h"
#include "common/testfigure.h"

#include "board/iboard.h"
#include "board/islide.h"
#include "board/item/iabstractgraphicselementgroup.h"
#include "board/item/ielementframe.h"
#include "board/item/ipolygoninkelement.h"
#include "board/mode/imodemanager.h"



namespace {

// A stand-in for a gathered element: an ink stroke or a group of elements.
class TestGroup : public IAbstractGraphicsElementGroup
{
public:
    explicit TestGroup(int type)
        : m_type(type)
    {
        setElementId(newElementId());
    }
    int type() const override { return m_type; }
    IElement* clone() const override { return new TestGroup(m_type); }

private:
    int m_type;
};

// A shown board, zoomed in, with the selector as its tool.
struct SelectorFixture : TestBoard
{
    SelectorFixture()
    {
        board->zoomBy(1.5);
        ok = shown;
        // No tool number selects this selector.
        use(QStringLiteral("selector"));
    }
    QPoint viewPoint(const QPointF& scenePos) const { return board->mapFromScene(scenePos); }
    using TestBoard::press;
    void press(const QPoint& pos, Qt::KeyboardModifiers modifiers) const
    {
        QTest::mousePress(board->viewport(), Qt::LeftButton, modifiers, pos);
    }

    bool ok = false;
};

} // namespace

class TestSelector : public QObject
{
    Q_OBJECT

private slots:
    void pressOnAnElementFramesItAndDragsIt()
    {
        SelectorFixture f;
        QVERIFY(f.ok);
        auto* figure = new TestFigure(QRectF(100, 100, 80, 60));
        f.slide->addElement(figure);
        const QPointF before = figure->scenePos();
        const QPoint start = f.viewPoint(QPointF(140, 130));

        f.press(start);
        QCOMPARE(f.board->elementFrame()->items(), QList<QGraphicsItem*>{figure});
        QVERIFY(f.board->elementFrame()->isVisible());
        for (int step = 1; step <= 4; ++step)
            f.moveTo(start + QPoint(10 * step, 0));
        f.release(start + QPoint(40, 0));

        // 40 view pixels at a zoom of 1.5.
        QVERIFY(qAbs(figure->scenePos().x() - before.x() - 40 / 1.5) < 1.0);
        QVERIFY(qAbs(figure->scenePos().y() - before.y()) < 1.0);
    }

    void aPartStandsForTheElementItBelongsTo_data()
    {
        QTest::addColumn<int>("ownerType");
        QTest::addColumn<bool>("segment");
        QTest::newRow("segment of a stroke") << int(InkElementType) << true;
        QTest::newRow("member of a group") << int(GroupElementType) << false;
    }

    void aPartStandsForTheElementItBelongsTo()
    {
        QFETCH(int, ownerType);
        QFETCH(bool, segment);
        SelectorFixture f;
        QVERIFY(f.ok);
        auto* owner = new TestGroup(ownerType);
        QGraphicsItem* part = segment
            ? static_cast<QGraphicsItem*>(new IPolygonInkElement(QLineF(200, 150, 300, 150), 12))
            : new TestFigure(QRectF(200, 140, 100, 20));
        if (auto* ink = dynamic_cast<IPolygonInkElement*>(part))
            ink->setInkColor(Qt::red);
        owner->addToGroup(part);
        f.slide->addElement(owner);

        f.press(f.viewPoint(QPointF(250, 150)));
        f.release(f.viewPoint(QPointF(250, 150)));
        QCOMPARE(f.board->elementFrame()->items(), QList<QGraphicsItem*>{owner});
    }

    void pressOnNothingClearsTheSelectionUnlessCtrlIsHeld()
    {
        SelectorFixture f;
        QVERIFY(f.ok);
        auto* figure = new TestFigure(QRectF(100, 100, 80, 60));
        f.slide->addElement(figure);
        f.press(f.viewPoint(QPointF(140, 130)));
        f.release(f.viewPoint(QPointF(140, 130)));
        const QPoint empty = f.viewPoint(QPointF(400, 250));

        f.press(empty, Qt::ControlModifier);
        f.release(empty);
        QCOMPARE(f.board->elementFrame()->items(), QList<QGraphicsItem*>{figure});

        f.press(empty);
        f.release(empty);
        QVERIFY(f.board->elementFrame()->items().isEmpty());
        QVERIFY(!f.board->elementFrame()->isVisible());
        // Handed back to the slide where it was.
        QCOMPARE(figure->parentItem(), nullptr);
        QCOMPARE(figure->scene(), f.slide);
    }
};

QTEST_MAIN(TestSelector)
#include "tst_selector.moc"
