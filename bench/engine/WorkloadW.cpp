#include "WorkloadW.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace enginebench {

namespace {

// A small fixed generator, so that every run mixes the same pattern.
class Random {
public:
    explicit Random(uint64_t seed) : m_state(seed) {}
    double next() {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<double>(m_state >> 11) / 9007199254740992.0;
    }

private:
    uint64_t m_state;
};

// Lane i: a decaying sound 0.3..1.5 s long of one of four kinds.
std::vector<float> synthesize(int lane, Random& random) {
    const double seconds = 0.3 + 0.2 * (lane % 7);
    const auto frames = static_cast<uint64_t>(seconds * kRate);
    const double pitch = 80.0 * (1 + lane);
    std::vector<float> lr(frames * 2);
    for (uint64_t f = 0; f < frames; ++f) {
        const double t = double(f) / kRate;
        const double decay = std::exp(-4.0 * t / seconds);
        double v = 0;
        switch (lane % 4) {
        case 0:
            v = std::sin(2 * M_PI * pitch * (1 - 0.5 * t / seconds) * t);
            break;
        case 1:
            v = random.next() * 2 - 1;
            break;
        case 2:
            v = std::sin(2 * M_PI * pitch * t) > 0 ? 0.5 : -0.5;
            break;
        default:
            v = std::sin(2 * M_PI * pitch * t) * 0.7 + std::sin(2 * M_PI * pitch * 1.5 * t) * 0.3;
        }
        const auto sample = static_cast<float>(std::round(0.6 * v * decay * 32767) / 32768);
        lr[2 * f] = sample;
        lr[2 * f + 1] = sample * (lane % 2 ? 0.8f : 1.0f);
    }
    return lr;
}

void writeWav(const std::string& path, const std::vector<float>& lr) {
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* sf = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!sf)
        throw std::runtime_error("cannot write " + path);
    // libsndfile scales float by 32767 on writing; hand it exact 16-bit values instead.
    std::vector<short> pcm(lr.size());
    std::transform(lr.begin(), lr.end(), pcm.begin(),
                   [](float v) { return static_cast<short>(std::lround(v * 32768)); });
    sf_writef_short(sf, pcm.data(), static_cast<sf_count_t>(lr.size() / 2));
    sf_close(sf);
}

} // namespace

Workload makeWorkload(const std::string& folder) {
    Workload w;
    Random random(1234);
    uint64_t longest = 0;
    for (int i = 0; i < kLanes; ++i) {
        Lane lane;
        lane.path = folder + "/lane" + std::to_string(i) + ".wav";
        lane.lr = synthesize(i, random);
        lane.pan = static_cast<float>(random.next() * 1.6 - 0.8);
        writeWav(lane.path, lane.lr);
        longest = std::max<uint64_t>(longest, lane.lr.size() / 2);
        w.lanes.push_back(std::move(lane));
    }
    struct Cell {
        int lane;
        int step;
        float velocity;
    };
    const float velocities[3] = {0.6f, 0.8f, 1.0f};
    std::vector<Cell> pattern;
    for (int lane = 0; lane < kLanes; ++lane) {
        for (int step = 0; step < kSteps; ++step) {
            if (random.next() < 0.4)
                pattern.push_back(Cell{lane, step, velocities[int(random.next() * 3)]});
        }
    }
    for (int r = 0; r < kRepeats; ++r) {
        for (const Cell& cell : pattern) {
            const uint64_t k = uint64_t(r) * kSteps + uint64_t(cell.step);
            w.onsets.push_back(Onset{cell.lane, (k * 11025 + 1) / 2, cell.velocity});
        }
    }
    w.frames = (uint64_t(kSteps) * kRepeats * 11025 + 1) / 2 + longest;
    return w;
}

} // namespace enginebench
