// Pop-up panel of the camera toolbar's "Resolution": the sizes the camera
// offers, the one in use checked; a click applies a size and closes.
#pragma once

#include "customui/common/icustomwidget.h"

#include <QList>
#include <QSize>

class QButtonGroup;
class QLabel;
class QToolButton;

class IPixRateFrame : public ICustomWidget
{
    Q_OBJECT
public:
    explicit IPixRateFrame(QWidget* parent = nullptr);

    // Lists the camera's sizes again. When the configured size is not
    // among them the first is checked, and applied when `applyFallback`.
    void refresh(bool applyFallback = true);
    // From outside (a time-lapse start): applies `size` as a click on its
    // button would; without such a button the first one. A panel that has
    // no sizes yet applies `size` as it is.
    void selectResolution(const QSize& size);
    // Checks the button of a size the camera already runs at, without
    // applying it.
    void markResolution(const QSize& size);

    QList<QToolButton*> buttons() const { return m_buttons; }
    // Null when nothing is checked.
    QToolButton* checkedButton() const;

public slots:
    void slButtonClick();

private:
    QToolButton* buttonFor(const QSize& size) const;
    void apply(QToolButton* button);

    QButtonGroup* m_group = nullptr;
    QList<QToolButton*> m_buttons;
    QLabel* m_empty = nullptr;
};
