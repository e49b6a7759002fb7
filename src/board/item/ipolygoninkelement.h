// One segment of an ink stroke: a capsule between two pointer positions, or a
// piece of one left by the point eraser.
#pragma once

#include "board/item/iabstractpolygoninkelement.h"

#include <QColor>
#include <QLineF>
#include <QString>

class IInkProxy;

class IPolygonInkElement : public IAbstractPolygonInkElement
{
public:
    enum { Type = PolygonInkElementType };

    // The capsule of `line`, `width` wide.
    IPolygonInkElement(const QLineF& line, double width, QGraphicsItem* parent = nullptr);
    // A ready outline, such as what the eraser leaves of a segment.
    explicit IPolygonInkElement(const QPolygonF& polygon, QGraphicsItem* parent = nullptr);
    ~IPolygonInkElement() override;

    int type() const override { return Type; }

    // Solid fill without outline; translucent when the alpha is below 255.
    void setInkColor(const QColor& color);
    QColor inkColor() const { return m_color; }
    bool isTranslucent() const { return m_translucent; }

    // Leaves the old proxy (deleting it when it becomes empty) and joins the new.
    void setProxy(IInkProxy* proxy);
    IInkProxy* proxy() const { return m_proxy; }

    QLineF line() const { return m_line; }
    double width() const { return m_width; }
    bool secondFlag() const { return m_secondFlag; }
    QString textureName() const { return m_textureName; }
    void setTextureName(const QString& name) { m_textureName = name; }
    QString texturePath() const { return m_texturePath; }
    // A picture tiled as the brush; an empty path means the solid colour.
    void setTexturePath(const QString& path) { m_texturePath = path; }

    // "x1,y1,x2,y2,translucent,second,width,#aarrggbb;"
    QString segmentText() const;

    IElement* clone() const override;
    void copyItemParameters(IElement* target) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    IInkProxy* m_proxy = nullptr;
    bool m_translucent = false;
    bool m_secondFlag = false;
    QLineF m_line;
    double m_width = 0;
    QString m_textureName;
    QString m_texturePath;
    QColor m_color{Qt::black};
};
