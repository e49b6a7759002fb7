// Figure picker beside the board toolbar: a row of the figures drawn with the
// ink (line, circle, oval, triangle, rectangle), then rows of lines, flat
// shapes and solids; a click switches the board to that figure at once.
#pragma once

#include "customui/common/icustomwidget.h"

#include <QList>
#include <QVariant>

class IToolButton;
class QButtonGroup;

class IFigureFrame : public ICustomWidget
{
    Q_OBJECT
public:
    explicit IFigureFrame(QWidget* parent = nullptr);

    // In the order shown; each button's value is the board tool it selects.
    QList<IToolButton*> buttons() const;
    // Marks the button of that board tool; none for a tool it does not offer.
    void setCurrentValue(int mode);

public slots:
    void slButtonClick(bool checked, QVariant value);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QButtonGroup* m_group = nullptr;
    QList<IToolButton*> m_buttons;
};
