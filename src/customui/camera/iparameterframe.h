// Pop-up panel of the camera toolbar's "Color-adjusting": contrast,
// brightness and saturation over the device's own ranges.
#pragma once

#include "customui/common/icustomwidget.h"

class IControlSlider;
class QPushButton;

class IParameterFrame : public ICustomWidget
{
    Q_OBJECT
public:
    explicit IParameterFrame(QWidget* parent = nullptr);

    // Reads the camera's parameters again (the camera (re)opened).
    void refresh();

    IControlSlider* contrastSlider() const { return m_contrast; }
    IControlSlider* brightnessSlider() const { return m_brightness; }
    IControlSlider* saturationSlider() const { return m_saturation; }
    QPushButton* defaultButton() const { return m_default; }
    QPushButton* okButton() const { return m_ok; }

private:
    // Every adjustable slider to the device's default, sent to the camera.
    void restoreDefaults();

    IControlSlider* m_contrast = nullptr;
    IControlSlider* m_brightness = nullptr;
    IControlSlider* m_saturation = nullptr;
    QPushButton* m_default = nullptr;
    QPushButton* m_ok = nullptr;
};
