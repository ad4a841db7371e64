// Where a wheel turn over the window goes, and how much loudness a turn is worth.
#pragma once

#include <QPoint>

class TTheInterior;

// One notch of a wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;

enum class WheelTarget { Watch, Slider, Room, Elsewhere };

// The visible watch, then the visible slider, then the room with the ruler and the lane strip;
// anywhere else the turn changes the master loudness.
WheelTarget WheelTargetAt(const TTheInterior& interior, QPoint at);

// The slider's loudness step per notch; finer wheels and touchpads give their share of it.
long double WheelLoudnessStep(int angleDelta);
