// Board repaint per camera frame at 1080p: the empty board, 300 text boxes,
// 300 figures of every kind, and both together. Once painted, what the board
// holds is one layer laid over the new picture, whatever it holds: well
// within twice the empty board.
#include "benchboard.h"
#include "board/iboard.h"
#include "board/islide.h"
#include "board/item/figure/ifigurecatalog.h"
#include "board/item/figure/ifigureelement.h"
#include "board/item/figure/ifigurekind.h"
#include "board/item/ipixmapitem.h"
#include "board/item/itextelement.h"
#include "widgetbenchmarkmain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QVector>

namespace {


void addTexts(ISlide* slide, int count, QRandomGenerator& random)
{
    for (int i = 0; i < count; ++i) {
        auto* text = new ITextElement(QStringLiteral("Note %1: read the second paragraph").arg(i));
        text->setPointSize(12 + random.bounded(24));
        text->setTextWidth(300);
        text->setDefaultTextColor(QColor::fromHsv(random.bounded(360), 200, 200));
        text->setPos(random.bounded(1700.0), random.bounded(1000.0));
        slide->addElement(text);
    }
}

// Every kind the figure tools draw, lines of each style, polygons, solids.
QVector<int> figureKinds()
{
    QVector<int> kinds;
    for (int kind = IFigureKind::Line; kind <= IFigureKind::WaveLine; ++kind) {
        if (IFigureElement* probe = IFigureCatalog::create(kind)) {
            delete probe;
            kinds.append(kind);
        }
    }
    return kinds;
}

// Dragged out as the figure tool does it, 40 to 240 wide and high, spread
// over the picture; half of them filled, translucent, as a highlighter would.
void addFigures(ISlide* slide, int count, QRandomGenerator& random)
{
    const QVector<int> kinds = figureKinds();
    for (int i = 0; i < count; ++i) {
        IFigureElement* figure = IFigureCatalog::create(kinds.at(i % kinds.size()));
        figure->setPenColor(QColor::fromHsv(random.bounded(360), 220, 220));
        figure->setThickness(2 + random.bounded(6));
        QColor fill = QColor::fromHsv(random.bounded(360), 120, 240);
        fill.setAlpha(i % 2 ? 90 : 0);
        figure->setFillColor(fill);
        const QPointF start(random.bounded(1680.0), random.bounded(840.0));
        figure->beginDrag(start);
        figure->dragTo(start + QPointF(40 + random.bounded(200.0), 40 + random.bounded(200.0)) / 2);
        figure->dragTo(start + QPointF(40 + random.bounded(200.0), 40 + random.bounded(200.0)));
        if (!figure->finishDrag()) {
            delete figure;
            continue;
        }
        slide->addElement(figure);
    }
}

// range(0): text boxes; range(1): figures.
void BM_TextBoardFrame(benchmark::State& state)
{
    IBoard board;
    auto* slide = showFullHdBoard(board);
    QApplication::processEvents();

    QRandomGenerator random(11);
    addTexts(slide, static_cast<int>(state.range(0)), random);
    addFigures(slide, static_cast<int>(state.range(1)), random);
    if (slide->elements().size() != state.range(0) + state.range(1))
        state.SkipWithError("not every text box and figure is on the slide");

    // Alternate two pictures so every frame really changes the picture item.
    const QImage frames[2] = {cameraFrame(Qt::darkGray), cameraFrame(Qt::gray)};
    int n = 0;
    board.setBackgroundImage(frames[0]);
    board.viewport()->repaint();
    for (auto _ : state) {
        board.setBackgroundImage(frames[++n % 2]);
        board.viewport()->repaint();
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_TextBoardFrame)
    ->ArgNames({"texts", "figures"})
    ->Args({0, 0})
    ->Args({300, 0})
    ->Args({0, 300})
    ->Args({300, 300})
    ->Unit(benchmark::kMillisecond);

VESKAROO_WIDGET_BENCHMARK_MAIN()
