// A slider with a number box and a check button, in a row or a column: the
// box shows the slider's value and takes typed values; the check button is
// a switch the owner gives a meaning (hidden when it has none).
#pragma once

#include <QWidget>

class ISlider;
class MyValidator;
class QLineEdit;
class QToolButton;

class ICustomSlider : public QWidget
{
    Q_OBJECT
public:
    enum Orientation { Horizontal = 1, Vertical = 2 };

    // `multiplier` scales every size on top of the screen scale.
    explicit ICustomSlider(int orientation = Horizontal, double multiplier = 1.0, QWidget* parent = nullptr);

    void setMaximum(int maximum);
    void setMinimum(int minimum);
    void setRange(int minimum, int maximum);
    void setValue(int value, bool checked);
    // Keeps the check button as it is.
    void setValue(int value);
    int value() const;
    bool isChecked() const;

    ISlider* slider() const;
    QLineEdit* numberBox() const;
    QToolButton* checkButton() const;

    // Takes a number typed into the box and not yet confirmed, when it is
    // one the slider can take; anything else stays out.
    void takeTypedValue();

signals:
    void sgValueChanged(int value);
    void sgStateChanged(bool checked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void installValidator();
    void showValue();
    void onEditingFinished();

    int m_orientation = Horizontal;
    ISlider* m_slider = nullptr;
    QLineEdit* m_box = nullptr;
    QToolButton* m_check = nullptr;
    MyValidator* m_validator = nullptr;
};
