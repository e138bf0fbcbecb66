#include "map_views.h"

namespace locator {

namespace {

constexpr RegionOperation makeOperation(MapView region)
{
    // The hides follow one fixed sequence; kimquoc takes the place of the
    // region whose operation this is.
    constexpr std::array<MapView, 5> hideOrder{MapView::trangchu, MapView::dailyphu, MapView::dongtong,
                                               MapView::taytong, MapView::mongco};
    RegionOperation op{};
    for (std::size_t i = 0; i < hideOrder.size(); ++i) {
        const MapView hidden = hideOrder[i] == region ? MapView::kimquoc : hideOrder[i];
        op[i] = {hidden, false};
    }
    op[5] = {region, true};
    return op;
}

constexpr std::array<RegionOperation, 6> operations{RegionOperation{}, // trangchu: never used
                                                    makeOperation(MapView::dailyphu),
                                                    makeOperation(MapView::mongco),
                                                    makeOperation(MapView::taytong),
                                                    makeOperation(MapView::dongtong),
                                                    makeOperation(MapView::kimquoc)};

} // namespace

const RegionOperation *regionOperation(MapView region)
{
    if (region == MapView::trangchu)
        return nullptr;
    return &operations[mapViewSlot(region)];
}

ViewState::ViewState()
{
    flags_[mapViewSlot(MapView::trangchu)] = true;
}

MapView ViewState::current() const
{
    for (MapView view : allMapViews)
        if (isVisible(view))
            return view;
    return MapView::trangchu;
}

bool ViewState::assign(MapView picture, bool visible)
{
    bool &flag = flags_[mapViewSlot(picture)];
    if (flag == visible)
        return false;
    flag = visible;
    return true;
}

std::array<AppliedAssignment, 6> ViewState::apply(const RegionOperation &operation)
{
    std::array<AppliedAssignment, 6> applied{};
    for (std::size_t i = 0; i < applied.size(); ++i) {
        const VisibilityAssignment step = operation[i];
        applied[i] = {step.picture, step.visible, assign(step.picture, step.visible)};
    }
    return applied;
}

} // namespace locator
