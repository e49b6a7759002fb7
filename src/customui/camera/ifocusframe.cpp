// Focus and exposure panel.
#include "customui/camera/ifocusframe.h"

#include "customui/camera/icontrolslider.h"
#include "customui/common/ipanelstyle.h"
#include "icamera.h"
#include "iglobals.h"

#include <QCheckBox>
#include <QDebug>
#include <QLabel>
#include <QVBoxLayout>

IFocusFrame::IFocusFrame(QWidget* parent)
    : ICustomWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(IPanelStyle::sheet(QStringLiteral("IFocusFrame")) + IPanelStyle::controlsSheet());
    auto* column = new QVBoxLayout(this);
    const int margin = scaledPixels(14);
    column->setContentsMargins(margin, margin, margin, margin);
    column->setSpacing(scaledPixels(12));

    m_automatic = new QCheckBox(tr("Automatic"), this);
    m_automatic->setFocusPolicy(Qt::NoFocus);
    m_focus = new IControlSlider(tr("Focus"), this);
    m_exposure = new IControlSlider(tr("Exposure"), this);
    m_note = new QLabel(tr("This camera has no focus or exposure to adjust."), this);
    m_note->setObjectName(QStringLiteral("panelMessage"));
    m_note->setWordWrap(true);
    column->addWidget(m_automatic);
    column->addWidget(m_focus);
    column->addWidget(m_exposure);
    column->addWidget(m_note);

    // clicked, not toggled: refresh() sets the box without sending anything.
    connect(m_automatic, &QCheckBox::clicked, this, &IFocusFrame::setAutomatic);
    connect(m_focus, &IControlSlider::sgValueChanged, this, [](int value) { ICamera::instance()->setFocus(value); });
    connect(m_exposure, &IControlSlider::sgValueChanged, this,
            [](int value) { ICamera::instance()->setExposure(value); });
    updateNote();
    IControlSlider::alignLabels({m_focus, m_exposure});
    adjustSize();
}

void IFocusFrame::refresh()
{
    const ICameraParameterData data = ICamera::instance()->cameraParameter();
    qDebug() << "focus--->:" << data.focus;
    qDebug() << "exposure--->:" << data.exposure;
    ICamera* camera = ICamera::instance();
    // A control the camera gives no usable range for is left to the camera.
    if (!m_focus->setData(data.focus))
        camera->setFocus(IControlSlider::kAutomatic);
    if (!m_exposure->setData(data.exposure))
        camera->setExposure(IControlSlider::kAutomatic);
    const bool anyManual = (m_focus->isAdjustable() && !m_focus->readAutomatic())
                           || (m_exposure->isAdjustable() && !m_exposure->readAutomatic());
    m_automatic->setChecked(!anyManual);
    m_focus->setActive(anyManual);
    m_exposure->setActive(anyManual);
    updateNote();
    adjustSize();
}

void IFocusFrame::setAutomatic(bool automatic)
{
    ICamera* camera = ICamera::instance();
    m_focus->setActive(!automatic);
    m_exposure->setActive(!automatic);
    if (automatic) {
        camera->setFocus(IControlSlider::kAutomatic);
        camera->setExposure(IControlSlider::kAutomatic);
        return;
    }
    // Manual from where the sliders stand.
    if (m_focus->isAdjustable())
        camera->setFocus(m_focus->value());
    if (m_exposure->isAdjustable())
        camera->setExposure(m_exposure->value());
}

void IFocusFrame::updateNote()
{
    const bool nothing = !m_focus->isAdjustable() && !m_exposure->isAdjustable();
    m_note->setVisible(nothing);
    m_automatic->setEnabled(!nothing);
}
