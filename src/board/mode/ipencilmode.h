// The ink pencil: each pressed pointer draws a stroke of capsule segments,
// gathered into one ink element on the slide when the pointer comes up.
#pragma once

#include "board/mode/iinkbasemode.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QPointF>
#include <QPointer>

class IInkProxy;
class IPolygonInkElement;
class ISlide;

class IPencilMode : public IInkBaseMode
{
public:
    // Segments lie above every element while their stroke is drawn.
    static constexpr double kSegmentZ = 5000.0;

    IPencilMode() = default;
    ~IPencilMode() override;

    void devicePress(DeviceInput& input) override;
    void deviceMove(DeviceInput& input) override;
    void deviceRelease(DeviceInput& input) override;
    // The pencil cursor in the ink colour.
    void activate() override;
    // Both drop the strokes in progress: no half stroke stays on the slide.
    void deactivate() override;
    void cancel() override;

    // Starts `device`'s stroke at `point` (scene) with a dot there.
    virtual void beginStroke(const QPointF& point, int device);
    // Continues the stroke of the input's device to the input's position.
    virtual void addSegment(DeviceInput& input);

    bool isDrawing() const { return !m_strokes.isEmpty(); }

private:
    struct Stroke
    {
        IInkProxy* proxy = nullptr;
        QList<IPolygonInkElement*> segments;
        QPointF lastPoint;
        double lastWidth = -1;
        // The segments live in this slide's scene and die with it.
        QPointer<ISlide> slide;
    };

    void extend(Stroke& stroke, const QPointF& point);
    void dropStrokes();
    void updateDrawingFlag();
    void updateCursor(const QColor& color);
    double strokeWidth() const;

    QMap<int, Stroke> m_strokes;
    QColor m_cursorColor;
};
