#pragma once

#include "map_views.h"

#include <array>
#include <string_view>

namespace locator {

// One place of the list: its list position, its UTF-16 label exactly as the
// list shows it, the region map that holds it, and the top-left corner of
// the marker's 65 x 65 box in window client coordinates.
struct PlaceEntry {
    int index;
    std::u16string_view label;
    MapView region;
    int left;
    int top;
};

inline constexpr int placeCount = 98;

// The places in list order: row i is list item i. The order is not sorted by
// any rule and must never be sorted.
using PlaceCatalogue = std::array<PlaceEntry, placeCount>;

const PlaceCatalogue &placeCatalogue();

// The row of a list index, or nullptr below 0 and above 97 (the list reports
// -1 when nothing is selected).
const PlaceEntry *placeAt(int index);

} // namespace locator
