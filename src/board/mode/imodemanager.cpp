// Tool selection and input routing for the board.
#include "board/mode/imodemanager.h"

#include "board/mode/deviceinput.h"
#include "board/mode/ifiguremode.h"
#include "board/mode/iidlemode.h"
#include "board/mode/inonemode.h"
#include "board/mode/iobjecterasemode.h"
#include "board/mode/ipencilmode.h"
#include "board/mode/ipointerasemode.h"
#include "board/mode/iselectormode.h"
#include "board/mode/itextmode.h"
#include "board/path/ifigurepathmode.h"
#include "board/path/ipatherasemode.h"
#include "board/path/ipencilpathmode.h"
#include "board/path/iselectorpathmode.h"
#include "board/path/itextpathmode.h"
#include "board/tk_iboard_enum.h"

namespace {

// The do-nothing tool is never switched on or off.
bool switchable(const IModeBase* mode)
{
    return mode && !dynamic_cast<const INoneMode*>(mode);
}

} // namespace

IModeManager::IModeManager(IBoard* board)
    : m_board(board)
{
    using namespace TK_IBOARD_ENUM;

    // The ink pencil, ink selector and point eraser are kept for hosts that
    // make them current directly; no number selects them.
    auto* none = addMode(QStringLiteral("none"), std::make_unique<INoneMode>());
    auto* text = addMode(QStringLiteral("text"), std::make_unique<ITextMode>());
    auto* pencil = addMode(QStringLiteral("pencil"), std::make_unique<IPencilMode>());
    auto* figure = addMode(QStringLiteral("figure"), std::make_unique<IFigureMode>());
    addMode(QStringLiteral("selector"), std::make_unique<ISelectorMode>());
    addMode(QStringLiteral("point eraser"), std::make_unique<IPointEraseMode>());
    auto* objectErase = addMode(QStringLiteral("object eraser"), std::make_unique<IObjectEraseMode>());
    addMode(QStringLiteral("path text"), std::make_unique<ITextPathMode>());
    auto* pathErase = addMode(QStringLiteral("path eraser"), std::make_unique<IPathEraseMode>());
    auto* pathPencil = addMode(QStringLiteral("path pencil"), std::make_unique<IPencilPathMode>());
    auto* pathFigure = addMode(QStringLiteral("path figure"), std::make_unique<IFigurePathMode>());
    auto* pathSelector = addMode(QStringLiteral("path selector"), std::make_unique<ISelectorPathMode>());

    registerMode(NoneMode, none);
    registerMode(SelectorMode, pathSelector);
    registerMode(TextMode, text);
    registerMode(PathEraserMode, pathErase);
    registerMode(ObjectEraserMode, objectErase);
    registerMode(PencilMode, pathPencil);

    // The figures of the tool bar's picker, drawn with the ink.
    registerFigureMode(LineMode, pathFigure, 1);
    registerFigureMode(CircleMode, pathFigure, 13);
    registerFigureMode(EllipseMode, pathFigure, 14);
    registerFigureMode(RectangleMode, pathFigure, 15);
    registerFigureMode(IsoscelesTriangleMode, pathFigure, 18);

    registerFigureMode(DottedLineMode, figure, 3);
    registerFigureMode(EndArrowLineMode, figure, 5);
    registerFigureMode(StartArrowLineMode, figure, 9);
    registerFigureMode(DoubleArrowLineMode, figure, 7);
    registerFigureMode(ParallelogramMode, figure, 17);
    registerFigureMode(RegularTriangleMode, figure, 19);
    registerFigureMode(PentagonMode, figure, 20);
    registerFigureMode(HexagonMode, figure, 21);
    registerFigureMode(OctagonMode, figure, 22);
    registerFigureMode(StarMode, figure, 23);
    registerFigureMode(WaveLineMode, figure, 32);
    registerFigureMode(CubeMode, figure, 24);
    registerFigureMode(ConeMode, figure, 25);
    registerFigureMode(CylinderMode, figure, 26);
    registerFigureMode(DihedralMode, figure, 28);
    registerFigureMode(HemisphereMode, figure, 29);
    registerFigureMode(TriangularPyramidMode, figure, 30);
    registerFigureMode(BallMode, figure, 31);

    // The pencil is briefly current so that it starts from a clean, deactivated
    // state; the board then opens on the selector.
    m_current = pencil;
    m_modeType = SelectorMode;
    m_current->deactivate();
    m_current = pathSelector;
    m_current->activate();
}

IModeManager::~IModeManager() = default;

void IModeManager::adopt(const QString& name, std::unique_ptr<IModeBase> mode)
{
    mode->setName(name);
    mode->setBoard(m_board);
    m_modes.push_back(std::move(mode));
}

void IModeManager::registerMode(int type, IModeBase* mode)
{
    m_table.insert(type, Entry{mode, nullptr, -1});
}

IModeBase* IModeManager::modeFor(int type) const
{
    return m_table.value(type).mode;
}

IModeBase* IModeManager::modeNamed(const QString& name) const
{
    for (const auto& mode : m_modes) {
        if (mode->name() == name)
            return mode.get();
    }
    return nullptr;
}

QList<IModeBase*> IModeManager::modes() const
{
    QList<IModeBase*> all;
    for (const auto& mode : m_modes)
        all.append(mode.get());
    return all;
}

void IModeManager::setModeType(int type)
{
    if (type == m_modeType) {
        if (type == TK_IBOARD_ENUM::PencilMode && m_current)
            m_current->activate();
        return;
    }
    m_modeType = type;
    // Even while tools are not switched off, a tool left mid-gesture would
    // take a later release for the end of a stroke it no longer draws.
    if (m_current)
        m_current->cancel();
    if (m_active && switchable(m_current))
        m_current->deactivate();
    const auto found = m_table.constFind(type);
    if (found != m_table.cend() && found->mode) {
        if (found->figureTool)
            found->figureTool->setFigureKind(found->figureKind);
        m_current = found->mode;
    }
    if (m_active && switchable(m_current))
        m_current->activate();
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

void IModeManager::cancel()
{
    // Also a disabled tool: it may have been disabled mid-gesture.
    if (m_current)
        m_current->cancel();
}

void IModeManager::forward(DeviceInput& input, void (IModeBase::*handler)(DeviceInput&))
{
    if (!m_current || !m_current->isEnabled())
        return;
    input.event()->accept();
    (m_current->*handler)(input);
}
