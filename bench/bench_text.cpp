// Board repaint per camera frame at 1080p with 0 and 300 text boxes on the
// slide; the boxes should cost little once painted, well within twice the
// empty board.
#include "board/iboard.h"
#include "board/islide.h"
#include "board/item/ipixmapitem.h"
#include "board/item/itextelement.h"
#include "widgetbenchmarkmain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QRandomGenerator>

namespace {

QImage cameraFrame(const QColor& colour)
{
    QImage frame(1920, 1080, QImage::Format_RGB888);
    frame.fill(colour);
    QPainter painter(&frame);
    painter.fillRect(400, 200, 1100, 700, Qt::white); // the page under the camera
    return frame;
}

void BM_TextBoardFrame(benchmark::State& state)
{
    IBoard board;
    auto* slide = new ISlide(&board);
    board.insertSlide(slide, true);
    board.setPictureItem(new IPixmapItem(QSize(1920, 1080)));
    board.setPictureSize(QSizeF(1920, 1080));
    board.resize(1920, 1080);
    board.show();
    QApplication::processEvents();

    QRandomGenerator random(11);
    for (int i = 0; i < state.range(0); ++i) {
        auto* text = new ITextElement(QStringLiteral("Note %1: read the second paragraph").arg(i));
        text->setPointSize(12 + random.bounded(24));
        text->setTextWidth(300);
        text->setDefaultTextColor(QColor::fromHsv(random.bounded(360), 200, 200));
        text->setPos(random.bounded(1700.0), random.bounded(1000.0));
        slide->addElement(text);
    }

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

BENCHMARK(BM_TextBoardFrame)->Arg(0)->Arg(300)->Unit(benchmark::kMillisecond);

VESKAROO_WIDGET_BENCHMARK_MAIN()
