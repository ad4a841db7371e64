// Workload W: 16 lanes, a 64-step 16th-note pattern at 120 BPM, repeated to 240 s.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace enginebench {

constexpr uint32_t kRate = 44100;
constexpr int kLanes = 16;
constexpr int kSteps = 64;
constexpr int kRepeats = 30;
constexpr double kSeconds = kSteps * kRepeats * 0.125; // a 16th at 120 BPM lasts 1/8 s

struct Lane {
    std::string path;      // 16-bit stereo WAV
    std::vector<float> lr; // the same samples, interleaved float
    float gain = 0.2f;
    float pan = 0;
};

struct Onset {
    int lane;
    uint64_t frame; // step k starts at k x 5512.5 frames, halves rounded up
    float velocity;
};

struct Workload {
    std::vector<Lane> lanes;
    std::vector<Onset> onsets;
    uint64_t frames = 0; // the song and the longest tail after its last step
};

// Writes the lanes' samples into `folder` and lays out the onsets; the same every run.
Workload makeWorkload(const std::string& folder);

} // namespace enginebench
