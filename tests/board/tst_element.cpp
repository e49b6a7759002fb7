// Board elements: matrix text, numbered properties, resource names, cloning.
#include "common/testenv.h"

#include "board/item/iabstractgraphicselementgroup.h"
#include "board/item/iabstractgraphicsshapeelement.h"
#include "board/item/iabstractgraphicstextelement.h"
#include "board/item/iabstractpathelement.h"
#include "board/item/iabstractpolygoninkelement.h"
#include "board/islide.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QLocale>
#include <QPainter>
#include <QRegularExpression>

#include <cmath>
#include <memory>

namespace {

// Small concrete elements, one per kind; each makes its own id like the ink
// stroke does, and clones itself the way every element class must.
class TestPath : public IAbstractPathElement
{
public:
    explicit TestPath(const QPainterPath& path)
        : IAbstractPathElement(path)
    {
        setElementId(newElementId());
    }
    int type() const override { return PathElementType; }
    IElement* clone() const override
    {
        auto* copy = new TestPath(path());
        copyItemParameters(copy);
        return copy;
    }
};

class TestPolygon : public IAbstractPolygonInkElement
{
public:
    explicit TestPolygon(const QPolygonF& polygon)
        : IAbstractPolygonInkElement(polygon)
    {
        setElementId(newElementId());
    }
    int type() const override { return PolygonInkElementType; }
    IElement* clone() const override
    {
        auto* copy = new TestPolygon(polygon());
        copyItemParameters(copy);
        return copy;
    }
};

class TestText : public IAbstractGraphicsTextElement
{
public:
    explicit TestText(const QString& text)
        : IAbstractGraphicsTextElement(text)
    {
        setElementId(newElementId());
    }
    int type() const override { return TextElementType; }
    IElement* clone() const override
    {
        auto* copy = new TestText(toPlainText());
        copyItemParameters(copy);
        return copy;
    }
};

class TestFigure : public IAbstractGraphicsShapeElement
{
public:
    explicit TestFigure(const QRectF& rect)
        : m_rect(rect)
    {
        setDataLayout(kInkAndFigureLayout);
        setElementId(newElementId());
    }
    int type() const override { return FigureElementType; }
    QRectF boundingRect() const override { return m_rect; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        painter->drawRect(m_rect);
    }
    IElement* clone() const override
    {
        auto* copy = new TestFigure(m_rect);
        copyItemParameters(copy);
        return copy;
    }

private:
    QRectF m_rect;
};

class TestInk : public IAbstractGraphicsElementGroup
{
public:
    TestInk()
    {
        setDataLayout(kInkAndFigureLayout);
        setElementId(newElementId());
        addToGroup(new QGraphicsRectItem(0, 0, 30, 10));
    }
    int type() const override { return InkElementType; }
    IElement* clone() const override
    {
        auto* copy = new TestInk;
        copyItemParameters(copy);
        return copy;
    }
};

IElement* makeElement(const QString& kind)
{
    if (kind == QLatin1String("path")) {
        QPainterPath path;
        path.addRect(0, 0, 30, 10);
        return new TestPath(path);
    }
    if (kind == QLatin1String("polygon"))
        return new TestPolygon(QPolygonF(QRectF(0, 0, 30, 10)));
    if (kind == QLatin1String("text"))
        return new TestText(QStringLiteral("note"));
    if (kind == QLatin1String("figure"))
        return new TestFigure(QRectF(0, 0, 30, 10));
    return new TestInk;
}

QGraphicsItem* itemOf(IElement* element)
{
    return dynamic_cast<QGraphicsItem*>(element);
}

void addKindRows()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"path", "polygon", "text", "figure", "ink"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

bool closeTo(double a, double b)
{
    return std::abs(a - b) <= 1e-14 * std::max(std::abs(a), std::abs(b));
}

bool sameMatrix(const QTransform& a, const QTransform& b)
{
    return closeTo(a.m11(), b.m11()) && closeTo(a.m12(), b.m12()) && closeTo(a.m21(), b.m21())
        && closeTo(a.m22(), b.m22()) && closeTo(a.dx(), b.dx()) && closeTo(a.dy(), b.dy());
}

const QRegularExpression kUuidText(
    QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));

} // namespace

