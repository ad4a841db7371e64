// What the lane strip does to lanes: strike and solo, loudness and pan from the slider, hue,
// adding a lane for a sound file and splitting a lane's tracks over new lanes.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class Arrangement;
class TLane;
class TRes;
struct ResourceFolders;

// Change codes of the lane edits.
constexpr int32_t kChangeLaneAddedEmpty = 28;
constexpr int32_t kChangeLaneStruck = 84;
constexpr int32_t kChangeLaneLoudness = 113;
constexpr int32_t kChangeLanePan = 114;
constexpr int32_t kChangeLaneAdded = 252;
constexpr int32_t kChangeLaneHue = 317;

// A new lane's loudness.
constexpr long double kNewLaneLoudness = 0.8L;

// All of these run on the UI thread; what reaches the mixer holds its lock.

// Sets the struck flag; the mixer schedules the lane's balls again.
void SetLaneStruck(Arrangement& arrangement, TLane& lane, bool struck);
// The left click in the strike box: strikes or opens the lane. Change code 84.
void ToggleLaneStruck(Arrangement& arrangement, TLane& lane);
// The right click: while another lane is open, every other lane is struck; when all the others
// are struck already, they open again. Either way the lane itself ends up open. Change code 84.
void SoloLane(Arrangement& arrangement, TLane& lane);

// The slider's place for the lane's loudness (x 100) or pan (x 50 + 50): of the values the lane
// plays with, so that an unset one shows what it inherits, and clamped to 0 .. 100.
int LoudnessSliderPosition(const TLane& lane);
int PanSliderPosition(const TLane& lane);
// From a slider position 0 .. 100: loudness position / 100 (change code 113), pan
// (position x 2 - 100) / 100 (114); the channels sounding in the lane follow at once.
void SetLaneLoudnessFromSlider(Arrangement& arrangement, TLane& lane, int position);
void SetLanePanFromSlider(Arrangement& arrangement, TLane& lane, int position);
// A chosen hue min(359, (position mod 360) x 4), or an automatic one when none is given.
// Change code 317.
void SetLaneHueFromSlider(Arrangement& arrangement, TLane& lane, std::optional<int> position);

// Adds a lane at the position with an automatic hue and loudness 0.8, named after the file and
// sounding it (found in, or loaded into, the resource list). Balls already on that row join it,
// and the mixer schedules them. None, with the resource's report line, when the file cannot be
// decoded: then nothing is added (a resource made for it goes again). No change code: callers
// record their own.
TLane* AddLaneWithSoundFile(Arrangement& arrangement, int32_t position, const QString& file,
                            const ResourceFolders& folders);

// A lane without a sound file at a row that has none, with an automatic hue and loudness 0.8;
// balls already on the row join it. Change code 28. None when a lane holds the row.
TLane* AddLaneWithoutSound(Arrangement& arrangement, int32_t position);

// The lane sounds another resource; while the plan rolls its balls start again with it. No
// change code: callers record their own.
void SetLaneResource(Arrangement& arrangement, TLane& lane, TRes& resource);

// When the lane's sound has two or more tracks: the lane plays track 0 on both sides, and each
// further track t gets a new lane at the lane's position + t (unless one is there) with the
// same sound, playing track t on both sides, panned left for odd t and right for even t, with
// a ball at the column. The new lanes, in track order.
std::vector<TLane*> SplitLaneTracks(Arrangement& arrangement, TLane& lane, int32_t column);
