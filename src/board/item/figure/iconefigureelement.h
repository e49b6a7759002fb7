// A cone standing on its base, the far half of the base dashed; on request
// with its axis and a base diameter as helper lines.
#pragma once

#include "board/item/figure/isolidfigureelement.h"

class IConeFigureElement : public ISolidFigureElement
{
public:
    explicit IConeFigureElement(QGraphicsItem* parent = nullptr);

    IElement* clone() const override;

    // The axis and a diameter of the base, thin and dash-dotted.
    void setAuxiliaryLines(bool on);
    bool hasAuxiliaryLines() const { return m_auxiliaryLines; }

protected:
    void paintSolid(QPainter* painter) const override;

private:
    bool m_auxiliaryLines = false;
};
