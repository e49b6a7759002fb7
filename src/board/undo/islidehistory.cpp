// The undo history of one slide.
#include "board/undo/islidehistory.h"

#include "board/ielementbin.h"
#include "board/undo/iaddelementscommand.h"

#include <QUndoStack>

ISlideHistory::ISlideHistory(QObject* parent)
    : QObject(parent)
    , m_stack(new QUndoStack(this))
{
    m_stack->setUndoLimit(kUndoLimit);
}

ISlideHistory::~ISlideHistory()
{
    // The commands release what they hold while the hold counts still exist.
    delete m_stack;
    m_stack = nullptr;
}

void ISlideHistory::record(QUndoCommand* command)
{
    if (!isRecording() || !m_stack) {
        delete command;
        return;
    }
    if (m_openSteps > 0)
        ++m_stepRecords;
    m_stack->push(command);
}

void ISlideHistory::beginStep(const QString& text)
{
    if (!isRecording())
        return;
    if (m_openSteps++ == 0)
        m_stepRecords = 0;
    m_stack->beginMacro(text);
}

void ISlideHistory::endStep()
{
    if (!isRecording() || m_openSteps == 0)
        return;
    m_stack->endMacro();
    if (--m_openSteps > 0 || m_stepRecords > 0)
        return;
    // Nothing changed: no step to take back.
    dropLast();
}

bool ISlideHistory::forgetAdding(IElement* element)
{
    if (!isRecording() || m_openSteps > 0)
        return false;
    const auto* added = dynamic_cast<const IAddElementsCommand*>(m_stack->command(m_stack->index() - 1));
    if (!added || added->childCount() > 0 || added->elements() != QList<IElement*>{element})
        return false;
    dropLast();
    return true;
}

void ISlideHistory::dropLast()
{
    // An obsolete command leaves the stack, undone or not, without being undone.
    auto* last = const_cast<QUndoCommand*>(m_stack->command(m_stack->index() - 1));
    if (!last)
        return;
    last->setObsolete(true);
    m_replaying = true;
    m_stack->undo();
    m_replaying = false;
}

void ISlideHistory::undo()
{
    if (m_replaying)
        return;
    m_replaying = true;
    m_stack->undo();
    m_replaying = false;
}

void ISlideHistory::redo()
{
    if (m_replaying)
        return;
    m_replaying = true;
    m_stack->redo();
    m_replaying = false;
}

ISlideHistory::Pause::Pause(ISlideHistory* history)
    : m_history(history)
{
    if (m_history)
        ++m_history->m_pauses;
}

ISlideHistory::Pause::~Pause()
{
    if (m_history)
        --m_history->m_pauses;
}

void ISlideHistory::hold(IElement* element)
{
    if (m_bin && element)
        m_bin->hold(element);
}

void ISlideHistory::release(IElement* element)
{
    if (m_bin && element)
        m_bin->release(element);
}
