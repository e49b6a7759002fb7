// How the board looks as a whole: a camera picture, a selected element in
// its frame, and the view turned a quarter. The rendering is checked here
// and saved as a PNG (set VESKAROO_LOOK_DIR to keep it) for people to see.
#include "common/syntheticdocument.h"
#include "common/testenv.h"
#include "common/testfigure.h"

#include "board/iboard.h"
#include "board/islide.h"
#include "board/item/icommonelementframe.h"
#include "board/item/ipixmapitem.h"
#include "opencv/iopencvapi.h"

class TestBoardLook : public QObject
{
    Q_OBJECT

private slots:
    void pictureFramedElementAndTurnedView()
    {
        TestEnv::silenceOffscreenPlatformNotices();
        IBoard board;
        board.resize(900, 600);
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        auto* slide = new ISlide(&board);
        board.insertSlide(slide, true);
        auto* picture = new IPixmapItem;
        picture->setTargetSize(board.size());
        board.setPictureItem(picture);
        const SyntheticDocument page = SyntheticDocument::render({1280, 720}, 8.0);
        board.setBackgroundImage(IOpencvApi::cvMat2Image(page.frame));
        board.resetView();

        const QRectF area = board.pictureSceneRect();
        auto* figure = new TestFigure(QRectF(0, 0, area.width() / 5, area.height() / 6));
        figure->setPos(area.center() - QPointF(area.width() / 10, area.height() / 12));
        slide->addItem(figure);
        board.rotateBy(90);
        board.elementFrame()->setSelection({figure}, true);
        QTest::qWait(50);

        const QImage look = board.grab().toImage();
        const QString folder = qEnvironmentVariable("VESKAROO_LOOK_DIR", QDir::tempPath());
        QVERIFY(look.save(folder + "/veskaroo-board-look.png"));

        QCOMPARE(board.rotation(), 90);
        // Turned a quarter, the landscape picture stands upright on screen.
        const QRect shown = board.mapFromScene(board.pictureSceneRect()).boundingRect();
        QVERIFY2(shown.height() > shown.width(), qPrintable(QString("%1x%2").arg(shown.width()).arg(shown.height())));
        // The element shows in its own colour, and the frame is up around it.
        const QPoint figureOnScreen = board.mapFromScene(figure->sceneBoundingRect().center());
        QCOMPARE(look.pixelColor(figureOnScreen), QColor(240, 160, 40));
        QVERIFY(board.elementFrame()->isVisible());
        QVERIFY(board.elementFrame()->geometry().contains(figureOnScreen));
    }
};

VESKAROO_TEST_MAIN(TestBoardLook)
#include "tst_boardlook.moc"
