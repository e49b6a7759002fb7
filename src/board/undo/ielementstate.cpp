// What an undo step puts back about an element.
#include "board/undo/ielementstate.h"

#include "board/item/frameinternalitemgroup.h"
#include "board/item/ielement.h"
#include "board/item/itextelement.h"
#include "board/path/ipathelement.h"

#include <QGraphicsItem>
#include <QGraphicsTransform>
#include <QMatrix4x4>

namespace {

// The arithmetic of QGraphicsItemGroup::removeFromGroup for a group at the
// top of its scene, so that a step taken while the frame holds the element
// matches, to the last bit, what the element shows once it is let go.
void releasedGeometry(const QGraphicsItem* item, QPointF* pos, QTransform* transform)
{
    QTransform t = item->sceneTransform();
    *pos = item->mapToScene(QPointF(0, 0));
    if (!pos->isNull())
        t *= QTransform::fromTranslate(-pos->x(), -pos->y());
    const QPointF origin = item->transformOriginPoint();
    QMatrix4x4 m;
    const QList<QGraphicsTransform*> transforms = item->transformations();
    for (QGraphicsTransform* each : transforms)
        each->applyTo(&m);
    t *= m.toTransform().inverted();
    t.translate(origin.x(), origin.y());
    t.rotate(-item->rotation());
    t.scale(1 / item->scale(), 1 / item->scale());
    t.translate(-origin.x(), -origin.y());
    *transform = t;
}

} // namespace

IElementState IElementState::of(const IElement* element)
{
    IElementState state;
    const auto* item = dynamic_cast<const QGraphicsItem*>(element);
    if (!item)
        return state;
    if (item->parentItem() && item->parentItem()->type() == FrameInternalGroupType) {
        releasedGeometry(item, &state.m_pos, &state.m_transform);
    } else {
        state.m_pos = item->pos();
        state.m_transform = item->transform();
    }
    state.m_rotation = item->rotation();
    state.m_scale = item->scale();
    state.m_origin = item->transformOriginPoint();
    state.m_locked = element->isLocked();
    if (const auto* path = dynamic_cast<const IPathElement*>(element)) {
        state.m_isPath = true;
        state.m_eraseRegion = path->eraseRegion();
        state.m_erasePoints = path->erasePoints();
    }
    if (const auto* text = dynamic_cast<const ITextElement*>(element)) {
        state.m_isText = true;
        state.m_html = text->toHtml();
        state.m_font = text->font();
        state.m_rememberedFont = text->m_rememberedFont;
        state.m_textColor = text->defaultTextColor();
        state.m_textWidth = text->textWidth();
        state.m_boxHeight = text->m_boxHeight;
        state.m_placeholderShown = text->m_placeholderShown;
        state.m_plainEmpty = text->toPlainText().isEmpty();
    }
    return state;
}

void IElementState::applyTo(IElement* element) const
{
    auto* item = dynamic_cast<QGraphicsItem*>(element);
    if (!item)
        return;
    if (auto* text = dynamic_cast<ITextElement*>(element)) {
        // The font first: the text's own formats are laid over it.
        text->setFont(m_font);
        text->setHtml(m_html);
        text->m_rememberedFont = m_rememberedFont;
        text->setDefaultTextColor(m_textColor);
        text->QGraphicsTextItem::setTextWidth(m_textWidth);
        text->prepareGeometryChange();
        text->m_boxHeight = m_boxHeight;
        text->m_placeholderShown = m_placeholderShown;
    }
    if (m_isPath) {
        if (auto* path = dynamic_cast<IPathElement*>(element)) {
            path->setEraseRegion(m_eraseRegion);
            path->setErasePoints(m_erasePoints);
        }
    }
    item->setTransformOriginPoint(m_origin);
    item->setRotation(m_rotation);
    item->setScale(m_scale);
    item->setTransform(m_transform);
    item->setPos(m_pos);
    element->setLocked(m_locked);
}

bool IElementState::operator==(const IElementState& other) const
{
    return m_pos == other.m_pos && m_transform == other.m_transform && m_rotation == other.m_rotation
        && m_scale == other.m_scale && m_origin == other.m_origin && m_locked == other.m_locked
        && m_isPath == other.m_isPath && m_eraseRegion == other.m_eraseRegion
        && m_erasePoints == other.m_erasePoints && m_isText == other.m_isText && m_html == other.m_html
        && m_font == other.m_font && m_rememberedFont == other.m_rememberedFont
        && m_textColor == other.m_textColor && m_textWidth == other.m_textWidth
        && m_boxHeight == other.m_boxHeight && m_placeholderShown == other.m_placeholderShown;
}
