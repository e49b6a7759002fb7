// The slider of the composite slider: a plain QSlider with the panels' look,
// a round white handle and the part below the handle in orange.
#pragma once

#include <QSlider>

class ISlider : public QSlider
{
    Q_OBJECT
public:
    explicit ISlider(Qt::Orientation orientation, QWidget* parent = nullptr);

    // Groove and handle grow with the composite slider's size multiplier.
    void setSizeMultiplier(double multiplier);

private:
    void refreshStyle();

    double m_multiplier = 1.0;
};
