// Pop-up panels of the toolbar buttons.
#include "customui/ipanelhost.h"

#include "customui/toolbar/itoolbar.h"
#include "iglobals.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

IPanelHost::IPanelHost(QObject* parent)
    : QObject(parent)
{
}

void IPanelHost::addToolBar(int barType, IToolBar* bar)
{
    addButtonRow(barType, [bar](int buttonId) { return bar->buttonGlobalRect(buttonId); });
}

void IPanelHost::addButtonRow(int barType, std::function<QRect(int)> locate)
{
    m_bars[barType] = std::move(locate);
}

void IPanelHost::addPanel(int barType, int buttonId, QWidget* panel, Qt::Edge side, int gap)
{
    panel->hide();
    m_panels[{barType, buttonId}] = Panel{panel, side, gap};
}

void IPanelHost::addCloser(std::function<void()> close)
{
    m_closers.push_back(std::move(close));
}

QWidget* IPanelHost::panelOf(int barType, int buttonId) const
{
    const auto found = m_panels.find({barType, buttonId});
    return found == m_panels.end() ? nullptr : found->second.widget;
}

bool IPanelHost::toggle(int barType, int buttonId)
{
    const auto found = m_panels.find({barType, buttonId});
    if (found == m_panels.end())
        return false;
    const Panel& panel = found->second;
    if (panel.widget->isVisible()) {
        panel.widget->hide();
        return true;
    }
    const auto bar = m_bars.find(barType);
    QRect anchor = bar == m_bars.end() ? QRect() : bar->second(buttonId);
    if (anchor.isNull() && panel.widget->parentWidget()) {
        // A hidden button: under the middle of the window instead.
        const QWidget* window = panel.widget->parentWidget()->window();
        anchor = QRect(window->mapToGlobal(window->rect().center()), QSize(1, 1));
    }
    placeBeside(panel.widget, anchor, panel.side, scaledPixels(panel.gap));
    panel.widget->show();
    panel.widget->raise();
    return true;
}

void IPanelHost::closeOthers(int barType, const QVariant& buttonId)
{
    const QWidget* own = buttonId.isValid() ? panelOf(barType, buttonId.toInt()) : nullptr;
    if (own && own->isVisible())
        return;
    hideAll();
}

void IPanelHost::hideAll()
{
    for (const auto& close : m_closers)
        close();
    for (const auto& entry : m_panels)
        entry.second.widget->hide();
}

void IPanelHost::placeBeside(QWidget* widget, const QRect& anchor, Qt::Edge side, int gap)
{
    // A style sheet sizes the contents only once they are polished.
    widget->ensurePolished();
    if (widget->layout()) {
        widget->layout()->activate();
        widget->adjustSize();
    }
    // Pop-ups are frameless: their frame is their size.
    const QSize size = widget->size();
    QPoint topLeft;
    switch (side) {
    case Qt::TopEdge:
        topLeft = QPoint(anchor.center().x() - size.width() / 2, anchor.top() - gap - size.height());
        break;
    case Qt::BottomEdge:
        topLeft = QPoint(anchor.center().x() - size.width() / 2, anchor.bottom() + 1 + gap);
        break;
    case Qt::LeftEdge:
        topLeft = QPoint(anchor.left() - gap - size.width(), anchor.center().y() - size.height() / 2);
        break;
    case Qt::RightEdge:
        topLeft = QPoint(anchor.right() + 1 + gap, anchor.center().y() - size.height() / 2);
        break;
    }
    const QScreen* screen = QGuiApplication::screenAt(anchor.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(qBound(area.left(), topLeft.x(), qMax(area.left(), area.right() - size.width() + 1)));
        topLeft.setY(qBound(area.top(), topLeft.y(), qMax(area.top(), area.bottom() - size.height() + 1)));
    }
    widget->move(topLeft);
}
