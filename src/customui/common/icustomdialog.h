// Frameless dialog base: the title strip of the pop-up panels on a QDialog.
#pragma once

#include "customui/common/ititledwindow.h"

#include <QDialog>

class ICustomDialog : public ITitledWindow<QDialog>
{
    Q_OBJECT
public:
    explicit ICustomDialog(QWidget* parent = nullptr);

    // Every way a dialog ends (accept, reject, Escape, close mark) runs
    // through here; sgClose follows.
    void done(int result) override;

signals:
    void sgClose();
};
