// Resolution panel.
#include "customui/camera/ipixrateframe.h"

#include "customui/common/ipanelstyle.h"
#include "icamera.h"
#include "icamerainfo.h"
#include "iglobals.h"
#include "service/iconfigureservice.h"

#include <QButtonGroup>
#include <QDebug>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A still-capture camera streams this size for its 4K stills; chosen as a
// resolution of its own it gives neither.
const QSize kStillStreamSize(2560, 1440);

} // namespace

IPixRateFrame::IPixRateFrame(QWidget* parent)
    : ICustomWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(IPanelStyle::sheet(QStringLiteral("IPixRateFrame")) + IPanelStyle::controlsSheet());
    auto* column = new QVBoxLayout(this);
    const int margin = scaledPixels(6);
    column->setContentsMargins(margin, margin, margin, margin);
    column->setSpacing(scaledPixels(2));
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    m_empty = new QLabel(tr("No resolution available"), this);
    m_empty->setObjectName(QStringLiteral("panelMessage"));
    column->addWidget(m_empty);
    adjustSize();
}

void IPixRateFrame::refresh(bool applyFallback)
{
    for (QToolButton* b : qAsConst(m_buttons)) {
        m_group->removeButton(b);
        delete b;
    }
    m_buttons.clear();

    const QSize configured = IConfigureService::instance()->cameraResolution();
    const bool stillCamera = ICameraInfo::current().type == StillUsbCamera;
    for (const QSizeF& offered : ICamera::instance()->supportedResolutions()) {
        const QSize size = offered.toSize();
        if (size.isEmpty() || (stillCamera && size == kStillStreamSize))
            continue;
        auto* b = new QToolButton(this);
        b->setText(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()));
        IPanelStyle::makeListChoice(b);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setProperty("pixrate", QSizeF(size));
        b->setChecked(size == configured);
        m_group->addButton(b);
        layout()->addWidget(b);
        connect(b, &QToolButton::clicked, this, &IPixRateFrame::slButtonClick);
        m_buttons << b;
    }
    m_empty->setVisible(m_buttons.isEmpty());
    adjustSize();

    if (!m_buttons.isEmpty() && !checkedButton()) {
        m_buttons.first()->setChecked(true);
        if (applyFallback)
            apply(m_buttons.first());
    }
}

void IPixRateFrame::selectResolution(const QSize& size)
{
    if (m_buttons.isEmpty()) {
        ICamera::instance()->setResolution(size);
        return;
    }
    QToolButton* b = buttonFor(size);
    apply(b ? b : m_buttons.first());
}

void IPixRateFrame::markResolution(const QSize& size)
{
    if (QToolButton* b = buttonFor(size))
        b->setChecked(true);
}

QToolButton* IPixRateFrame::checkedButton() const
{
    return qobject_cast<QToolButton*>(m_group->checkedButton());
}

void IPixRateFrame::slButtonClick()
{
    if (auto* b = qobject_cast<QToolButton*>(sender()))
        apply(b);
}

QToolButton* IPixRateFrame::buttonFor(const QSize& size) const
{
    for (QToolButton* b : m_buttons) {
        if (b->property("pixrate").toSizeF().toSize() == size)
            return b;
    }
    return nullptr;
}

void IPixRateFrame::apply(QToolButton* button)
{
    button->setChecked(true);
    const QSize size = button->property("pixrate").toSizeF().toSize();
    qDebug() << "resolution chosen: " << size;
    ICamera::instance()->setResolution(size);
    hide();
}
