// The colour panel's colour field.
#include "board/ui/icolorimage.h"

#include <QLinearGradient>
#include <QPainter>

IColorImage::IColorImage(QWidget* parent)
    : QWidget(parent)
{
}

void IColorImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    const QRectF all(rect());

    QLinearGradient hues(all.topLeft(), all.topRight());
    hues.setColorAt(0.0, Qt::darkRed);
    hues.setColorAt(0.2, Qt::yellow);
    hues.setColorAt(0.4, Qt::green);
    hues.setColorAt(0.6, Qt::blue);
    hues.setColorAt(0.7, Qt::darkBlue);
    hues.setColorAt(0.9, Qt::magenta);
    hues.setColorAt(1.0, Qt::red);
    painter.fillRect(all, hues);

    const qreal fifth = all.height() / 5;
    const QRectF top(all.left(), all.top(), all.width(), fifth);
    QLinearGradient white(top.topLeft(), top.bottomLeft());
    white.setColorAt(0.0, QColor(255, 255, 255, 255));
    white.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(top, white);

    const QRectF bottom(all.left(), all.bottom() - fifth, all.width(), fifth);
    QLinearGradient black(bottom.bottomLeft(), bottom.topLeft());
    black.setColorAt(0.0, QColor(0, 0, 0, 255));
    black.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.fillRect(bottom, black);
}
