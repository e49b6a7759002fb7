// Pop-up panel of the camera toolbar's "Camera": one choice per camera
// (USB, then network); choosing one switches to it through the title
// bar's camera choice, so that both lists stay one.
#pragma once

#include "customui/common/icustomwidget.h"

#include <QList>

class IMainTitleWidget;
class QLabel;
class QRadioButton;

class ICameraFrame : public ICustomWidget
{
    Q_OBJECT
public:
    explicit ICameraFrame(IMainTitleWidget* title, QWidget* parent = nullptr);

    QList<QRadioButton*> buttons() const { return m_buttons; }

public slots:
    void slButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The title bar's list, filled afresh when `reload`.
    void rebuild(bool reload);

    IMainTitleWidget* m_title = nullptr;
    QList<QRadioButton*> m_buttons;
    QLabel* m_empty = nullptr;
};
