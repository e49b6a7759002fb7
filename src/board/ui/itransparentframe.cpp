// Pen transparency picker.
#include "board/ui/itransparentframe.h"

#include "board/ui/icustomslider.h"
#include "board/ui/islider.h"
#include "customui/common/ipanelstyle.h"
#include "iglobals.h"
#include "service/iconfigureservice.h"

#include <QHideEvent>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const char* const kPreviewStyle = "border:none;background-color:rgba(%1,%2,%3,%4);border-radius:10px;";
}

ITransparentFrame::ITransparentFrame(QWidget* parent)
    : ICustomWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(IPanelStyle::sheet(QStringLiteral("ITransparentFrame")));

    auto* column = new QVBoxLayout(this);
    const int margin = scaledPixels(10);
    column->setContentsMargins(margin, margin, margin, margin);
    column->setSpacing(scaledPixels(8));
    m_slider = new ICustomSlider(ICustomSlider::Horizontal, 1.0, this);
    m_slider->checkButton()->hide();
    m_slider->setRange(0, 255);
    m_preview = new QLabel(this);
    m_preview->setFixedSize(scaledPixels(260), scaledPixels(100));
    column->addWidget(m_slider);
    column->addWidget(m_preview);

    m_penColor = IConfigureService::instance()->pencilColor();
    connect(m_slider, &ICustomSlider::sgValueChanged, this, &ITransparentFrame::slChangeValue);
    setCurrentValue(255);
    adjustSize();
}

ICustomSlider* ITransparentFrame::slider() const
{
    return m_slider;
}

QLabel* ITransparentFrame::preview() const
{
    return m_preview;
}

void ITransparentFrame::setCurrentValue(int alpha)
{
    m_slider->setValue(alpha);
    // The preview follows even when the slider already stood there.
    slChangeValue(m_slider->value());
}

void ITransparentFrame::slChangeValue(int value)
{
    m_slider->slider()->setToolTip(QString::number(value));
    // A style sheet reads an alpha of 1 as fully opaque.
    const int alpha = value == 1 ? 0 : value;
    m_preview->setStyleSheet(QString::fromLatin1(kPreviewStyle)
                                 .arg(m_penColor.red())
                                 .arg(m_penColor.green())
                                 .arg(m_penColor.blue())
                                 .arg(alpha));
}

void ITransparentFrame::showEvent(QShowEvent* event)
{
    const IConfigureService* config = IConfigureService::instance();
    m_penColor = config->pencilColor();
    setCurrentValue(config->pencilTransparency());
    m_open = true;
    ICustomWidget::showEvent(event);
}

void ITransparentFrame::hideEvent(QHideEvent* event)
{
    if (m_open && !event->spontaneous()) {
        m_open = false;
        m_slider->takeTypedValue();
        IConfigureService::instance()->setPencilTransparency(m_slider->value());
    }
    ICustomWidget::hideEvent(event);
}
