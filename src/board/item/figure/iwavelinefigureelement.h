// A wavy line between two scene points, drawn in whole periods whose size
// follows the line's thickness. The frame may turn it but not scale it.
#pragma once

#include "board/item/figure/ifigureelement.h"

#include <QPainterPath>

class IWaveLineFigureElement : public IFigureElement
{
public:
    explicit IWaveLineFigureElement(QGraphicsItem* parent = nullptr);

    // Also the wave size.
    void setThickness(double thickness) override;
    double waveSize() const { return m_waveSize; }
    void setPoints(const QPointF& start, const QPointF& end);
    QPointF start() const { return m_start; }
    QPointF end() const { return m_end; }
    QPainterPath path() const { return m_path; }

    // Whole periods of 4 x `waveSize` along start-end, as many as it takes
    // to reach the end: the last may run past it. Empty for a line without length.
    static QPainterPath wavePath(const QPointF& start, const QPointF& end, double waveSize);

    void beginDrag(const QPointF& press) override;
    void dragTo(const QPointF& point) override;
    bool finishDrag() override;

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    IElement* clone() const override;

    bool isTopLeftResizable() const override { return false; }
    bool isTopRightResizable() const override { return false; }
    bool isBottomRightResizable() const override { return false; }
    bool isBottomLeftResizable() const override { return false; }

private:
    void rebuild();

    QPointF m_start;
    QPointF m_end;
    double m_waveSize = 5.0;
    QPainterPath m_path;
};
