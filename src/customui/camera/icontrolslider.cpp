// A camera control's slider.
#include "customui/camera/icontrolslider.h"

#include "iglobals.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QTimer>

namespace {

// Each setting waits for the device between two frames; a drag sends no
// more than this often, so that the window keeps up with the pointer.
const int kSendIntervalMs = 40;

bool toInt(const QVariant& value, int* out)
{
    bool ok = false;
    *out = value.toInt(&ok);
    return ok;
}

} // namespace

IControlSlider::IControlSlider(const QString& text, QWidget* parent)
    : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(scaledPixels(10));
    m_label = new QLabel(text, this);
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(text.trimmed());
    m_slider->setMinimumWidth(scaledPixels(220));
    m_slider->setFocusPolicy(Qt::NoFocus);
    m_value = new QLabel(this);
    m_value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Wide enough for "-9999", so that the slider does not jump while dragged.
    m_value->setMinimumWidth(m_value->fontMetrics().horizontalAdvance(QStringLiteral("-99999")));
    row->addWidget(m_label);
    row->addWidget(m_slider, 1);
    row->addWidget(m_value);

    m_pending = new QTimer(this);
    m_pending->setSingleShot(true);
    m_pending->setInterval(kSendIntervalMs);
    connect(m_pending, &QTimer::timeout, this, [this] { emit sgValueChanged(m_slider->value()); });
    connect(m_slider, &QSlider::valueChanged, this, [this] {
        showValue();
        if (!m_quiet && m_adjustable && !m_pending->isActive())
            m_pending->start();
    });
    setData({});
}

bool IControlSlider::setData(const QVariantList& data)
{
    int current = 0;
    int maximum = 0;
    int minimum = 0;
    m_pending->stop();
    m_adjustable = data.size() >= 4 && toInt(data.at(0), &current) && toInt(data.at(1), &m_default)
                   && toInt(data.at(2), &maximum) && toInt(data.at(3), &minimum) && minimum < maximum;
    m_readAutomatic = m_adjustable && current == kAutomatic;
    if (!m_adjustable) {
        m_default = 0;
        minimum = maximum = current = 0;
    }
    // Devices have reported defaults and values outside their own range.
    m_default = qBound(minimum, m_default, maximum);
    if (m_readAutomatic)
        current = m_default;
    m_quiet = true;
    m_slider->setRange(minimum, maximum);
    m_slider->setPageStep(qMax(1, (maximum - minimum) / 10));
    m_slider->setValue(qBound(minimum, current, maximum));
    m_quiet = false;
    setActive(m_active);
    showValue();
    return m_adjustable;
}

int IControlSlider::value() const
{
    return m_slider->value();
}

void IControlSlider::setValueQuietly(int value)
{
    m_quiet = true;
    m_slider->setValue(value);
    m_quiet = false;
}

void IControlSlider::setActive(bool active)
{
    m_active = active;
    m_slider->setEnabled(active && m_adjustable);
    m_label->setEnabled(m_adjustable);
    m_value->setEnabled(m_adjustable);
}

QString IControlSlider::text() const
{
    return m_label->text();
}

void IControlSlider::showValue()
{
    m_value->setText(m_adjustable ? QString::number(m_slider->value()) : tr("Not adjustable"));
}

void IControlSlider::alignLabels(const QList<IControlSlider*>& sliders)
{
    int width = 0;
    for (IControlSlider* control : sliders) {
        control->m_label->ensurePolished();
        width = qMax(width, control->m_label->sizeHint().width());
    }
    for (IControlSlider* control : sliders)
        control->m_label->setMinimumWidth(width);
}
