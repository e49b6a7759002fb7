// Pen transparency picker beside the board toolbar: a slider from 0 to 255
// over a preview of the pen colour at that opacity. The value goes to the pen
// when the picker closes, so that sliding does not rewrite the settings at
// every step.
#pragma once

#include "customui/common/icustomwidget.h"

#include <QColor>

class ICustomSlider;
class QLabel;

class ITransparentFrame : public ICustomWidget
{
    Q_OBJECT
public:
    explicit ITransparentFrame(QWidget* parent = nullptr);

    ICustomSlider* slider() const;
    QLabel* preview() const;
    void setCurrentValue(int alpha);

public slots:
    void slChangeValue(int value);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    ICustomSlider* m_slider = nullptr;
    QLabel* m_preview = nullptr;
    QColor m_penColor;
    // Shown since the last commit: only a picker that was open commits.
    bool m_open = false;
};
