#pragma once

#include "geography.h"

#include <QPainter>

namespace mapgen {

struct RoadNode {
    QPointF pos;
    bool major; // towns, sect seats and the roads' exits form the main network
};

struct Road {
    QPointF from, control, to;
    bool major;
};

// Joins the main nodes with a shortest spanning network, then hangs every
// other node on its nearest joined neighbour. Crossing water costs extra, so
// roads go round lakes and along coasts where they can.
QList<Road> planRoads(const QList<RoadNode> &nodes, const Geography &geo, std::uint32_t seed);

void drawRoads(QPainter &p, const QList<Road> &roads);

} // namespace mapgen
