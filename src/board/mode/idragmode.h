// Base of the tools shaped press, drag, release, such as every figure: each
// device's input becomes one gesture that the tool hears of through four hooks.
#pragma once

#include "board/mode/imode.h"

#include <QMap>
#include <QPointF>

class IDragMode : public IMode
{
public:
    IDragMode() = default;

    // These keep the relay of IMode and turn the input into the hooks below;
    // tools override the hooks, not these.
    void devicePress(DeviceInput& input) override;
    void deviceMove(DeviceInput& input) override;
    void deviceRelease(DeviceInput& input) override;
    // Both abort every gesture in progress.
    void deactivate() override;
    void cancel() override;

    bool isDragging() const { return !m_drags.isEmpty(); }

protected:
    // One device's gesture. Points are in scene coordinates on a board, in
    // view coordinates without one.
    struct Drag
    {
        int device = 0;
        QPointF start;
        QPointF current;
        // False for a click: pressed and released without travelling.
        bool moved = false;
    };

    // The device came down at drag.start.
    virtual void begin(const Drag& drag) = 0;
    // The device went from `from` to drag.current.
    virtual void update(const Drag& drag, const QPointF& from) = 0;
    // The device came up at drag.current: keep the result (or, after a
    // click, whatever the tool makes of one).
    virtual void finish(const Drag& drag) = 0;
    // The gesture ended without its release: take back what begin and update made.
    virtual void abort(const Drag& drag) = 0;

    virtual QPointF pointOf(const DeviceInput& input) const;

private:
    void abortAll();
    // The board state's drawing flag is up while any gesture is in progress.
    void updateDrawingFlag();
    // Moves the gesture to `to`; false when that is where it already was.
    static bool advance(Drag& drag, const QPointF& to);

    QMap<int, Drag> m_drags;
};
