// Drawing parameters of the board.
#include "board/iboardstate.h"

#include <algorithm>
#include <cmath>

namespace {

bool sameValue(double a, double b)
{
    return a == b || std::abs(a - b) <= 1e-12 * std::max(std::abs(a), std::abs(b));
}

bool sameSize(const QSizeF& a, const QSizeF& b)
{
    return sameValue(a.width(), b.width()) && sameValue(a.height(), b.height());
}

} // namespace

IBoardState::IBoardState(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<IBoardState::NotifyStatePropertyType>();
}

void IBoardState::setInkOpacity(int opacity)
{
    if (opacity == m_inkOpacity)
        return;
    m_inkOpacity = opacity;
    emit notifyStateChanged(InkOpacity, opacity);
}

void IBoardState::setInkColor(const QColor& color)
{
    if (color == m_inkColor)
        return;
    m_inkColor = color;
    emit notifyStateChanged(InkColor, color);
}

void IBoardState::setInkThickness(double thickness)
{
    if (sameValue(thickness, m_inkThickness))
        return;
    m_inkThickness = thickness;
    emit notifyStateChanged(InkThickness, thickness);
}

void IBoardState::setFigureForeground(const QColor& color)
{
    m_figureForeground = color;
    emit notifyStateChanged(FigureForeground, color);
}

void IBoardState::setFigureBackground(const QColor& color)
{
    m_figureBackground = color;
    emit notifyStateChanged(FigureBackground, color);
}

void IBoardState::setFigureThickness(int thickness)
{
    m_figureThickness = thickness;
    emit notifyStateChanged(FigureThickness, thickness);
}

void IBoardState::setPointEraserSize(const QSizeF& size)
{
    if (sameSize(size, m_pointEraserSize))
        return;
    m_pointEraserSize = size;
    emit notifyStateChanged(PointEraserSize, size);
}
