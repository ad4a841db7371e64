// Gathering the room's neighbours from the interior.
#include "controls/RoomNeighbours.h"

#include "controls/ControlHost.h"
#include "controls/Interior.h"

namespace {

std::optional<TRect> shownRect(const TCtrl* control) {
    if (control && control->Visible)
        return control->BoundsRect;
    return std::nullopt;
}

} // namespace

std::optional<int32_t>
RoomNeighbours::TopOfFirstCovering(int32_t x, std::initializer_list<std::optional<TRect>> order) {
    for (const std::optional<TRect>& rect : order)
        if (rect && x >= rect->Left && x < rect->Right)
            return rect->Top;
    return std::nullopt;
}

RoomNeighbours NeighboursOf(const TTheInterior& interior, const TCtrl& room) {
    RoomNeighbours n;
    n.room = room.BoundsRect;
    if (interior.Ruler) {
        n.ruler = interior.Ruler->BoundsRect;
        n.rulerShown = interior.Ruler->Visible;
    }
    n.lanesShown = interior.Lanes && interior.Lanes->Visible;
    n.laneStripLeft = n.lanesShown ? interior.Lanes->BoundsRect.Left : n.room.Left;
    n.menuTrigger = shownRect(interior.MenuTrigger);
    n.slider = shownRect(interior.Slider);
    n.carrier = shownRect(interior.Carrier);
    n.watch = shownRect(interior.Watch);
    n.fullScreen = room.List.Host.FullScreen();
    return n;
}
