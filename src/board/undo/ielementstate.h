// What a user can change about an element that stays on its slide: its
// place, scale and turn, its lock, what the point eraser took from a path
// drawing, and a text's content and look. Taken before and after a change,
// it lets an undo step put either back.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRegion>
#include <QString>
#include <QTransform>
#include <QVector>

class IElement;

class IElementState
{
public:
    IElementState() = default;

    // An element held by the element frame is taken as it will be once the
    // frame lets it go, which is how the slide sees it after every step.
    static IElementState of(const IElement* element);
    void applyTo(IElement* element) const;

    bool operator==(const IElementState& other) const;
    bool operator!=(const IElementState& other) const { return !(*this == other); }

    bool hasText() const { return m_isText && !m_placeholderShown && !m_plainEmpty; }

private:
    QPointF m_pos;
    QTransform m_transform;
    double m_rotation = 0;
    double m_scale = 1;
    QPointF m_origin;
    bool m_locked = false;

    bool m_isPath = false;
    QRegion m_eraseRegion;
    QVector<QPointF> m_erasePoints;

    bool m_isText = false;
    QString m_html;
    QFont m_font;
    QFont m_rememberedFont;
    QColor m_textColor;
    double m_textWidth = -1;
    double m_boxHeight = -1;
    bool m_placeholderShown = false;
    bool m_plainEmpty = true;
};
