// The figures of the tool bar's figure picker: each press, drag and release
// puts one line, circle, ellipse, rectangle or isosceles triangle on the
// current slide, drawn with the ink's colour, opacity and width. A click
// leaves no line; the other figures stay, empty.
#pragma once

#include "board/mode/idragmode.h"
#include "board/mode/ielementdraft.h"
#include "board/mode/ifiguretool.h"

#include <QHash>

class IFigurePathElement;

class IFigurePathMode : public IDragMode, public IFigureTool
{
public:
    IFigurePathMode();

    // Kinds other than circle, ellipse, rectangle and isosceles triangle draw a line.
    void setFigureKind(int kind) override;
    int figureKind() const override { return m_kind; }

    // Puts up the kind's cursor.
    void activate() override;
    // Back to the arrow; a figure being drawn goes.
    void deactivate() override;

    // The figure the given device is drawing, null between gestures.
    IFigurePathElement* figureOf(int device) const;

    // A new, empty figure of `kind`, a line for kinds without a figure of their own.
    static IFigurePathElement* create(int kind);

protected:
    void begin(const Drag& drag) override;
    void update(const Drag& drag, const QPointF& from) override;
    void finish(const Drag& drag) override;
    void abort(const Drag& drag) override;

private:
    // Where `figure` ends for a pointer at `point`: lines snap to the
    // nearest multiple of 45 degrees when they are within a degree of it.
    static QPointF endFor(const IFigurePathElement* figure, const QPointF& point);

    int m_kind;
    QHash<int, IElementDraft> m_drafts;
};
