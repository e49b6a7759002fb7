// Frameless window base of the program's pop-up panels.
#include "customui/icustomwidget.h"

#include "customui/ititlestrip.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

ICustomWidget::ICustomWidget(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_strip(new ITitleStrip(this))
{
    connect(m_strip, &ITitleStrip::sgHiddenByMove, this, &ICustomWidget::sgClose);
}

QString ICustomWidget::title() const
{
    return m_strip->title();
}

void ICustomWidget::setTitle(const QString& title)
{
    m_strip->setTitle(title);
    setWindowTitle(title);
}

bool ICustomWidget::isClosable() const
{
    return m_strip->isClosable();
}

void ICustomWidget::setClosable(bool closable)
{
    m_strip->setClosable(closable);
}

bool ICustomWidget::isMovable() const
{
    return m_strip->isMovable();
}

void ICustomWidget::setMovable(bool movable)
{
    m_strip->setMovable(movable);
}

bool ICustomWidget::isCloseWhenMoved() const
{
    return m_strip->isCloseWhenMoved();
}

void ICustomWidget::setCloseWhenMoved(bool closeWhenMoved)
{
    m_strip->setCloseWhenMoved(closeWhenMoved);
}

int ICustomWidget::titleHeight() const
{
    return m_strip->height();
}

QRect ICustomWidget::closeMarkRect() const
{
    return m_strip->closeMarkRect();
}

ITitleStrip* ICustomWidget::titleStrip() const
{
    return m_strip;
}

void ICustomWidget::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    // Through the style, so that subclasses can give themselves a background
    // with a style sheet.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    m_strip->paint(&painter);
}

void ICustomWidget::mousePressEvent(QMouseEvent* event)
{
    if (!m_strip->mousePress(event))
        QWidget::mousePressEvent(event);
}

void ICustomWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_strip->mouseMove(event))
        QWidget::mouseMoveEvent(event);
}

void ICustomWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_strip->mouseRelease(event))
        QWidget::mouseReleaseEvent(event);
}

void ICustomWidget::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit sgClose();
}
