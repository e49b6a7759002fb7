// The point eraser: a round eraser that cuts away the ink it passes over,
// leaving the rest of each stroke as pieces of the same stroke.
#pragma once

#include "board/mode/imode.h"

#include <QList>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QSet>

class IInkElement;
class IPolygonInkElement;
class ISlide;
class QGraphicsEllipseItem;
class QGraphicsScene;
class QPainterPath;

class IPointEraseMode : public QObject, public IMode
{
    Q_OBJECT
public:
    // The circle that shows the eraser lies above everything drawn.
    static constexpr double kOutlineZ = 10001000.0;

    explicit IPointEraseMode(QObject* parent = nullptr);
    ~IPointEraseMode() override;

    void devicePress(DeviceInput& input) override;
    void deviceMove(DeviceInput& input) override;
    void deviceRelease(DeviceInput& input) override;
    void activate() override;
    // Both end the pass as a release does: what was erased stays erased and
    // is announced, so that the next press starts a pass of its own.
    void deactivate() override;
    void cancel() override;

private:
    void startPass(const QPointF& point, int device);
    void eraseAlong(const QPointF& from, const QPointF& to);
    void cut(IPolygonInkElement* segment, IInkElement* stroke, const QPainterPath& eraser);
    void takeOut(IPolygonInkElement* segment, IInkElement* stroke);
    void endPass();
    void showOutline(ISlide* slide);
    void placeOutline(const QPointF& centre);
    // The eraser's width in scene units: it keeps its size on the screen.
    double eraserWidth() const;

    QList<IInkElement*> m_changed;
    QSet<IPolygonInkElement*> m_erased;
    QSet<IPolygonInkElement*> m_created;
    QPointF m_last;
    QGraphicsEllipseItem* m_outline = nullptr;
    // Where the circle lives; it dies with that scene.
    QPointer<QGraphicsScene> m_outlineScene;
    bool m_active = false;
    int m_device = -1;
    QPointer<ISlide> m_slide;
    QMetaObject::Connection m_removals;
};
