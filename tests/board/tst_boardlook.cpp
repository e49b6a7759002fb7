// How the board looks as a whole: a camera picture, a selected element in
// its frame, and the view turned a quarter; every figure and a formatted text
// box on the virtual camera's page. The renderings are checked here and
// saved as PNGs (set VESKAROO_LOOK_DIR to keep them) for people to see.
#include "common/syntheticdocument.h"
#include "common/testenv.h"
#include "common/testfigure.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/item/figure/ifigureelement.h"
#include "board/item/figure/ifigurekind.h"
#include "board/item/icommonelementframe.h"
#include "board/item/ipixmapitem.h"
#include "board/item/itextelement.h"
#include "board/mode/ifiguremode.h"
#include "board/mode/imodemanager.h"
#include "board/tk_iboard_enum.h"
#include "directshow/virtual/ivirtualpage.h"
#include "opencv/iopencvapi.h"

#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace {

// Where the look pictures go: VESKAROO_LOOK_DIR, else the temporary folder.
QString lookFolder()
{
    return qEnvironmentVariable("VESKAROO_LOOK_DIR", QDir::tempPath());
}

// A drag across the board's view as the mouse gives it.
void dragOnBoard(IBoard& board, const QPointF& from, const QPointF& to)
{
    QWidget* viewport = board.viewport();
    const QPoint a = board.mapFromScene(from);
    const QPoint b = board.mapFromScene(to);
    QTest::mousePress(viewport, Qt::LeftButton, {}, a);
    for (int i = 1; i <= 4; ++i) {
        const QPoint at = a + (b - a) * i / 4;
        QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, b);
}

// Pixels of `area` that differ clearly between two renderings.
int changedPixels(const QImage& before, const QImage& after, const QRect& area)
{
    int changed = 0;
    const QRect inside = area.intersected(before.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor a = before.pixelColor(x, y);
            const QColor b = after.pixelColor(x, y);
            changed += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) > 90;
        }
    }
    return changed;
}

// Pixels of `area` close to `color`.
int pixelsOf(const QImage& image, const QRect& area, const QColor& color)
{
    int found = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            found += std::abs(c.red() - color.red()) + std::abs(c.green() - color.green())
                    + std::abs(c.blue() - color.blue()) < 60;
        }
    }
    return found;
}

