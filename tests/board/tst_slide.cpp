// The slide: stacking of new elements, removals, clears and their signals,
// and the lazily made selection frame.
#include "common/testenv.h"

#include "board/islide.h"
#include "board/item/iabstractgraphicsshapeelement.h"

#include <QGraphicsRectItem>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>

#include <memory>
#include <stdexcept>

namespace {

// An element that answers whatever type number it is given, so that one class
// can stand in for ink, figures, paths and text.
class Sticker : public IAbstractGraphicsShapeElement
{
public:
    explicit Sticker(int type = PathElementType, bool locked = false)
        : m_type(type)
    {
        setElementId(newElementId());
        setLocked(locked);
    }
    int type() const override { return m_type; }
    QRectF boundingRect() const override { return QRectF(0, 0, 10, 10); }
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    IElement* clone() const override
    {
        auto* copy = new Sticker(m_type);
        copyItemParameters(copy);
        return copy;
    }

private:
    int m_type;
};

QGraphicsItem* itemOf(IElement* element)
{
    return dynamic_cast<QGraphicsItem*>(element);
}

QList<IElement*> listArg(const QSignalSpy& spy, int call, int arg = 1)
{
    return qvariant_cast<QList<IElement*>>(spy.at(call).at(arg));
}

// Elements a slide gave away belong to the test.
void release(const QSet<IElement*>& removed)
{
    for (IElement* element : removed)
        delete element;
}

enum Clear { ClearAll, ClearDrawn, ClearPathAndText };

QSet<IElement*> runClear(ISlide& slide, int which)
{
    switch (which) {
    case ClearAll:
        return slide.clearAllElements();
    case ClearDrawn:
        return slide.clearDrawnElements();
    default:
        return slide.clearPathAndTextElements();
    }
}

} // namespace

