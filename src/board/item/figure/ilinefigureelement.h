// A straight line, solid or patterned, with an optional dot or arrowhead at
// either end. Its points are scene points; the item stays at the origin.
#pragma once

#include "board/item/figure/ifigureelement.h"
#include "board/item/figure/ilineend.h"

#include <QPainterPath>

class ILineFigureElement : public IFigureElement
{
public:
    // The kind (1 to 10) gives the pen style and the ends.
    explicit ILineFigureElement(int kind = 1, QGraphicsItem* parent = nullptr);

    void setLine(const QPointF& start, const QPointF& end);
    QPointF start() const { return m_start; }
    QPointF end() const { return m_end; }
    void setEnds(ILineEnd::Type start, ILineEnd::Type end);
    ILineEnd::Type startEnd() const { return m_startType; }
    ILineEnd::Type endEnd() const { return m_endType; }
    // Builds the dots and arrowheads again for the current line and pen.
    virtual void rebuildEnds();

    void beginDrag(const QPointF& press) override;
    // The end follows the pointer, put on the nearest multiple of 45 degrees
    // when it is within a degree of it.
    void dragTo(const QPointF& point) override;
    // A line whose ends meet is nothing.
    bool finishDrag() override;

    QRectF boundingRect() const override;
    // The stroke and the ends, with a margin to grab a thin line by: the
    // box around a long slanted line would catch presses far from it.
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    IElement* clone() const override;

protected:
    void penChanged() override;

private:
    QPointF m_start;
    QPointF m_end;
    ILineEnd::Type m_startType = ILineEnd::None;
    ILineEnd::Type m_endType = ILineEnd::None;
    QPainterPath m_path;
    // Both ends' outlines, in scene coordinates like the line.
    QPainterPath m_ends;
};
