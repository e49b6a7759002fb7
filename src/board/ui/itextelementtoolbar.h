// The toolbar under a text being typed into: font family and size, colour,
// bold, italic and underline. Nothing on it takes the keyboard, so typing
// goes on while it is used.
#pragma once

#include "board/ui/ibasewidget.h"

#include <QPointer>
#include <QStringList>

class IColorPalette;
class ITextElement;
class IToolButton;
class QComboBox;
class QGraphicsView;

class ITextElementToolBar : public IBaseWidget
{
    Q_OBJECT
public:
    // Lies over the board view unless another parent is given.
    ITextElementToolBar(ITextElement* item, QGraphicsView* board, QWidget* parent = nullptr);
    ~ITextElementToolBar() override;

    // What the size box offers, in this order.
    static QStringList fontSizes();

    // Shows the item's font and colour.
    void setItem(ITextElement* item);
    ITextElement* item() const { return m_item; }
    void setPaletteVisible(bool visible);
    IColorPalette* palette() const;
    QComboBox* familyBox() const { return m_family; }
    QComboBox* sizeBox() const { return m_size; }

public slots:
    void onTextColor();
    void onTextBold();
    void onTextItalic();
    void onTextUnderline();
    void onChangeFontSize(const QString& text);
    void onChangeFontFamily(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    QComboBox* makeBox(int fontPixels);
    IToolButton* makeButton(const char* name, const QString& tip, const QString& icon, void (ITextElementToolBar::*slot)());
    void onPaletteColor(const QColor& color);
    void placePalette();
    // After a choice the text, and the board that feeds it keys, have the keyboard again.
    void giveFocusBack();

    QPointer<ITextElement> m_item;
    QPointer<QGraphicsView> m_board;
    QComboBox* m_family = nullptr;
    QComboBox* m_size = nullptr;
    IToolButton* m_color = nullptr;
    QPointer<IColorPalette> m_palette;
    // Only to recognise the palette's events.
    const QObject* m_paletteObject = nullptr;
};
