// A square button of the time-lapse bar: an icon (a second one while held
// down) or a short text, and the id it reports when clicked.
#pragma once

#include <QIcon>
#include <QToolButton>

class ITimelapseButton : public QToolButton
{
    Q_OBJECT
public:
    ITimelapseButton(int id, QWidget* parent = nullptr);

    int id() const { return m_id; }
    // Resource paths; an empty pressed icon keeps the normal one.
    void setIcons(const QString& normalIcon, const QString& pressedIcon = QString());

signals:
    void sgButtonClick(int id);

private:
    void refreshIcon();

    int m_id = 0;
    QIcon m_normal;
    QIcon m_pressed;
};
