// The object eraser: a tap removes the elements under it, a lasso the
// elements it touches, each whole (a stroke with all its segments).
#pragma once

#include "board/mode/imode.h"

#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QPointer>

class IElement;
class ISlide;
class QGraphicsItem;
class QGraphicsPathItem;
class QGraphicsScene;

class IObjectEraseMode : public IMode
{
public:
    // The lasso trail lies above everything drawn.
    static constexpr double kTrailZ = 11111111.0;

    IObjectEraseMode() = default;
    ~IObjectEraseMode() override;

    void devicePress(DeviceInput& input) override;
    void deviceMove(DeviceInput& input) override;
    void deviceRelease(DeviceInput& input) override;
    void activate() override;
    // Both drop the lasso without erasing anything.
    void deactivate() override;
    void cancel() override;

private:
    // The elements the items stand for, each once, in the items' order.
    static QList<IElement*> elementsOf(const QList<QGraphicsItem*>& items);
    void erase(ISlide* slide, const QList<IElement*>& elements);
    void dropTrail();
    void setDrawing(bool drawing);

    QPointF m_pressPos;
    QPointF m_lastPos;
    bool m_active = false;
    int m_device = -1;
    QGraphicsPathItem* m_trail = nullptr;
    // The trail dies with the scene it is in.
    QPointer<QGraphicsScene> m_trailScene;
    QPainterPath m_path;
};
