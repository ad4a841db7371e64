// Where a wheel turn over the window goes, and how much loudness a turn is worth.
#pragma once

#include <QPoint>

class TTheInterior;

enum class WheelTarget { Watch, Slider, Room, Elsewhere };

// The visible watch, then the visible slider, then the room with the ruler and the lane strip;
// anywhere else the turn changes the master loudness.
WheelTarget WheelTargetAt(const TTheInterior& interior, QPoint at);

// A twentieth of full loudness per notch of the wheel (120 eighths of a degree); finer wheels
// and touchpads give their share of it.
long double WheelLoudnessStep(int angleDelta);
