// A lane's name, loudness and hue as clipboard texts, and back.
#pragma once

#include <QString>

#include <cstdint>

class Arrangement;
class TLane;

// Change codes of the pastes.
constexpr int32_t kChangeLaneNamePasted = 236;
constexpr int32_t kChangeLaneHuePasted = 311;
constexpr int32_t kChangeLaneLoudnessPasted = 355;

// UI thread only. A paste returns false, with nothing changed, for a text it cannot read.

// The text's first line (trimmed, control characters blanked) becomes the lane's name; change
// code 236. An empty line is not read.
bool PasteLaneName(Arrangement& arrangement, TLane& lane, const QString& text);

// The loudness the lane plays with, x 100 ("80" for 0.8).
QString LaneLoudnessText(const TLane& lane);
// A number not below 0, / 100, becomes the lane's loudness and its sounding channels take it;
// change code 355.
bool PasteLaneLoudness(Arrangement& arrangement, TLane& lane, const QString& text);

// The hue in degrees and its colour: "200 #5555FF".
QString LaneHueText(const TLane& lane);
// A text that begins with a hue from 0 up to 360 (the colour after it is not read) gives the
// lane that hue as its chosen one; change code 311.
bool PasteLaneHue(Arrangement& arrangement, TLane& lane, const QString& text);
