// The point eraser that goes with the pen: it does not cut strokes but adds
// the area it passes over to each path drawing's erase region; a drawing with
// nothing left to paint leaves its slide.
#pragma once

#include "board/islide.h"
#include "board/mode/imode.h"
#include "board/undo/ielementstate.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QPointF>
#include <QPolygonF>
#include <QSet>

class IElement;
class IPathElement;
class ISlide;
class QGraphicsEllipseItem;

class IPathEraseMode : public QObject, public IMode
{
    Q_OBJECT
public:
    // Above everything a slide holds.
    static constexpr double kIndicatorZ = 10001000.0;

    explicit IPathEraseMode(QObject* parent = nullptr);
    ~IPathEraseMode() override;

    void devicePress(DeviceInput& input) override;
    void deviceMove(DeviceInput& input) override;
    void deviceRelease(DeviceInput& input) override;
    void deactivate() override;
    // Ends the pass where it is: what was erased stays erased.
    void cancel() override;

    // Erases along the way from the last eraser point to `point` (scene),
    // `size` view pixels wide.
    virtual void eraseTo(const QPointF& point, double size);

    bool isErasing() const { return m_erasing; }
    // The circle that shows where the eraser is; null before first use.
    QGraphicsEllipseItem* indicator() const { return m_indicator; }

private:
    void erase(IPathElement* element, const QPolygonF& sceneOutline, const QPointF& point);
    void showIndicator(const QPointF& point, double size);
    void endPass();
    // The whole pass is one undo step.
    void recordPass();
    double eraserSize() const;

    bool m_erasing = false;
    // The device that erases; others are ignored until it is lifted.
    int m_device = 0;
    QPointF m_lastPoint;
    ISlide* m_slide = nullptr;
    // Erased in this pass and still on the slide, in the order first erased.
    QList<IElement*> m_erased;
    QSet<IPathElement*> m_touched;
    // Each drawing the pass changed, as it was before, in the order first changed.
    QList<QPair<IElement*, IElementState>> m_before;
    QList<IElement*> m_removed;
    QList<ISlide::Place> m_removedPlaces;
    QGraphicsEllipseItem* m_indicator = nullptr;
};
