// The undo history of one slide: its QUndoStack, the elements its commands
// keep alive, and a pause for changes that are recorded some other way.
#pragma once

#include "board/ielementbin.h"

#include <QObject>
#include <QPointer>

class IElement;
class QUndoCommand;
class QUndoStack;

class ISlideHistory : public QObject
{
    Q_OBJECT
public:
    // Steps kept per slide; older ones are dropped and what only they kept is freed.
    static constexpr int kUndoLimit = 200;

    explicit ISlideHistory(QObject* parent = nullptr);
    ~ISlideHistory() override;

    QUndoStack* stack() const { return m_stack; }

    // Pushes a command for a change already made; dropped while the history
    // replays itself or is paused.
    void record(QUndoCommand* command);
    bool isRecording() const { return !m_replaying && m_pauses == 0; }
    // Several changes recorded as one step; a step that recorded nothing
    // leaves nothing behind.
    void beginStep(const QString& text);
    void endStep();

    void undo();
    void redo();

    // When the last step added exactly this element, the step is dropped as
    // if it never was (a text box left empty); true if it was.
    bool forgetAdding(IElement* element);

    // While paused, a change is recorded by whoever paused (as part of a
    // larger step), not by the slide's own operations.
    class Pause
    {
    public:
        explicit Pause(ISlideHistory* history);
        ~Pause();
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;

    private:
        QPointer<ISlideHistory> m_history;
    };

    // An element a command may bring back: the bin leaves it alone until
    // the last such command is gone, then frees it unless it is on a slide.
    void hold(IElement* element);
    void release(IElement* element);
    void setBin(IElementBin* bin) { m_bin = bin; }

private:
    void dropLast();

    QUndoStack* m_stack = nullptr;
    QPointer<IElementBin> m_bin;
    bool m_replaying = false;
    int m_openSteps = 0;
    int m_stepRecords = 0;
    int m_pauses = 0;
};
