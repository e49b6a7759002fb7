// Frameless window base of the program's pop-up panels.
#include "customui/common/icustomwidget.h"

#include <QCloseEvent>

ICustomWidget::ICustomWidget(QWidget* parent)
    : ITitledWindow<QWidget>(parent, Qt::Window | Qt::FramelessWindowHint)
{
    connect(titleStrip(), &ITitleStrip::sgHiddenByMove, this, &ICustomWidget::sgClose);
}

void ICustomWidget::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit sgClose();
}
