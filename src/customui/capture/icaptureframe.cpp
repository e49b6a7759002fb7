// Partial capture window.
#include "customui/capture/icaptureframe.h"

#include "customui/capture/ifreezonewidget.h"
#include "customui/common/ipanelstyle.h"
#include "iglobals.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

ICaptureFrame::ICaptureFrame(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    const double s = scaleFactors().uniform;
    m_zone = new IFreeZoneWidget(this);
    m_buttonRow = new QWidget(this);
    m_buttonRow->setObjectName(QStringLiteral("captureButtons"));
    m_buttonRow->setAttribute(Qt::WA_StyledBackground, true);
    m_buttonRow->setStyleSheet(IPanelStyle::sheet(QStringLiteral("QWidget#captureButtons")));
    auto* row = new QHBoxLayout(m_buttonRow);
    const int margin = qRound(4 * s);
    row->setContentsMargins(margin, margin, margin, margin);
    row->setSpacing(margin);
    const QString texts[2] = {tr("Back"), tr("Select")};
    for (int id = Back; id <= Select; ++id) {
        m_buttons[id] = new QPushButton(texts[id], m_buttonRow);
        m_buttons[id]->setFocusPolicy(Qt::NoFocus);
        row->addWidget(m_buttons[id]);
    }
    connect(m_buttons[Back], &QPushButton::clicked, this, &QWidget::hide);
    connect(m_buttons[Select], &QPushButton::clicked, this, [this] {
        const QRect zone = zoneOnScreen();
        hide();
        emit sgSelect(zone);
    });
    connect(m_zone, &IFreeZoneWidget::sgZoneChanged, this, &ICaptureFrame::placeButtons);
}

QPushButton* ICaptureFrame::button(int id) const
{
    return id == Back || id == Select ? m_buttons[id] : nullptr;
}

void ICaptureFrame::showOver(const QRect& area, const QPixmap& background, const QRect& zone)
{
    setGeometry(area);
    m_zone->setGeometry(rect());
    m_zone->setBackground(background);
    m_zone->setZone(zone.isValid() && !zone.isEmpty() ? zone.translated(-area.topLeft()) : QRect());
    placeButtons();
    show();
    raise();
    activateWindow();
    setFocus();
}

QRect ICaptureFrame::zoneOnScreen() const
{
    return m_zone->zone().translated(mapToGlobal(QPoint(0, 0)));
}

void ICaptureFrame::resizeEvent(QResizeEvent* event)
{
    m_zone->setGeometry(rect());
    placeButtons();
    QWidget::resizeEvent(event);
}

void ICaptureFrame::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_buttons[Select]->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ICaptureFrame::placeButtons()
{
    // Under the zone's right end, or inside it when there is no room below.
    m_buttonRow->adjustSize();
    const QRect zone = m_zone->zone();
    const int gap = scaledPixels(6);
    int x = qMax(0, zone.right() + 1 - m_buttonRow->width());
    int y = zone.bottom() + 1 + gap;
    if (y + m_buttonRow->height() > height())
        y = qMax(0, zone.bottom() + 1 - gap - m_buttonRow->height());
    m_buttonRow->move(x, y);
    m_buttonRow->raise();
}
