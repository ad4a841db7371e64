// Prints how long rolling a plan of 10,000 balls takes to arm every ball, against creating and
// adding the same 10,000 streams with plain engine calls in the same process.
#include "../common/BenchEngine.h"
#include "audio/AudioOutput.h"
#include "audio/BassApi.h"
#include "audio/Channels.h"
#include "audio/HeadlessMinglerHost.h"
#include "audio/Mingler.h"
#include "audio/MinglerHooks.h"
#include "model/Arrangement.h"

#include <QTemporaryDir>

#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSounds = 10;
constexpr int kLanes = 100;
constexpr int kBallsPerLane = 100;
constexpr int kRuns = 5;
constexpr int kRate = 44100;

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool writeSound(const QString& path, int seed) {
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* sound = sf_open(path.toLocal8Bit().constData(), SFM_WRITE, &info);
    if (!sound)
        return false;
    std::vector<float> frames(2 * kRate / 4);
    for (size_t i = 0; i < frames.size(); ++i)
        frames[i] = 0.3f * float(std::sin(double(i / 2) * 0.01 * (seed + 1)));
    sf_writef_float(sound, frames.data(), sf_count_t(frames.size() / 2));
    return sf_close(sound) == 0;
}

// The plain way: one stream a ball, added to a decoding mixer at its delay.
double plainArming(const std::vector<QString>& files, int64_t stepBytes) {
    const DWORD mixer = BassMix().BASS_Mixer_StreamCreate(kRate, 2, BASS_STREAM_DECODE);
    std::vector<DWORD> streams;
    const auto start = Clock::now();
    for (int lane = 0; lane < kLanes; ++lane) {
        const QByteArray path = files[size_t(lane % kSounds)].toUtf8();
        for (int x = 0; x < kBallsPerLane; ++x) {
            streams.push_back(Bass().BASS_StreamCreateFile(FALSE, path.constData(), 0, 0,
                                                           BASS_STREAM_DECODE | BASS_SAMPLE_FLOAT));
            BassMix().BASS_Mixer_StreamAddChannelEx(mixer, streams.back(), 0, QWORD(x * stepBytes),
                                                    0);
        }
    }
    const double took = millisecondsSince(start);
    for (DWORD stream : streams)
        Bass().BASS_StreamFree(stream);
    Bass().BASS_StreamFree(mixer);
    return took;
}

struct Measured {
    double rolled = 1e300; // best milliseconds
    double plain = 1e300;
    int32_t armed = 0;
};

// The plan and its mingler live only here, so that they go before the engine does.
Measured measure(const std::vector<QString>& files) {
    MinglerHooks hooks;
    Arrangement arrangement(hooks);
    hooks.Attach(&arrangement, nullptr, nullptr); // resources are measured as they are added
    TPiece& master = arrangement.plan.Master;
    master.Loudness.SetValue(1.0L);
    master.Pan.SetValue(0.0L);
    master.Life.SetValue(int64_t{0});
    master.ResStart.SetValue(int64_t{0});
    for (int lane = 0; lane < kLanes; ++lane) {
        arrangement.lanes.Add(lane, 20, false).Piece().Resource =
            arrangement.resources.FindOrAdd(files[size_t(lane % kSounds)], {});
        for (int x = 0; x < kBallsPerLane; ++x)
            arrangement.balls.Add(x, lane, TPiece::kNoOwnHue, false);
    }
    AudioOutput output;
    HeadlessMinglerHost host;
    TTheMingler mingler(arrangement, output, host,
                        TTheMingler::Setup{false, true, TTheMingler::Output::Decode});
    hooks.Attach(&arrangement, &mingler, &host);

    Measured measured;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = Clock::now();
        mingler.Roll(Elements{0});
        measured.rolled = std::min(measured.rolled, millisecondsSince(start));
        measured.armed = LiveChannelCount();
        mingler.Stop();
        measured.plain =
            std::min(measured.plain, plainArming(files, arrangement.plan.ElementsPerStep() / 2));
    }
    return measured;
}

} // namespace

int main() {
    QTemporaryDir dir;
    if (!StartBenchEngine(kRate))
        return 1;
    std::vector<QString> files;
    for (int s = 0; s < kSounds; ++s) {
        files.push_back(dir.filePath(QString("s%1.wav").arg(s)));
        if (!writeSound(files.back(), s))
            return 1;
    }

    const Measured measured = measure(files);
    Bass().BASS_Free();
    std::printf("%d balls on %d lanes, best of %d runs\n", kLanes * kBallsPerLane, kLanes, kRuns);
    std::printf("roll arms %d channels in %.1f ms; plain engine calls %.1f ms; ratio %.2f\n",
                measured.armed, measured.rolled, measured.plain, measured.rolled / measured.plain);
    return measured.armed == kLanes * kBallsPerLane ? 0 : 1;
}
