// Rolls a 128-lane plan with a ball in every cell of a bar of 16th notes at 180 beats a minute,
// looping, on the "no sound" device (which plays in real time), and prints the CPU time of the
// engine's mixing thread as a share of one core; in the same process, the same loops mixed by a
// plain in-memory loop, and the ratio of the two.
// Usage: live_bench [seconds]   (60 unless told)
#include "../common/BenchEngine.h"
#include "audio/AudioOutput.h"
#include "audio/BassApi.h"
#include "audio/HeadlessMinglerHost.h"
#include "audio/Mingler.h"
#include "audio/MinglerHooks.h"
#include "model/Arrangement.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr int kLanes = 128;
constexpr int kSounds = 16;
constexpr int kSteps = 16;
constexpr int32_t kBeatsPerMinute = 180;
constexpr int32_t kSixteenths = 32; // frame resolution that makes a step a 16th note

// A short struck sound: decaying noise over a tone, 40 to 190 ms long.
std::vector<float> soundFrames(int index) {
    const size_t frames = size_t(kRate) * size_t(40 + 10 * index) / 1000;
    std::vector<float> lr(frames * 2);
    uint32_t noise = 0x9e3779b9u * uint32_t(index + 1);
    for (size_t f = 0; f < frames; ++f) {
        noise = noise * 1664525u + 1013904223u;
        const float decay = std::exp(-6.0f * float(f) / float(frames));
        const float tone = std::sin(float(f) * 0.02f * float(index + 1));
        const float hiss = float(int32_t(noise >> 8) - (1 << 23)) / float(1 << 23);
        lr[2 * f] = 0.2f * decay * (tone + 0.3f * hiss);
        lr[2 * f + 1] = 0.2f * decay * (tone - 0.3f * hiss);
    }
    return lr;
}

bool writeSound(const QString& path, const std::vector<float>& lr) {
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* sound = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!sound)
        return false;
    sf_writef_float(sound, lr.data(), sf_count_t(lr.size() / 2));
    return sf_close(sound) == 0;
}

double threadCpuSeconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// The CPU clock of the engine's mixing thread, found by its name.
std::optional<clockid_t> mixingThreadClock() {
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(task + QStringLiteral("/comm")));
        if (!comm.open(QIODevice::ReadOnly) || comm.readAll().trimmed() != "gbxaudio-mix")
            continue;
        // The kernel's per-thread CPU clock, as pthread_getcpuclockid makes it.
        const auto tid = clockid_t(task.toInt());
        return clockid_t((~tid) << 3) | 6;
    }
    return std::nullopt;
}

// The baseline: the same bars mixed in memory, every ball's whole sound added into a float
// buffer at its frame, for as long as the live run.
double plainMixSeconds(const std::vector<std::vector<float>>& sounds, int64_t stepFrames,
                       int seconds) {
    const int64_t barFrames = stepFrames * kSteps;
    const int64_t longest = int64_t(sounds.back().size() / 2);
    std::vector<float> mix(size_t(barFrames + longest) * 2);
    const double start = threadCpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    const int64_t bars = int64_t(seconds) * kRate / barFrames;
    float sink = 0;
    for (int64_t bar = 0; bar < bars; ++bar) {
        std::fill(mix.begin(), mix.end(), 0.0f);
        for (int lane = 0; lane < kLanes; ++lane) {
            const std::vector<float>& in = sounds[size_t(lane % kSounds)];
            const float left = 0.5f, right = 0.5f;
            for (int step = 0; step < kSteps; ++step) {
                float* out = &mix[size_t(step * stepFrames) * 2];
                for (size_t i = 0; i < in.size(); i += 2) {
                    out[i] += in[i] * left;
                    out[i + 1] += in[i + 1] * right;
                }
            }
        }
        sink += mix[size_t(bar % barFrames) * 2];
    }
    const double took = threadCpuSeconds(CLOCK_THREAD_CPUTIME_ID) - start;
    std::printf("(plain mix check value %g)\n", double(sink));
    return took;
}

