// Wheel targets by position.
#include "app/WheelRouting.h"

#include "controls/Interior.h"
#include "controls/TheSlider.h"

namespace {

bool shownAt(const TCtrl* control, QPoint at) {
    return control && control->Visible && control->BoundsRect.Contains(at.x(), at.y());
}

} // namespace

WheelTarget WheelTargetAt(const TTheInterior& interior, QPoint at) {
    if (shownAt(interior.Watch, at))
        return WheelTarget::Watch;
    if (shownAt(interior.Slider, at))
        return WheelTarget::Slider;
    for (const TCtrl* control : {interior.Room, interior.Ruler, interior.Lanes})
        if (shownAt(control, at))
            return WheelTarget::Room;
    return WheelTarget::Elsewhere;
}

long double WheelLoudnessStep(int angleDelta) {
    return TTheSlider::kLoudnessStep * angleDelta / kWheelNotch;
}
