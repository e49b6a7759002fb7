// Which pop-up panel each toolbar button opens. A click on the button
// toggles its panel and closes the others; every panel is placed beside its
// button the same way; minimising, maximising, closing the window and losing
// the camera close them all. A new panel is one addPanel line.
#pragma once

#include <QObject>
#include <QRect>
#include <QVariant>

#include <functional>
#include <map>
#include <utility>
#include <vector>

class IToolBar;
class QWidget;

class IPanelHost : public QObject
{
    Q_OBJECT
public:
    explicit IPanelHost(QObject* parent = nullptr);

    // The bar types of the window's toolbars (right 1, board 2, camera 3).
    void addToolBar(int barType, IToolBar* bar);
    // Buttons outside a toolbar (the title bar's): `locate` gives a
    // button's screen rectangle by id, null when it is hidden.
    void addButtonRow(int barType, std::function<QRect(int buttonId)> locate);
    // The button (barType, buttonId) toggles `panel`, shown on that `side`
    // of the button, `gap` reference pixels away.
    void addPanel(int barType, int buttonId, QWidget* panel, Qt::Edge side = Qt::TopEdge, int gap = 6);
    // Runs with every close-all, for pop-ups no button owns (menus).
    void addCloser(std::function<void()> close);

    // Null when the button opens no panel.
    QWidget* panelOf(int barType, int buttonId) const;
    // Opens the button's panel beside it, or closes it when open; false
    // when the button opens no panel.
    bool toggle(int barType, int buttonId);
    // Before a toolbar click: closes every panel, unless the clicked
    // button's own panel is open (the click then closes it).
    void closeOthers(int barType, const QVariant& buttonId);
    void hideAll();

    // Moves `widget` (sized to its contents) to that `side` of `anchor`
    // (screen coordinates), `gap` pixels away and centred on it, kept on
    // the anchor's screen.
    static void placeBeside(QWidget* widget, const QRect& anchor, Qt::Edge side, int gap);

private:
    struct Panel
    {
        QWidget* widget = nullptr;
        Qt::Edge side = Qt::TopEdge;
        int gap = 0;
    };

    std::map<int, std::function<QRect(int)>> m_bars;
    std::map<std::pair<int, int>, Panel> m_panels;
    std::vector<std::function<void()>> m_closers;
};
