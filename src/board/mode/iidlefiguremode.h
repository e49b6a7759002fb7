// Placeholder for a figure tool: besides idling, remembers which figure it was told to draw.
#pragma once

#include "board/mode/ifiguretool.h"
#include "board/mode/iidlemode.h"

class IIdleFigureMode : public IIdleMode, public IFigureTool
{
public:
    explicit IIdleFigureMode(const QString& name = QString());

    void setFigureKind(int kind) override { m_figureKind = kind; }
    int figureKind() const override { return m_figureKind; }

private:
    int m_figureKind = 0;
};
