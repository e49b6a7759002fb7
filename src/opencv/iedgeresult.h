// The document outline found in a camera frame: tilt angle and four corners.
#pragma once

#include <QMetaType>
#include <QPolygonF>

struct IEdgeResult
{
    // Degrees. For a detected page it lies in [-90, 0): the page's
    // counter-clockwise tilt as seen on screen, reduced modulo 90 (an upright
    // page gives -90, a page turned 10 degrees clockwise gives -10). -1 means
    // nothing has been detected yet; the blank-frame answer uses 0.
    double angle = -1.0;
    // Picture pixels. For a detected page: the box corners in the order
    // first, second, fourth, third, so that corners[0]->corners[1] and
    // corners[0]->corners[2] are two adjacent sides.
    QPolygonF corners;
};

Q_DECLARE_METATYPE(IEdgeResult)
