// Board repaint per camera frame at 1080p with 0, 100 and 1000 pen strokes on the slide.
#include "penstrokes.h"
#include "widgetbenchmarkmain.h"

#include "board/iboard.h"
#include "board/islide.h"
#include "board/item/ipixmapitem.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QRandomGenerator>

#include <memory>

namespace {

QImage cameraFrame(const QColor& colour)
{
    QImage frame(1920, 1080, QImage::Format_RGB888);
    frame.fill(colour);
    QPainter painter(&frame);
    painter.fillRect(400, 200, 1100, 700, Qt::white); // the page under the camera
    return frame;
}

void BM_BoardFrame(benchmark::State& state)
{
    IBoard board;
    auto* slide = new ISlide(&board);
    board.insertSlide(slide, true);
    board.setPictureItem(new IPixmapItem(QSize(1920, 1080)));
    board.setPictureSize(QSizeF(1920, 1080));
    board.resize(1920, 1080);
    board.show();
    QApplication::processEvents();

    QRandomGenerator random(7);
    for (int i = 0; i < state.range(0); ++i)
        slide->addElement(randomPenStroke(random));

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

BENCHMARK(BM_BoardFrame)->Arg(0)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

VESKAROO_WIDGET_BENCHMARK_MAIN()
