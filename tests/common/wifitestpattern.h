// The picture the Wi-Fi camera simulator films: a printed page with a frame
// counter burnt in as a row of black and white cells and a bar that moves
// with every frame. A test renders the frame it reads the number of and
// compares, so that a picture put together from lost or stale data shows.
#pragma once

#include <QImage>
#include <QSize>

namespace WifiTestPattern {

constexpr int kCounterBits = 16;

// Frame `number` at `size`, 32-bit RGB, all in shades of grey (which pass
// through the video's colour subsampling unchanged).
QImage render(const QSize& size, quint32 number);
// The page alone (what frames are drawn on), for stills.
QImage page(const QSize& size);
// Draws the counter and the moving marks of frame `number` onto a page.
void drawFrameMarks(QImage& image, quint32 number);
// Side of one counter cell at that size.
int cellSize(const QSize& size);
// The frame number burnt into a picture; -1 when the picture is too small.
int readCounter(const QImage& picture);
// The largest mean difference of grey level over the 16x16 blocks of two
// pictures of one size (0-255); 255 when the sizes differ.
int worstBlockDifference(const QImage& a, const QImage& b);

} // namespace WifiTestPattern
