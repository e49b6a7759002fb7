// Shared base of the program's toolbars: a row or column of tool buttons
// whose clicks are reported with one signal.
#pragma once

#include "customui/common/iitoolbutton.h"

#include <QList>

#include <functional>
#include <QPointer>
#include <QRect>
#include <QVariant>
#include <QWidget>

class QBoxLayout;
class QButtonGroup;

class IToolBar : public QWidget
{
    Q_OBJECT
public:
    // `mainWindow` is the window the bar acts on (minimise, shortcuts); the
    // bar itself may sit anywhere inside it.
    IToolBar(QWidget* mainWindow, Qt::Orientation orientation, QWidget* parent = nullptr);

    QWidget* mainWindow() const;
    Qt::Orientation orientation() const;

    // The buttons in the order they appear.
    QList<IIToolButton*> buttons() const;
    // Null when no button has the id.
    IIToolButton* button(int id) const;

    void setButtonEnabled(int id, bool enabled);
    void setButtonChecked(int id, bool checked);
    bool isButtonChecked(int id) const;

    // Where a button is on the screen, for placing the panel it opens;
    // null point and rectangle for an unknown or hidden id.
    QPoint buttonGlobalPos(int id) const;
    QRect buttonGlobalRect(int id) const;

    // A row can always fall back to its icons alone.
    QSize minimumSizeHint() const override;

signals:
    void sgButtonClick(bool checked, QVariant id);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Adds a button with the icon pair "<iconBase>_normal.svg" and
    // "<iconBase>_click.svg"; `text` shows under the icon and as tooltip.
    IIToolButton* addButton(int id, const QString& text, const QString& iconBase,
                            bool checkable = false);
    void addSeparator();
    void addStretch();
    // Checkable buttons of which at most one is checked at a time.
    void makeExclusive(const QList<int>& ids);

private:
    // Labels are never cut in a word: a row whose buttons are short of room
    // puts its labels on two lines, and shows icons alone (the labels stay
    // as tooltips) when even that does not fit; a column is as wide as its
    // longest word and a button's label takes two lines when it must.
    void fitLabels();
    // The width of a row whose buttons take `buttonWidth` each.
    int rowWidth(const std::function<int(const IIToolButton*)>& buttonWidth) const;
    // A column's height with each button's labels or with its icon alone.
    int columnHeight(bool labels) const;

    QPointer<QWidget> m_mainWindow;
    Qt::Orientation m_orientation;
    QBoxLayout* m_layout = nullptr;
    QButtonGroup* m_exclusive = nullptr;
    QList<IIToolButton*> m_buttons;
};
