// The small window that shows how far a recognition job is.
#pragma once

#include "customui/common/icustomdialog.h"

class QProgressBar;

class IOcrProgressBar : public ICustomDialog
{
    Q_OBJECT
public:
    explicit IOcrProgressBar(QWidget* parent = nullptr);

    // 0 to 100.
    void setValue(int percent);
    int value() const;

private:
    QProgressBar* m_bar = nullptr;
};
