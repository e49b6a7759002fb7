// The title strip of the frameless windows.
#include "customui/common/ititlestrip.h"

#include "iglobals.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace {

const QColor kStripColor(242, 242, 242);
const QColor kTitleColor(51, 51, 51);
const QColor kMarkColor(120, 120, 120);
const QColor kAccentColor(235, 120, 7);

} // namespace

ITitleStrip::ITitleStrip(QWidget* window)
    : QObject(window)
    , m_window(window)
{
}

QString ITitleStrip::title() const
{
    return m_title;
}

void ITitleStrip::setTitle(const QString& title)
{
    m_title = title;
    if (!isActive()) {
        m_closeArmed = false;
        m_dragging = false;
    }
    m_window->update();
}

bool ITitleStrip::isClosable() const
{
    return m_closable;
}

void ITitleStrip::setClosable(bool closable)
{
    m_closable = closable;
    m_closeArmed = m_closeArmed && closeMarkWorks();
    m_window->update();
}

bool ITitleStrip::isMovable() const
{
    return m_movable;
}

void ITitleStrip::setMovable(bool movable)
{
    m_movable = movable;
    m_dragging = m_dragging && movable;
}

bool ITitleStrip::isCloseWhenMoved() const
{
    return m_closeWhenMoved;
}

void ITitleStrip::setCloseWhenMoved(bool closeWhenMoved)
{
    m_closeWhenMoved = closeWhenMoved;
    m_closeArmed = m_closeArmed && closeMarkWorks();
    m_window->update();
}

int ITitleStrip::height() const
{
    return scaledPixels(30);
}

QRect ITitleStrip::closeMarkRect() const
{
    const double s = scaleFactors().uniform;
    const int side = qRound(20 * s);
    const int left = m_window->width() - qRound(10 * s + 20 * s);
    const int top = (height() - side) / 2;
    return QRect(left, top, side, side);
}

bool ITitleStrip::isCloseArmed() const
{
    return m_closeArmed;
}

bool ITitleStrip::isDragging() const
{
    return m_dragging;
}

bool ITitleStrip::isActive() const
{
    return !m_title.isEmpty();
}

bool ITitleStrip::closeMarkWorks() const
{
    // A window that closes by being moved has no use for an armed mark.
    return isActive() && m_closable && !m_closeWhenMoved;
}

bool ITitleStrip::mousePress(QMouseEvent* event)
{
    if (!isActive() || event->button() != Qt::LeftButton)
        return false;

    bool taken = false;
    if (closeMarkWorks() && closeMarkRect().contains(event->pos())) {
        m_closeArmed = true;
        m_window->update(closeMarkRect());
        taken = true;
    }
    if (m_movable && event->pos().y() >= 0 && event->pos().y() < height()) {
        m_dragging = true;
        m_pressGlobal = event->globalPos();
        m_windowPosAtPress = m_window->pos();
        taken = true;
    }
    return taken;
}

bool ITitleStrip::mouseMove(QMouseEvent* event)
{
    if (!m_dragging)
        return false;
    if (!(event->buttons() & Qt::LeftButton)) {
        // The release went elsewhere (another window grabbed the mouse).
        m_dragging = false;
        return false;
    }
    if (m_closeArmed)
        return true;

    const QPoint target = m_windowPosAtPress + (event->globalPos() - m_pressGlobal);
    if (target == m_window->pos())
        return true;
    m_window->move(target);
    if (m_closeWhenMoved) {
        m_dragging = false;
        m_window->hide();
        emit sgHiddenByMove();
    }
    return true;
}

bool ITitleStrip::mouseRelease(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    const bool taken = m_dragging || m_closeArmed;
    m_dragging = false;
    if (m_closeArmed) {
        m_closeArmed = false;
        m_window->update(closeMarkRect());
        if (closeMarkRect().contains(event->pos())) {
            // close() may delete the window and this strip with it.
            m_window->close();
            return true;
        }
    }
    return taken;
}

void ITitleStrip::paint(QPainter* painter) const
{
    if (!isActive())
        return;

    const double s = scaleFactors().uniform;
    const QRect strip(0, 0, m_window->width(), height());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->fillRect(strip, kStripColor);

    const int margin = qRound(10 * s);
    const QRect mark = closeMarkRect();
    const int textRight = m_closable ? mark.left() - margin : strip.right() - margin;
    const QRect textRect(margin, 0, qMax(0, textRight - margin), strip.height());
    QFont font = painter->font();
    font.setPixelSize(qMax(9, qRound(14 * s)));
    painter->setFont(font);
    painter->setPen(kTitleColor);
    const QString shown =
        QFontMetrics(font).elidedText(m_title, Qt::ElideRight, textRect.width());
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, shown);

    if (m_closable) {
        QColor cross = kMarkColor;
        if (m_closeArmed) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(kAccentColor);
            painter->drawRoundedRect(QRectF(mark), 3 * s, 3 * s);
            cross = Qt::white;
        }
        QPen pen(cross, qMax(1.5, 1.6 * s));
        pen.setCapStyle(Qt::RoundCap);
        painter->setPen(pen);
        const QRectF x = QRectF(mark).adjusted(6 * s, 6 * s, -6 * s, -6 * s);
        painter->drawLine(x.topLeft(), x.bottomRight());
        painter->drawLine(x.topRight(), x.bottomLeft());
    }
    painter->restore();
}
