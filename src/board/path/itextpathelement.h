// Typed text turned into outlines in the ink: each line of the text laid out
// in the font below the one before, its outlines filled in the draw colour at
// the element's alpha. Being a path drawing, the point eraser can take bits
// of it away like any stroke.
#pragma once

#include "board/path/ipathelement.h"

#include <QFont>
#include <QPointF>
#include <QString>

class ITextPathElement : public IPathElement
{
public:
    explicit ITextPathElement(QGraphicsItem* parent = nullptr);

    // Lines are separated by "\n".
    virtual void setText(const QString& text);
    virtual QString text() const { return m_text; }
    virtual void setFont(const QFont& font);
    virtual QFont font() const { return m_font; }
    // The left end of the first line's baseline.
    virtual void setOrigin(const QPointF& origin);
    virtual QPointF origin() const { return m_origin; }

    // How far each line lies below the one before: the font's line height and 1.
    double lineStep() const;

    void setColor(const QColor& color) override;
    void setAlpha(int alpha) override;

    // The text's box: a press between two letters still hits it.
    QPainterPath shape() const override;
    IElement* clone() const override;

private:
    void rebuild();
    void applyLook();

    QString m_text;
    QFont m_font;
    QPointF m_origin;
};
