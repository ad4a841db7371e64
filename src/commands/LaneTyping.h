// A lane's loudness, pan or hue typed into the watch.
#pragma once

#include <cstdint>
#include <functional>

class Arrangement;
class TLane;
class TWatchTyper;

// Draws the lane's row again once its hue changed.
using LaneRedraw = std::function<void(const TLane&)>;

// Each starts the typer on the lane's value and records the change code (113 loudness, 114 pan,
// 317 hue) when a committed value changed it. Loudness and pan follow every change of the typed
// value at once (the sounding channels too) and cancelling puts them back; the hue is taken
// when committed. The lane is found again by its row each time, so a lane that went meanwhile
// takes nothing. False when the typer is busy. UI thread only.
bool TypeLaneLoudness(Arrangement& arrangement, TWatchTyper& typer, const TLane& lane);
bool TypeLanePan(Arrangement& arrangement, TWatchTyper& typer, const TLane& lane);
bool TypeLaneHue(Arrangement& arrangement, TWatchTyper& typer, const TLane& lane,
                 LaneRedraw redraw);
