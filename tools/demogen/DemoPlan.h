// The demo plan: its tempo, one lane per instrument, the pattern its balls play and the
// looping range.
#pragma once

#include "demogen/DemoInstruments.h"

#include <QString>

#include <array>
#include <cstdint>

class Arrangement;

// With a frame resolution of 32 a step is a sixteenth note at kDemoMph beats a minute, and at
// 125 it is a whole number of frames, so that looped sounds stay in time.
constexpr int32_t kDemoMph = 125;
constexpr int32_t kDemoFrameResolution = 32;
constexpr int32_t kStepsPerBar = 16;
constexpr int32_t kDemoBars = 36;

int64_t DemoStepFrames();

// Fills an arrangement without lanes or balls. Each lane's sound file lasts soundFrames of its
// lane; resources are named by their bare file names and found in `folder`, beside the plan.
void BuildDemoPlan(Arrangement& arrangement, const std::array<int64_t, kDemoLaneCount>& soundFrames,
                   const QString& folder);
