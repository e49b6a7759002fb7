// The slide picture: where it is drawn, and that every change shows.
#include "common/testenv.h"

#include "board/item/ipixmapitem.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QSignalSpy>

namespace {

const QColor kTopLeft(220, 30, 30);
const QColor kTopRight(30, 200, 30);
const QColor kBottomLeft(30, 30, 220);
const QColor kBottomRight(230, 200, 20);

// A picture in four coloured quarters.
QImage quarters(const QSize& size, QImage::Format format = QImage::Format_RGB888)
{
    QImage image(size, format);
    QPainter painter(&image);
    const int w = size.width() / 2;
    const int h = size.height() / 2;
    painter.fillRect(0, 0, w, h, kTopLeft);
    painter.fillRect(w, 0, size.width() - w, h, kTopRight);
    painter.fillRect(0, h, w, size.height() - h, kBottomLeft);
    painter.fillRect(w, h, size.width() - w, size.height() - h, kBottomRight);
    return image;
}

QImage render(QGraphicsScene& scene, const QSize& size)
{
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    scene.render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
    return canvas;
}

bool near(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) <= 8 && qAbs(a.green() - b.green()) <= 8
        && qAbs(a.blue() - b.blue()) <= 8;
}

} // namespace

class TestPixmapItem : public QObject
{
    Q_OBJECT

private slots:
    void fitsPictureIntoTarget_data()
    {
        QTest::addColumn<QSize>("image");
        QTest::addColumn<QSize>("target");
        QTest::addColumn<QRectF>("rect");
        QTest::newRow("wide into wider view")
            << QSize(1920, 1080) << QSize(1600, 1000) << QRectF(0, 0, 1600, 900);
        QTest::newRow("tall into wide view")
            << QSize(1080, 1920) << QSize(1600, 1000) << QRectF(0, 0, 562, 1000);
        QTest::newRow("small picture grows")
            << QSize(640, 480) << QSize(1600, 1000) << QRectF(0, 0, 1333, 1000);
        QTest::newRow("same aspect fills")
            << QSize(800, 500) << QSize(1600, 1000) << QRectF(0, 0, 1600, 1000);
        QTest::newRow("no picture") << QSize() << QSize(1600, 1000) << QRectF();
        QTest::newRow("no target") << QSize(1920, 1080) << QSize() << QRectF();
    }
    void fitsPictureIntoTarget()
    {
        QFETCH(QSize, image);
        QFETCH(QSize, target);
        QFETCH(QRectF, rect);
        IPixmapItem item(target);
        item.setImage(image.isValid() ? QImage(image, QImage::Format_RGB888) : QImage());
        QCOMPARE(item.boundingRect(), rect);
        QCOMPARE(item.shape().boundingRect(), rect);
    }