class TestSlide : public QObject
{
    Q_OBJECT

private slots:
    void newSlideIsEmptyAndScreenSized()
    {
        ISlide slide;
        ISlide other;
        const QRegularExpression uuid(
            QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));
        QVERIFY(uuid.match(slide.slideId()).hasMatch());
        QVERIFY(slide.slideId() != other.slideId());
        const QSizeF screen = QGuiApplication::primaryScreen()->size();
        QCOMPARE(slide.rawSize(), screen);
        QCOMPARE(slide.sceneRect(), QRectF(QPointF(0, 0), screen));
        QVERIFY(slide.elements().isEmpty());
    }

    // --- adding ----------------------------------------------------------------

    void newElementsEnterAboveTheirOwnZ()
    {
        ISlide slide;
        QList<IElement*> added;
        for (int i = 0; i < 3; ++i) {
            auto* element = new Sticker;
            slide.addElement(element);
            added << element;
            QCOMPARE(element->zOrder(), 0.01);
            QCOMPARE(itemOf(element)->zValue(), 0.01);
            QCOMPARE(itemOf(element)->scene(), &slide);
            QCOMPARE(slide.topZ(), 0.01);
        }
        QCOMPARE(slide.elements(), added);
        // Equal z: the one added last is drawn on top.
        QCOMPARE(slide.items(QPointF(5, 5)).first(), itemOf(added.last()));

        auto* high = new Sticker;
        high->setZOrder(2);
        slide.addElement(high);
        QCOMPARE(high->zOrder(), 2.01);
        QCOMPARE(slide.topZ(), 2.01);

        // The slide's top z does not lift a new element.
        auto* fresh = new Sticker;
        slide.addElement(fresh);
        QCOMPARE(fresh->zOrder(), 0.01);
        QCOMPARE(slide.topZ(), 0.01);
    }

    void readdedElementKeepsRising()
    {
        ISlide slide;
        auto* element = new Sticker;
        slide.addElement(element);
        QVERIFY(slide.removeElement(element));
        slide.addElement(element);
        QCOMPARE(element->zOrder(), 0.02);

        // Added again while still on the slide: rises, but is listed once so a
        // clear cannot hand it out twice.
        slide.addElement(element);
        QCOMPARE(element->zOrder(), 0.03);
        QCOMPARE(slide.elements(), QList<IElement*>{element});
        QSignalSpy removed(&slide, &ISlide::sgElementsRemovedEvent);
        const QSet<IElement*> cleared = slide.clearAllElements();
        QCOMPARE(cleared.size(), 1);
        QCOMPARE(listArg(removed, 0), QList<IElement*>{element});
        release(cleared);
    }

    void addSignalsUnlessSilent()
    {
        ISlide slide;
        QSignalSpy added(&slide, &ISlide::sgElementsAddedEvent);
        QSignalSpy changed(&slide, &ISlide::sgSlideChangedEvent);

        auto* loud = new Sticker;
        slide.addElement(loud);
        QCOMPARE(added.count(), 1);
        QCOMPARE(added.at(0).at(0).toString(), slide.slideId());
        QCOMPARE(listArg(added, 0), QList<IElement*>{loud});
        QCOMPARE(changed.count(), 1);

        slide.addElement(new Sticker, true);
        QCOMPARE(added.count(), 1);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(slide.elements().size(), 2);
    }

    void nullElementIsAProgrammingError()
    {
        ISlide slide;
        QVERIFY_EXCEPTION_THROWN(slide.addElement(nullptr), std::invalid_argument);
        QVERIFY_EXCEPTION_THROWN(slide.removeElement(nullptr), std::invalid_argument);
        QVERIFY(slide.elements().isEmpty());
    }

    // --- removing ----------------------------------------------------------------

    void removedElementIsHandedOver()
    {
        ISlide slide;
        auto* keep = new Sticker;
        auto* gone = new Sticker;
        slide.addElement(keep);
        slide.addElement(gone);
        QSignalSpy removed(&slide, &ISlide::sgElementsRemovedEvent);
        QSignalSpy changed(&slide, &ISlide::sgSlideChangedEvent);

        QVERIFY(slide.removeElement(gone));
        QCOMPARE(slide.elements(), QList<IElement*>{keep});
        QCOMPARE(itemOf(gone)->scene(), nullptr);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.at(0).at(0).toString(), slide.slideId());
        QCOMPARE(listArg(removed, 0), QList<IElement*>{gone});
        QCOMPARE(changed.count(), 1);
        QCOMPARE(gone->zOrder(), 0.01); // untouched and still alive
        delete gone;

        QVERIFY(slide.removeElement(keep, true));
        QCOMPARE(removed.count(), 1);
        QCOMPARE(changed.count(), 2);
        QVERIFY(slide.elements().isEmpty());
        delete keep;
    }

    void lockedElementIsNotRemoved()
    {
        ISlide slide;
        auto* locked = new Sticker;
        slide.addElement(locked);
        locked->setLocked(true);
        QSignalSpy removed(&slide, &ISlide::sgElementsRemovedEvent);

        QVERIFY(!slide.removeElement(locked));
        QCOMPARE(removed.count(), 0);
        QCOMPARE(slide.elements(), QList<IElement*>{locked});
        QCOMPARE(itemOf(locked)->scene(), &slide);
        QCOMPARE(slide.topZ(), 0.01);
    }

    void elementOfAnotherSlideIsNotRemoved()
    {
        ISlide slide;
        ISlide other;
        auto* stranger = new Sticker;
        other.addElement(stranger);
        QSignalSpy removed(&slide, &ISlide::sgElementsRemovedEvent);

        QVERIFY(!slide.removeElement(stranger));
        QCOMPARE(removed.count(), 0);
        QCOMPARE(itemOf(stranger)->scene(), &other);
        QCOMPARE(other.elements(), QList<IElement*>{stranger});
    }

    void addingToAnotherSlideMovesTheElement_data()
    {
        QTest::addColumn<bool>("locked");
        QTest::newRow("unlocked") << false;
        // A locked element cannot be removed, but once shown elsewhere it is
        // no longer on its first slide either.
        QTest::newRow("locked") << true;
    }
    void addingToAnotherSlideMovesTheElement()
    {
        QFETCH(bool, locked);
        ISlide first;
        ISlide second;
        auto* stays = new Sticker;
        auto* moves = new Sticker;
        first.addElement(stays);
        first.addElement(moves);
        moves->setLocked(locked);
        stays->setZOrder(2.5);
        QSignalSpy removedFromFirst(&first, &ISlide::sgElementsRemovedEvent);
        QSignalSpy changedFirst(&first, &ISlide::sgSlideChangedEvent);
        QSignalSpy addedToSecond(&second, &ISlide::sgElementsAddedEvent);

        second.addElement(moves);
        QCOMPARE(second.elements(), QList<IElement*>{moves});
        QCOMPARE(itemOf(moves)->scene(), &second);
        QCOMPARE(listArg(addedToSecond, 0), QList<IElement*>{moves});
        QCOMPARE(first.elements(), QList<IElement*>{stays});
        QCOMPARE(first.topZ(), 2.0);
        QCOMPARE(changedFirst.count(), 1);
        // Whoever hears of a removal may delete the element: not while the
        // second slide shows it.
        QCOMPARE(removedFromFirst.count(), 0);

        // Nothing the first slide does later hands it out.
        QVERIFY(!first.removeElement(moves));
        stays->setLocked(true);
        QVERIFY(first.clearAllElements().isEmpty());
        QCOMPARE(removedFromFirst.count(), 0);
        QCOMPARE(second.elements(), QList<IElement*>{moves});

        // Moving back works the same way.
        first.addElement(moves);
        QVERIFY(second.elements().isEmpty());
        QCOMPARE(first.elements(), (QList<IElement*>{stays, moves}));
    }

    void topZAfterRemoval_data()
    {
        QTest::addColumn<QList<double>>("zs");
        QTest::addColumn<int>("removeIndex");
        QTest::addColumn<double>("topZ");
        QTest::newRow("3.7 and 2.2 left") << QList<double>{3.7, 2.2, 9.5} << 2 << 3.0;
        QTest::newRow("2.2 left") << QList<double>{3.7, 2.2} << 0 << 2.0;
        QTest::newRow("negative truncates towards zero")
            << QList<double>{-2.5, -7.9, 1.0} << 2 << -2.0;
        QTest::newRow("below one") << QList<double>{0.01, 0.01} << 1 << 0.0;
        QTest::newRow("none left") << QList<double>{1.5} << 0 << -9000000.0;
    }
    void topZAfterRemoval()
    {
        QFETCH(QList<double>, zs);
        QFETCH(int, removeIndex);
        QFETCH(double, topZ);
        ISlide slide;
        QList<IElement*> elements;
        for (double z : zs) {
            auto* element = new Sticker;
            slide.addElement(element);
            element->setZOrder(z);
            elements << element;
        }
        QVERIFY(slide.removeElement(elements.at(removeIndex)));
        QCOMPARE(slide.topZ(), topZ);
        delete elements.at(removeIndex);
    }

    // --- clearing ----------------------------------------------------------------

    void clearsRemoveUnlockedMatches_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QList<int>>("removedIndexes");
        // Indexes into the element set built by the test, see below.
        QTest::newRow("all") << int(ClearAll) << QList<int>{0, 1, 2, 3, 4, 5};
        QTest::newRow("drawings") << int(ClearDrawn) << QList<int>{0, 1, 2};
        QTest::newRow("paths and texts") << int(ClearPathAndText) << QList<int>{2, 3};
    }
    void clearsRemoveUnlockedMatches()
    {
        QFETCH(int, which);
        QFETCH(QList<int>, removedIndexes);
        ISlide slide;
        const QList<QPair<int, bool>> kinds = {
            {InkElementType, false},        // 0
            {FigureElementType, false},     // 1
            {PathElementType, false},       // 2
            {TextElementType, false},       // 3
            {PolygonInkElementType, false}, // 4: not a drawing of its own
            {QGraphicsItem::UserType + 5, false},     // 5: a number no filter names
            {PathElementType, true},        // locked ones stay
            {InkElementType, true},
            {TextElementType, true},
        };
        QList<IElement*> all;
        for (const auto& kind : kinds) {
            auto* element = new Sticker(kind.first);
            slide.addElement(element);
            element->setLocked(kind.second);
            all << element;
        }
        QList<IElement*> expectedGone;
        for (int i : removedIndexes)
            expectedGone << all.at(i);
        QList<IElement*> expectedLeft = all;
        for (IElement* element : qAsConst(expectedGone))
            expectedLeft.removeOne(element);
        QSignalSpy removed(&slide, &ISlide::sgElementsRemovedEvent);

        const QSet<IElement*> cleared = runClear(slide, which);
        QCOMPARE(cleared, QSet<IElement*>(expectedGone.begin(), expectedGone.end()));
        QCOMPARE(slide.elements(), expectedLeft);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.at(0).at(0).toString(), slide.slideId());
        QCOMPARE(listArg(removed, 0), expectedGone);
        for (IElement* element : qAsConst(expectedGone))
            QCOMPARE(itemOf(element)->scene(), nullptr);
        for (IElement* element : qAsConst(expectedLeft))
            QCOMPARE(itemOf(element)->scene(), &slide);
        release(cleared);
    }

    void clearWithNothingToRemoveIsSilent_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QList<int>>("types");
        QTest::addColumn<bool>("locked");
        const QList<int> every = {InkElementType, FigureElementType,
                                  PathElementType, TextElementType};
        QTest::newRow("all, all locked") << int(ClearAll) << every << true;
        QTest::newRow("drawings, all locked") << int(ClearDrawn) << every << true;
        QTest::newRow("paths and texts, all locked") << int(ClearPathAndText) << every << true;
        QTest::newRow("all, empty slide") << int(ClearAll) << QList<int>{} << false;
        QTest::newRow("drawings, only text")
            << int(ClearDrawn) << QList<int>{TextElementType} << false;
        QTest::newRow("paths and texts, ink and figures")
            << int(ClearPathAndText)
            << QList<int>{InkElementType, FigureElementType} << false;
    }
    void clearWithNothingToRemoveIsSilent()
    {
        QFETCH(int, which);
        QFETCH(QList<int>, types);
        QFETCH(bool, locked);
        ISlide slide;
        for (int type : types)
            slide.addElement(new Sticker(type, locked));
        const QList<IElement*> before = slide.elements();
        QSignalSpy removed(&slide, &ISlide::sgElementsRemovedEvent);

        QVERIFY(runClear(slide, which).isEmpty());
        QCOMPARE(removed.count(), 0);
        QCOMPARE(slide.elements(), before);
    }

    void clearReturnsOnlyItsOwnRemovals()
    {
        ISlide slide;
        auto* text = new Sticker(TextElementType);
        auto* ink = new Sticker(InkElementType);
        slide.addElement(text);
        slide.addElement(ink);
        const QSet<IElement*> first = slide.clearPathAndTextElements();
        QCOMPARE(first, QSet<IElement*>{text});
        const QSet<IElement*> second = slide.clearDrawnElements();
        QCOMPARE(second, QSet<IElement*>{ink});
        QCOMPARE(slide.topZ(), -9000000.0);
        release(first);
        release(second);
    }

    void clearKeepsTopZOfLockedElements()
    {
        ISlide slide;
        auto* locked = new Sticker(InkElementType, true);
        slide.addElement(locked);
        locked->setZOrder(4.6);
        slide.addElement(new Sticker(InkElementType));
        release(slide.clearAllElements());
        QCOMPARE(slide.topZ(), 4.0);
    }

    // --- other notices and the frame ---------------------------------------------

    void eraseredNoticeChangesNothing()
    {
        ISlide slide;
        auto* element = new Sticker;
        slide.addElement(element);
        QSignalSpy erasered(&slide, &ISlide::sgElementsEraseredEvent);
        QSignalSpy changed(&slide, &ISlide::sgSlideChangedEvent);

        slide.notifyElementsErasered({element});
        QCOMPARE(erasered.count(), 1);
        QCOMPARE(erasered.at(0).at(0).toString(), slide.slideId());
        QCOMPARE(listArg(erasered, 0), QList<IElement*>{element});
        QCOMPARE(changed.count(), 0);
        QCOMPARE(slide.elements(), QList<IElement*>{element});
    }

    void frameIsMadeOnceShownInAView()
    {
        ISlide slide;
        QVERIFY(!slide.sceneElementFrame()); // no creator yet

        int calls = 0;
        QGraphicsView* givenBoard = nullptr;
        slide.setSceneElementFrameCreator([&](QGraphicsView* board) {
            ++calls;
            givenBoard = board;
            return new QGraphicsRectItem(0, 0, 50, 50);
        });
        QVERIFY(!slide.sceneElementFrame());
        QCOMPARE(calls, 0);

        QGraphicsView first(&slide);
        QGraphicsView second(&slide);
        QGraphicsItem* frame = slide.sceneElementFrame();
        QVERIFY(frame);
        QCOMPARE(calls, 1);
        QCOMPARE(givenBoard, &first);
        QCOMPARE(frame->scene(), &slide);
        QVERIFY(!frame->isVisible());
        QCOMPARE(slide.sceneElementFrame(), frame);
        QCOMPARE(calls, 1);
        QVERIFY(slide.elements().isEmpty()); // the frame is no element
    }

    void frameCreatorMayDecline()
    {
        ISlide slide;
        QGraphicsView view(&slide);
        int calls = 0;
        slide.setSceneElementFrameCreator([&](QGraphicsView*) -> QGraphicsItem* {
            ++calls;
            return nullptr;
        });
        QVERIFY(!slide.sceneElementFrame());
        QVERIFY(!slide.sceneElementFrame());
        QCOMPARE(calls, 2);
    }

    void setFrameAddsAndHidesIt()
    {
        ISlide slide;
        auto* frame = new QGraphicsRectItem(0, 0, 50, 50);
        slide.setSceneElementFrame(frame);
        QCOMPARE(slide.sceneElementFrame(), frame);
        QCOMPARE(frame->scene(), &slide);
        QVERIFY(!frame->isVisible());

        frame->show();
        slide.setSceneElementFrame(frame); // the same frame again: left as it is
        QVERIFY(frame->isVisible());

        auto* replacement = new QGraphicsRectItem(0, 0, 20, 20);
        slide.setSceneElementFrame(replacement);
        QCOMPARE(slide.sceneElementFrame(), replacement);
        QCOMPARE(replacement->scene(), &slide);
        QVERIFY(!replacement->isVisible());
    }
};

VESKAROO_TEST_MAIN(TestSlide)
#include "tst_slide.moc"
