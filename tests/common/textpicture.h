// Pictures of printed text for the text-recognition tests.
#pragma once

#include <QImage>
#include <QStringList>

namespace TextPicture {

// White paper with `paragraphs` in black DejaVu Sans, a blank line between
// paragraphs, lines wrapped to the width; large enough for clean reading.
QImage render(const QStringList& paragraphs, const QSize& size = QSize(1700, 1100));

// Writes `picture` to `path` in the format its suffix names; false on failure.
bool save(const QImage& picture, const QString& path);

} // namespace TextPicture
