// Slider scale, time digits, presets and Up/Down of typed values.
#include "controls/TypedValue.h"

#include <algorithm>
#include <cstdlib>
#include <span>

namespace {

constexpr int32_t kBitRates[] = {0,  8,   16,  24,  32,  40,  48,  56,  64, 80,
                                 96, 112, 128, 144, 160, 192, 224, 256, 320};
constexpr int32_t kSampleRates[] = {0,     8000,  11025, 12000, 16000,
                                    22050, 24000, 32000, 44100, 48000};

std::span<const int32_t> presetsOf(PresetSnap snap) {
    switch (snap) {
    case PresetSnap::Mp3BitRate:
        return kBitRates;
    case PresetSnap::Mp3SampleRate:
        return kSampleRates;
    case PresetSnap::None:
        break;
    }
    return {};
}

int32_t clampToInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

// What one Up or Down changes a time by, as the caret stands in minutes, seconds or milliseconds.
int64_t timeStepAt(int caret) {
    if (caret <= 2)
        return 60000;
    return caret <= 4 ? 1000 : 1;
}

} // namespace

int32_t SnapToPreset(int32_t value, PresetSnap snap) {
    const std::span<const int32_t> presets = presetsOf(snap);
    if (presets.empty())
        return value;
    for (size_t i = 0; i + 1 < presets.size(); ++i)
        if ((int64_t{presets[i]} + presets[i + 1]) / 2.0 > value)
            return presets[i];
    return presets.back();
}

int64_t TimeOfTypedDigits(int32_t digits) {
    const int64_t whole = std::llabs(int64_t{digits});
    const int64_t ms =
        whole / 100000 * 60000 + std::min<int64_t>(whole / 1000 % 100, 59) * 1000 + whole % 1000;
    return digits < 0 ? -ms : ms;
}

int32_t TypedDigitsOfTime(int64_t milliseconds) {
    const int64_t whole = std::llabs(milliseconds);
    const int64_t minutes = std::min<int64_t>(whole / 60000, 99);
    const int64_t digits = minutes * 100000 + whole / 1000 % 60 * 1000 + whole % 1000;
    return static_cast<int32_t>(milliseconds < 0 ? -digits : digits);
}

int SliderPositionOf(int32_t value, const TypedRange& range) {
    const int64_t step = std::max(range.step, 1);
    const int64_t offset = range.timeEntry ? TimeOfTypedDigits(value) : int64_t{value} - range.base;
    return static_cast<int>(std::clamp<int64_t>(offset / step, 0, kSliderPositions));
}

int32_t ValueAtSlider(int position, const TypedRange& range) {
    const int64_t scaled = int64_t{position} * range.step + range.base;
    if (range.timeEntry)
        return std::min(range.max, TypedDigitsOfTime(scaled));
    return SnapToPreset(std::min(range.max, clampToInt32(scaled)), range.snap);
}

int32_t StepTypedValue(int32_t value, int direction, int caret, const TypedRange& range) {
    const bool up = direction > 0;
    if (up ? value >= range.max : value <= range.min)
        return range.wrap ? (up ? range.min : range.max) : value;
    if (!range.timeEntry)
        return up ? value + 1 : value - 1;
    const int64_t ms = TimeOfTypedDigits(value) + (up ? 1 : -1) * timeStepAt(caret);
    const int32_t digits = TypedDigitsOfTime(ms);
    return up ? std::min(range.max, digits) : std::max(range.min, digits);
}
