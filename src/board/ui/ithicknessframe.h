// Pen thickness picker beside the board toolbar: one button per thickness,
// each showing a dot of its size; a click sets the pen at once.
#pragma once

#include "customui/common/icustomwidget.h"

#include <QList>
#include <QVariant>

class IToolButton;
class QButtonGroup;

class IThicknessFrame : public ICustomWidget
{
    Q_OBJECT
public:
    explicit IThicknessFrame(QWidget* parent = nullptr);

    // Thinnest first.
    QList<IToolButton*> buttons() const;
    // Marks the button of that thickness; none for a thickness it does not offer.
    void setCurrentValue(int thickness);

public slots:
    void slButtonClick(bool checked, QVariant value);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QButtonGroup* m_group = nullptr;
    QList<IToolButton*> m_buttons;
};
