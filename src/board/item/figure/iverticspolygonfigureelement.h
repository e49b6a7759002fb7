// A regular polygon (3, 5, 6 or 8 corners) in the square dragged out from the
// press point: triangle and pentagon point up, the hexagon lies on a side,
// the octagon has a corner at the top. Its corners are scene points.
#pragma once

#include "board/item/figure/ifigureelement.h"

#include <QPainterPath>
#include <QVector>

class IVerticsPolygonFigureElement : public IFigureElement
{
public:
    IVerticsPolygonFigureElement(int kind, int vertexCount, QGraphicsItem* parent = nullptr);

    int vertexCount() const { return m_directions.size(); }
    QPointF center() const { return m_center; }
    double radius() const { return m_radius; }
    QPolygonF vertices() const;
    QPainterPath path() const { return m_path; }
    // Centre and circumradius.
    void setGeometry(const QPointF& center, double radius);

    void beginDrag(const QPointF& press) override;
    void dragTo(const QPointF& point) override;
    bool finishDrag() override;

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    IElement* clone() const override;

private:
    QVector<QPointF> m_directions;
    QPointF m_center;
    double m_radius = 0;
    QPointF m_press;
    QPointF m_last;
    QPainterPath m_path;
};
