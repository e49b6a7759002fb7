// A whole ink stroke: the segments drawn between press and release, gathered
// into one element, plus the pieces the point eraser left of them.
#pragma once

#include "board/item/iabstractgraphicselementgroup.h"

#include <QList>
#include <QPointF>
#include <QString>

class IPolygonInkElement;

class IInkElement : public IAbstractGraphicsElementGroup
{
public:
    enum { Type = InkElementType };
    // With this style a clone keeps the eraser's pieces too.
    static constexpr int kStyleClonesCutPieces = 2;

    // A fresh id, unlocked, selectable, not moved by the scene.
    explicit IInkElement(QGraphicsItem* parent = nullptr);

    int type() const override { return Type; }

    int style() const { return m_style; }
    void setStyle(int style) { m_style = style; }
    double width() const { return m_width; }
    void setWidth(double width) { m_width = width; }
    QString texturePath() const { return m_texturePath; }
    void setTexturePath(const QString& path) { m_texturePath = path; }
    QList<QPointF> points() const { return m_points; }
    void setPoints(const QList<QPointF>& points) { m_points = points; }

    // The child segments, in child order, cut pieces included.
    QList<IPolygonInkElement*> segments() const;
    // Pieces are plain outlines without a centre line: the segment list
    // (key 6) leaves them out.
    QList<IPolygonInkElement*> cutPieces() const { return m_cutPieces; }
    void addCutPiece(IPolygonInkElement* piece);
    void removeCutPiece(IPolygonInkElement* piece);
    bool isCutPiece(const IPolygonInkElement* piece) const;

    // Keys 2 to 8 are the stroke's own; the rest go to the common part.
    void setProperty(int key, const QVariant& value) override;
    QVariant property(int key) const override;

    // The union of the segments: a tap between the strokes of a scribble
    // finds no ink there.
    QPainterPath shape() const override;
    IElement* clone() const override;
    void copyItemParameters(IElement* target) const override;
    // The children draw themselves; the group adds no selection outline.
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    IPolygonInkElement* firstSegment() const;
    // A name without alpha ("#rrggbb") keeps each segment's own alpha.
    void applyColorName(const QString& name);

    int m_style = 0;
    QString m_texturePath;
    QList<QPointF> m_points;
    double m_width = 0;
    QList<IPolygonInkElement*> m_cutPieces;
};
