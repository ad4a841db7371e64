// Helpers of the engine tests: the "no sound" output, sound files, pulling data.
#pragma once

#include "common/TempDir.h"
#include "gbxaudio.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace enginetest {

// The flags the program creates decoding streams with.
constexpr DWORD kSourceFlags =
    BASS_UNICODE | BASS_STREAM_DECODE | BASS_STREAM_PRESCAN | BASS_SAMPLE_FLOAT;
constexpr DWORD kFailure = 0xFFFFFFFFu;

// Every test starts on the "no sound" device and frees the engine afterwards.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A path in this test's scratch folder.
    std::string file(const std::string& name) const;

    TempDir m_dir;
};

// Sample value of channel `chan` at frame `frame`.
using SampleFunction = std::function<float(uint64_t frame, uint32_t chan)>;

// Writes a sound file with libsndfile; `format` is an SF_FORMAT_ value (float WAV by default).
void writeSound(const std::string& path, uint32_t rate, uint32_t chans, uint64_t frames,
                const SampleFunction& sample, int format = 0);
// A float WAV whose every sample is `value`.
void writeConstant(const std::string& path, uint32_t rate, uint32_t chans, uint64_t frames,
                   float value);

// A decoding stream of the file, as the program makes them.
DWORD openSource(const std::string& path);

// Pulls `frames` float frames (fewer at the end) from a decoding channel of `chans` channels.
std::vector<float> pullFloats(DWORD channel, uint32_t chans, uint64_t frames,
                              uint32_t perCall = 4096);

// Pulls everything until the channel has ended (it must end), as raw bytes.
std::vector<uint8_t> pullAll(DWORD channel, uint32_t perCall = 65536);

} // namespace enginetest
