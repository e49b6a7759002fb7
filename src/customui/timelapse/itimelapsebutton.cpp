// A square button of the time-lapse bar.
#include "customui/timelapse/itimelapsebutton.h"

#include "iglobals.h"

namespace {

// The toolbars' buttons: flat, lit orange under the mouse.
const char* const kButtonStyle =
    "QToolButton{color:rgb(224,224,224);background-color:transparent;border:none;"
    "border-radius:%1px;font-size:%2px;}"
    "QToolButton:hover{background-color:rgba(255,255,255,28);color:rgb(235,120,7);}"
    "QToolButton:pressed,QToolButton:checked{background-color:rgba(255,255,255,40);color:rgb(235,120,7);}"
    "QToolButton:disabled{color:rgb(110,110,114);}";

} // namespace

ITimelapseButton::ITimelapseButton(int id, QWidget* parent)
    : QToolButton(parent)
    , m_id(id)
{
    const double s = scaleFactors().uniform;
    const int side = qRound(45 * s);
    setFixedSize(side, side);
    setIconSize(QSize(qRound(28 * s), qRound(28 * s)));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setStyleSheet(QString::fromLatin1(kButtonStyle).arg(qRound(4 * s)).arg(qRound(16 * s)));
    connect(this, &QToolButton::clicked, this, [this] { emit sgButtonClick(m_id); });
    connect(this, &QToolButton::pressed, this, &ITimelapseButton::refreshIcon);
    connect(this, &QToolButton::released, this, &ITimelapseButton::refreshIcon);
}

void ITimelapseButton::setIcons(const QString& normalIcon, const QString& pressedIcon)
{
    m_normal = normalIcon.isEmpty() ? QIcon() : QIcon(normalIcon);
    m_pressed = pressedIcon.isEmpty() ? m_normal : QIcon(pressedIcon);
    refreshIcon();
}

void ITimelapseButton::refreshIcon()
{
    setIcon(isDown() ? m_pressed : m_normal);
}
