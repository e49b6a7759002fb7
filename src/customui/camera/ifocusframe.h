// Pop-up panel of the camera toolbar's "Focus and Exposure": automatic
// mode for both, or manual values on two sliders.
#pragma once

#include "customui/common/icustomwidget.h"

class IControlSlider;
class QCheckBox;
class QLabel;

class IFocusFrame : public ICustomWidget
{
    Q_OBJECT
public:
    explicit IFocusFrame(QWidget* parent = nullptr);

    // Reads the camera's parameters again (the camera (re)opened).
    void refresh();

    QCheckBox* automaticBox() const { return m_automatic; }
    IControlSlider* focusSlider() const { return m_focus; }
    IControlSlider* exposureSlider() const { return m_exposure; }

private:
    void setAutomatic(bool automatic);
    void updateNote();

    QCheckBox* m_automatic = nullptr;
    IControlSlider* m_focus = nullptr;
    IControlSlider* m_exposure = nullptr;
    QLabel* m_note = nullptr;
};
