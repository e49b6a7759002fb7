// Pen colour picker beside the board toolbar: eight swatches set the pen at
// once; "..." opens the colour panel for any other colour.
#pragma once

#include "customui/common/icustomwidget.h"

#include <QColor>
#include <QList>
#include <QVariant>

class IColorButton;
class IColorPanel;
class IToolButton;

class IColorFrame : public ICustomWidget
{
    Q_OBJECT
public:
    explicit IColorFrame(QWidget* parent = nullptr);

    QList<IColorButton*> colorButtons() const;
    IToolButton* moreButton() const;
    IColorPanel* colorPanel() const;
    // Marks the swatch of that colour; none for a colour it does not show.
    void setCurrentValue(const QColor& color);

public slots:
    // A swatch's value is its colour; "..." carries none and opens the panel.
    void slButtonClick(bool checked, QVariant value);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void chooseColor(const QColor& color);
    void toggleColorPanel();

    QList<IColorButton*> m_swatches;
    IToolButton* m_more = nullptr;
    IColorPanel* m_panel = nullptr;
};
