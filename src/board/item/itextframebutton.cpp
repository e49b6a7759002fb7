// One handle of the text frame.
#include "board/item/itextframebutton.h"

#include <QGraphicsSceneMouseEvent>

ITextFrameButton::ITextFrameButton(bool clickOnPress, const QString& name, QGraphicsItem* parent)
    : QGraphicsPixmapItem(parent)
    , m_clickOnPress(clickOnPress)
    , m_name(name)
{
    setAcceptedMouseButtons(Qt::LeftButton);
    setCacheMode(NoCache);
    setTransformationMode(Qt::SmoothTransformation);
    // A press on a handle must not take the keyboard from the text being typed.
    setFlag(ItemStopsFocusHandling, true);
}

void ITextFrameButton::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    if (!m_paintSuppressed)
        QGraphicsPixmapItem::paint(painter, option, widget);
}

void ITextFrameButton::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    m_pressed = true;
    event->accept();
    emit mousePress(event);
    if (m_clickOnPress)
        emit clicked();
}

void ITextFrameButton::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    emit mouseMove(event);
}

void ITextFrameButton::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    emit mouseRelease(event);
    if (wasPressed && !m_clickOnPress)
        emit clicked();
}
