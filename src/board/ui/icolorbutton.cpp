// Colour swatch of the board's pop-up panels.
#include "board/ui/icolorbutton.h"

#include "iglobals.h"

#include <QPainter>

namespace {
const QColor kChosenRing(235, 120, 7);
}

IColorButton::IColorButton(const QColor& color, QWidget* parent)
    : IToolButton(color, parent)
{
    setCheckable(true);
    // Repaints on entering and leaving, for the hover ring.
    setAttribute(Qt::WA_Hover, true);
}

QColor IColorButton::color() const
{
    return value().value<QColor>();
}

void IColorButton::setColor(const QColor& color)
{
    setValue(color);
    update();
}

void IColorButton::paintEvent(QPaintEvent*)
{
    const double s = scaleFactors().uniform;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const qreal ring = qMax(1.5, 2 * s);
    const QRectF outer = QRectF(rect()).adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2);
    const qreal corner = radius() * s;
    if (isChecked() || isDown() || underMouse()) {
        QColor mark = kChosenRing;
        if (!isChecked() && !isDown())
            mark.setAlpha(150);
        painter.setPen(QPen(mark, ring));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(outer, corner + ring, corner + ring);
    }
    // A thin edge of the other tone keeps black and white swatches visible
    // on any panel.
    const QRectF swatch = outer.adjusted(2 * ring, 2 * ring, -2 * ring, -2 * ring);
    painter.setPen(QPen(color().lightness() < 128 ? QColor(255, 255, 255, 90) : QColor(0, 0, 0, 60), 1));
    painter.setBrush(color());
    painter.drawRoundedRect(swatch, corner, corner);
}