// Selects characters [from, to) of the text box, as a presenter's drag does.
void selectText(ITextElement* text, int from, int to)
{
    QTextCursor cursor(text->document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    text->setTextCursor(cursor);
}

} // namespace

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
        QVERIFY(look.save(lookFolder() + "/veskaroo-board-look.png"));

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

    // Every figure kind drawn with the mouse, in the board's own colours, and
    // one text box in several colours, weights and sizes, over the page the
    // virtual camera shows. Each figure stays inside its own cell of the grid.
    void everyFigureAndFormattedTextOnTheCameraPage()
    {
        IBoard board;
        auto* slide = new ISlide(&board);
        board.insertSlide(slide, true);
        board.setPictureItem(new IPixmapItem(QSize(1280, 720)));
        board.setPictureSize(QSizeF(1280, 720));
        board.resize(1280, 720);
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        IVirtualPage page;
        board.setBackgroundImage(IOpencvApi::cvMat2Image(page.scene(cv::Size(1280, 720)).clone()));
        board.resetView();
        QTest::qWait(50);
        const QImage empty = board.grab().toImage();

        using namespace IFigureKind;
        using namespace TK_IBOARD_ENUM;
        // Kind and the tool number that draws it. Kinds whose number belongs to
        // the ink figures, or that have none, are told to the figure tool.
        const QList<QPair<int, int>> kinds{
            {Line, DottedLineMode}, {DashLine, DottedLineMode}, {DotLine, DottedLineMode},
            {DashDotDotLine, DottedLineMode}, {EndArrowLine, EndArrowLineMode}, {StartArrowLine, StartArrowLineMode},
            {DoubleArrowLine, DoubleArrowLineMode}, {EndDotLine, DottedLineMode}, {StartDotLine, DottedLineMode},
            {DoubleDotLine, DottedLineMode}, {WaveLine, WaveLineMode}, {Circle, DottedLineMode},
            {Ellipse, DottedLineMode}, {Rectangle, DottedLineMode}, {Parallelogram, ParallelogramMode},
            {IsoscelesTriangle, DottedLineMode}, {RegularTriangle, RegularTriangleMode}, {Pentagon, PentagonMode},
            {Hexagon, HexagonMode}, {Octagon, OctagonMode}, {Star, StarMode}, {Cube, CubeMode}, {Cone, ConeMode},
            {Cylinder, CylinderMode}, {Dihedral, DihedralMode}, {Hemisphere, HemisphereMode},
            {TriangularPyramid, TriangularPyramidMode}, {Ball, BallMode}};
        auto* tool = dynamic_cast<IFigureMode*>(board.modeManager()->modeNamed(QStringLiteral("figure")));
        QVERIFY(tool);
        const QRectF area = board.pictureSceneRect();
        const int columns = 8;
        const QSizeF cell(area.width() / columns, area.height() / 4);
        auto cellAt = [&](int i) {
            return QRectF(area.topLeft() + QPointF(cell.width() * (i % columns), cell.height() * (i / columns)), cell);
        };
        // The middle of the last row, over the foot of the page, is the text's.
        const int textFirst = 3 * columns + 2;
        const int textLast = 3 * columns + 5;
        const auto figureCell = [&](int i) { return i < textFirst ? i : i + textLast - textFirst + 1; };
        QHash<IFigureElement*, int> cellOf;
        for (int i = 0; i < kinds.size(); ++i) {
            board.setMode(kinds[i].second);
            tool->setFigureKind(kinds[i].first);
            const QRectF c = cellAt(figureCell(i));
            const bool line = kinds[i].first <= StartDotLine || kinds[i].first == WaveLine;
            const QPointF from = c.topLeft() + QPointF(c.width() * 0.18, c.height() * (line ? 0.72 : 0.16));
            const QPointF to = c.topLeft() + QPointF(c.width() * 0.82, c.height() * (line ? 0.28 : 0.84));
            const int before = slide->elements().size();
            dragOnBoard(board, from, to);
            QCOMPARE(slide->elements().size(), before + 1);
            auto* figure = dynamic_cast<IFigureElement*>(slide->elements().last());
            QVERIFY(figure);
            QCOMPARE(figure->figureKind(), kinds[i].first);
            cellOf.insert(figure, figureCell(i));
        }

        // The text box: a large heading, then words in colour, bold, italic
        // and underlined.
        const QRectF textCell = cellAt(textFirst).united(cellAt(textLast));
        const QString heading = QStringLiteral("Angles and solids");
        const QString body = QStringLiteral("Red, blue and green. Bold, italic, underlined.");
        auto* text = new ITextElement(heading + "\n" + body);
        text->setPointSize(14);
        text->setTextWidth(textCell.width() * 0.6);
        text->setPos(textCell.center().x() - textCell.width() * 0.3, textCell.top() + 6);
        slide->addElement(text);
        const int b = heading.size() + 1;
        selectText(text, 0, heading.size());
        QTextCharFormat larger;
        larger.setFontPointSize(22);
        QTextCursor headingCursor = text->textCursor();
        headingCursor.mergeCharFormat(larger);
        text->toggleBold();
        text->setTextColor(QColor(20, 60, 160));
        const QList<QPair<QString, QColor>> colours{
            {"Red", QColor(220, 0, 0)}, {"blue", QColor(0, 80, 220)}, {"green", QColor(0, 150, 60)}};
        for (const auto& word : colours) {
            const int at = b + body.indexOf(word.first);
            selectText(text, at, at + word.first.size());
            text->setTextColor(word.second);
        }
        const auto formatWord = [&](const QString& word, void (ITextElement::*toggle)()) {
            const int at = b + body.indexOf(word);
            selectText(text, at, at + word.size());
            (text->*toggle)();
        };
        formatWord("Bold", &ITextElement::toggleBold);
        formatWord("italic", &ITextElement::toggleItalic);
        formatWord("underlined", &ITextElement::toggleUnderline);
        text->finishEditing();
        board.setMode(SelectorMode);
        QTest::qWait(50);

        const QImage look = board.grab().toImage();
        QVERIFY(look.save(lookFolder() + "/veskaroo-figures-look.png"));

        // Every figure shows, and only inside its own cell.
        for (auto it = cellOf.cbegin(); it != cellOf.cend(); ++it) {
            const QRect own = board.mapFromScene(cellAt(it.value())).boundingRect();
            const QRect drawn = board.mapFromScene(it.key()->sceneBoundingRect()).boundingRect();
            const QString kind = QString("kind %1").arg(it.key()->figureKind());
            QVERIFY2(own.contains(drawn), qPrintable(kind));
            QVERIFY2(changedPixels(empty, look, own) > 150, qPrintable(kind));
        }
        // Flat shapes are outlines: the page shows through their middles.
        for (auto it = cellOf.cbegin(); it != cellOf.cend(); ++it) {
            const int kind = it.key()->figureKind();
            if (kind != Parallelogram && (kind < RegularTriangle || kind > Star))
                continue;
            const QPoint middle = board.mapFromScene(it.key()->sceneBoundingRect().center());
            const QRect around(middle - QPoint(3, 3), QSize(7, 7));
            QVERIFY2(changedPixels(empty, look, around) == 0, qPrintable(QString("kind %1").arg(kind)));
        }
        // The text keeps its colours and its heading is the larger.
        const QRect textArea = board.mapFromScene(text->sceneBoundingRect()).boundingRect();
        QVERIFY(board.mapFromScene(textCell).boundingRect().contains(textArea));
        for (const QColor& c : {QColor(20, 60, 160), QColor(220, 0, 0), QColor(0, 80, 220), QColor(0, 150, 60)})
            QVERIFY2(pixelsOf(look, textArea, c) > 15, qPrintable(c.name()));
        const QTextDocument* document = text->document();
        QCOMPARE(document->blockCount(), 2);
        const double headingHeight = document->firstBlock().layout()->lineAt(0).height();
        const double bodyHeight = document->lastBlock().layout()->lineAt(0).height();
        QVERIFY2(headingHeight > bodyHeight * 1.3, qPrintable(QString("%1 %2").arg(headingHeight).arg(bodyHeight)));
    }
};

VESKAROO_TEST_MAIN(TestBoardLook)
#include "tst_boardlook.moc"
