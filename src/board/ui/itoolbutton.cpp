// Button of the board's pop-up panels.
#include "board/ui/itoolbutton.h"

#include "iglobals.h"

namespace {

// The toolbars' face: light text on the dark panel, orange when hovered or chosen.
const char* const kButtonStyle =
    "QToolButton{background-color:transparent;border:none;padding:0px;color:rgb(224,224,224);%1}"
    "QToolButton:hover{background-color:rgba(255,255,255,28);color:rgb(235,120,7);}"
    "QToolButton:pressed,QToolButton:checked{background-color:rgba(235,120,7,56);color:rgb(235,120,7);}";

} // namespace

IToolButton::IToolButton(const QVariant& value, QWidget* parent)
    : QToolButton(parent)
    , m_value(value)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QToolButton::clicked, this, [this](bool checked) { emit sgButtonClick(checked, m_value); });
    refreshStyle();
}

QVariant IToolButton::value() const
{
    return m_value;
}

void IToolButton::setValue(const QVariant& value)
{
    m_value = value;
}

IToolButton::Corners IToolButton::corners() const
{
    return m_corners;
}

void IToolButton::setCorners(Corners corners)
{
    m_corners = corners;
    refreshStyle();
}

int IToolButton::radius() const
{
    return m_radius;
}

void IToolButton::setRadius(int radius)
{
    m_radius = radius;
    refreshStyle();
}

QString IToolButton::cornerRadii() const
{
    const int r = scaledPixels(m_radius);
    const auto radius = [this, r](Corner corner) { return m_corners.testFlag(corner) ? r : 0; };
    return QStringLiteral("border-top-left-radius:%1px;border-top-right-radius:%2px;"
                          "border-bottom-left-radius:%3px;border-bottom-right-radius:%4px;")
        .arg(radius(TopLeft))
        .arg(radius(TopRight))
        .arg(radius(BottomLeft))
        .arg(radius(BottomRight));
}

QString IToolButton::buttonStyleSheet() const
{
    return QString::fromLatin1(kButtonStyle).arg(cornerRadii());
}

void IToolButton::refreshStyle()
{
    setStyleSheet(buttonStyleSheet());
}
