// Pictures of printed text.
#include "common/textpicture.h"

#include <QFont>
#include <QPainter>
#include <QTextOption>

namespace TextPicture {

QImage render(const QStringList& paragraphs, const QSize& size)
{
    QImage picture(size, QImage::Format_RGB888);
    picture.fill(Qt::white);
    // 300 dpi, as a scanned page.
    picture.setDotsPerMeterX(11811);
    picture.setDotsPerMeterY(11811);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(44);
    painter.setFont(font);
    painter.setPen(Qt::black);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    const int margin = 90;
    QRectF area(margin, margin, size.width() - 2 * margin, size.height() - 2 * margin);
    for (const QString& paragraph : paragraphs) {
        const QRectF used = painter.boundingRect(area, paragraph, option);
        painter.drawText(area, paragraph, option);
        area.setTop(area.top() + used.height() + 60);
    }
    return picture;
}

bool save(const QImage& picture, const QString& path)
{
    return picture.save(path, nullptr, 95);
}

} // namespace TextPicture
