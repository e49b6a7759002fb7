// Placeholder for a figure tool: besides idling, remembers which figure it was told to draw.
#pragma once

#include "board/mode/iidlemode.h"

class IIdleFigureMode : public IIdleMode
{
public:
    explicit IIdleFigureMode(const QString& name);

    void setFigureType(int figure) { m_figureType = figure; }
    int figureType() const { return m_figureType; }

private:
    int m_figureType = 0;
};
