// Common part of every board tool.
#include "board/mode/imodebase.h"

#include "board/iboard.h"
#include "board/mode/imodeeventhandle.h"

IModeBase::IModeBase()
    : m_eventHandle(std::make_unique<IModeEventHandle>())
{
}

IModeBase::~IModeBase() = default;

IBoardState* IModeBase::boardState() const
{
    return m_board ? m_board->boardState() : nullptr;
}

void IModeBase::setBoard(IBoard* board)
{
    m_board = board;
}

QCursor IModeBase::cursor() const
{
    return m_cursor;
}