    void drawsPictureIntoItsRect_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("colour frame") << int(QImage::Format_RGB888);
        QTest::newRow("32-bit picture") << int(QImage::Format_RGB32);
    }
    void drawsPictureIntoItsRect()
    {
        QFETCH(int, format);
        QGraphicsScene scene;
        auto* item = new IPixmapItem(QSize(160, 100));
        item->setImage(quarters(QSize(192, 108), QImage::Format(format)));
        scene.addItem(item);
        scene.setSceneRect(0, 0, 200, 120);

        const QImage shown = render(scene, QSize(200, 120));
        QVERIFY(near(shown.pixelColor(40, 22), kTopLeft));
        QVERIFY(near(shown.pixelColor(120, 22), kTopRight));
        QVERIFY(near(shown.pixelColor(40, 67), kBottomLeft));
        QVERIFY(near(shown.pixelColor(120, 67), kBottomRight));
        // Nothing below 90 or right of 160.
        QVERIFY(near(shown.pixelColor(80, 95), Qt::white));
        QVERIFY(near(shown.pixelColor(170, 40), Qt::white));
    }

    void pictureIsSmoothedWhenNotAtItsOwnSize_data()
    {
        QTest::addColumn<QSize>("target");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<bool>("smoothed");
        // The picture is 100 x 100; the target fits it, the zoom is the view's.
        QTest::newRow("enlarged to fit") << QSize(150, 150) << 1.0 << true;
        QTest::newRow("reduced to fit") << QSize(70, 70) << 1.0 << true;
        QTest::newRow("zoomed in") << QSize(100, 100) << 2.5 << true;
        QTest::newRow("zoomed out") << QSize(100, 100) << 0.6 << true;
        QTest::newRow("below half its size") << QSize(40, 40) << 1.0 << true;
        QTest::newRow("a quarter, zoomed out") << QSize(50, 50) << 0.5 << true;
        QTest::newRow("own size stays sharp") << QSize(100, 100) << 1.0 << false;
    }
    void pictureIsSmoothedWhenNotAtItsOwnSize()
    {
        QFETCH(QSize, target);
        QFETCH(double, zoom);
        QFETCH(bool, smoothed);
        // Fine print at its sharpest: a black and white checkerboard of single pixels.
        QImage fine(100, 100, QImage::Format_RGB888);
        for (int y = 0; y < fine.height(); ++y) {
            for (int x = 0; x < fine.width(); ++x)
                fine.setPixelColor(x, y, (x + y) % 2 ? Qt::white : Qt::black);
        }
        QGraphicsScene scene;
        auto* item = new IPixmapItem(target);
        item->setImage(fine);
        scene.addItem(item);

        const QSize shownSize = (QSizeF(target) * zoom).toSize();
        QImage shown(shownSize, QImage::Format_RGB32);
        shown.fill(Qt::red);
        QPainter painter(&shown);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(zoom, zoom);
        scene.render(&painter, QRectF(QPointF(0, 0), target), QRectF(QPointF(0, 0), target));
        painter.end();

        // Greys in between black and white, inside the picture.
        int greys = 0;
        const QRect inside = shown.rect().adjusted(2, 2, -2, -2);
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const QColor c = shown.pixelColor(x, y);
                if (c.red() >= 40 && c.red() <= 215 && c.red() == c.blue())
                    ++greys;
            }
        }
        const int pixels = inside.width() * inside.height();
        if (smoothed)
            QVERIFY2(greys > pixels / 4, qPrintable(QStringLiteral("%1 of %2").arg(greys).arg(pixels)));
        else
            QCOMPARE(greys, 0);
    }

    void reducedPictureKeepsItsColoursInPlace_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("target");
        const QList<QPair<const char*, int>> formats = {{"24-bit", int(QImage::Format_RGB888)},
                                                       {"32-bit", int(QImage::Format_RGB32)},
                                                       {"with alpha", int(QImage::Format_ARGB32)}};
        for (const auto& format : formats) {
            QTest::addRow("%s, three quarters", format.first) << format.second << QSize(400, 200) << QSize(300, 150);
            QTest::addRow("%s, under half", format.first) << format.second << QSize(400, 200) << QSize(180, 90);
            QTest::addRow("%s, a fifth", format.first) << format.second << QSize(400, 200) << QSize(80, 40);
            QTest::addRow("%s, odd size", format.first) << format.second << QSize(401, 203) << QSize(100, 51);
        }
    }
    void reducedPictureKeepsItsColoursInPlace()
    {
        QFETCH(int, format);
        QFETCH(QSize, picture);
        QFETCH(QSize, target);
        QGraphicsScene scene;
        auto* item = new IPixmapItem(target);
        item->setImage(quarters(picture, QImage::Format(format)));
        scene.addItem(item);
        const QRectF rect = item->boundingRect();
        const QImage shown = render(scene, target + QSize(10, 10));

        const double w = rect.width();
        const double h = rect.height();
        QVERIFY(near(shown.pixelColor(int(w / 4), int(h / 4)), kTopLeft));
        QVERIFY(near(shown.pixelColor(int(3 * w / 4), int(h / 4)), kTopRight));
        QVERIFY(near(shown.pixelColor(int(w / 4), int(3 * h / 4)), kBottomLeft));
        QVERIFY(near(shown.pixelColor(int(3 * w / 4), int(3 * h / 4)), kBottomRight));
        // The quarters meet in the middle, not shifted by the reduction.
        QVERIFY(near(shown.pixelColor(int(w / 2) - 2, int(h / 4)), kTopLeft));
        QVERIFY(near(shown.pixelColor(int(w / 2) + 2, int(h / 4)), kTopRight));
        // Nothing right of or below the picture.
        QVERIFY(near(shown.pixelColor(int(w) + 3, int(h / 2)), Qt::white));
        QVERIFY(near(shown.pixelColor(int(w / 2), int(h) + 3), Qt::white));
    }

    void everyNewPictureShowsWhenReduced_data()
    {
        QTest::addColumn<QSize>("target");
        QTest::newRow("three quarters") << QSize(150, 75);
        QTest::newRow("under half") << QSize(80, 40);
    }
    void everyNewPictureShowsWhenReduced()
    {
        // Camera frames of one size follow each other thirty times a second.
        QFETCH(QSize, target);
        QGraphicsScene scene;
        auto* item = new IPixmapItem(target);
        scene.addItem(item);
        for (const QColor& colour : {kTopLeft, kTopRight, kBottomRight}) {
            QImage frame(200, 100, QImage::Format_RGB888);
            frame.fill(colour);
            if (!item->swapImage(frame))
                item->setImage(frame);
            QVERIFY(near(render(scene, target).pixelColor(target.width() / 2, target.height() / 2), colour));
        }
        // The same frame at another size shows too.
        item->setTargetSize(target * 2);
        QVERIFY(near(render(scene, target * 2).pixelColor(target.width(), target.height()), kBottomRight));
    }

    void greyFrameIsDrawn()
    {
        QImage grey(64, 64, QImage::Format_Indexed8);
        QVector<QRgb> table;
        for (int i = 0; i < 256; ++i)
            table.append(qRgb(i, i, i));
        grey.setColorTable(table);
        grey.fill(40);
        QGraphicsScene scene;
        auto* item = new IPixmapItem(QSize(100, 100));
        item->setImage(grey);
        scene.addItem(item);
        scene.setSceneRect(0, 0, 100, 100);
        QVERIFY(near(render(scene, QSize(100, 100)).pixelColor(50, 50), QColor(40, 40, 40)));
    }

    void newPictureShowsAndMovesHitArea()
    {
        QGraphicsScene scene;
        auto* item = new IPixmapItem(QSize(400, 400));
        scene.addItem(item);
        item->setImage(quarters(QSize(400, 100)));
        QCOMPARE(scene.sceneRect(), QRectF(0, 0, 400, 100));
        QVERIFY(scene.items(QPointF(300, 50)).contains(item));
        QVERIFY(!scene.items(QPointF(50, 300)).contains(item));

        QSignalSpy changed(&scene, &QGraphicsScene::changed);
        item->setImage(quarters(QSize(100, 400)));
        QTRY_VERIFY(changed.count() > 0);
        QVERIFY(scene.items(QPointF(50, 300)).contains(item));
        QVERIFY(!scene.items(QPointF(300, 50)).contains(item));
        // The scene learns of the new extent (views scroll and repaint by it).
        QCOMPARE(scene.sceneRect(), QRectF(0, 0, 400, 400));
        scene.setSceneRect(0, 0, 400, 400);
        QVERIFY(near(render(scene, QSize(400, 400)).pixelColor(75, 300), kBottomRight));

        // A frame of the same size repaints too.
        changed.clear();
        QImage red(100, 400, QImage::Format_RGB888);
        red.fill(kTopLeft);
        item->setImage(red);
        QTRY_VERIFY(changed.count() > 0);
        QVERIFY(near(render(scene, QSize(400, 400)).pixelColor(75, 300), kTopLeft));
    }

    void cropKeepsTheChosenPart_data()
    {
        QTest::addColumn<QRect>("crop");
        QTest::addColumn<QSize>("kept");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("top right quarter") << QRect(100, 0, 100, 50) << QSize(100, 50) << kTopRight;
        QTest::newRow("reaching past the edge")
            << QRect(150, 75, 100, 100) << QSize(50, 25) << kBottomRight;
        QTest::newRow("drawn backwards")
            << QRect(QPoint(99, 49), QPoint(0, 0)) << QSize(100, 50) << kTopLeft;
    }
    void cropKeepsTheChosenPart()
    {
        QFETCH(QRect, crop);
        QFETCH(QSize, kept);
        QFETCH(QColor, colour);
        QGraphicsScene scene;
        auto* item = new IPixmapItem(QSize(400, 400));
        scene.addItem(item);
        item->setImage(quarters(QSize(200, 100)));
        QSignalSpy changed(&scene, &QGraphicsScene::changed);

        QVERIFY(item->cropImage(crop));
        QCOMPARE(item->image().size(), kept);
        for (const QPoint& p : {QPoint(0, 0), QPoint(kept.width() - 1, kept.height() - 1)})
            QVERIFY(near(item->image().pixelColor(p), colour));
        QCOMPARE(item->boundingRect(),
                 QRectF(QPointF(0, 0), kept.scaled(QSize(400, 400), Qt::KeepAspectRatio)));
        QTRY_VERIFY(changed.count() > 0);
    }

    void cropOutsideKeepsPicture()
    {
        IPixmapItem item(QSize(400, 400));
        const QImage picture = quarters(QSize(200, 100));
        item.setImage(picture);
        QVERIFY(!item.cropImage(QRect(300, 300, 50, 50)));
        QVERIFY(!item.cropImage(QRect(10, 10, 0, 0)));
        QCOMPARE(item.image(), picture);

        IPixmapItem empty(QSize(400, 400));
        QVERIFY(!empty.cropImage(QRect(0, 0, 10, 10)));
        QVERIFY(empty.image().isNull());
    }

    void newTargetSizeRefits()
    {
        QGraphicsScene scene;
        auto* item = new IPixmapItem(QSize(1600, 1000));
        scene.addItem(item);
        item->setImage(QImage(QSize(1920, 1080), QImage::Format_RGB888));
        QSignalSpy changed(&scene, &QGraphicsScene::changed);

        item->setTargetSize(QSize(800, 800));
        QCOMPARE(item->targetSize(), QSize(800, 800));
        QCOMPARE(item->boundingRect(), QRectF(0, 0, 800, 450));
        QTRY_VERIFY(changed.count() > 0);
        QVERIFY(!scene.items(QPointF(700, 800)).contains(item));
        QVERIFY(scene.items(QPointF(700, 400)).contains(item));
    }
};

VESKAROO_TEST_MAIN(TestPixmapItem)
#include "tst_pixmapitem.moc"
