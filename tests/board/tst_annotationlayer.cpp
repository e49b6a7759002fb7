// The board keeps its elements on a cached layer over the live picture. What
// the user sees must stay exactly what painting every element afresh gives,
// whatever changes: new camera pictures, elements moved, recoloured, hidden
// or removed, the view zoomed or turned, another slide.
#include "common/testenv.h"
#include "common/testfigure.h"

#include "board/iboard.h"
#include "board/islide.h"
#include "board/item/icommonelementframe.h"
#include "board/item/ipixmapitem.h"

#include <QPainter>
#include <QScreen>

namespace {

QImage cameraPicture(const QColor& colour)
{
    QImage picture(1280, 720, QImage::Format_RGB888);
    picture.fill(colour);
    QPainter painter(&picture);
    painter.fillRect(300, 150, 600, 400, Qt::white);
    return picture;
}

// Largest difference of any channel at any pixel; antialiased edges blended
// through the layer may differ by rounding.
int largestDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 255;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int worst = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            worst = std::max({worst, std::abs(qRed(p[col]) - qRed(q[col])),
                              std::abs(qGreen(p[col]) - qGreen(q[col])), std::abs(qBlue(p[col]) - qBlue(q[col]))});
        }
    }
    return worst;
}

} // namespace

class TestAnnotationLayer : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<IBoard> m_board;
    ISlide* m_slide = nullptr;

    // What the board shows now, through its layer.
    QImage shown()
    {
        QApplication::processEvents();
        return m_board->viewport()->grab().toImage();
    }
    // The same view painted the plain way, every item drawn afresh.
    QImage painted()
    {
        m_board->setOptimizationFlag(QGraphicsView::IndirectPainting, false);
        const QImage image = m_board->viewport()->grab().toImage();
        m_board->setOptimizationFlag(QGraphicsView::IndirectPainting, true);
        return image;
    }
    void verifyShownAsPainted(const char* step)
    {
        const QImage layered = shown();
        const int difference = largestDifference(layered, painted());
        QVERIFY2(difference <= 2, qPrintable(QString("%1: differs by %2").arg(step).arg(difference)));
    }
    QColor colourAt(const QPointF& scenePoint)
    {
        return shown().pixelColor(m_board->mapFromScene(scenePoint));
    }

    // A still square and a smaller one that the test moves, both shown.
    void addTwoFigures(TestFigure** still, TestFigure** moving)
    {
        *still = new TestFigure(QRectF(0, 0, 100, 100));
        (*still)->setPos(300, 200);
        *moving = new TestFigure(QRectF(0, 0, 60, 60));
        (*moving)->setPos(40, 40);
        m_slide->addElement(*still);
        m_slide->addElement(*moving);
        verifyShownAsPainted("added");
    }

