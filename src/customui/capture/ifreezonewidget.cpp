// Adjustable zone of a partial capture.
#include "customui/capture/ifreezonewidget.h"

#include "iglobals.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

IFreeZoneWidget::IFreeZoneWidget(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

int IFreeZoneWidget::minimumZoneSide() const
{
    return scaledPixels(200);
}

int IFreeZoneWidget::handleSize() const
{
    return scaledPixels(16);
}

QRect IFreeZoneWidget::zone() const
{
    return m_zone;
}

void IFreeZoneWidget::setZone(const QRect& zone)
{
    m_zone = fitted(zone);
    update();
    emit sgZoneChanged(m_zone);
}

QRect IFreeZoneWidget::fitted(QRect zone) const
{
    const int side = minimumZoneSide();
    const QRect area = rect();
    if (!zone.isValid() || zone.isEmpty()) {
        // Nothing stored yet: half the widget, centred.
        zone = QRect(0, 0, area.width() / 2, area.height() / 2);
        zone.moveCenter(area.center());
    }
    zone.setWidth(qBound(qMin(side, area.width()), zone.width(), area.width()));
    zone.setHeight(qBound(qMin(side, area.height()), zone.height(), area.height()));
    zone.moveLeft(qBound(0, zone.left(), area.width() - zone.width()));
    zone.moveTop(qBound(0, zone.top(), area.height() - zone.height()));
    return zone;
}

void IFreeZoneWidget::setBackground(const QPixmap& background)
{
    m_background = background;
    update();
}

QPoint IFreeZoneWidget::handleCentre(int part) const
{
    const QRect& z = m_zone;
    const int cx = z.left() + z.width() / 2;
    const int cy = z.top() + z.height() / 2;
    switch (part) {
    case TopLeft: return z.topLeft();
    case TopCentre: return QPoint(cx, z.top());
    case TopRight: return QPoint(z.right(), z.top());
    case BottomLeft: return QPoint(z.left(), z.bottom());
    case BottomCentre: return QPoint(cx, z.bottom());
    case BottomRight: return z.bottomRight();
    case LeftCentre: return QPoint(z.left(), cy);
    case RightCentre: return QPoint(z.right(), cy);
    default: return QPoint();
    }
}

int IFreeZoneWidget::hitPart(const QPoint& pos) const
{
    const int size = handleSize();
    for (int part = TopLeft; part <= RightCentre; ++part) {
        QRect handle(0, 0, size, size);
        handle.moveCenter(handleCentre(part));
        if (handle.contains(pos))
            return part;
    }
    return m_zone.contains(pos) ? Inside : Outside;
}

void IFreeZoneWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_background.isNull())
        painter.drawPixmap(rect(), m_background);
    // Dim everything but the zone.
    QPainterPath outside;
    outside.addRect(rect());
    QPainterPath inside;
    inside.addRect(m_zone);
    painter.fillPath(outside.subtracted(inside), QColor(0, 0, 0, 120));
    const double s = scaleFactors().uniform;
    painter.setPen(QPen(QColor(235, 120, 7), qMax(1.0, 2 * s)));
    painter.drawRect(m_zone);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const int size = handleSize();
    for (int part = TopLeft; part <= RightCentre; ++part)
        painter.drawEllipse(QRectF(handleCentre(part) - QPointF(size / 2.0, size / 2.0), QSizeF(size, size)));
}

void IFreeZoneWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    m_pressPos = event->pos();
    m_part = hitPart(event->pos());
}

void IFreeZoneWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressed) {
        updateCursor(hitPart(event->pos()));
        return;
    }
    const QPoint delta = event->pos() - m_pressPos;
    const QRect area = rect();
    const int side = minimumZoneSide();
    QRect z = m_zone;
    // Only the distance the zone actually travelled is used up, so that it
    // follows the mouse again once the mouse comes back from beyond a limit.
    QPoint moved = delta;
    if (m_part == Inside) {
        z.translate(delta);
        z.moveLeft(qBound(0, z.left(), area.width() - z.width()));
        z.moveTop(qBound(0, z.top(), area.height() - z.height()));
        moved = z.topLeft() - m_zone.topLeft();
    } else if (m_part <= RightCentre) {
        const bool left = m_part == TopLeft || m_part == BottomLeft || m_part == LeftCentre;
        const bool right = m_part == TopRight || m_part == BottomRight || m_part == RightCentre;
        const bool top = m_part == TopLeft || m_part == TopCentre || m_part == TopRight;
        const bool bottom = m_part == BottomLeft || m_part == BottomCentre || m_part == BottomRight;
        // Each edge goes as far as the minimum size and the widget let it.
        if (left) {
            z.setLeft(qBound(0, z.left() + delta.x(), z.right() + 1 - side));
            moved.setX(z.left() - m_zone.left());
        }
        if (right) {
            z.setRight(qBound(z.left() + side - 1, z.right() + delta.x(), area.right()));
            moved.setX(z.right() - m_zone.right());
        }
        if (top) {
            z.setTop(qBound(0, z.top() + delta.y(), z.bottom() + 1 - side));
            moved.setY(z.top() - m_zone.top());
        }
        if (bottom) {
            z.setBottom(qBound(z.top() + side - 1, z.bottom() + delta.y(), area.bottom()));
            moved.setY(z.bottom() - m_zone.bottom());
        }
    } else {
        return;
    }
    m_pressPos += moved;
    if (z != m_zone) {
        m_zone = z;
        update();
        emit sgZoneChanged(m_zone);
    }
}

void IFreeZoneWidget::mouseReleaseEvent(QMouseEvent* event)
{
    m_pressed = false;
    m_part = Outside;
    updateCursor(hitPart(event->pos()));
}

void IFreeZoneWidget::resizeEvent(QResizeEvent* event)
{
    m_zone = fitted(m_zone);
    QWidget::resizeEvent(event);
}

void IFreeZoneWidget::updateCursor(int part)
{
    switch (part) {
    case TopLeft:
    case BottomRight: setCursor(Qt::SizeFDiagCursor); break;
    case TopRight:
    case BottomLeft: setCursor(Qt::SizeBDiagCursor); break;
    case TopCentre:
    case BottomCentre: setCursor(Qt::SizeVerCursor); break;
    case LeftCentre:
    case RightCentre: setCursor(Qt::SizeHorCursor); break;
    case Inside: setCursor(Qt::SizeAllCursor); break;
    default: unsetCursor(); break;
    }
}
