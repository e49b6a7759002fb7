// Colour swatch button of the colour panels.
#include "customui/common/iicolorbutton.h"

#include "iglobals.h"

namespace {

// The ring is faint until hovered or chosen, so that a white swatch still
// shows its edge on a white panel.
const char* const kColorStyle =
    "QToolButton{background-color:%1;border:%2px solid rgba(0,0,0,40);border-radius:%3px;}"
    "QToolButton:hover{border-color:rgb(235,120,7);}"
    "QToolButton:pressed,QToolButton:checked{border-color:rgb(235,120,7);}";

} // namespace

IIColorButton::IIColorButton(QWidget* parent)
    : IIToolButton(parent)
{
    refreshStyle();
}

IIColorButton::IIColorButton(int id, const QColor& color, QWidget* parent)
    : IIToolButton(parent)
    , m_color(color)
{
    setId(id);
    refreshStyle();
}

QColor IIColorButton::color() const
{
    return m_color;
}

void IIColorButton::setColor(const QColor& color)
{
    m_color = color;
    refreshStyle();
}

QString IIColorButton::buttonStyleSheet() const
{
    const double s = scaleFactors().uniform;
    return QString::fromLatin1(kColorStyle)
        .arg(cssColor(m_color))
        .arg(qMax(1, qRound(2 * s)))
        .arg(qRound(radius() * s));
}
