// Eraser size picker.
#include "board/ui/ieraseframe.h"

#include "board/ui/icustomslider.h"
#include "board/ui/islider.h"
#include "customui/common/ipanelstyle.h"
#include "iglobals.h"
#include "service/iconfigureservice.h"

#include <QHideEvent>
#include <QToolButton>
#include <QVBoxLayout>

IEraseFrame::IEraseFrame(QWidget* parent)
    : ICustomWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(IPanelStyle::sheet(QStringLiteral("IEraseFrame")));
    // Wider only where the slider is (screens wider than 16:9).
    setMinimumWidth(scaledPixels(50));

    auto* column = new QVBoxLayout(this);
    const int margin = scaledPixels(10);
    column->setContentsMargins(margin, margin, margin, scaledPixels(15));
    m_slider = new ICustomSlider(ICustomSlider::Vertical, 1.0, this);
    m_slider->checkButton()->hide();
    m_slider->setMinimumHeight(scaledPixels(200));
    m_slider->setRange(20, 200);
    column->addWidget(m_slider, 0, Qt::AlignHCenter);

    connect(m_slider, &ICustomSlider::sgValueChanged, this, &IEraseFrame::slChangeValue);
    setCurrentValue(IConfigureService::instance()->eraserSize());
    adjustSize();
}

ICustomSlider* IEraseFrame::slider() const
{
    return m_slider;
}

void IEraseFrame::setCurrentValue(int size)
{
    m_slider->setValue(size);
    slChangeValue(m_slider->value());
}

void IEraseFrame::slChangeValue(int value)
{
    m_slider->slider()->setToolTip(QString::number(value));
}

void IEraseFrame::showEvent(QShowEvent* event)
{
    setCurrentValue(IConfigureService::instance()->eraserSize());
    m_open = true;
    ICustomWidget::showEvent(event);
}

void IEraseFrame::hideEvent(QHideEvent* event)
{
    if (m_open && !event->spontaneous()) {
        m_open = false;
        m_slider->takeTypedValue();
        IConfigureService::instance()->setEraserSize(m_slider->value());
    }
    ICustomWidget::hideEvent(event);
}
