// Tool selection and input routing for the board.
#include "board/mode/imodemanager.h"

#include "board/mode/deviceinput.h"
#include "board/mode/iidlefiguremode.h"
#include "board/mode/inonemode.h"
#include "board/tk_iboard_enum.h"

namespace {

// Figure tool numbers and the figure each one draws; -1 where the tool number
// has no figure tool.
int figureFor(int type)
{
    switch (type) {
    case 11: return 3;
    case 13: return 5;
    case 15: return 9;
    case 17: return 7;
    case 23: return 17;
    case 30: return 32;
    case 32: return 24;
    case 33: return 25;
    case 34: return 26;
    default: break;
    }
    if (type >= 25 && type <= 29)
        return type - 6;
    if (type >= 36 && type <= 39)
        return type - 8;
    return -1;
}

int pathFigureFor(int type)
{
    switch (type) {
    case 9: return 1;
    case 19: return 13;
    case 20: return 14;
    case 21: return 15;
    case 24: return 18;
    default: return -1;
    }
}

} // namespace

IModeManager::IModeManager(IBoard* board)
    : m_board(board)
    , m_none(std::make_unique<INoneMode>())
    , m_text(std::make_unique<IIdleMode>(QStringLiteral("text")))
    , m_pencil(std::make_unique<IIdleMode>(QStringLiteral("pencil")))
    , m_figure(std::make_unique<IIdleFigureMode>(QStringLiteral("figure")))
    , m_selector(std::make_unique<IIdleMode>(QStringLiteral("selector")))
    , m_pointErase(std::make_unique<IIdleMode>(QStringLiteral("point eraser")))
    , m_objectErase(std::make_unique<IIdleMode>(QStringLiteral("object eraser")))
    , m_pathText(std::make_unique<IIdleMode>(QStringLiteral("path text")))
    , m_pathErase(std::make_unique<IIdleMode>(QStringLiteral("path eraser")))
    , m_pathPencil(std::make_unique<IIdleMode>(QStringLiteral("path pencil")))
    , m_pathFigure(std::make_unique<IIdleFigureMode>(QStringLiteral("path figure")))
    , m_pathSelector(std::make_unique<IIdleMode>(QStringLiteral("path selector")))
{
    for (IModeBase* mode : {static_cast<IModeBase*>(m_none.get()), static_cast<IModeBase*>(m_text.get()),
                            static_cast<IModeBase*>(m_pencil.get()), static_cast<IModeBase*>(m_figure.get()),
                            static_cast<IModeBase*>(m_selector.get()), static_cast<IModeBase*>(m_pointErase.get()),
                            static_cast<IModeBase*>(m_objectErase.get()), static_cast<IModeBase*>(m_pathText.get()),
                            static_cast<IModeBase*>(m_pathErase.get()), static_cast<IModeBase*>(m_pathPencil.get()),
                            static_cast<IModeBase*>(m_pathFigure.get()), static_cast<IModeBase*>(m_pathSelector.get())})
        mode->setBoard(board);

    // The pencil is briefly current so that it starts from a clean, deactivated
    // state; the board then opens on the selector.
    m_current = m_pencil.get();
    m_modeType = TK_IBOARD_ENUM::SelectorMode;
    m_current->deactivate();
    m_current = m_pathSelector.get();
    m_current->activate();
}

IModeManager::~IModeManager() = default;

void IModeManager::setModeType(int type)
{
    if (type == m_modeType) {
        if (type == TK_IBOARD_ENUM::PencilMode && m_current)
            m_current->activate();
        return;
    }
    m_modeType = type;
    if (m_active && m_current && m_current != m_none.get())
        m_current->deactivate();
    if (IModeBase* found = modeFor(type))
        m_current = found;
    if (m_active && m_current && m_current != m_none.get())
        m_current->activate();
}

IModeBase* IModeManager::modeFor(int type)
{
    switch (type) {
    case TK_IBOARD_ENUM::NoneMode: return m_none.get();
    case TK_IBOARD_ENUM::SelectorMode: return m_pathSelector.get();
    case TK_IBOARD_ENUM::TextMode: return m_text.get();
    case TK_IBOARD_ENUM::PathEraserMode: return m_pathErase.get();
    case TK_IBOARD_ENUM::ObjectEraserMode: return m_objectErase.get();
    case TK_IBOARD_ENUM::PencilMode: return m_pathPencil.get();
    default: break;
    }
    const int figure = figureFor(type);
    if (figure >= 0) {
        m_figure->setFigureType(figure);
        return m_figure.get();
    }
    const int pathFigure = pathFigureFor(type);
    if (pathFigure >= 0) {
        m_pathFigure->setFigureType(pathFigure);
        return m_pathFigure.get();
    }
    return nullptr;
}

void IModeManager::press(DeviceInput& input)
{
    forward(input, &IModeBase::devicePress);
}

void IModeManager::move(DeviceInput& input)
{
    forward(input, &IModeBase::deviceMove);
}

void IModeManager::release(DeviceInput& input)
{
    forward(input, &IModeBase::deviceRelease);
}

void IModeManager::forward(DeviceInput& input, void (IModeBase::*handler)(DeviceInput&))
{
    if (!m_current || !m_current->isEnabled())
        return;
    input.event()->accept();
    (m_current->*handler)(input);
}
