#pragma once

#include "geography.h"

#include <QImage>
#include <vector>

namespace mapgen {

// The painted ground of a picture: elevation with hill shading, the colour
// of the land by wetness and height, water, forests and mountain strokes.
class Terrain {
public:
    Terrain(const MapSpec &spec, const Geography &geo, const QList<QPointF> &mountainPlaces);

    double height(int x, int y) const { return height_[std::size_t(y) * pictureWidth + x]; }

    // Paints the ground into a new picture-sized image.
    QImage paint() const;

private:
    double aridityAt(double x, double y) const;
    void computeHeight(const QList<QPointF> &mountainPlaces);
    void paintTrees(QImage &img) const;
    void paintPeaks(QImage &img) const;

    const MapSpec &spec_;
    const Geography &geo_;
    std::vector<double> height_;
    std::vector<double> riverDist_;
};

} // namespace mapgen
