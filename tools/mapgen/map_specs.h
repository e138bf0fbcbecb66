#pragma once

#include "locator/map_views.h"

#include <QList>
#include <QPointF>
#include <QString>

#include <functional>

namespace mapgen {

inline constexpr int pictureWidth = 797;
inline constexpr int pictureHeight = 531;

enum class Corner { topLeft, bottomRight };
enum class TownKind { walled, houses };

struct Town {
    QString name;
    QPointF pos;
    TownKind kind = TownKind::walled;
};

struct Sect {
    QString name;
    QPointF pos;
};

// Where a road leaves the picture, and the place of the neighbouring region
// that lies that way.
struct Exit {
    QString name;
    QPointF edge;
};

struct Lake {
    QPointF centre;
    double rx, ry;
};

struct River {
    QList<QPointF> points; // source first
    double width;          // at the mouth
};

// A mountain chain along a polyline.
struct Ridge {
    QList<QPointF> points;
    double radius;
    double height;
};

// Overview only: a region of the world and its name.
struct Region {
    QString name;
    QList<QPointF> seeds; // a pixel belongs to the region of its nearest seed
    QPointF labelPos;     // centre of the region's name
};

struct MapSpec {
    locator::MapView view;
    std::uint32_t seed;
    QString title;
    Corner titleCorner = Corner::topLeft;
    double aridity = 0.3;     // 0 lush, 1 desert
    double aridityNorth = -1; // if set, the aridity at the top edge, blending to `aridity` at the bottom
    double cold = 0.0;        // snow on high ground
    QList<Town> towns;
    QList<Sect> sects;
    QList<Exit> exits;
    QList<Lake> lakes;
    QList<River> rivers;
    QList<Ridge> ridges;
    // How far (x, y) lies inside the sea, in pixels; negative on land.
    std::function<double(double, double)> sea;
    QList<Region> regions; // overview only
};

const MapSpec &mapSpec(locator::MapView view);

// The white label of a place on its region map: the catalogue label without
// its parenthesised level and with single spaces, and the level as a tag.
struct PlaceLabel {
    QString name;
    QString tag; // "[cấp 25]"
};
PlaceLabel placeLabel(std::u16string_view catalogueLabel);

} // namespace mapgen
