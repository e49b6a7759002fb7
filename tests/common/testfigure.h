// A plain rectangle figure for board tests, whose frame handles each test
// switches on or off (as the wave line turns its corner handles off).
#pragma once

#include "board/item/iabstractgraphicsshapeelement.h"

#include <QPainter>

// A rectangle figure whose handle switches are set by the test, like the wave
// line that turns its corner handles off.
struct FigureHandles
{
    bool corners = true;
    bool edges = false;
    bool rotatable = true;
};

class TestFigure : public IAbstractGraphicsShapeElement
{
public:
    using Handles = FigureHandles;

    explicit TestFigure(const QRectF& rect, Handles handles = Handles())
        : m_rect(rect)
        , m_handles(handles)
    {
        setElementId(newElementId());
        setBrush(QColor(240, 160, 40));
    }
    int type() const override { return FigureElementType; }
    QRectF boundingRect() const override { return m_rect; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        painter->fillRect(m_rect, brush());
    }
    IElement* clone() const override { return new TestFigure(m_rect, m_handles); }
    bool isTopLeftResizable() const override { return m_handles.corners; }
    bool isTopRightResizable() const override { return m_handles.corners; }
    bool isBottomLeftResizable() const override { return m_handles.corners; }
    bool isBottomRightResizable() const override { return m_handles.corners; }
    bool isLeftEdgeResizable() const override { return m_handles.edges; }
    bool isRightEdgeResizable() const override { return m_handles.edges; }
    bool isTopEdgeResizable() const override { return m_handles.edges; }
    bool isBottomEdgeResizable() const override { return m_handles.edges; }
    bool isRotatable() const override { return m_handles.rotatable; }

private:
    QRectF m_rect;
    Handles m_handles;
};
