// The text toolbar's colours: seven swatches and "more", which opens the
// colour panel for any other colour.
#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

class IColorButton;
class IColorPanel;
class IToolButton;

class IColorPalette : public QWidget
{
    Q_OBJECT
public:
    explicit IColorPalette(QWidget* parent = nullptr);

    // The swatches, in the order they are laid out.
    static QList<QColor> paletteColors();
    QList<IColorButton*> colorButtons() const { return m_swatches; }
    IToolButton* moreButton() const { return m_more; }
    IColorPanel* colorPanel() const { return m_panel; }
    // Marks the swatch of that colour; none for a colour it does not show.
    void setPaletteColor(const QColor& color);

signals:
    void sgChangeColor(QColor col);

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void choose(const QColor& color);
    void toggleColorPanel();

    QList<IColorButton*> m_swatches;
    IToolButton* m_more = nullptr;
    IColorPanel* m_panel = nullptr;
};
