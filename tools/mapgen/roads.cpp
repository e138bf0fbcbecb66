#include "roads.h"

#include "noise.h"

#include <QPainterPath>

#include <cmath>

namespace mapgen {

namespace {

double cost(QPointF a, QPointF b, const Geography &geo)
{
    const double len = std::hypot(b.x() - a.x(), b.y() - a.y());
    int wet = 0;
    const int samples = 16;
    for (int i = 1; i < samples; ++i) {
        const QPointF p = a + (b - a) * (double(i) / samples);
        wet += geo.waterDepth(p.x(), p.y()) > 0;
    }
    return len * (1.0 + 4.0 * wet / samples);
}

// Prim's algorithm over `members`, each new node joined to its cheapest
// neighbour among those already in `joined`.
void grow(const QList<RoadNode> &nodes, QList<qsizetype> members, QList<qsizetype> &joined,
          const Geography &geo, QList<QPair<qsizetype, qsizetype>> &edges)
{
    if (joined.isEmpty() && !members.isEmpty())
        joined.append(members.takeFirst());
    while (!members.isEmpty()) {
        double best = 1e18;
        qsizetype bi = -1, bj = -1;
        for (qsizetype i = 0; i < members.size(); ++i)
            for (qsizetype j : joined) {
                const double c = cost(nodes[members[i]].pos, nodes[j].pos, geo);
                if (c < best) {
                    best = c;
                    bi = i;
                    bj = j;
                }
            }
        edges.append({members[bi], bj});
        joined.append(members.takeAt(bi));
    }
}

} // namespace

QList<Road> planRoads(const QList<RoadNode> &nodes, const Geography &geo, std::uint32_t seed)
{
    QList<qsizetype> major, minor, joined;
    for (qsizetype i = 0; i < nodes.size(); ++i)
        (nodes[i].major ? major : minor).append(i);
    QList<QPair<qsizetype, qsizetype>> edges;
    grow(nodes, major, joined, geo, edges);
    const qsizetype majorEdges = edges.size();
    grow(nodes, minor, joined, geo, edges);

    Rng rng(seed);
    QList<Road> roads;
    for (qsizetype e = 0; e < edges.size(); ++e) {
        const QPointF a = nodes[edges[e].first].pos, b = nodes[edges[e].second].pos;
        const QPointF mid = (a + b) / 2, d = b - a;
        const double bend = rng.uniform(-0.16, 0.16);
        roads.append({a, mid + QPointF(-d.y(), d.x()) * bend, b, e < majorEdges});
    }
    return roads;
}

void drawRoads(QPainter &p, const QList<Road> &roads)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    auto path = [](const Road &r) {
        QPainterPath path(r.from);
        path.quadTo(r.control, r.to);
        return path;
    };
    // All edges first, then all fills, so crossings and junctions merge.
    for (const Road &r : roads) {
        p.setPen(QPen(QColor(84, 62, 42, 200), r.major ? 4.6 : 3.4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path(r));
    }
    for (const Road &r : roads) {
        p.setPen(QPen(QColor(226, 204, 150), r.major ? 2.8 : 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path(r));
    }
    p.restore();
}

} // namespace mapgen