private slots:
    void init()
    {
        TestEnv::silenceOffscreenPlatformNotices();
        m_board = std::make_unique<IBoard>();
        m_board->resize(800, 500);
        m_board->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_board.get()));
        m_slide = new ISlide(m_board.get());
        m_board->insertSlide(m_slide, true);
        auto* picture = new IPixmapItem;
        picture->setTargetSize(m_board->size());
        m_board->setPictureItem(picture);
        m_board->setBackgroundImage(cameraPicture(Qt::darkGreen));
        m_board->resetView();
    }
    void cleanup() { m_board.reset(); }

    void newPicturesShowUnderUnchangedElements()
    {
        auto* figure = new TestFigure(QRectF(0, 0, 120, 80));
        figure->setPos(50, 40);
        m_slide->addElement(figure);
        verifyShownAsPainted("first picture");

        m_board->setBackgroundImage(cameraPicture(Qt::darkBlue));
        QCOMPARE(colourAt(QPointF(10, 10)), QColor(Qt::darkBlue));
        QCOMPARE(colourAt(QPointF(110, 80)), QColor(240, 160, 40));
        verifyShownAsPainted("second picture");
    }

    void changedElementsShowAtOnce()
    {
        TestFigure* still = nullptr;
        TestFigure* moving = nullptr;
        addTwoFigures(&still, &moving);

        moving->setPos(160, 60);
        m_board->setBackgroundImage(cameraPicture(Qt::darkRed));
        QCOMPARE(colourAt(QPointF(60, 60)), QColor(Qt::darkRed));
        QCOMPARE(colourAt(QPointF(190, 90)), QColor(240, 160, 40));
        verifyShownAsPainted("moved");

        moving->setBrush(QColor(20, 200, 220));
        moving->update();
        QCOMPARE(colourAt(QPointF(190, 90)), QColor(20, 200, 220));
        verifyShownAsPainted("recoloured");

        moving->setRotation(30);
        verifyShownAsPainted("turned");

        still->hide();
        QCOMPARE(colourAt(QPointF(350, 250)), QColor(Qt::white));
        verifyShownAsPainted("hidden");

        m_slide->removeItem(moving);
        delete moving;
        verifyShownAsPainted("removed");
    }

    void changePaintedAtOnceShows_data()
    {
        QTest::addColumn<bool>("grab");
        QTest::newRow("repainted") << false;
        QTest::newRow("grabbed") << true;
    }
    void changePaintedAtOnceShows()
    {
        QFETCH(bool, grab);
        TestFigure* still = nullptr;
        TestFigure* moving = nullptr;
        addTwoFigures(&still, &moving);

        // Painted before the event loop runs, as when a camera picture is
        // already waiting or the window is grabbed for a snap.
        moving->setPos(200, 120);
        still->setBrush(QColor(20, 200, 220));
        still->update();
        QImage now;
        if (grab) {
            now = m_board->viewport()->grab().toImage();
        } else {
            // What the window holds after the repaint, without painting again.
            QWidget* viewport = m_board->viewport();
            m_board->viewport()->repaint();
            const QPoint at = viewport->mapTo(viewport->window(), QPoint(0, 0));
            now = viewport->screen()
                      ->grabWindow(viewport->window()->winId(), at.x(), at.y(), viewport->width(), viewport->height())
                      .toImage();
        }
        const int difference = largestDifference(now, painted());
        QVERIFY2(difference <= 2, qPrintable(QString("differs by %1").arg(difference)));
        verifyShownAsPainted("afterwards");
    }

    void zoomAndRotationRepaintTheLayer()
    {
        auto* figure = new TestFigure(QRectF(0, 0, 150, 60));
        figure->setPos(200, 100);
        m_slide->addElement(figure);
        verifyShownAsPainted("fitted");
        m_board->zoomBy(1.5);
        verifyShownAsPainted("zoomed");
        m_board->rotateBy(90);
        m_board->setBackgroundImage(cameraPicture(Qt::darkCyan));
        verifyShownAsPainted("turned");
        m_board->panBy(40, -30);
        verifyShownAsPainted("panned");
        m_board->resize(640, 480);
        verifyShownAsPainted("resized");
    }

    void selectionFrameAndOtherSlides()
    {
        auto* figure = new TestFigure(QRectF(0, 0, 150, 100));
        figure->setPos(200, 100);
        m_slide->addElement(figure);
        m_board->elementFrame()->setSelection({figure}, true);
        verifyShownAsPainted("selected");
        m_board->hideSelection();
        verifyShownAsPainted("selection hidden");

        auto* other = new ISlide(m_board.get());
        m_board->insertSlide(other, true);
        auto* elsewhere = new TestFigure(QRectF(0, 0, 50, 50));
        elsewhere->setPos(20, 20);
        other->addElement(elsewhere);
        verifyShownAsPainted("other slide");
        m_board->setCurrentSlide(m_slide);
        verifyShownAsPainted("back again");
    }
};

VESKAROO_TEST_MAIN(TestAnnotationLayer)
#include "tst_annotationlayer.moc"
