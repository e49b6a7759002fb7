// The board service.
#include "service/iboardservice.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/mode/ifiguretool.h"
#include "board/mode/imodemanager.h"
#include "board/tk_iboard_enum.h"
#include "iapplication.h"
#include "iglobals.h"

#include <QApplication>
#include <QCursor>
#include <QDebug>
#include <QGuiApplication>
#include <QScreen>

IBoardService* IBoardService::instance()
{
    static IBoardService service;
    return &service;
}

IBoardService::IBoardService() = default;

void IBoardService::setBoard(IBoard* board)
{
    m_board = board;
}

void IBoardService::connectGlobalMouse()
{
    if (!m_board)
        return;
    auto* app = qobject_cast<IApplication*>(m_application ? m_application : qApp);
    if (!app)
        return;
    connect(app, &IApplication::sgGMousePressEvent, this,
            [this](QPoint globalPos) { handleGlobalPress(globalPos); }, Qt::UniqueConnection);
}

void IBoardService::hideFrames()
{
    m_board->hideSelection();
}

void IBoardService::clearAll()
{
    if (!m_board || !m_board->currentSlide())
        return;
    hideFrames();
    m_board->currentSlide()->clearAllElements();
}

void IBoardService::clearDrawings()
{
    if (!m_board || !m_board->currentSlide())
        return;
    hideFrames();
    m_board->currentSlide()->clearDrawnElements();
}

void IBoardService::clearPathsAndTexts()
{
    if (!m_board || !m_board->currentSlide())
        return;
    hideFrames();
    m_board->currentSlide()->clearPathAndTextElements();
}

void IBoardService::setInkColor(const QColor& color)
{
    if (m_board)
        m_board->boardState()->setInkColor(color);
}

void IBoardService::setInkThickness(int thickness)
{
    if (m_board)
        m_board->boardState()->setInkThickness(thickness);
}

void IBoardService::setInkOpacity(int opacity)
{
    if (m_board)
        m_board->boardState()->setInkOpacity(opacity);
}

void IBoardService::setInk(const QColor& color, int thickness, int opacity)
{
    setInkColor(color);
    setInkThickness(thickness);
    setInkOpacity(opacity);
}

void IBoardService::setEraserSize(int size)
{
    if (!m_board)
        return;
    const double side = size * scaleFactors().uniform;
    m_board->boardState()->setPointEraserSize(QSizeF(side, side));
}

void IBoardService::selectSelector()
{
    if (m_board)
        m_board->setMode(TK_IBOARD_ENUM::SelectorMode);
}

void IBoardService::selectText()
{
    if (m_board)
        m_board->setMode(TK_IBOARD_ENUM::TextMode);
}

void IBoardService::selectPointEraser(int size)
{
    if (!m_board)
        return;
    m_board->boardState()->setPointEraserSize(QSizeF(size, size));
    m_board->setMode(TK_IBOARD_ENUM::PathEraserMode);
}

void IBoardService::selectPencil(const QColor& color, int thickness, int opacity)
{
    if (!m_board)
        return;
    setInk(color, thickness, opacity);
    m_board->setMode(TK_IBOARD_ENUM::PencilMode);
}

void IBoardService::selectFigureMode9()
{
    if (m_board)
        m_board->setMode(TK_IBOARD_ENUM::LineMode);
}

void IBoardService::selectFigureMode19()
{
    if (m_board)
        m_board->setMode(TK_IBOARD_ENUM::CircleMode);
}

void IBoardService::selectFigureMode20()
{
    if (m_board)
        m_board->setMode(TK_IBOARD_ENUM::EllipseMode);
}

void IBoardService::selectFigureMode24()
{
    if (m_board)
        m_board->setMode(TK_IBOARD_ENUM::IsoscelesTriangleMode);
}

void IBoardService::selectFigureMode25()
{
    if (m_board)
        m_board->setMode(TK_IBOARD_ENUM::RegularTriangleMode);
}

void IBoardService::selectFigureMode21()
{
    if (m_board)
        m_board->setMode(TK_IBOARD_ENUM::RectangleMode);
}

void IBoardService::selectFigureMode(int mode)
{
    // Only figure tools: a stray number must not turn a shape button into the eraser.
    if (m_board && dynamic_cast<IFigureTool*>(m_board->modeManager()->modeFor(mode)))
        m_board->setMode(mode);
}

bool IBoardService::onBoardPopup(const QPoint& globalPos) const
{
    // A drop-down list is open: the press chooses from it or closes it.
    if (QApplication::activePopupWidget())
        return true;
    // The board's own pop-ups (the text toolbar and its colours, the element
    // frame) follow what they serve, up to the screen's edges.
    for (QWidget* up = QApplication::widgetAt(globalPos); up; up = up->parentWidget()) {
        if (up == m_board->viewport())
            return false;
        if (up->parentWidget() == m_board)
            return true;
    }
    return false;
}

bool IBoardService::handleGlobalPress(const QPoint& globalPos)
{
    if (!m_board)
        return true;
    const int mode = m_board->currentModeType();
    if (mode != TK_IBOARD_ENUM::SelectorMode && mode != TK_IBOARD_ENUM::TextMode)
        return true;
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return true;
    // The tool bars sit along the screen's edges; presses there are not "away".
    const double s = scaleFactors().uniform;
    const QRect area = screen->availableGeometry();
    const QRectF working(area.left() + 200 * s, area.top() + 40 * s, area.width() - 260 * s,
                         area.height() - 140 * s);
    if (working.contains(globalPos) || onBoardPopup(globalPos))
        return true;
    if (mode == TK_IBOARD_ENUM::TextMode) {
        m_board->setMode(TK_IBOARD_ENUM::SelectorMode);
        emit sgToolSelectionCleared();
        qDebug() << "text edit end!";
        return false;
    }
    m_board->hideSelection();
    return false;
}
