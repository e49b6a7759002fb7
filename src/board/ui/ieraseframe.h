// Eraser size picker beside the board toolbar: an upright slider from 20 to
// 200. The size goes to the eraser when the picker closes.
#pragma once

#include "customui/common/icustomwidget.h"

class ICustomSlider;

class IEraseFrame : public ICustomWidget
{
    Q_OBJECT
public:
    explicit IEraseFrame(QWidget* parent = nullptr);

    ICustomSlider* slider() const;
    void setCurrentValue(int size);

public slots:
    void slChangeValue(int value);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    ICustomSlider* m_slider = nullptr;
    // Shown since the last commit: only a picker that was open commits.
    bool m_open = false;
};
