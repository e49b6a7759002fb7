// Base of every geometric figure on the board: pen, fill, line style, the
// figure's property keys, and the three steps by which the figure tool drags
// a figure into being.
#pragma once

#include "board/item/iabstractgraphicsshapeelement.h"

#include <QColor>
#include <QPen>

class QPainter;

class IFigureElement : public IAbstractGraphicsShapeElement
{
public:
    enum { Type = FigureElementType };

    // The figure's own keys of setProperty()/property(), besides the common ones.
    enum FigurePropertyKey : int {
        FillModeKey = 9,
        PenColorKey = 10,
        PenAlphaKey = 11,
        FillColorKey = 12,
        FillAlphaKey = 13,
        PenWidthKey = 14,
        PenStyleKey = 15,
    };
    // Any other fill mode leaves the figure unfilled.
    enum FillMode : int { SolidFill = 1, GradientFill = 2 };
    enum GradientDirection : int {
        LeftToRight = 9,
        TopToBottom = 10,
        TopRightToBottomLeft = 12,
        TopLeftToBottomRight = 13,
    };

    explicit IFigureElement(int kind, QGraphicsItem* parent = nullptr);

    int type() const override { return Type; }
    int figureKind() const { return m_kind; }

    // The pen width: `thickness` above 1, else 2, so that a figure never
    // vanishes into a hairline.
    virtual void setThickness(double thickness);
    double thickness() const { return pen().widthF(); }
    void setPenColor(const QColor& color);
    QColor penColor() const { return pen().color(); }
    // Also makes the fill solid.
    virtual void setFillColor(const QColor& color);
    QColor fillColor() const { return m_fillColor; }
    void setFillMode(int mode);
    int fillMode() const { return m_fillMode; }
    void setGradient(const QColor& start, const QColor& end, int direction);
    QColor gradientStart() const { return m_gradientStart; }
    QColor gradientEnd() const { return m_gradientEnd; }
    int gradientDirection() const { return m_gradientDirection; }
    // 1 to 5 are solid, dash, dot, dash-dot, dash-dot-dot; anything else solid.
    void setLineStyle(int style);
    int lineStyle() const { return pen().style(); }

    // The figure tool's gesture, in scene coordinates: placed at the press,
    // reshaped at every move, finished at the release.
    virtual void beginDrag(const QPointF& press) = 0;
    virtual void dragTo(const QPointF& point) = 0;
    // Brings the figure into its stored form; false when nothing is left of
    // it and it should go.
    virtual bool finishDrag() = 0;

    void setProperty(int key, const QVariant& value) override;
    QVariant property(int key) const override;
    // Base part first, then the pen, fill and gradient.
    void copyItemParameters(IElement* target) const override;

protected:
    // The brush of the fill mode, then the pen.
    void preparePainter(QPainter* painter) const;
    // The pen with the hidden-edge dashes of the solids.
    QPen dashedPen() const;
    int penWidth() const { return static_cast<int>(pen().widthF()); }
    // `rect` widened by half the pen width on every side.
    QRectF withPenMargin(const QRectF& rect) const;
    // Turns the figure over in x and/or y in place: its scene bounding
    // rectangle keeps its top-left.
    void mirror(bool horizontally, bool vertically);
    // The pen changed: figures that size something by it follow.
    virtual void penChanged() {}

private:
    void setItemPen(const QPen& pen);

    int m_kind;
    QColor m_fillColor;
    QColor m_gradientStart{Qt::white};
    QColor m_gradientEnd{Qt::black};
    int m_fillMode = SolidFill;
    int m_gradientDirection = LeftToRight;
};
