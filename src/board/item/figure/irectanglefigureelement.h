// A rectangle, optionally with the largest circle it holds drawn in its middle.
#pragma once

#include "board/item/figure/iboxfigureelement.h"

class IRectangleFigureElement : public IBoxFigureElement
{
public:
    explicit IRectangleFigureElement(QGraphicsItem* parent = nullptr);

    void setInscribedCircle(bool on);
    bool hasInscribedCircle() const { return m_inscribedCircle; }

    // Starts on a whole pixel.
    void beginDrag(const QPointF& press) override;
    IElement* clone() const override;

protected:
    void paintFigure(QPainter* painter) const override;

private:
    bool m_inscribedCircle = false;
};
