// Colour swatch button of the colour panels: shows its colour as its face and
// reports clicks like every tool button.
#pragma once

#include "customui/common/iitoolbutton.h"

class IIColorButton : public IIToolButton
{
    Q_OBJECT
public:
    explicit IIColorButton(QWidget* parent = nullptr);
    IIColorButton(int id, const QColor& color, QWidget* parent = nullptr);

    QColor color() const;
    void setColor(const QColor& color);

protected:
    QString buttonStyleSheet() const override;

private:
    QColor m_color = Qt::black;
};
