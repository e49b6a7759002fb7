// Typed text turned into outlines in the ink.
#include "board/path/itextpathelement.h"

#include <QBrush>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPen>
#include <QStringList>

ITextPathElement::ITextPathElement(QGraphicsItem* parent)
    : IPathElement(parent)
{
    setFlag(ItemSendsGeometryChanges);
    setFlag(ItemIsSelectable);
    setFlag(ItemIsMovable, false);
    setElementId(newElementId());
    setPathKind(TextPath);
    applyLook();
}

void ITextPathElement::setText(const QString& text)
{
    m_text = text;
    rebuild();
}

void ITextPathElement::setFont(const QFont& font)
{
    m_font = font;
    rebuild();
}

void ITextPathElement::setOrigin(const QPointF& origin)
{
    m_origin = origin;
    rebuild();
}

double ITextPathElement::lineStep() const
{
    return QFontMetricsF(m_font).height() + 1;
}

void ITextPathElement::rebuild()
{
    QPainterPath outlines;
    const QStringList lines = m_text.split(QLatin1Char('\n'));
    const double step = lineStep();
    for (int i = 0; i < lines.size(); ++i)
        outlines.addText(QPointF(m_origin.x(), m_origin.y() + i * step), m_font, lines.at(i));
    setPath(outlines);
}

void ITextPathElement::setColor(const QColor& color)
{
    IPathElement::setColor(color);
    applyLook();
}

void ITextPathElement::setAlpha(int alpha)
{
    IPathElement::setAlpha(alpha);
    applyLook();
}

void ITextPathElement::applyLook()
{
    QColor fill = color();
    fill.setAlpha(alpha());
    setPen(Qt::NoPen);
    setBrush(fill);
}

QPainterPath ITextPathElement::shape() const
{
    QPainterPath box;
    box.addRect(path().boundingRect());
    return box;
}

IElement* ITextPathElement::clone() const
{
    auto* copy = new ITextPathElement();
    copyItemParameters(copy);
    copy->setFont(m_font);
    copy->setOrigin(m_origin);
    copy->setText(m_text);
    return copy;
}
