#include "geography.h"

#include "noise.h"

#include <algorithm>
#include <cmath>

namespace mapgen {

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double len2 = QPointF::dotProduct(ab, ab);
    double t = len2 > 0 ? QPointF::dotProduct(p - a, ab) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

double distanceToPolyline(QPointF p, const QPolygonF &line)
{
    double best = 1e9;
    for (qsizetype i = 1; i < line.size(); ++i)
        best = std::min(best, distanceToSegment(p, line[i - 1], line[i]));
    return best;
}

namespace {

// A Catmull-Rom pass through the control points, then a sideways wobble
// from noise so that the course meanders instead of running in arcs.
QPolygonF meander(const QList<QPointF> &points, std::uint32_t seed)
{
    QPolygonF smooth;
    const qsizetype n = points.size();
    for (qsizetype i = 0; i + 1 < n; ++i) {
        const QPointF p0 = points[std::max<qsizetype>(i - 1, 0)], p1 = points[i], p2 = points[i + 1],
                      p3 = points[std::min<qsizetype>(i + 2, n - 1)];
        const int steps = std::max(4, int(std::hypot(p2.x() - p1.x(), p2.y() - p1.y()) / 4));
        for (int s = 0; s < steps; ++s) {
            const double t = double(s) / steps, t2 = t * t, t3 = t2 * t;
            smooth << 0.5 * ((2 * p1) + (-p0 + p2) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2 +
                             (-p0 + 3 * p1 - 3 * p2 + p3) * t3);
        }
    }
    smooth << points.back();
    const Noise noise(seed);
    QPolygonF out;
    double along = 0;
    for (qsizetype i = 0; i < smooth.size(); ++i) {
        const QPointF prev = smooth[std::max<qsizetype>(i - 1, 0)];
        const QPointF next = smooth[std::min<qsizetype>(i + 1, smooth.size() - 1)];
        QPointF dir = next - prev;
        const double len = std::hypot(dir.x(), dir.y());
        if (len > 0)
            dir /= len;
        if (i > 0)
            along += std::hypot(smooth[i].x() - smooth[i - 1].x(), smooth[i].y() - smooth[i - 1].y());
        // The ends stay where they were put: at a lake, the sea or the edge.
        const double fade = std::min({1.0, double(i) / 6.0, double(smooth.size() - 1 - i) / 6.0});
        const double off = (noise.fbm(along / 55.0, 0.5, 3) - 0.5) * 22.0 * fade;
        out << smooth[i] + QPointF(-dir.y(), dir.x()) * off;
    }
    return out;
}

QPainterPath lakeShape(const Lake &lake, std::uint32_t seed)
{
    const Noise noise(seed);
    QPolygonF poly;
    for (int i = 0; i < 96; ++i) {
        const double a = 2 * M_PI * i / 96.0;
        const double r = 0.82 + 0.36 * noise.fbm(std::cos(a) * 1.6 + 5, std::sin(a) * 1.6 + 5, 3);
        poly << lake.centre + QPointF(std::cos(a) * lake.rx * r, std::sin(a) * lake.ry * r);
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

} // namespace

Geography::Geography(const MapSpec &spec, QList<QPointF> islands) : spec_(spec), islands_(std::move(islands))
{
    std::uint32_t k = 0;
    for (const River &r : spec.rivers) {
        rivers_.append({meander(r.points, spec.seed + 31 * ++k), r.width});
        // Beyond this margin the distance no longer shapes the valleys, so
        // cutting it off there leaves no seam.
        riverBounds_.append(
            rivers_.back().line.boundingRect().adjusted(-riverReach, -riverReach, riverReach, riverReach));
    }
    for (const Lake &l : spec.lakes)
        lakes_.append(lakeShape(l, spec.seed + 53 * ++k));
}

double Geography::seaDepth(double x, double y) const
{
    return spec_.sea ? spec_.sea(x, y) : -1000.0;
}

double Geography::islandLift(double x, double y) const
{
    double lift = 0;
    for (const QPointF &c : islands_) {
        const double d = std::hypot(x - c.x(), y - c.y());
        lift = std::max(lift, 16.0 - d);
    }
    return lift;
}

double Geography::waterDepth(double x, double y) const
{
    double depth = seaDepth(x, y);
    for (qsizetype i = 0; i < lakes_.size(); ++i) {
        const Lake &l = spec_.lakes[i];
        if (!lakes_[i].boundingRect().adjusted(-2, -2, 2, 2).contains(QPointF(x, y)))
            continue;
        if (lakes_[i].contains(QPointF(x, y))) {
            const double e = std::hypot((x - l.centre.x()) / l.rx, (y - l.centre.y()) / l.ry);
            depth = std::max(depth, std::max(1.0, (1.0 - e) * std::min(l.rx, l.ry)));
        }
    }
    if (depth > 0)
        depth -= islandLift(x, y);
    return depth;
}

double Geography::distanceToRiver(double x, double y) const
{
    double best = riverReach;
    for (qsizetype i = 0; i < rivers_.size(); ++i) {
        if (!riverBounds_[i].contains(QPointF(x, y)))
            continue;
        best = std::min(best, distanceToPolyline({x, y}, rivers_[i].line));
    }
    return std::min(best, riverReach);
}

} // namespace mapgen
