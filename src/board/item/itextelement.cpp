// A box of rich text on the board.
#include "board/item/itextelement.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStringList>
#include <QStyleOptionGraphicsItem>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>
#include <cmath>

namespace {

// Where a new element sits until its slide stacks it.
constexpr double kUnstackedZ = -8990001.0;
// Weights below this count as not bold.
constexpr int kBoldThreshold = 58;

// Sizes are stored in points so that they mean the same on every screen.
double screenDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

QString number(double value)
{
    return QString::number(value, 'g', 16);
}

} // namespace

ITextElement::ITextElement(QGraphicsItem* parent)
    : IAbstractGraphicsTextElement(parent)
{
    init();
}

ITextElement::ITextElement(const QString& text, QGraphicsItem* parent)
    : IAbstractGraphicsTextElement(text, parent)
{
    init();
}

void ITextElement::init()
{
    setFlag(ItemIsSelectable, true);
    setFlag(ItemAcceptsInputMethod, true);
    setAcceptedMouseButtons(Qt::LeftButton);
    setElementId(newElementId());
    setLocked(false);
    setZValue(kUnstackedZ);
    m_rememberedFont = font();
}

QRectF ITextElement::boundingRect() const
{
    if (m_boxHeight > 0) {
        const double width = textWidth() > 0 ? textWidth() : document()->size().width();
        return QRectF(0, 0, width, m_boxHeight);
    }
    return QGraphicsTextItem::boundingRect();
}

void ITextElement::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    // The board's frame shows the selection; Qt's dashed outline would double it.
    QStyleOptionGraphicsItem plain(*option);
    plain.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    QGraphicsTextItem::paint(painter, &plain, widget);
}

void ITextElement::setFontFamily(const QString& family)
{
    QFont f = font();
    f.setFamily(family);
    setFont(f);
    m_rememberedFont = f;
}

void ITextElement::setPointSize(double size)
{
    if (!(size > 0) || !std::isfinite(size))
        return;
    QFont f = font();
    f.setPointSizeF(size);
    setFont(f);
    m_rememberedFont = f;
}

void ITextElement::applyFormat(const QTextCharFormat& format, const QFont& wholeFont)
{
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection()) {
        cursor.mergeCharFormat(format);
        setTextCursor(cursor);
        return;
    }
    // Characters with a format of their own would keep it against the box's font.
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(format);
    setFont(wholeFont);
}

void ITextElement::toggleBold()
{
    setFocus(Qt::OtherFocusReason);
    const QTextCharFormat current = textCursor().charFormat();
    const int weight = current.hasProperty(QTextFormat::FontWeight) ? current.fontWeight() : font().weight();
    const int toggled = weight < kBoldThreshold ? QFont::Bold : QFont::Normal;
    QTextCharFormat format;
    format.setFontWeight(toggled);
    QFont whole = font();
    whole.setWeight(toggled);
    applyFormat(format, whole);
}

void ITextElement::toggleItalic()
{
    setFocus(Qt::OtherFocusReason);
    const QTextCharFormat current = textCursor().charFormat();
    const bool italic = current.hasProperty(QTextFormat::FontItalic) ? current.fontItalic() : font().italic();
    QTextCharFormat format;
    format.setFontItalic(!italic);
    QFont whole = font();
    whole.setItalic(!italic);
    applyFormat(format, whole);
}

void ITextElement::toggleUnderline()
{
    setFocus(Qt::OtherFocusReason);
    const QTextCharFormat current = textCursor().charFormat();
    const bool own = current.hasProperty(QTextFormat::TextUnderlineStyle)
        || current.hasProperty(QTextFormat::FontUnderline);
    const bool underline = own ? current.fontUnderline() : font().underline();
    QTextCharFormat format;
    format.setFontUnderline(!underline);
    QFont whole = font();
    whole.setUnderline(!underline);
    applyFormat(format, whole);
}

void ITextElement::setTextColor(const QColor& color)
{
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return;
    QTextCharFormat format;
    format.setForeground(color);
    cursor.mergeCharFormat(format);
    setTextCursor(cursor);
    setFocus(Qt::OtherFocusReason);
    m_lastTextColor = color;
}

void ITextElement::recolor(const QColor& color)
{
    setDefaultTextColor(color);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    if (!all.hasSelection())
        return;
    QTextCharFormat format;
    format.setForeground(color);
    all.mergeCharFormat(format);
}

double ITextElement::lineHeight() const
{
    return QFontMetricsF(font()).height();
}

void ITextElement::setTextWidth(double width)
{
    if (!std::isfinite(width))
        return;
    double wanted = std::max(width, lineHeight());
    if (toPlainText().isEmpty())
        wanted = std::max(wanted, QFontMetricsF(font()).horizontalAdvance(m_placeholderText) + 20);
    QGraphicsTextItem::setTextWidth(wanted);
}

void ITextElement::setBoxHeight(double height)
{
    if (!std::isfinite(height))
        return;
    prepareGeometryChange();
    m_boxHeight = std::max(height, lineHeight() + 2 * document()->documentMargin());
}

void ITextElement::setEditable(bool editable)
{
    setTextInteractionFlags(editable ? Qt::TextEditorInteraction : Qt::NoTextInteraction);
}

bool ITextElement::isEditing() const
{
    return (textInteractionFlags() & Qt::TextEditorInteraction) != 0;
}

bool ITextElement::hasText() const
{
    return !m_placeholderShown && !toPlainText().isEmpty();
}

void ITextElement::setPlaceholder(const QString& html, const QString& text)
{
    m_placeholderHtml = html;
    m_placeholderText = text;
}

