// The small bar shown while a timed series of shots runs: how many are done,
// and Start / Halt / Stop.
#pragma once

#include "customui/common/icustomwidget.h"

class QLabel;
class QPushButton;

class ITimerCaptureControlFrame : public ICustomWidget
{
    Q_OBJECT
public:
    enum ButtonId { Start = 0, Halt = 1, Stop = 2 };

    explicit ITimerCaptureControlFrame(QWidget* parent = nullptr);

    // Restarts the count at 0 of `total`, Halt offered; the caller places it.
    void showBar(int total);
    void countShot();
    int counter() const;
    int total() const;
    QPushButton* button(int id) const;

signals:
    void sgButtonClick(int id);

private:
    void onClick(int id);
    void refreshLabel();

    int m_counter = 0;
    int m_total = 0;
    QLabel* m_label = nullptr;
    QPushButton* m_buttons[3] = {};
};
