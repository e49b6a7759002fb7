// Slider with a number box and a check button.
#include "board/ui/icustomslider.h"

#include "board/ui/islider.h"
#include "board/ui/myvalidator.h"
#include "iglobals.h"

#include <QBoxLayout>
#include <QEvent>
#include <QLineEdit>
#include <QToolButton>

namespace {

const char* const kBoxStyle =
    "QLineEdit{color:rgb(224,224,224);background-color:rgb(60,60,64);border:1px solid rgb(90,90,94);"
    "border-radius:%1px;padding:0px;font-size:%2px;}"
    "QLineEdit:focus{border-color:rgb(235,120,7);}"
    "QLineEdit:disabled{color:rgb(120,120,120);}";
const char* const kCheckStyle =
    "QToolButton{border:1px solid rgb(90,90,94);border-radius:%1px;background-color:rgb(60,60,64);}"
    "QToolButton:checked{background-color:rgb(235,120,7);border-color:rgb(235,120,7);}";

} // namespace

ICustomSlider::ICustomSlider(int orientation, double multiplier, QWidget* parent)
    : QWidget(parent)
    , m_orientation(orientation == Vertical ? Vertical : Horizontal)
{
    const IScaleFactors& f = scaleFactors();
    const double s = f.uniform;
    const double k = multiplier;
    const bool horizontal = m_orientation == Horizontal;

    m_slider = new ISlider(horizontal ? Qt::Horizontal : Qt::Vertical, this);
    m_slider->setSizeMultiplier(k);
    m_slider->setFocusPolicy(Qt::NoFocus);
    m_box = new QLineEdit(this);
    m_box->setAlignment(Qt::AlignCenter);
    // An upright box is as narrow as its slider: a smaller font keeps three
    // digits whole.
    const double fontPx = horizontal ? 13 : 11;
    m_box->setStyleSheet(QString::fromLatin1(kBoxStyle).arg(qRound(3 * s)).arg(qMax(8, qRound(fontPx * s * k))));
    m_check = new QToolButton(this);
    m_check->setCheckable(true);
    m_check->setChecked(true);
    m_check->setFocusPolicy(Qt::NoFocus);
    m_check->setStyleSheet(QString::fromLatin1(kCheckStyle).arg(qRound(3 * s)));
    m_check->setFixedSize(qRound(16 * s * k), qRound(16 * s * k));

    if (horizontal) {
        m_slider->setFixedHeight(qRound(25 * s * k));
        m_slider->setMinimumWidth(qRound(200 * f.horizontal * k));
        m_box->setFixedSize(qRound(50 * s * k), qRound(25 * s * k));
    } else {
        m_slider->setFixedWidth(qRound(30 * f.horizontal * k));
        m_slider->setMinimumHeight(qRound(160 * k));
        m_box->setFixedSize(qRound(30 * s * k), qRound(40 * s * k));
    }
    auto* layout = new QBoxLayout(horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(qRound(6 * s));
    const Qt::Alignment across = horizontal ? Qt::AlignVCenter : Qt::AlignHCenter;
    layout->addWidget(m_slider, 1, across);
    layout->addWidget(m_box, 0, across);
    layout->addWidget(m_check, 0, across);

    // The box goes with the slider when the owner switches it off.
    m_slider->installEventFilter(this);
    connect(m_slider, &QSlider::valueChanged, this, [this](int value) {
        showValue();
        emit sgValueChanged(value);
    });
    connect(m_box, &QLineEdit::editingFinished, this, &ICustomSlider::onEditingFinished);
    connect(m_check, &QToolButton::toggled, this, &ICustomSlider::sgStateChanged);
    installValidator();
    showValue();
}

void ICustomSlider::setMaximum(int maximum)
{
    m_slider->setMaximum(maximum);
    installValidator();
    showValue();
}

void ICustomSlider::setMinimum(int minimum)
{
    m_slider->setMinimum(minimum);
    installValidator();
    showValue();
}

void ICustomSlider::setRange(int minimum, int maximum)
{
    m_slider->setRange(minimum, maximum);
    installValidator();
    showValue();
}

void ICustomSlider::setValue(int value, bool checked)
{
    m_check->setChecked(checked);
    setValue(value);
}

void ICustomSlider::setValue(int value)
{
    m_slider->setValue(value);
    // An unchanged value sends no signal, yet the box may hold a half-typed
    // number that must go.
    showValue();
}

int ICustomSlider::value() const
{
    return m_slider->value();
}

bool ICustomSlider::isChecked() const
{
    return m_check->isChecked();
}

ISlider* ICustomSlider::slider() const
{
    return m_slider;
}

QLineEdit* ICustomSlider::numberBox() const
{
    return m_box;
}

QToolButton* ICustomSlider::checkButton() const
{
    return m_check;
}

void ICustomSlider::takeTypedValue()
{
    if (m_box->hasAcceptableInput())
        m_slider->setValue(m_box->text().toInt());
}

void ICustomSlider::installValidator()
{
    // The box's validator follows the range; the old one goes with it.
    MyValidator* old = m_validator;
    m_validator = new MyValidator(m_slider->minimum(), m_slider->maximum(), m_box);
    m_box->setValidator(m_validator);
    delete old;
}

void ICustomSlider::showValue()
{
    m_box->setText(QString::number(m_slider->value()));
}

void ICustomSlider::onEditingFinished()
{
    // Only acceptable text gets here: the validator has fixed up the rest.
    m_slider->setValue(m_box->text().toInt());
    showValue();
}

bool ICustomSlider::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_slider && event->type() == QEvent::EnabledChange)
        m_box->setEnabled(m_slider->isEnabled());
    return QWidget::eventFilter(watched, event);
}
