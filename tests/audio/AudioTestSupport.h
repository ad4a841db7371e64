// Helpers of the audio side's tests: the engine loaded from the program folder, sound files,
// plans to roll, and reading what came out.
#pragma once

#include "audio/BassApi.h"
#include "common/TempDir.h"
#include "model/Arrangement.h"
#include "support/Report.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace audiotest {

QString ProgramFile(const QString& name);
// Loads both engine libraries once per process; the English texts too.
void LoadEngine();

// Sample of track `track` at frame `frame`.
using SampleFunction = std::function<float(int64_t frame, int track)>;
// A 32-bit float WAV file.
void WriteWav(const QString& path, uint32_t rate, int tracks, int64_t frames,
              const SampleFunction& sample);
// Frame k of a ramp is (k + 1) / 4096: after the mix's 16-bit conversion (k + 1) x 8.
// The bytes of an Ogg Vorbis file of a quiet sine.
QByteArray OggVorbisBytes(uint32_t rate, int tracks, int64_t frames);
float Ramp(int64_t frame);
int16_t RampInMix(int64_t frame);

// The engine on the "no sound" device, the fault log and report queue in a scratch folder.
class AudioTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString file(const QString& name) const { return m_dir.file(name); }
    // Report lines and fault log lines written so far (queued sync faults drained first).
    std::vector<ReportLine> reports();
    QStringList faults();

    TempDir m_dir;
};

// An arrangement whose master piece plays everything at full loudness, centred, to the end.
// Timing: 8000 frames per second and 2000 frames (8000 elements) per step.
class PlanFixture {
public:
    explicit PlanFixture(AudioHooks& hooks = Arrangement::NoAudio());

    static constexpr int32_t kRate = 8000;
    static constexpr int64_t kStepFrames = 2000;
    static constexpr int64_t kStepElements = kStepFrames * 4;

    // A lane at `position` playing the file (added to the resources), with a pan.
    TLane& AddLane(int32_t position, const QString& soundFile, long double pan = 0);
    TBall& AddBall(int32_t x, int32_t y);
    void SetRange(int64_t startSteps, int64_t endSteps);

    Arrangement arrangement;
};

// Pulls `frames` stereo 16-bit frames from a decoding mix.
std::vector<int16_t> PullFrames(DWORD mixer, int64_t frames);
// The first frame whose left (track 0) or right (track 1) sample is not silent; -1 when none.
int64_t FirstSounding(const std::vector<int16_t>& stereo, int track, int64_t from = 0);
inline int16_t Sample(const std::vector<int16_t>& stereo, int64_t frame, int track) {
    return stereo.at(static_cast<size_t>(frame * 2 + track));
}

} // namespace audiotest
