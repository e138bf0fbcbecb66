#pragma once

#include "catalogue.h"

namespace locator {

// What a selection acts on: the marker and the region maps. The window
// implements it over its controls; tests record the calls.
class LocatorTarget {
public:
    virtual ~LocatorTarget() = default;
    virtual void showMarker() = 0;
    virtual void showRegion(MapView region) = 0;
    virtual void setMarkerLeft(int left) = 0;
    virtual void setMarkerTop(int top) = 0;
};

// The answer to a selected list index, in this order: the marker is shown
// whatever the index; for a row, its region is shown and the marker moved,
// left edge first, then top edge; for no row (-1 or out of range), nothing
// more. Returns the row acted on, or nullptr.
const PlaceEntry *locate(int selectedIndex, LocatorTarget &target);

} // namespace locator
