// Number box validator of the composite slider.
#include "board/ui/myvalidator.h"

MyValidator::MyValidator(int bottom, int top, QObject* parent)
    : QIntValidator(bottom, top, parent)
{
}

void MyValidator::fixup(QString& input) const
{
    input = QStringLiteral("%1").arg(bottom());
}
