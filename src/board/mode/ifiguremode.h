// The figure tool: each press, drag and release puts one figure of the chosen
// kind on the current slide, in the board's ink colour, figure thickness and
// figure fill. A click makes nothing.
#pragma once

#include "board/mode/idragmode.h"
#include "board/mode/ifiguretool.h"

#include <QHash>
#include <QPointer>

class IElement;
class IFigureElement;
class ISlide;

class IFigureMode : public IDragMode, public IFigureTool
{
public:
    IFigureMode();

    // Also enables the tool. Kinds without a figure draw nothing.
    void setFigureKind(int kind) override;
    int figureKind() const override { return m_kind; }
    // The corners of the regular polygon kinds; 3 for every other kind.
    int vertexCount() const { return m_vertexCount; }

    // Puts up the kind's cursor.
    void activate() override;
    // Back to the arrow; a figure being drawn goes.
    void deactivate() override;

    // The figure the given device is drawing, null between gestures.
    IFigureElement* figureOf(int device) const;

protected:
    void begin(const Drag& drag) override;
    void update(const Drag& drag, const QPointF& from) override;
    void finish(const Drag& drag) override;
    void abort(const Drag& drag) override;

private:
    struct Drawing
    {
        IFigureElement* figure = nullptr;
        // The same object, kept for looking it up on the slide without
        // touching a figure that may be gone.
        const IElement* element = nullptr;
        QPointer<ISlide> slide;
    };

    // The drawing of `device` while its figure is still on its slide; null
    // once someone else took the figure off (it is theirs then).
    IFigureElement* liveFigure(int device) const;
    // Takes the unannounced figure off its slide and deletes it.
    void discard(const Drawing& drawing);

    int m_kind;
    int m_vertexCount = 3;
    QHash<int, Drawing> m_drawings;
};
