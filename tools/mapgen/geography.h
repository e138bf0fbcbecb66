#pragma once

#include "map_specs.h"

#include <QPainterPath>
#include <QPolygonF>

namespace mapgen {

double distanceToSegment(QPointF p, QPointF a, QPointF b);
double distanceToPolyline(QPointF p, const QPolygonF &line);

// The water and the shape of the land of one picture, worked out once and
// shared by the terrain, the roads and the labels.
class Geography {
public:
    explicit Geography(const MapSpec &spec, QList<QPointF> islands);

    struct RiverCourse {
        QPolygonF line; // source first, densely sampled, meandering
        double width;
    };

    const QList<RiverCourse> &rivers() const { return rivers_; }
    const QList<QPainterPath> &lakes() const { return lakes_; }

    // Positive inside water (sea or lake), roughly in pixels; islands kept dry.
    double waterDepth(double x, double y) const;
    bool isWater(double x, double y) const { return waterDepth(x, y) > 0; }
    double seaDepth(double x, double y) const;
    // Distance to the nearest river, capped at riverReach.
    double distanceToRiver(double x, double y) const;
    static constexpr double riverReach = 90.0;

private:
    double islandLift(double x, double y) const;

    const MapSpec &spec_;
    QList<QPointF> islands_;
    QList<RiverCourse> rivers_;
    QList<QPainterPath> lakes_;
    QList<QRectF> riverBounds_;
};

} // namespace mapgen
