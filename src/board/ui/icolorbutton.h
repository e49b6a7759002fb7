// Colour swatch of the board's pop-up panels: a tool button whose value is
// its colour and whose face is that colour, ringed when chosen.
#pragma once

#include "board/ui/itoolbutton.h"

#include <QColor>

class IColorButton : public IToolButton
{
    Q_OBJECT
public:
    explicit IColorButton(const QColor& color, QWidget* parent = nullptr);

    QColor color() const;
    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;
};
