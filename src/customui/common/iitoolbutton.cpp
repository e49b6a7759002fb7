// Tool button of the panels and toolbars.
#include "customui/common/iitoolbutton.h"

#include "iglobals.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QTextBoundaryFinder>

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

void IIToolButton::setTwoLineLabel(bool on)
{
    if (m_twoLines == on)
        return;
    m_twoLines = on;
    updateGeometry();
    update();
}

int IIToolButton::oneLineWidth() const
{
    return qMax(fontMetrics().size(Qt::TextShowMnemonic, text()).width(), iconSize().width()) + labelMargin();
}

int IIToolButton::twoLineWidth() const
{
    return qMax(linesWidth(bestTwoLines(), fontMetrics()), iconSize().width()) + labelMargin();
}

int IIToolButton::iconOnlyWidth() const
{
    return iconSize().width() + labelMargin();
}

int IIToolButton::labelMargin() const
{
    // What the style adds around the contents, whatever the button shows now.
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.toolButtonStyle = Qt::ToolButtonTextUnderIcon;
    const QSize contents(100, 100);
    return style()->sizeFromContents(QStyle::CT_ToolButton, &option, contents, this).width() - contents.width();
}

int IIToolButton::linesWidth(const QStringList& lines, const QFontMetrics& metrics)
{
    int widest = 0;
    for (const QString& line : lines)
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return widest;
}

QStringList IIToolButton::bestTwoLines() const
{
    const QString label = text();
    const QFontMetrics metrics = fontMetrics();
    QStringList best{label};
    int bestWidth = metrics.horizontalAdvance(label);
    // Line-break opportunities: after spaces and hyphens, between CJK characters.
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, label);
    for (int at = breaks.toNextBoundary(); at > 0 && at < label.size(); at = breaks.toNextBoundary()) {
        const QStringList lines{label.left(at).trimmed(), label.mid(at).trimmed()};
        const int width = linesWidth(lines, metrics);
        if (width < bestWidth) {
            best = lines;
            bestWidth = width;
        }
    }
    return best;
}

QStringList IIToolButton::labelLines() const
{
    if (!m_twoLines || toolButtonStyle() != Qt::ToolButtonTextUnderIcon || width() >= oneLineWidth())
        return {text()};
    return bestTwoLines();
}

QSize IIToolButton::sizeHint() const
{
    QSize size = QToolButton::sizeHint();
    if (m_twoLines && toolButtonStyle() == Qt::ToolButtonTextUnderIcon)
        size.rheight() += fontMetrics().lineSpacing();
    return size;
}

void IIToolButton::paintEvent(QPaintEvent* event)
{
    const QStringList lines = labelLines();
    if (lines.size() < 2) {
        QToolButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.text = lines.join(QLatin1Char('\n'));
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
}
