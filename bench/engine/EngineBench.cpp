// Mixes workload W through the engine in decode mode and, in the same run, with a plain
// in-memory mixing loop (the limit); prints both as multiples of real time and their ratio.
// Usage: engine_bench [runs]
#include "WorkloadW.h"
#include "gbxaudio.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

using namespace enginebench;

namespace {

using Pcm = std::vector<int16_t>;

// The baseline: every onset's whole sample added into one float buffer, then 16-bit.
void mixPlain(const Workload& w, Pcm& pcm) {
    std::vector<float> mix(w.frames * 2, 0.0f);
    for (const Onset& onset : w.onsets) {
        const Lane& lane = w.lanes[onset.lane];
        const float left = lane.gain * onset.velocity * std::min(1.0f, 1 - lane.pan);
        const float right = lane.gain * onset.velocity * std::min(1.0f, 1 + lane.pan);
        float* out = &mix[onset.frame * 2];
        const float* in = lane.lr.data();
        const size_t frames = lane.lr.size() / 2;
        for (size_t i = 0; i < frames; ++i) {
            out[2 * i] += in[2 * i] * left;
            out[2 * i + 1] += in[2 * i + 1] * right;
        }
    }
    pcm.resize(mix.size());
    for (size_t i = 0; i < mix.size(); ++i)
        pcm[i] =
            static_cast<int16_t>(std::lrintf(std::clamp(mix[i] * 32768.0f, -32768.0f, 32767.0f)));
}

// The engine, as the renderer uses it: a decoding end mixer, one stream per onset added at once
// with its delay, volume and pan, then pulled to the end.
bool mixEngine(const Workload& w, Pcm& pcm) {
    constexpr DWORD kStreamFlags =
        BASS_UNICODE | BASS_STREAM_DECODE | BASS_STREAM_PRESCAN | BASS_SAMPLE_FLOAT;
    const DWORD mixer = BASS_Mixer_StreamCreate(kRate, 2, BASS_STREAM_DECODE | BASS_MIXER_END);
    std::vector<DWORD> streams;
    streams.reserve(w.onsets.size());
    for (const Onset& onset : w.onsets) {
        const Lane& lane = w.lanes[onset.lane];
        const DWORD stream = BASS_StreamCreateFile(FALSE, lane.path.c_str(), 0, 0, kStreamFlags);
        if (!stream ||
            !BASS_ChannelSetAttribute(stream, BASS_ATTRIB_VOL, lane.gain * onset.velocity) ||
            !BASS_ChannelSetAttribute(stream, BASS_ATTRIB_PAN, lane.pan) ||
            !BASS_Mixer_StreamAddChannelEx(mixer, stream, 0, onset.frame * 4, 0))
            return false;
        streams.push_back(stream);
    }
    pcm.assign(w.frames * 2, 0);
    size_t at = 0;
    constexpr DWORD kChunk = 65536;
    while (at + kChunk / 2 <= pcm.size()) {
        const DWORD got = BASS_ChannelGetData(mixer, &pcm[at], kChunk);
        if (got == 0xFFFFFFFFu)
            break;
        at += got / 2;
    }
    pcm.resize(at);
    for (DWORD stream : streams)
        BASS_StreamFree(stream);
    BASS_StreamFree(mixer);
    return true;
}

double secondsOf(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    char folderName[] = "/tmp/gbx-engine-bench-XXXXXX";
    if (!mkdtemp(folderName)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string folder = folderName;
    const Workload w = makeWorkload(folder);
    if (!BASS_Init(0, kRate, 0, nullptr, nullptr)) {
        std::fprintf(stderr, "BASS_Init failed: %d\n", BASS_ErrorGetCode());
        return 1;
    }
    // Decoding the 16 files happens once, before anything is timed, as when a plan is loaded.
    for (const Lane& lane : w.lanes)
        BASS_StreamFree(BASS_StreamCreateFile(FALSE, lane.path.c_str(), 0, 0, BASS_STREAM_DECODE));

    // Taken in turns, so that both see the same load of a shared machine.
    Pcm plain, engine;
    bool engineOk = true;
    std::vector<double> plainTimes, engineTimes;
    for (int i = 0; i < runs; ++i) {
        plainTimes.push_back(secondsOf([&] { mixPlain(w, plain); }));
        engineTimes.push_back(secondsOf([&] { engineOk = mixEngine(w, engine) && engineOk; }));
    }
    const double plainSeconds = median(plainTimes);
    const double engineSeconds = median(engineTimes);
    BASS_Free();
    std::filesystem::remove_all(folder);
    if (!engineOk) {
        std::fprintf(stderr, "the engine refused a call: error %d\n", BASS_ErrorGetCode());
        return 1;
    }

    int worst = 0;
    for (size_t i = 0; i < std::min(plain.size(), engine.size()); ++i)
        worst = std::max(worst, std::abs(int(plain[i]) - int(engine[i])));
    std::printf("workload W: %zu onsets, %d lanes, %.0f s at %u Hz, median of %d runs\n",
                w.onsets.size(), kLanes, kSeconds, kRate, runs);
    std::printf("plain loop  %7.3f s  %7.1f x real time\n", plainSeconds, kSeconds / plainSeconds);
    std::printf("engine      %7.3f s  %7.1f x real time\n", engineSeconds,
                kSeconds / engineSeconds);
    std::printf("engine speed / plain loop speed: %.2f\n", plainSeconds / engineSeconds);
    std::printf("largest difference between the two mixes: %d LSB over %zu frames\n", worst,
                std::min(plain.size(), engine.size()) / 2);
    return 0;
}
