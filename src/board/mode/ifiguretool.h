// A tool that draws one of several figure kinds: the mode manager tells it
// which kind before it becomes current.
#pragma once

class IFigureTool
{
public:
    virtual ~IFigureTool() = default;

    virtual void setFigureKind(int kind) = 0;
    virtual int figureKind() const = 0;
};
