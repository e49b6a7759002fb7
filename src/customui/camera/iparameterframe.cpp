// Colour adjustment panel.
#include "customui/camera/iparameterframe.h"

#include "customui/camera/icontrolslider.h"
#include "customui/common/ipanelstyle.h"
#include "icamera.h"
#include "iglobals.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void sendBrightness(int value)
{
    qDebug() << "brightness--->:" << value;
    ICamera::instance()->setBrightness(value);
}

void sendContrast(int value)
{
    qDebug() << "contrast--->:" << value;
    ICamera::instance()->setContrast(value);
}

void sendSaturation(int value)
{
    qDebug() << "saturation--->:" << value;
    ICamera::instance()->setSaturation(value);
}

} // namespace

IParameterFrame::IParameterFrame(QWidget* parent)
    : ICustomWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(IPanelStyle::sheet(QStringLiteral("IParameterFrame")) + IPanelStyle::controlsSheet());
    auto* column = new QVBoxLayout(this);
    const int margin = scaledPixels(14);
    column->setContentsMargins(margin, margin, margin, margin);
    column->setSpacing(scaledPixels(12));

    m_contrast = new IControlSlider(tr("Contrast "), this);
    m_brightness = new IControlSlider(tr("Brightness "), this);
    m_saturation = new IControlSlider(tr("Saturation "), this);
    column->addWidget(m_contrast);
    column->addWidget(m_brightness);
    column->addWidget(m_saturation);
    connect(m_contrast, &IControlSlider::sgValueChanged, this, sendContrast);
    connect(m_brightness, &IControlSlider::sgValueChanged, this, sendBrightness);
    connect(m_saturation, &IControlSlider::sgValueChanged, this, sendSaturation);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(scaledPixels(10));
    buttons->addStretch(1);
    m_default = new QPushButton(tr("Default"), this);
    m_ok = new QPushButton(tr("OK"), this);
    for (QPushButton* b : {m_default, m_ok}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setCursor(Qt::PointingHandCursor);
        buttons->addWidget(b);
    }
    column->addLayout(buttons);
    connect(m_default, &QPushButton::clicked, this, &IParameterFrame::restoreDefaults);
    connect(m_ok, &QPushButton::clicked, this, &QWidget::hide);
    IControlSlider::alignLabels({m_contrast, m_brightness, m_saturation});
    adjustSize();
}

void IParameterFrame::refresh()
{
    const ICameraParameterData data = ICamera::instance()->cameraParameter();
    m_contrast->setData(data.contrast);
    m_brightness->setData(data.brightness);
    m_saturation->setData(data.saturation);
    m_default->setEnabled(m_contrast->isAdjustable() || m_brightness->isAdjustable()
                          || m_saturation->isAdjustable());
    adjustSize();
}

void IParameterFrame::restoreDefaults()
{
    const struct
    {
        IControlSlider* slider;
        void (*send)(int);
    } controls[] = {{m_contrast, sendContrast}, {m_brightness, sendBrightness}, {m_saturation, sendSaturation}};
    for (const auto& control : controls) {
        if (!control.slider->isAdjustable())
            continue;
        control.slider->setValueQuietly(control.slider->defaultValue());
        control.send(control.slider->defaultValue());
    }
}
