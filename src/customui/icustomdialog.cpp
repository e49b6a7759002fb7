// Frameless dialog base.
#include "customui/icustomdialog.h"

#include "customui/ititlestrip.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

ICustomDialog::ICustomDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_strip(new ITitleStrip(this))
{
    connect(m_strip, &ITitleStrip::sgHiddenByMove, this, &ICustomDialog::sgClose);
}

QString ICustomDialog::title() const
{
    return m_strip->title();
}

void ICustomDialog::setTitle(const QString& title)
{
    m_strip->setTitle(title);
    setWindowTitle(title);
}

bool ICustomDialog::isClosable() const
{
    return m_strip->isClosable();
}

void ICustomDialog::setClosable(bool closable)
{
    m_strip->setClosable(closable);
}

bool ICustomDialog::isMovable() const
{
    return m_strip->isMovable();
}

void ICustomDialog::setMovable(bool movable)
{
    m_strip->setMovable(movable);
}

bool ICustomDialog::isCloseWhenMoved() const
{
    return m_strip->isCloseWhenMoved();
}

void ICustomDialog::setCloseWhenMoved(bool closeWhenMoved)
{
    m_strip->setCloseWhenMoved(closeWhenMoved);
}

int ICustomDialog::titleHeight() const
{
    return m_strip->height();
}

QRect ICustomDialog::closeMarkRect() const
{
    return m_strip->closeMarkRect();
}

ITitleStrip* ICustomDialog::titleStrip() const
{
    return m_strip;
}

void ICustomDialog::done(int result)
{
    QDialog::done(result);
    emit sgClose();
}

void ICustomDialog::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    m_strip->paint(&painter);
}

void ICustomDialog::mousePressEvent(QMouseEvent* event)
{
    if (!m_strip->mousePress(event))
        QDialog::mousePressEvent(event);
}

void ICustomDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_strip->mouseMove(event))
        QDialog::mouseMoveEvent(event);
}

void ICustomDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_strip->mouseRelease(event))
        QDialog::mouseReleaseEvent(event);
}
