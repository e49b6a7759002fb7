// A board tool that keeps track of which pointers are down and relays their input.
#pragma once

#include "board/mode/imodebase.h"

#include <QList>
#include <QPointF>

class IMode : public IModeBase
{
public:
    IMode() = default;

    // Concrete tools override these to draw, and call them first when they
    // rely on the list of pressed devices.
    void devicePress(DeviceInput& input) override;
    void deviceMove(DeviceInput& input) override;
    void deviceRelease(DeviceInput& input) override;

    // A missing or unreadable file gives the arrow, never an empty cursor.
    void setCursorFile(const QString& path, int width, int height) override;
    void setCursor(const QCursor& cursor) override;
    void deactivate() override;
    // Forgets the pressed devices; tools drop their own work first.
    void cancel() override;

    QList<int> activeDevices() const { return m_activeDevices; }

protected:
    // The input's position on the slide; the view position without a board.
    QPointF scenePoint(const DeviceInput& input) const;
    // How many view pixels a scene unit takes at the current zoom, whatever
    // the rotation; 1 without a board.
    double viewScale() const;

    QList<int> m_activeDevices;
};
