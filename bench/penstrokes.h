// Pen strokes for the board benchmarks, as the pen leaves them: short
// freehand lines, each with the region it may paint in.
#pragma once

#include "board/item/icapsule.h"
#include "board/path/ipencilpathelement.h"
#include "board/path/iregionaccumulator.h"

#include <QRandomGenerator>
#include <QVector>

// 21 points wandering from a random place on a full-HD board, red, 5 wide.
inline IPencilPathElement* randomPenStroke(QRandomGenerator& random)
{
    QVector<QPointF> points;
    QPointF p(random.bounded(1800.0) + 60, random.bounded(1000.0) + 40);
    points.append(p);
    IRegionAccumulator region;
    for (int i = 0; i < 20; ++i) {
        const QPointF next = p + QPointF(random.bounded(12.0) - 4, random.bounded(12.0) - 4);
        region.add(QRegion(ICapsule::capsulePolygon(QLineF(p, next), 15).toPolygon()));
        points.append(next);
        p = next;
    }
    auto* stroke = new IPencilPathElement();
    stroke->setColor(Qt::red);
    stroke->setWidth(5);
    stroke->setBaseRegion(region.region());
    stroke->addDrawPoints(points);
    return stroke;
}
