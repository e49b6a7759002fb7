// Frameless dialog base.
#include "customui/common/icustomdialog.h"

ICustomDialog::ICustomDialog(QWidget* parent)
    : ITitledWindow<QDialog>(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    connect(titleStrip(), &ITitleStrip::sgHiddenByMove, this, &ICustomDialog::sgClose);
}

void ICustomDialog::done(int result)
{
    QDialog::done(result);
    emit sgClose();
}
