// The arithmetic of a value typed into the watch: its range, its slider scale, time entries and
// the preset values the two MP3 entries snap to.
#pragma once

#include <cstdint>

// Entries whose slider snaps to the values an MP3 encoder offers.
enum class PresetSnap { None, Mp3BitRate, Mp3SampleRate };

struct TypedRange {
    int32_t min = 0;
    int32_t max = 0;
    int32_t base = 0; // the value at slider position 0
    int32_t step = 1; // the value of one slider position (> 0)
    // The value's digits are minutes (2), seconds (2) and milliseconds (3): 105250 is 1:05.250.
    bool timeEntry = false;
    bool wrap = false; // Up at the maximum goes to the minimum, Down at the minimum to the maximum
    PresetSnap snap = PresetSnap::None;
};

constexpr int kSliderPositions = 100;

// The first preset whose midpoint with the next one exceeds the value, else the last preset.
int32_t SnapToPreset(int32_t value, PresetSnap snap);

// The milliseconds that typed time digits stand for (seconds above 59 count as 59).
int64_t TimeOfTypedDigits(int32_t digits);
// The typed digits of a time; minutes beyond two places are capped.
int32_t TypedDigitsOfTime(int64_t milliseconds);

// The slider position (0 .. 100) that shows a typed value.
int SliderPositionOf(int32_t value, const TypedRange& range);
// The typed value a slider position gives: position x step + base, at most the maximum,
// snapped to the entry's presets.
int32_t ValueAtSlider(int position, const TypedRange& range);

// Up (+1) or Down (-1) from a value: by one, or for a time entry by a minute, a second or a
// millisecond as the caret (place 1 .. 7) stands; bounded by the range, or wrapping round.
int32_t StepTypedValue(int32_t value, int direction, int caret, const TypedRange& range);
