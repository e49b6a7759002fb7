// Pen thickness picker.
#include "board/ui/ithicknessframe.h"

#include "board/ui/itoolbutton.h"
#include "customui/common/ipanelstyle.h"
#include "iglobals.h"
#include "service/iconfigureservice.h"

#include <QButtonGroup>
#include <QPainter>
#include <QVBoxLayout>

namespace {

struct Thickness
{
    int value;
    int height; // of its button, reference pixels
};
const Thickness kThicknesses[] = {{1, 20}, {3, 24}, {5, 26}, {7, 30}, {10, 32}, {20, 36}, {30, 38}};

// A dot as wide as the line the thickness draws, centred in the button.
QPixmap dot(const QSize& size, double diameter, const QColor& color)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    const double d = qMax(2.0, diameter);
    painter.drawEllipse(QRectF((size.width() - d) / 2, (size.height() - d) / 2, d, d));
    return pixmap;
}

} // namespace

IThicknessFrame::IThicknessFrame(QWidget* parent)
    : ICustomWidget(parent)
{
    const double s = scaleFactors().uniform;
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(IPanelStyle::sheet(QStringLiteral("IThicknessFrame")));
    setFixedWidth(scaledPixels(60));

    auto* column = new QVBoxLayout(this);
    const int margin = scaledPixels(10);
    column->setContentsMargins(margin, margin, margin, margin);
    column->setSpacing(scaledPixels(4));
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    for (const Thickness& t : kThicknesses) {
        auto* b = new IToolButton(t.value, this);
        const QSize size(scaledPixels(40), scaledPixels(t.height));
        b->setFixedSize(size);
        b->setCheckable(true);
        b->setToolTip(tr("%1 thickness").arg(t.value));
        QIcon icon;
        icon.addPixmap(dot(size, t.value * s, QColor(224, 224, 224)), QIcon::Normal, QIcon::Off);
        icon.addPixmap(dot(size, t.value * s, QColor(235, 120, 7)), QIcon::Normal, QIcon::On);
        b->setIcon(icon);
        b->setIconSize(size);
        connect(b, &IToolButton::sgButtonClick, this, &IThicknessFrame::slButtonClick);
        m_group->addButton(b);
        column->addWidget(b, 0, Qt::AlignHCenter);
        m_buttons << b;
    }
    adjustSize();
}

QList<IToolButton*> IThicknessFrame::buttons() const
{
    return m_buttons;
}

void IThicknessFrame::setCurrentValue(int thickness)
{
    // An exclusive group keeps one button checked unless told otherwise.
    m_group->setExclusive(false);
    for (IToolButton* b : m_buttons)
        b->setChecked(b->value().toInt() == thickness);
    m_group->setExclusive(true);
}

void IThicknessFrame::slButtonClick(bool checked, QVariant value)
{
    Q_UNUSED(checked)
    setCurrentValue(value.toInt());
    IConfigureService::instance()->setPencilThickness(value.toInt());
}

void IThicknessFrame::showEvent(QShowEvent* event)
{
    setCurrentValue(IConfigureService::instance()->pencilThickness());
    ICustomWidget::showEvent(event);
}
