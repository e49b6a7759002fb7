// The figure tool: each press, drag and release puts one figure of the chosen
// kind on the current slide, in the board's ink colour, figure thickness and
// figure fill. A click makes nothing.
#pragma once

#include "board/mode/idragmode.h"
#include "board/mode/ielementdraft.h"
#include "board/mode/ifiguretool.h"

#include <QHash>

class IFigureElement;

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
    int m_kind;
    int m_vertexCount = 3;
    QHash<int, IElementDraft> m_drafts;
};
