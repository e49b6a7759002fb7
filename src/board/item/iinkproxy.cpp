// Segment bookkeeping of an ink stroke.
#include "board/item/iinkproxy.h"

void IInkProxy::add(IPolygonInkElement* segment)
{
    if (!m_segments.contains(segment))
        m_segments.append(segment);
}

bool IInkProxy::remove(IPolygonInkElement* segment)
{
    m_segments.removeOne(segment);
    return m_segments.isEmpty();
}