void ITextElement::finishEditing()
{
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    setTextCursor(cursor);
    if (toPlainText().isEmpty()) {
        m_rememberedFont = font();
        setHtml(m_placeholderHtml);
        m_placeholderShown = true;
    }
    setTextWidth(document()->idealWidth());
    setEditable(false);
    setSelected(false);
}

void ITextElement::resize(double width, double height)
{
    Q_UNUSED(height)
    const double sceneWidth = sceneBoundingRect().width();
    if (!(width > 0) || !(sceneWidth > 0) || !std::isfinite(width) || width == sceneWidth)
        return;
    // A box that never had a width wraps nowhere: it scales from what it shows.
    const double current = textWidth() > 0 ? textWidth() : document()->size().width();
    setTextWidth(current + current * (width - sceneWidth) / sceneWidth);
}

QSizeF ITextElement::size() const
{
    return sceneBoundingRect().size();
}

IElement* ITextElement::clone() const
{
    auto* copy = new ITextElement;
    copyItemParameters(copy);
    return copy;
}

void ITextElement::copyItemParameters(IElement* target) const
{
    IAbstractGraphicsTextElement::copyItemParameters(target);
    auto* other = dynamic_cast<ITextElement*>(target);
    if (!other)
        return;
    // The characters keep their own colours and styles: a copy of plain text
    // would be no copy.
    other->document()->clear();
    QTextCursor(other->document()).insertFragment(QTextDocumentFragment(document()));
    other->m_placeholderShown = m_placeholderShown;
    other->setFont(font());
    other->m_rememberedFont = m_rememberedFont;
    other->setDefaultTextColor(defaultTextColor());
    if (textWidth() != -1)
        other->setTextWidth(textWidth());
    if (m_boxHeight != -1)
        other->setBoxHeight(m_boxHeight);
    other->resize(size());
    other->m_backgroundColor = QColor(255, 255, 255, 0);
    other->setRotation(rotation());
    if (rotation() == -90 || rotation() == -270) {
        if (textWidth() != -1)
            other->setTextWidth(textWidth());
        if (m_boxHeight != -1)
            other->setBoxHeight(m_boxHeight);
    }
}

QString ITextElement::sizeText() const
{
    const double dpi = screenDpi();
    const auto points = [dpi](double value) { return value * 72 / dpi; };
    // An unset width stays the mark for "unset", so that writing back what was
    // read changes nothing.
    const double width = textWidth() < 0 ? -1.0 : points(textWidth());
    const QSizeF shown = sceneBoundingRect().size();
    return QStringLiteral("%1,%2,%3,%4")
        .arg(number(width), number(m_boxHeight), number(points(shown.width())), number(points(shown.height())));
}

void ITextElement::setSizeText(const QString& text)
{
    const QStringList fields = text.split(QLatin1Char(','));
    // A missing field, like -1, leaves its value as it is.
    const double width = fields.size() > 0 ? fields.at(0).toDouble() : -1;
    const double height = fields.size() > 1 ? fields.at(1).toDouble() : -1;
    if (width != -1)
        setTextWidth(screenDpi() * width / 72);
    if (height != -1)
        setBoxHeight(height);
}

QString ITextElement::fontText() const
{
    const QFont f = font();
    return QStringLiteral("%1,%2,%3,%4").arg(f.family()).arg(f.pointSizeF()).arg(f.weight()).arg(f.italic() ? 1 : 0);
}

void ITextElement::setFontText(const QString& text)
{
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() < 4)
        return;
    QFont f(fields.at(0));
    const double size = fields.at(1).toDouble();
    if (size > 0 && std::isfinite(size))
        f.setPointSizeF(size);
    f.setWeight(std::clamp(fields.at(2).toInt(), 0, 99));
    f.setItalic(fields.at(3).toInt() != 0);
    setFont(f);
    m_rememberedFont = f;
}

void ITextElement::setProperty(int key, const QVariant& value)
{
    switch (key) {
    case HtmlKey:
        break;
    case FlagKey:
        setLocked(value.toBool());
        break;
    case FontKey:
        setFontText(value.toString());
        break;
    case SizeKey:
        setSizeText(value.toString());
        break;
    default:
        IAbstractGraphicsTextElement::setProperty(key, value);
    }
}

QVariant ITextElement::property(int key) const
{
    switch (key) {
    case HtmlKey:
        return toHtml();
    case FlagKey:
        return isLocked();
    case FontKey:
        return fontText();
    case SizeKey:
        return sizeText();
    default:
        return IAbstractGraphicsTextElement::property(key);
    }
}

void ITextElement::keyPressEvent(QKeyEvent* event)
{
    QGraphicsTextItem::keyPressEvent(event);
    emit cursorPositionChanged();
}

void ITextElement::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    QGraphicsTextItem::mousePressEvent(event);
    emit cursorPositionChanged();
}

void ITextElement::focusInEvent(QFocusEvent* event)
{
    if (m_placeholderShown) {
        setPlainText(QString());
        // The box's own font, not an explicit one per character: later size
        // and family changes must reach what is typed now.
        setFont(m_rememberedFont);
        m_placeholderShown = false;
    }
    setEditable(true);
    setSelected(true);
    QGraphicsTextItem::focusInEvent(event);
}

void ITextElement::focusOutEvent(QFocusEvent* event)
{
    // A drop-down list opening above the board takes the focus only for a moment.
    if (event->reason() == Qt::PopupFocusReason || !m_endEditEnabled) {
        QGraphicsTextItem::focusOutEvent(event);
        return;
    }
    finishEditing();
    QGraphicsTextItem::focusOutEvent(event);
    emit endEdit();
}
