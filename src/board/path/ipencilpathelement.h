// A finished pen stroke: the points the pen went through, painted as a round
// line of the pen's width, or as a round dot when the pen never moved.
#pragma once

#include "board/path/ipathelement.h"

#include <QPointF>
#include <QVector>

class IPencilPathElement : public IPathElement
{
public:
    explicit IPencilPathElement(QGraphicsItem* parent = nullptr);

    virtual void appendPoint(const QPointF& point);
    // Points that all lie at one place (a tap) make a dot of the element's
    // width there; set the width first.
    virtual void addDrawPoints(const QVector<QPointF>& points);
    virtual QVector<QPointF> points() const { return m_points; }

    bool isDot() const { return m_dot; }

    // The look follows colour, alpha and width at once.
    void setColor(const QColor& color) override;
    void setAlpha(int alpha) override;
    void setWidth(int width) override;

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    IElement* clone() const override;

private:
    void rebuildPath();
    // Pen and brush for a line or a dot in the colour at the element's alpha.
    void applyLook();

    QVector<QPointF> m_points;
    bool m_dot = false;
};
