// Base of the wire-frame solids: drawn as outlines in their upright
// rectangle, hidden edges dashed, never filled.
#pragma once

#include "board/item/figure/iboxfigureelement.h"

#include <QPainterPath>

class ISolidFigureElement : public IBoxFigureElement
{
public:
    explicit ISolidFigureElement(int kind, QGraphicsItem* parent = nullptr);

    // A wire frame shows what lies behind it: any fill colour is stored as
    // transparent white.
    void setFillColor(const QColor& color) override;

    // The upper half of an ellipse in `rect`, from its left end over the top.
    static QPainterPath upperHalf(const QRectF& rect);
    // The lower half, from its left end under the bottom.
    static QPainterPath lowerHalf(const QRectF& rect);

protected:
    // The rectangle right way round, also while it is being dragged.
    QRectF uprightRect() const { return rect().normalized(); }
    // Draws `edges` dashed, then returns to the element's pen.
    void drawHidden(QPainter* painter, const QPainterPath& edges) const;
    // An ellipse seen from above: the far half hidden, the near half seen.
    void drawBaseEllipse(QPainter* painter, const QRectF& rect) const;

    // Outlines only, whatever the fill mode says.
    void paintFigure(QPainter* painter) const final;
    virtual void paintSolid(QPainter* painter) const = 0;
};
