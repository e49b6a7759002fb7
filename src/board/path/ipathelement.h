// Base of the path drawings (pen strokes, path text and path figures): a
// painter path that paints only inside its base region and never where the
// point eraser went.
#pragma once

#include "board/item/iabstractpathelement.h"

#include <QColor>
#include <QPointF>
#include <QRegion>
#include <QVector>

class IPathElement : public IAbstractPathElement
{
public:
    enum { Type = PathElementType };

    // What a path drawing is; stored with it, so the numbers never change.
    enum PathKind : int {
        FreehandPath = 0,
        TextPath = 1,
        LinePath = 2,
        CirclePath = 3,
        EllipsePath = 4,
        RectanglePath = 5,
        IsoscelesTrianglePath = 6,
    };

    // Where a path drawing enters: beneath every other kind of element.
    static constexpr double kPathZOrder = -9000000.0;

    explicit IPathElement(QGraphicsItem* parent = nullptr);
    explicit IPathElement(const QPainterPath& path, QGraphicsItem* parent = nullptr);

    int type() const override { return Type; }

    virtual int pathKind() const { return m_pathKind; }
    virtual void setPathKind(int kind) { m_pathKind = kind; }
    virtual void setColor(const QColor& color) { m_color = color; }
    virtual QColor color() const { return m_color; }
    virtual void setColor2(const QColor& color) { m_color2 = color; }
    virtual QColor color2() const { return m_color2; }
    virtual void setWidth(int width) { m_width = width; }
    virtual int width() const { return m_width; }
    virtual void setAlpha(int alpha) { m_alpha = alpha; }
    virtual int alpha() const { return m_alpha; }

    virtual void appendErasePoint(const QPointF& point) { m_erasePoints.append(point); }
    virtual void setErasePoints(const QVector<QPointF>& points) { m_erasePoints = points; }
    virtual QVector<QPointF> erasePoints() const { return m_erasePoints; }
    // Adds `region` (item coordinates) to what is erased. True when nothing
    // of the element is left to paint: its owner then takes it away.
    virtual bool addEraseRegion(const QRegion& region);
    virtual void setEraseRegion(const QRegion& region);
    virtual QRegion eraseRegion() const { return m_eraseRegion; }
    // Where the element may paint, in item coordinates; an empty region
    // means its whole bounding rectangle.
    virtual void setBaseRegion(const QRegion& region);
    virtual QRegion baseRegion() const { return m_baseRegion; }

    // The base region, or the bounding rectangle when there is none.
    QRegion paintableRegion() const;

    IElement* clone() const override;
    void copyItemParameters(IElement* target) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    // Clips `painter` to what is left of the element after erasing.
    void clipToVisibleRegion(QPainter* painter) const;

private:
    void initialise();

    QColor m_color{Qt::black};
    QColor m_color2;
    int m_alpha = 255;
    int m_width = 0;
    int m_pathKind = FreehandPath;
    QRegion m_baseRegion;
    QRegion m_eraseRegion;
    QVector<QPointF> m_erasePoints;
};
