// Base of the figures drawn with the ink (line, circle, ellipse, rectangle,
// isosceles triangle): two scene points, the press and where the pointer went,
// from which each kind builds its outline and the area it may paint in. The
// item stays at the scene origin, so item and scene coordinates agree until
// the element frame moves it.
#pragma once

#include "board/path/ipathelement.h"

#include <QPointF>

class IFigurePathElement : public IPathElement
{
public:
    explicit IFigurePathElement(int pathKind, QGraphicsItem* parent = nullptr);

    virtual void setStart(const QPointF& start);
    virtual QPointF start() const { return m_start; }
    virtual void setEnd(const QPointF& end);
    virtual QPointF end() const { return m_end; }
    // Sets both and rebuilds the outline and the paintable area.
    virtual void setPoints(const QPointF& start, const QPointF& end);

    // The look and the paintable area follow colour, alpha and width at once.
    void setColor(const QColor& color) override;
    void setColor2(const QColor& color) override;
    void setAlpha(int alpha) override;
    void setWidth(int width) override;

    QRectF boundingRect() const override;
    // The figure's box as drawn, outline included, as for a pen stroke.
    QPainterPath shape() const override;
    IElement* clone() const override;

protected:
    // The outline of the figure between the two points.
    virtual QPainterPath outline() const = 0;
    // Where the figure may paint: its outline with room for the width.
    virtual QRegion area() const = 0;
    // Pen and brush from the colours, alpha and width.
    virtual void applyLook() = 0;
    // An empty figure of the same kind, for clone().
    virtual IFigurePathElement* newOfSameKind() const = 0;

    // Called by subclass constructors, once their own parts exist.
    void rebuild();

private:
    QPointF m_start;
    QPointF m_end;
};
