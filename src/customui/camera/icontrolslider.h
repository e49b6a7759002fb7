// One camera control as a labelled slider over the range the device
// reports. A control the device lacks, or whose range makes no sense, is
// shown as not adjustable and never sends anything.
#pragma once

#include <QVariantList>
#include <QWidget>

class QLabel;
class QSlider;
class QTimer;

class IControlSlider : public QWidget
{
    Q_OBJECT
public:
    // The value camera parameters carry for an automatic focus or exposure.
    static constexpr int kAutomatic = -999;

    explicit IControlSlider(const QString& text, QWidget* parent = nullptr);

    // `data` as the camera reports it: {current, default, maximum,
    // minimum}. The slider starts at the current value (the default while
    // the control is automatic), both kept inside the range. False, and
    // the slider disabled, when the control cannot be adjusted.
    bool setData(const QVariantList& data);
    bool isAdjustable() const { return m_adjustable; }
    // Whether the device read the control as automatic.
    bool readAutomatic() const { return m_readAutomatic; }
    int value() const;
    int defaultValue() const { return m_default; }
    // Moves the slider without reporting it.
    void setValueQuietly(int value);
    // Enabled only when adjustable as well.
    void setActive(bool active);

    // Sliders stacked in a panel line up when their labels share a width.
    static void alignLabels(const QList<IControlSlider*>& sliders);

    QSlider* slider() const { return m_slider; }
    QString text() const;

signals:
    // A move by the user; a drag is reported at most every few
    // milliseconds, the last position always.
    void sgValueChanged(int value);

private:
    void showValue();

    QLabel* m_label = nullptr;
    QSlider* m_slider = nullptr;
    QLabel* m_value = nullptr;
    QTimer* m_pending = nullptr;
    bool m_adjustable = false;
    bool m_readAutomatic = false;
    bool m_active = true;
    bool m_quiet = false;
    int m_default = 0;
};
