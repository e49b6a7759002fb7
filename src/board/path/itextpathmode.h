// Typing text that becomes ink: a click opens an editor there; the next click,
// or leaving the tool, turns what was typed into an ITextPathElement, whose
// outlines lie exactly where the typed letters were.
#pragma once

#include "board/item/itextelement.h"
#include "board/mode/imode.h"

#include <QPointer>
#include <QString>

class ITextPathElement;
class QGraphicsTextItem;

class ITextPathMode : public IMode
{
public:
    ITextPathMode() = default;
    ~ITextPathMode() override;

    // A press commits what was typed; the release opens the editor there.
    void devicePress(DeviceInput& input) override;
    void deviceRelease(DeviceInput& input) override;
    // The I-beam.
    void activate() override;
    // Commits what was typed and puts the editor away.
    void deactivate() override;
    // Drops the click under way; the text being typed stays.
    void cancel() override;

    // Turns the editor's text into a path element on the slide it was typed
    // on and empties the editor; nothing when nothing but blanks was typed.
    // The new element, or null.
    ITextPathElement* commit();

    // The editor, null before the first click. A text box like those the text
    // tool makes, but never one of the slide's elements: it is not listed,
    // saved, erased or announced, only typed into.
    ITextElement* editor() const { return m_editor; }

    // The editor's lines as shown, a line broken by wrapping included.
    static QString shownLines(const QGraphicsTextItem* editor);
    // The left end of the editor's first baseline, in scene coordinates.
    static QPointF firstBaseline(const QGraphicsTextItem* editor);

private:
    // The editor on first use: empty, hidden, Arial at 24 points.
    static ITextElement* makeEditor();
    // The editor at `scenePos` on the current slide, empty, in the ink, with
    // the keyboard.
    void openEditor(const QPointF& scenePos);
    void closeEditor();

    bool m_pressed = false;
    QPointer<ITextElement> m_editor;
};
