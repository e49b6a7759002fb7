// A shown full-HD board over a camera picture, as the board benchmarks use it.
#pragma once

#include "board/iboard.h"
#include "board/islide.h"
#include "board/item/ipixmapitem.h"

#include <QImage>
#include <QPainter>

// A camera picture: the desk in `colour` with a white page on it.
inline QImage cameraFrame(const QColor& colour)
{
    QImage frame(1920, 1080, QImage::Format_RGB888);
    frame.fill(colour);
    QPainter painter(&frame);
    painter.fillRect(400, 200, 1100, 700, Qt::white);
    return frame;
}

// Gives `board` a slide and a 1920 x 1080 picture item and shows it.
inline ISlide* showFullHdBoard(IBoard& board)
{
    auto* slide = new ISlide(&board);
    board.insertSlide(slide, true);
    board.setPictureItem(new IPixmapItem(QSize(1920, 1080)));
    board.setPictureSize(QSizeF(1920, 1080));
    board.resize(1920, 1080);
    board.show();
    return slide;
}
