// The text toolbar's colours.
#include "board/ui/icolorpalette.h"

#include "board/ui/icolorbutton.h"
#include "board/ui/icolorpanel.h"
#include "board/ui/itoolbutton.h"
#include "customui/ipanelhost.h"
#include "iglobals.h"

#include <QGridLayout>
#include <QHideEvent>
#include <QPainter>

IColorPalette::IColorPalette(QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    const int gap = scaledPixels(10);
    grid->setContentsMargins(gap, gap, gap, gap);
    grid->setSpacing(gap);
    const QSize side(scaledPixels(30), scaledPixels(30));
    const QList<QColor> colors = paletteColors();
    const QStringList names = {tr("Black"), tr("Red"),    tr("Yellow"), tr("Green"),
                               tr("Blue"),  tr("Purple"), tr("Brown")};
    for (int i = 0; i < colors.size(); ++i) {
        auto* b = new IColorButton(colors.at(i), this);
        b->setFixedSize(side);
        b->setToolTip(names.value(i));
        connect(b, &IToolButton::sgButtonClick, this,
                [this](bool, const QVariant& value) { choose(value.value<QColor>()); });
        grid->addWidget(b, i / 4, i % 4);
        m_swatches << b;
    }
    m_more = new IToolButton(QVariant(), this);
    m_more->setFixedSize(side);
    m_more->setIcon(QIcon(QStringLiteral(":/itemframe/more.svg")));
    m_more->setIconSize(side);
    m_more->setToolTip(tr("More colors"));
    connect(m_more, &QToolButton::clicked, this, &IColorPalette::toggleColorPanel);
    grid->addWidget(m_more, 1, 3);

    m_panel = new IColorPanel(this);
    m_panel->hide();
    connect(m_panel, &IColorPanel::sgChangeColor, this, [this](const QColor& color) {
        m_panel->hide();
        choose(color);
    });
    adjustSize();
}

QList<QColor> IColorPalette::paletteColors()
{
    return {QColor(Qt::black),     QColor(Qt::red),      QColor(Qt::yellow),  QColor(0, 176, 78),
            QColor(0, 108, 185),   QColor(112, 48, 160), QColor(102, 50, 0)};
}

void IColorPalette::setPaletteColor(const QColor& color)
{
    for (IColorButton* b : qAsConst(m_swatches))
        b->setChecked(color.isValid() && b->color().rgba() == color.rgba());
}

void IColorPalette::choose(const QColor& color)
{
    setPaletteColor(color);
    emit sgChangeColor(color);
}

void IColorPalette::toggleColorPanel()
{
    if (m_panel->isVisible()) {
        m_panel->hide();
        return;
    }
    const QRect global(mapToGlobal(QPoint(0, 0)), size());
    IPanelHost::placeBeside(m_panel, global, Qt::BottomEdge, scaledPixels(10));
    m_panel->show();
    m_panel->raise();
}

void IColorPalette::hideEvent(QHideEvent* event)
{
    // The panel belongs to the palette: it never stays on its own.
    if (!event->spontaneous())
        m_panel->hide();
    QWidget::hideEvent(event);
}

void IColorPalette::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(80, 80, 84), 1));
    painter.setBrush(QColor(45, 45, 48));
    const qreal radius = 8 * scaleFactors().uniform;
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}
