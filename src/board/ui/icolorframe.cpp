// Pen colour picker.
#include "board/ui/icolorframe.h"

#include "board/ui/icolorbutton.h"
#include "board/ui/icolorpanel.h"
#include "board/ui/itoolbutton.h"
#include "customui/common/ipanelstyle.h"
#include "customui/ipanelhost.h"
#include "iglobals.h"
#include "service/iconfigureservice.h"

#include <QHideEvent>
#include <QVBoxLayout>

IColorFrame::IColorFrame(QWidget* parent)
    : ICustomWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(IPanelStyle::sheet(QStringLiteral("IColorFrame")));
    setFixedWidth(scaledPixels(60));

    auto* column = new QVBoxLayout(this);
    const int margin = scaledPixels(10);
    column->setContentsMargins(margin, margin, margin, margin);
    column->setSpacing(scaledPixels(4));
    const std::pair<QString, QColor> swatches[] = {
        {tr("Red"), QColor(255, 0, 0)},    {tr("Green"), QColor(0, 255, 0)}, {tr("Blue"), QColor(0, 0, 255)},
        {tr("Yellow"), QColor(255, 255, 0)}, {tr("Pink"), QColor(255, 0, 255)}, {tr("Cyan"), QColor(0, 255, 255)},
        {tr("Black"), QColor(0, 0, 0)},    {tr("White"), QColor(255, 255, 255)},
    };
    for (const auto& swatch : swatches) {
        auto* b = new IColorButton(swatch.second, this);
        b->setFixedSize(scaledPixels(36), scaledPixels(36));
        b->setToolTip(swatch.first);
        connect(b, &IToolButton::sgButtonClick, this, &IColorFrame::slButtonClick);
        column->addWidget(b, 0, Qt::AlignHCenter);
        m_swatches << b;
    }
    m_more = new IToolButton(QVariant(), this);
    m_more->setFixedSize(scaledPixels(36), scaledPixels(30));
    m_more->setText(QStringLiteral("..."));
    m_more->setToolTip(QStringLiteral("..."));
    m_more->setIcon(QIcon(QStringLiteral(":/itemframe/more.svg")));
    m_more->setIconSize(QSize(scaledPixels(26), scaledPixels(26)));
    m_more->setToolButtonStyle(Qt::ToolButtonIconOnly);
    connect(m_more, &IToolButton::sgButtonClick, this, &IColorFrame::slButtonClick);
    column->addWidget(m_more, 0, Qt::AlignHCenter);

    m_panel = new IColorPanel(this);
    m_panel->hide();
    connect(m_panel, &IColorPanel::sgChangeColor, this, [this](const QColor& color) {
        chooseColor(color);
        m_panel->hide();
    });
    adjustSize();
}

QList<IColorButton*> IColorFrame::colorButtons() const
{
    return m_swatches;
}

IToolButton* IColorFrame::moreButton() const
{
    return m_more;
}

IColorPanel* IColorFrame::colorPanel() const
{
    return m_panel;
}

void IColorFrame::setCurrentValue(const QColor& color)
{
    for (IColorButton* b : m_swatches)
        b->setChecked(color.isValid() && b->color().rgba() == color.rgba());
}

void IColorFrame::slButtonClick(bool checked, QVariant value)
{
    Q_UNUSED(checked)
    if (value.userType() == QMetaType::QColor)
        chooseColor(value.value<QColor>());
    else
        toggleColorPanel();
}

void IColorFrame::chooseColor(const QColor& color)
{
    IConfigureService::instance()->setPencilColor(color);
    setCurrentValue(color);
}

void IColorFrame::toggleColorPanel()
{
    if (m_panel->isVisible()) {
        m_panel->hide();
        return;
    }
    IPanelHost::placeBeside(m_panel, frameGeometry(), Qt::LeftEdge, scaledPixels(10));
    m_panel->show();
    m_panel->raise();
}

void IColorFrame::showEvent(QShowEvent* event)
{
    setCurrentValue(IConfigureService::instance()->pencilColor());
    ICustomWidget::showEvent(event);
}

void IColorFrame::hideEvent(QHideEvent* event)
{
    // The panel belongs to the picker: it never stays on its own.
    if (!event->spontaneous())
        m_panel->hide();
    ICustomWidget::hideEvent(event);
}
