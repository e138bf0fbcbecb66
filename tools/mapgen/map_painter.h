#pragma once

#include "map_specs.h"

#include <QImage>
#include <QStringList>

namespace mapgen {

// The families the pictures are lettered in; main() loads them from files.
struct MapFonts {
    QString sans;  // Vietnamese-complete sans serif with a bold face
    QString serif; // serif with a bold italic face
};

// Where a place's pavilion is drawn on its region map: the middle of the
// marker disc that the program puts on the place.
QPoint pavilionPoint(int left, int top);

// One whole picture, and what could not be laid out cleanly (a label that
// would cover a symbol or leave the picture).
struct MapPicture {
    QImage image;
    QStringList problems;
};
MapPicture paintMap(const MapSpec &spec, const MapFonts &fonts);

} // namespace mapgen
