// The demo's instruments: one lane each, with its sound file, look and place in the mix.
#pragma once

#include "demogen/Synth.h"

#include <array>
#include <cstdint>

// Lane positions; the four bass and the four stab lanes follow the chord progression's order.
enum DemoLane : int32_t {
    kKick,
    kClap,
    kSnare,
    kClosedHat,
    kOpenHat,
    kBassA,
    kBassF,
    kBassC,
    kBassG,
    kStabAm,
    kStabF,
    kStabC,
    kStabG,
    kDemoLaneCount
};

// The progression: A minor, F, C, G, one chord a bar.
constexpr int kChordCount = 4;

struct DemoInstrument {
    const char* handle; // the lane's name
    const char* file;   // beside the plan
    long double hue;
    const char* loudness;
    const char* pan;
    // Bass notes and stabs last a number of steps, so that looping them stays in time.
    StereoSound (*make)(int64_t stepFrames);
};

// Indexed by DemoLane.
const std::array<DemoInstrument, kDemoLaneCount>& DemoInstruments();
