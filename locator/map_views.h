#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace locator {

// The six map pictures, named after the picture controls that show them.
// No order among the values is meaningful; `trangchu` is the overview.
enum class MapView { trangchu, dailyphu, mongco, taytong, dongtong, kimquoc };

inline constexpr std::array<MapView, 6> allMapViews{MapView::trangchu, MapView::dailyphu, MapView::mongco,
                                                    MapView::taytong,  MapView::dongtong, MapView::kimquoc};

// The five region views, in the order the region operations are declared.
inline constexpr std::array<MapView, 5> regionViews{MapView::kimquoc, MapView::dongtong, MapView::taytong,
                                                    MapView::dailyphu, MapView::mongco};

constexpr std::string_view mapViewName(MapView view)
{
    switch (view) {
    case MapView::trangchu: return "trangchu";
    case MapView::dailyphu: return "dailyphu";
    case MapView::mongco: return "mongco";
    case MapView::taytong: return "taytong";
    case MapView::dongtong: return "dongtong";
    case MapView::kimquoc: return "kimquoc";
    }
    return {};
}

constexpr std::size_t mapViewSlot(MapView view)
{
    return static_cast<std::size_t>(view);
}

// One step of a region operation: give `picture` the visibility `visible`.
struct VisibilityAssignment {
    MapView picture;
    bool visible;
    friend constexpr bool operator==(const VisibilityAssignment &, const VisibilityAssignment &) = default;
};

using RegionOperation = std::array<VisibilityAssignment, 6>;

// The fixed sequence of a region's operation: five hides in the order
// trangchu, dailyphu, dongtong, taytong, mongco (with kimquoc standing in
// for the region itself), then the region's own show. The overview has no
// operation; asking for one gives nullptr.
const RegionOperation *regionOperation(MapView region);

// An assignment as it was applied: `changed` tells whether it flipped the
// picture's flag, so that only effective changes need a repaint.
struct AppliedAssignment {
    MapView picture;
    bool visible;
    bool changed;
    friend constexpr bool operator==(const AppliedAssignment &, const AppliedAssignment &) = default;
};

// Which pictures are visible. Outside an operation exactly one flag is set;
// inside one, the hides run before the show, so the flags are kept one by
// one rather than derived from a single value.
class ViewState {
public:
    ViewState();

    bool isVisible(MapView picture) const { return flags_[mapViewSlot(picture)]; }

    // The one visible picture. Only meaningful outside an operation, where
    // the invariant holds.
    MapView current() const;

    // Sets one flag; returns whether it changed.
    bool assign(MapView picture, bool visible);

    // Runs a region operation and reports each of its six assignments in
    // order, with whether it changed a flag.
    std::array<AppliedAssignment, 6> apply(const RegionOperation &operation);

private:
    std::array<bool, 6> flags_{};
};

} // namespace locator
