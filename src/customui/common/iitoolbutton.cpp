// Tool button of the panels and toolbars.
#include "customui/common/iitoolbutton.h"

#include "iglobals.h"

namespace {

const char* const kButtonStyle =
    "QToolButton{background-color:%1;border:none;border-radius:%3px;padding:%4px;}"
    "QToolButton:hover{background-color:%2;color:rgb(235,120,7);}"
    "QToolButton:pressed,QToolButton:checked{background-color:%2;color:rgb(235,120,7);}";

} // namespace

IIToolButton::IIToolButton(QWidget* parent)
    : QToolButton(parent)
{
    connect(this, &QToolButton::clicked, this,
            [this](bool checked) { emit sgButtonClick(checked, QVariant(m_id)); });
    connect(this, &QToolButton::pressed, this, &IIToolButton::refreshIcon);
    connect(this, &QToolButton::released, this, &IIToolButton::refreshIcon);
    connect(this, &QToolButton::toggled, this, &IIToolButton::refreshIcon);
    refreshStyle();
}

IIToolButton::IIToolButton(int id, const QString& normalIcon, const QString& pressedIcon,
                           QWidget* parent)
    : IIToolButton(parent)
{
    m_id = id;
    setIcons(normalIcon, pressedIcon);
}

int IIToolButton::id() const
{
    return m_id;
}

void IIToolButton::setId(int id)
{
    m_id = id;
}

void IIToolButton::setIcons(const QString& normalIcon, const QString& pressedIcon)
{
    m_normalIcon = normalIcon.isEmpty() ? QIcon() : QIcon(normalIcon);
    m_pressedIcon = pressedIcon.isEmpty() ? m_normalIcon : QIcon(pressedIcon);
    refreshIcon();
}

QColor IIToolButton::backgroundColor() const
{
    return m_background;
}

void IIToolButton::setBackgroundColor(const QColor& color)
{
    m_background = color;
    refreshStyle();
}

QColor IIToolButton::hoverColor() const
{
    return m_hover;
}

void IIToolButton::setHoverColor(const QColor& color)
{
    m_hover = color;
    refreshStyle();
}

int IIToolButton::radius() const
{
    return m_radius;
}

void IIToolButton::setRadius(int radius)
{
    m_radius = radius;
    refreshStyle();
}

int IIToolButton::padding() const
{
    return m_padding;
}

void IIToolButton::setPadding(int padding)
{
    m_padding = padding;
    refreshStyle();
}

QString IIToolButton::cssColor(const QColor& color)
{
    return QStringLiteral("rgba(%1,%2,%3,%4)")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue())
        .arg(color.alpha());
}

QString IIToolButton::buttonStyleSheet() const
{
    const double s = scaleFactors().uniform;
    return QString::fromLatin1(kButtonStyle)
        .arg(cssColor(m_background), cssColor(m_hover))
        .arg(qRound(m_radius * s))
        .arg(qRound(m_padding * s));
}

void IIToolButton::refreshStyle()
{
    setStyleSheet(buttonStyleSheet());
}

void IIToolButton::refreshIcon()
{
    setIcon(isDown() || isChecked() ? m_pressedIcon : m_normalIcon);
}
