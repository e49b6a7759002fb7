// Tints the coloured part of a cursor picture, leaving outlines and shading alone.
#pragma once

#include <QColor>
#include <QCursor>
#include <QImage>

class ICursorRecolor
{
public:
    // Pixels whose hue lies within `hueTolerance` degrees of `reference` are
    // shifted so that `reference` becomes `target`; all others are copied.
    // The result is always 32-bit ARGB.
    static QImage recolor(const QImage& picture, const QColor& reference, const QColor& target,
                          int hueTolerance = 40);
    // The pencil cursor in `color`, hot spot at the tip; the arrow when the
    // picture is missing.
    static QCursor pencilCursor(const QColor& color);
};
