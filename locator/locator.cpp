#include "locator.h"

namespace locator {

const PlaceEntry *locate(int selectedIndex, LocatorTarget &target)
{
    target.showMarker();
    const PlaceEntry *place = placeAt(selectedIndex);
    if (!place)
        return nullptr;
    target.showRegion(place->region);
    target.setMarkerLeft(place->left);
    target.setMarkerTop(place->top);
    return place;
}

} // namespace locator
