// Base of the figures drawn inside the rectangle dragged out from the press
// point: the item sits at the press and the rectangle runs from its origin
// to the pointer, negative towards the left or the top until the release
// turns it right way round.
#pragma once

#include "board/item/figure/ifigureelement.h"

class IBoxFigureElement : public IFigureElement
{
public:
    explicit IBoxFigureElement(int kind, QGraphicsItem* parent = nullptr);

    // In item coordinates, from the origin; width and height are signed.
    QRectF rect() const { return m_rect; }
    void setRect(const QRectF& rect);

    void beginDrag(const QPointF& press) override;
    void dragTo(const QPointF& point) override;
    // Turns the rectangle right way round (moving the item to its true
    // top-left), and mirrors the figures that show which way they were drawn.
    bool finishDrag() override;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    // Drawn after the painter has its pen and fill.
    virtual void paintFigure(QPainter* painter) const = 0;
    // What the figure covers, in item coordinates: the rectangle, unless the
    // figure reaches beyond it.
    virtual QRectF figureRect() const { return m_rect.normalized(); }
    // A figure dragged leftwards or upwards is mirrored on release.
    virtual bool mirrorsOnRelease() const { return false; }

    template <class Figure>
    Figure* cloneAs() const
    {
        auto* copy = new Figure;
        copy->setRect(m_rect);
        copyItemParameters(copy);
        return copy;
    }

private:
    QRectF m_rect;
};
