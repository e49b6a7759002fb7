// The Wi-Fi camera simulator's picture.
#include "common/wifitestpattern.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace WifiTestPattern {

int cellSize(const QSize& size)
{
    // Whole macroblocks, so that compression keeps the cells crisp.
    return 16 * std::max(1, size.width() / 320);
}

QImage page(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(70, 70, 70));
    QPainter painter(&image);
    const int cell = cellSize(size);
    const QRect sheet(size.width() / 10, 2 * cell, size.width() * 8 / 10, size.height() - 3 * cell);
    painter.fillRect(sheet, QColor(235, 235, 235));
    // Lines of "text": grey bars of varying length.
    const int line = std::max(4, cell / 3);
    int row = 0;
    for (int y = sheet.top() + line * 2; y + line < sheet.bottom() - line; y += line * 2, ++row) {
        const int length = sheet.width() * (60 + (row * 37) % 35) / 100;
        painter.fillRect(QRect(sheet.left() + line * 2, y, length - line * 4, line), QColor(40, 40, 40));
    }
    return image;
}

QImage render(const QSize& size, quint32 number)
{
    QImage image = page(size);
    drawFrameMarks(image, number);
    return image;
}

void drawFrameMarks(QImage& image, quint32 number)
{
    const QSize size = image.size();
    QPainter painter(&image);
    const int cell = cellSize(size);
    for (int bit = 0; bit < kCounterBits; ++bit) {
        const bool one = number & (1u << bit);
        painter.fillRect(QRect(bit * cell, 0, cell, cell), one ? Qt::black : Qt::white);
    }
    // A dark bar sweeping across, half a cell per frame, and a light block
    // going the other way: every frame differs from the last.
    const int span = std::max(1, size.width() - 2 * cell);
    const int x = int((number * quint32(cell / 2)) % quint32(span));
    painter.fillRect(QRect(x, cell, 2 * cell, size.height() - cell), QColor(20, 20, 20));
    const int y = int((number * quint32(cell / 4)) % quint32(std::max(1, size.height() - 3 * cell)));
    painter.fillRect(QRect(size.width() - x - 2 * cell, cell + y, 2 * cell, 2 * cell), QColor(200, 200, 200));
}

int readCounter(const QImage& picture)
{
    const int cell = cellSize(picture.size());
    if (picture.width() < kCounterBits * cell || picture.height() < cell)
        return -1;
    quint32 number = 0;
    for (int bit = 0; bit < kCounterBits; ++bit) {
        if (qGray(picture.pixel(bit * cell + cell / 2, cell / 2)) < 128)
            number |= 1u << bit;
    }
    return int(number);
}

int worstBlockDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 255;
    const QImage ga = a.convertToFormat(QImage::Format_Grayscale8);
    const QImage gb = b.convertToFormat(QImage::Format_Grayscale8);
    int worst = 0;
    for (int by = 0; by + 16 <= ga.height(); by += 16) {
        for (int bx = 0; bx + 16 <= ga.width(); bx += 16) {
            int sum = 0;
            for (int y = by; y < by + 16; ++y) {
                const uchar* pa = ga.constScanLine(y) + bx;
                const uchar* pb = gb.constScanLine(y) + bx;
                for (int x = 0; x < 16; ++x)
                    sum += std::abs(int(pa[x]) - int(pb[x]));
            }
            worst = std::max(worst, sum / 256);
        }
    }
    return worst;
}

} // namespace WifiTestPattern