class TestElement : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // --- matrix text ---------------------------------------------------------

    void matrixTextRoundTrips_data()
    {
        QTest::addColumn<QTransform>("matrix");
        QTest::newRow("identity") << QTransform();
        QTest::newRow("translation") << QTransform::fromTranslate(10, 20);
        QTest::newRow("rotated, scaled, moved")
            << QTransform().translate(-123.456, 7.25).rotate(33.3).scale(2.5, 0.75);
        QTest::newRow("shear") << QTransform(1, 0.2, -0.35, 1, 0, 0);
        QTest::newRow("thirds") << QTransform(1.0 / 3, 2.0 / 3, -1.0 / 3, 1, 1e-7, 1e7);
        QTest::newRow("extremes") << QTransform(1e-300, 0, 0, 1e300, -1e-12, 4e15);
    }
    void matrixTextRoundTrips()
    {
        QFETCH(QTransform, matrix);
        const QTransform back = IElement::matrixFromText(IElement::matrixText(matrix));
        QVERIFY2(sameMatrix(back, matrix), qPrintable(IElement::matrixText(back)));
    }

    void matrixTextIsExact_data()
    {
        QTest::addColumn<QTransform>("matrix");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QTransform(1, 0, 0, 1, 10, 20)
                               << "matrix(1, 0, 0, 1, 10, 20)";
        QTest::newRow("16 significant digits")
            << QTransform(3.14159265358979323846, 1.0 / 3, -0.5, 2, 1e20, -2.5e-5)
            << "matrix(3.141592653589793, 0.3333333333333333, -0.5, 2, 1e+20, -2.5e-05)";
    }
    void matrixTextIsExact()
    {
        QFETCH(QTransform, matrix);
        QFETCH(QString, text);
        QCOMPARE(IElement::matrixText(matrix), text);
    }

    void matrixTextKeepsPeriodInCommaLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(QLocale().toString(1.5), QStringLiteral("1,5")); // the locale really differs

        QCOMPARE(IElement::matrixText(QTransform(1.5, 0, 0, 1.5, 0.25, -2.75)),
                 QStringLiteral("matrix(1.5, 0, 0, 1.5, 0.25, -2.75)"));
        QCOMPARE(IElement::matrixFromText(QStringLiteral("matrix(1.5, 0, 0, 1.5, 0.25, -2.75)")),
                 QTransform(1.5, 0, 0, 1.5, 0.25, -2.75));

        std::unique_ptr<IElement> element(makeElement(QStringLiteral("path")));
        element->setProperty(IElement::MatrixKey, QStringLiteral("matrix(0.5, 0, 0, 0.5, 1.25, 0)"));
        QCOMPARE(element->property(IElement::MatrixKey).toString(),
                 QStringLiteral("matrix(0.5, 0, 0, 0.5, 1.25, 0)"));
    }

    void matrixTextReadsLooseForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QTransform>("matrix");
        QTest::newRow("no spaces") << "matrix(2,0,0,2,10,20)" << QTransform(2, 0, 0, 2, 10, 20);
        QTest::newRow("extra spaces") << "matrix( 2 , 0 ,0, 2,  10 , 20 )"
                                      << QTransform(2, 0, 0, 2, 10, 20);
        QTest::newRow("no prefix") << "2, 0, 0, 2, 10, 20" << QTransform(2, 0, 0, 2, 10, 20);
        QTest::newRow("seven numbers") << "matrix(2, 0, 0, 2, 10, 20, 99)"
                                       << QTransform(2, 0, 0, 2, 10, 20);
        QTest::newRow("exponents") << "matrix(1e+00, 0, 0, 1, -2.5e-05, 1e+20)"
                                   << QTransform(1, 0, 0, 1, -2.5e-5, 1e20);
    }
    void matrixTextReadsLooseForms()
    {
        QFETCH(QString, text);
        QFETCH(QTransform, matrix);
        QCOMPARE(IElement::matrixFromText(text), matrix);
    }

    void badMatrixTextGivesIdentity_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("four numbers") << "matrix(2, 0, 0, 2)";
        QTest::newRow("five numbers") << "matrix(2, 0, 0, 2, 10)";
        QTest::newRow("empty") << "";
        QTest::newRow("empty parentheses") << "matrix()";
        QTest::newRow("words") << "matrix(a, b, c, d, e, f)";
        QTest::newRow("one word") << "matrix(2, 0, 0, 2, x, 20)";
        QTest::newRow("not a number") << "matrix(2, 0, 0, 2, nan, 20)";
        QTest::newRow("infinite") << "matrix(2, 0, 0, 2, inf, 20)";
    }
    void badMatrixTextGivesIdentity()
    {
        QFETCH(QString, text);
        QCOMPARE(IElement::matrixFromText(text), QTransform());

        // Written as a property it replaces whatever transform the item had.
        std::unique_ptr<IElement> element(makeElement(QStringLiteral("figure")));
        itemOf(element.get())->setTransform(QTransform().rotate(45));
        element->setProperty(IElement::MatrixKey, text);
        QCOMPARE(itemOf(element.get())->transform(), QTransform());
    }

    // --- numbered properties -------------------------------------------------

    void positionKeysMoveOneAxis_data() { addKindRows(); }
    void positionKeysMoveOneAxis()
    {
        QFETCH(QString, kind);
        std::unique_ptr<IElement> element(makeElement(kind));
        QGraphicsItem* item = itemOf(element.get());
        item->setPos(5, 7);

        element->setProperty(IElement::PosXKey, 40.5);
        QCOMPARE(item->pos(), QPointF(40.5, 7));
        element->setProperty(IElement::PosYKey, -3);
        QCOMPARE(item->pos(), QPointF(40.5, -3));
        QCOMPARE(element->property(IElement::PosXKey).toDouble(), 40.5);
        QCOMPARE(element->property(IElement::PosYKey).toDouble(), -3.0);

        // An unreadable number becomes 0 and still leaves the other axis alone.
        element->setProperty(IElement::PosXKey, QStringLiteral("abc"));
        QCOMPARE(item->pos(), QPointF(0, -3));
    }

    void matrixKeyReplacesTransform_data() { addKindRows(); }
    void matrixKeyReplacesTransform()
    {
        QFETCH(QString, kind);
        std::unique_ptr<IElement> element(makeElement(kind));
        QGraphicsItem* item = itemOf(element.get());
        const QRectF plain = item->sceneBoundingRect();
        item->setTransform(QTransform().rotate(30).scale(3, 3));

        element->setProperty(IElement::MatrixKey, QStringLiteral("matrix(1, 0, 0, 1, 10, 20)"));
        QCOMPARE(item->transform(), QTransform::fromTranslate(10, 20));
        QCOMPARE(item->sceneBoundingRect(), plain.translated(10, 20));
        QCOMPARE(element->property(IElement::MatrixKey).toString(),
                 QStringLiteral("matrix(1, 0, 0, 1, 10, 20)"));
    }

    void placementKeysRestoreThePlacement_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("inGroup");
        for (const char* kind : {"path", "polygon", "text", "figure", "ink"}) {
            QTest::newRow(kind) << QString::fromLatin1(kind) << false;
            QTest::newRow(qPrintable(QStringLiteral("%1 in a group").arg(QLatin1String(kind))))
                << QString::fromLatin1(kind) << true;
        }
    }
    void placementKeysRestoreThePlacement()
    {
        // Keys 26 to 28 written back, in key order, put an element where it was,
        // also inside a moved and turned group (as ink segments are).
        QFETCH(QString, kind);
        QFETCH(bool, inGroup);
        QGraphicsRectItem parent(0, 0, 100, 100);
        parent.setPos(50, 60);
        parent.setTransform(QTransform().rotate(90));
        std::unique_ptr<IElement> source(makeElement(kind));
        std::unique_ptr<IElement> copy(makeElement(kind));
        if (inGroup) {
            itemOf(source.get())->setParentItem(&parent);
            itemOf(copy.get())->setParentItem(&parent);
        }
        QGraphicsItem* item = itemOf(source.get());
        item->setPos(30, -12.5);
        item->setTransform(QTransform().rotate(30).scale(2, 0.5).translate(4, 3));

        for (int key : {IElement::MatrixKey, IElement::PosXKey, IElement::PosYKey})
            copy->setProperty(key, source->property(key));
        QVERIFY2(sameMatrix(itemOf(copy.get())->sceneTransform(), item->sceneTransform()),
                 qPrintable(IElement::matrixText(itemOf(copy.get())->sceneTransform())));
        // And reading it back gives the same text.
        QCOMPARE(copy->property(IElement::MatrixKey), source->property(IElement::MatrixKey));

        // Writing back what was read changes nothing.
        const QTransform before = item->sceneTransform();
        source->setProperty(IElement::MatrixKey, source->property(IElement::MatrixKey));
        QVERIFY(sameMatrix(item->sceneTransform(), before));
    }

    void nonFiniteNumbersAreRefused_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QVariant>("value");
        const QVariant texts[] = {QStringLiteral("nan"), QStringLiteral("inf"), QStringLiteral("-inf")};
        for (int key : {int(IElement::ZOrderKey), int(IElement::PosXKey), int(IElement::PosYKey)}) {
            for (const QVariant& text : texts)
                QTest::addRow("key %d, \"%s\"", key, qPrintable(text.toString())) << key << text;
            QTest::addRow("key %d, NaN number", key) << key << QVariant(qQNaN());
            QTest::addRow("key %d, infinite number", key) << key << QVariant(-qInf());
        }
    }
    void nonFiniteNumbersAreRefused()
    {
        QFETCH(int, key);
        QFETCH(QVariant, value);
        for (const char* kind : {"path", "polygon", "text", "figure", "ink"}) {
            ISlide slide;
            IElement* element = makeElement(QString::fromLatin1(kind)); // owned by the slide
            QGraphicsItem* item = itemOf(element);
            item->setPos(5, 7);
            slide.addElement(element);
            const double z = element->zOrder();

            element->setProperty(key, value);
            QCOMPARE(item->pos(), QPointF(5, 7));
            QCOMPARE(element->zOrder(), z);
            QCOMPARE(item->zValue(), z);
            QCOMPARE(element->property(key).toDouble(), key == IElement::PosXKey ? 5.0
                                                        : key == IElement::PosYKey ? 7.0 : z);
            // Still shown where it was, and the slide still stacks by numbers.
            QVERIFY(slide.items(QPointF(10, 10)).contains(item));
            slide.addElement(element);
            QVERIFY(std::isfinite(slide.topZ()));
            QCOMPARE(slide.topZ(), z + 0.01);
        }
    }

    void zOrderKeyMovesItem_data() { addKindRows(); }
    void zOrderKeyMovesItem()
    {
        QFETCH(QString, kind);
        std::unique_ptr<IElement> element(makeElement(kind));
        element->setProperty(IElement::ZOrderKey, 4.5);
        QCOMPARE(element->zOrder(), 4.5);
        QCOMPARE(itemOf(element.get())->zValue(), 4.5);
        QCOMPARE(element->property(IElement::ZOrderKey).toDouble(), 4.5);
    }

    void identityKeys_data() { addKindRows(); }
    void identityKeys()
    {
        QFETCH(QString, kind);
        std::unique_ptr<IElement> element(makeElement(kind));
        QGraphicsItem* item = itemOf(element.get());

        QCOMPARE(element->property(IElement::TypeKey).toInt(), item->type());
        element->setProperty(IElement::TypeKey, 3);
        QCOMPARE(element->property(IElement::TypeKey).toInt(), item->type());

        element->setProperty(IElement::IdKey, QStringLiteral("my-id"));
        QCOMPARE(element->elementId(), QStringLiteral("my-id"));
        QCOMPARE(element->property(IElement::IdKey).toString(), QStringLiteral("my-id"));

        QVERIFY(!element->isLocked());
        element->setProperty(IElement::LockedKey, QStringLiteral("true"));
        QVERIFY(element->isLocked());
        QCOMPARE(element->property(IElement::LockedKey), QVariant(true));
    }

    void resourceAndUserKeys_data() { addKindRows(); }
    void resourceAndUserKeys()
    {
        QFETCH(QString, kind);
        std::unique_ptr<IElement> element(makeElement(kind));
        QVERIFY(!element->userValue().isValid());
        QCOMPARE(element->userNumber(), 0);

        element->setProperty(IElement::ResourceFileKey, QStringLiteral("/tmp/sound.wav"));
        QCOMPARE(element->resourceFile(), QStringLiteral("/tmp/sound.wav"));
        QVERIFY(element->resourceName().endsWith(QLatin1String(".wav")));
        QCOMPARE(element->property(IElement::ResourceNameKey).toString(), element->resourceName());

        element->setProperty(IElement::ResourceNameKey, QStringLiteral("kept as is"));
        QCOMPARE(element->resourceName(), QStringLiteral("kept as is"));
        QCOMPARE(element->property(IElement::ResourceFileKey).toString(),
                 QStringLiteral("/tmp/sound.wav"));

        element->setProperty(IElement::UserNumberKey, QStringLiteral("12"));
        element->setProperty(IElement::UserValueKey, QStringList{QStringLiteral("a")});
        QCOMPARE(element->userNumber(), 12);
        QCOMPARE(element->property(IElement::UserNumberKey).toInt(), 12);
        QCOMPARE(element->property(IElement::UserValueKey).toStringList(),
                 QStringList{QStringLiteral("a")});

        element->setUserData(-4, 2.5);
        QCOMPARE(element->userNumber(), -4);
        QCOMPARE(element->userValue(), QVariant(2.5));
    }

    void unknownKeysChangeNothing_data() { addKindRows(); }
    void unknownKeysChangeNothing()
    {
        QFETCH(QString, kind);
        std::unique_ptr<IElement> element(makeElement(kind));
        element->setResourceFile(QStringLiteral("a.png"));
        itemOf(element.get())->setPos(3, 4);
        const QList<int> known = {0, 1, 24, 25, 26, 27, 28, 33, 34, 35, 36};
        QVariantList before;
        for (int key : known)
            before << element->property(key);

        // The ink keys belong to ink strokes only; the rest are nobody's here.
        for (int key : {-1, 2, 3, 5, 9, 23, 29, 32, 37, 1000}) {
            element->setProperty(key, 77);
            QVERIFY2(!element->property(key).isValid(), qPrintable(QString::number(key)));
        }
        QVariantList after;
        for (int key : known)
            after << element->property(key);
        QCOMPARE(after, before);
    }

    void textElementKeepsBothPropertyKinds()
    {
        TestText text(QStringLiteral("note"));
        text.setProperty(IElement::ZOrderKey, 2.5);
        text.setProperty("hint", QStringLiteral("named"));
        QCOMPARE(text.property(IElement::ZOrderKey).toDouble(), 2.5);
        QCOMPARE(text.property("hint").toString(), QStringLiteral("named"));
        QVERIFY(!text.property(IElement::UserValueKey).isValid());
    }

    void dataStoreLayouts()
    {
        // Peers read these keys of the item data store directly.
        std::unique_ptr<IElement> path(makeElement(QStringLiteral("path")));
        QGraphicsItem* pathItem = itemOf(path.get());
        path->setZOrder(2.5);
        path->setLocked(true);
        QCOMPARE(pathItem->data(1).toString(), path->elementId());
        QCOMPARE(pathItem->data(24), QVariant(true));
        QCOMPARE(pathItem->data(25), QVariant(2.5));
        QCOMPARE(pathItem->zValue(), 0.0); // the generic z order does not move the item

        for (const char* kind : {"figure", "ink"}) {
            std::unique_ptr<IElement> element(makeElement(QString::fromLatin1(kind)));
            QGraphicsItem* item = itemOf(element.get());
            element->setZOrder(2.5);
            element->setLocked(true);
            QCOMPARE(item->data(0).toString(), element->elementId());
            QCOMPARE(item->data(1), QVariant(2.5));
            QCOMPARE(item->data(3), QVariant(true));
            QVERIFY(!item->data(24).isValid());
            QVERIFY(!item->data(25).isValid());
            QCOMPARE(item->zValue(), 2.5);
            QCOMPARE(element->zOrder(), 2.5);
            QVERIFY(element->isLocked());
        }
    }

    // --- ids and resource names ----------------------------------------------

    void idsAreFreshUuidText()
    {
        const QString first = IElement::newElementId();
        QVERIFY2(kUuidText.match(first).hasMatch(), qPrintable(first));
        QVERIFY(IElement::newElementId() != first);
        std::unique_ptr<IElement> a(makeElement(QStringLiteral("ink")));
        std::unique_ptr<IElement> b(makeElement(QStringLiteral("ink")));
        QVERIFY(kUuidText.match(a->elementId()).hasMatch());
        QVERIFY(a->elementId() != b->elementId());
    }

    void resourceNameTakesSuffix_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("ending");
        QTest::newRow("windows path") << "C:/a/b.png" << ".png";
        QTest::newRow("backslashes") << "C:\\a\\b.jpeg" << ".jpeg";
        QTest::newRow("last dot counts") << "/tmp/archive.tar.gz" << ".gz";
        QTest::newRow("no suffix") << "/tmp/readme" << ".";
        QTest::newRow("dot in folder only") << "C:/a.b/c" << ".";
        QTest::newRow("backslash folder with dot") << "C:\\a.b\\c" << ".";
    }
    void resourceNameTakesSuffix()
    {
        QFETCH(QString, path);
        QFETCH(QString, ending);
        std::unique_ptr<IElement> element(makeElement(QStringLiteral("path")));
        element->setResourceFile(path);
        const QString first = element->resourceName();
        QCOMPARE(first.size(), 36 + ending.size());
        QVERIFY2(first.endsWith(ending), qPrintable(first));
        QVERIFY(kUuidText.match(first.left(36)).hasMatch());
        QCOMPARE(element->resourceFile(), path);

        element->setResourceFile(path);
        QVERIFY(element->resourceName() != first);
        QVERIFY(element->resourceName().endsWith(ending));
    }

    // --- cloning ---------------------------------------------------------------

    void cloneCopiesParameters_data() { addKindRows(); }
    void cloneCopiesParameters()
    {
        QFETCH(QString, kind);
        std::unique_ptr<IElement> source(makeElement(kind));
        QGraphicsItem* sourceItem = itemOf(source.get());
        sourceItem->setPos(12.5, -8);
        sourceItem->setTransform(QTransform().rotate(20).scale(1.5, 1.5));
        source->setZOrder(3.25);
        source->setLocked(true);
        source->setResourceFile(QStringLiteral("C:/a/b.png"));
        source->setUserData(7, QStringLiteral("seven"));

        std::unique_ptr<IElement> copy(source->clone());
        QGraphicsItem* copyItem = itemOf(copy.get());
        QVERIFY(copyItem);
        QCOMPARE(copyItem->type(), sourceItem->type());
        QCOMPARE(copyItem->pos(), sourceItem->pos());
        QCOMPARE(copyItem->transform(), sourceItem->transform());
        QCOMPARE(copy->zOrder(), 3.25);
        QVERIFY(copy->isLocked());
        QCOMPARE(copy->resourceFile(), QStringLiteral("C:/a/b.png"));
        QCOMPARE(copy->userNumber(), 7);
        QCOMPARE(copy->userValue(), QVariant(QStringLiteral("seven")));

        QVERIFY(kUuidText.match(copy->elementId()).hasMatch());
        QVERIFY(copy->elementId() != source->elementId());
        QVERIFY(copy->resourceName().endsWith(QLatin1String(".png")));
        QVERIFY(copy->resourceName() != source->resourceName());
    }

    void copyReplacesTargetMatrix()
    {
        std::unique_ptr<IElement> source(makeElement(QStringLiteral("path")));
        std::unique_ptr<IElement> target(makeElement(QStringLiteral("path")));
        itemOf(source.get())->setTransform(QTransform::fromScale(2, 2));
        itemOf(target.get())->setTransform(QTransform().rotate(90));
        source->copyItemParameters(target.get());
        QCOMPARE(itemOf(target.get())->transform(), QTransform::fromScale(2, 2));
    }

    void copyOntoOtherKindCopiesNothing()
    {
        std::unique_ptr<IElement> source(makeElement(QStringLiteral("path")));
        std::unique_ptr<IElement> target(makeElement(QStringLiteral("polygon")));
        itemOf(source.get())->setPos(10, 10);
        source->setZOrder(5);
        source->setLocked(true);
        source->setResourceFile(QStringLiteral("x.png"));
        source->setUserData(3, 4);

        source->copyItemParameters(target.get());
        source->copyItemParameters(nullptr);
        QCOMPARE(itemOf(target.get())->pos(), QPointF(0, 0));
        QCOMPARE(target->zOrder(), 0.0);
        QVERIFY(!target->isLocked());
        QVERIFY(target->resourceFile().isEmpty());
        QVERIFY(target->resourceName().isEmpty());
        QCOMPARE(target->userNumber(), 0);
        QVERIFY(!target->userValue().isValid());
    }
};

VESKAROO_TEST_MAIN(TestElement)
#include "tst_element.moc"