struct Live {
    double cpuSeconds = 0;
    double wallSeconds = 0;
    int32_t balls = 0;
};

// The plan and its mingler live only here, so that they go before the engine does.
std::optional<Live> rollLive(const std::vector<QString>& files, int seconds) {
    MinglerHooks hooks;
    Arrangement arrangement(hooks);
    hooks.Attach(&arrangement, nullptr, nullptr);
    TThePlan& plan = arrangement.plan;
    plan.MPH.SetValue(kBeatsPerMinute);
    plan.FrameResolution.SetValue(kSixteenths);
    plan.ElementRate.SetValue(kRate);
    plan.RecomputeTiming();
    plan.Master.Loudness.SetValue(1.0L);
    plan.Master.Pan.SetValue(0.0L);
    plan.Master.Life.SetValue(int64_t{0});
    plan.Master.ResStart.SetValue(int64_t{0});
    for (int lane = 0; lane < kLanes; ++lane) {
        TLane& added = arrangement.lanes.Add(lane, 20, false);
        added.Piece().Resource = arrangement.resources.FindOrAdd(files[size_t(lane % kSounds)], {});
        added.Piece().Loudness.SetValue(0.5L);
        for (int step = 0; step < kSteps; ++step)
            arrangement.balls.Add(step, lane, TPiece::kNoOwnHue, false);
    }
    plan.Start = Elements{0};
    plan.End = plan.Timing().StartOfStep(kSteps);

    AudioOutput output;
    HeadlessMinglerHost host;
    TTheMingler mingler(arrangement, output, host,
                        TTheMingler::Setup{true, true, TTheMingler::Output::Device});
    hooks.Attach(&arrangement, &mingler, &host);
    mingler.Roll(Elements{0});
    if (!mingler.Playing())
        return std::nullopt;
    const std::optional<clockid_t> clock = mixingThreadClock();
    if (!clock)
        return std::nullopt;
    const double cpuBefore = threadCpuSeconds(*clock);
    const double wallBefore = threadCpuSeconds(CLOCK_MONOTONIC);
    QThread::sleep(static_cast<unsigned long>(seconds));
    Live live;
    live.cpuSeconds = threadCpuSeconds(*clock) - cpuBefore;
    live.wallSeconds = threadCpuSeconds(CLOCK_MONOTONIC) - wallBefore;
    live.balls = arrangement.balls.Count();
    mingler.Stop();
    return live;
}

} // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    QTemporaryDir dir;
    if (!StartBenchEngine(kRate))
        return 1;
    std::vector<QString> files;
    std::vector<std::vector<float>> sounds;
    for (int s = 0; s < kSounds; ++s) {
        sounds.push_back(soundFrames(s));
        files.push_back(dir.filePath(QString("s%1.wav").arg(s)));
        if (!writeSound(files.back(), sounds.back()))
            return 1;
    }
    const std::optional<Live> live = rollLive(files, seconds);
    Bass().BASS_Free();
    if (!live) {
        std::fprintf(stderr, "the plan did not roll, or its mixing thread was not found\n");
        return 1;
    }
    // A step is a 16th note: a quarter of a beat.
    const auto stepFrames = int64_t(std::llround(60.0 / kBeatsPerMinute / 4 * kRate));
    const double plain = plainMixSeconds(sounds, stepFrames, seconds);
    std::printf("%d balls on %d lanes, 16th notes at %d a minute, looped for %.1f s\n", live->balls,
                kLanes, kBeatsPerMinute, live->wallSeconds);
    std::printf("mixing thread: %.3f s of CPU, %.2f%% of one core\n", live->cpuSeconds,
                100.0 * live->cpuSeconds / live->wallSeconds);
    std::printf("plain in-memory mix of the same loops: %.3f s of CPU, %.2f%% of one core\n", plain,
                100.0 * plain / live->wallSeconds);
    std::printf("ratio live / plain: %.2f\n", live->cpuSeconds / plain);
    return 0;
}
