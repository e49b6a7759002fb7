// A box of rich text the presenter types onto the board.
#pragma once

#include "board/item/iabstractgraphicstextelement.h"
#include "board/item/iresizableitem.h"

#include <QColor>
#include <QFont>

class QTextCharFormat;

class ITextElement : public IAbstractGraphicsTextElement, public IResizableItem
{
    Q_OBJECT
public:
    enum { Type = TextElementType };
    // The text's own property keys, on top of the common ones.
    enum TextPropertyKey : int {
        HtmlKey = 29,
        FlagKey = 30,
        FontKey = 31,
        SizeKey = 32,
    };

    explicit ITextElement(QGraphicsItem* parent = nullptr);
    explicit ITextElement(const QString& text, QGraphicsItem* parent = nullptr);

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    // Family and size belong to the whole box.
    void setFontFamily(const QString& family);
    void setPointSize(double size);
    // Bold, italic and underline apply to the selection, or to the whole box
    // when nothing is selected.
    void toggleBold();
    void toggleItalic();
    void toggleUnderline();
    // Colours the selection; without one nothing changes.
    void setTextColor(const QColor& color);
    // Colours every character, including those that had a colour of their own.
    void recolor(const QColor& color);

    // Never narrower than a line is high, nor, while empty, than the placeholder.
    void setTextWidth(double width);
    // -1 while unset: the box is as high as its text.
    void setBoxHeight(double height);
    double boxHeight() const { return m_boxHeight; }

    void setEditable(bool editable);
    bool isEditing() const;
    // Back to showing the text: no selection, as wide as the text, not editable.
    void finishEditing();
    // False while empty or while only the placeholder shows.
    bool hasText() const;

    // While cleared, losing the focus does not end the typing.
    void setEndEditEnabled(bool enabled) { m_endEditEnabled = enabled; }
    bool isEndEditEnabled() const { return m_endEditEnabled; }
    void setPlaceholder(const QString& html, const QString& text);
    bool isPlaceholderShown() const { return m_placeholderShown; }
    QFont rememberedFont() const { return m_rememberedFont; }
    QColor lastTextColor() const { return m_lastTextColor; }
    QColor backgroundColor() const { return m_backgroundColor; }

    // Only the width counts: the text re-wraps to it and takes the height it needs.
    void resize(double width, double height) override;
    using IResizableItem::resize;
    QSizeF size() const override;

    IElement* clone() const override;
    void copyItemParameters(IElement* target) const override;
    using QGraphicsTextItem::property;
    using QGraphicsTextItem::setProperty;
    void setProperty(int key, const QVariant& value) override;
    QVariant property(int key) const override;

signals:
    void endEdit();
    void cursorPositionChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Undo puts back the text's whole state, not only what the keys reach.
    friend class IElementState;

    void init();
    double lineHeight() const;
    // Merges the format into the selection, or into every character and the
    // box's own font when nothing is selected.
    void applyFormat(const QTextCharFormat& format, const QFont& wholeFont);
    QString sizeText() const;
    void setSizeText(const QString& text);
    QString fontText() const;
    void setFontText(const QString& text);

    QString m_placeholderHtml;
    QString m_placeholderText;
    bool m_placeholderShown = false;
    double m_boxHeight = -1.0;
    QFont m_rememberedFont;
    bool m_endEditEnabled = true;
    QColor m_lastTextColor;
    QColor m_backgroundColor{255, 255, 255, 0};
};
