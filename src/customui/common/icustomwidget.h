// Frameless window base of the program's pop-up panels: draws its own title
// strip, can be closed by its close mark and dragged by the strip.
#pragma once

#include "customui/common/ititledwindow.h"

#include <QWidget>

class ICustomWidget : public ITitledWindow<QWidget>
{
    Q_OBJECT
public:
    explicit ICustomWidget(QWidget* parent = nullptr);

signals:
    void sgClose();

protected:
    void closeEvent(QCloseEvent* event) override;
};
