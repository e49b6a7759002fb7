// Number box validator of the composite slider: a number outside the range
// is refused as it is typed, and whatever cannot be taken when editing ends
// (an empty box, a lone minus, a number below the range) becomes the minimum.
#pragma once

#include <QIntValidator>

class MyValidator : public QIntValidator
{
    Q_OBJECT
public:
    MyValidator(int bottom, int top, QObject* parent = nullptr);

    void fixup(QString& input) const override;
};
