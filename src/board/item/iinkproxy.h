// The segments of one ink stroke, known to each other while the stroke is
// drawn and erased. Segments register and leave; the last to leave deletes
// the proxy.
#pragma once

#include <QList>

class IPolygonInkElement;
class QGraphicsItemGroup;

class IInkProxy
{
public:
    IInkProxy() = default;

    QList<IPolygonInkElement*> segments() const { return m_segments; }
    // The stroke element the segments were gathered into; null while drawing.
    QGraphicsItemGroup* group() const { return m_group; }
    void setGroup(QGraphicsItemGroup* group) { m_group = group; }

private:
    friend class IPolygonInkElement;
    void add(IPolygonInkElement* segment);
    // True when no segment is left.
    bool remove(IPolygonInkElement* segment);

    QList<IPolygonInkElement*> m_segments;
    QGraphicsItemGroup* m_group = nullptr;
};
