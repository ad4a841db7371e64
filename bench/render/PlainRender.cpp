// The limit a render approaches: workload W mixed by a plain loop over samples held in memory,
// placed and weighted as glorinbax places them (each sound enters with a one-frame fade-in, so
// its first frame is silent), written as a 16-bit stereo WAV file.
// Usage: render_plain_loop PLAN.txt OUT.wav
// PLAN.txt holds "L lane path gain pan" and "N lane step velocity" lines after a header line
// "# bpm B steps_per_beat S pattern_steps P repeats R"; the pattern plays R times.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kRate = 44100;

struct Sound {
    std::vector<float> frames; // interleaved stereo
};

struct Lane {
    Sound sound;
    float gain = 1;
    float pan = 0;
};

struct Hit {
    int lane;
    int64_t step;
    float velocity;
};

uint32_t read32(const unsigned char* at) {
    return at[0] | at[1] << 8 | at[2] << 16 | static_cast<uint32_t>(at[3]) << 24;
}

// A 16-bit stereo WAV file's samples as floats.
Sound loadWav(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), {});
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0)
        throw std::runtime_error("not a WAV file: " + path);
    size_t at = 12;
    unsigned tracks = 0, bits = 0;
    while (at + 8 <= bytes.size()) {
        const uint32_t size = read32(&bytes[at + 4]);
        const unsigned char* body = &bytes[at + 8];
        if (std::memcmp(&bytes[at], "fmt ", 4) == 0) {
            tracks = body[2] | body[3] << 8;
            bits = body[14] | body[15] << 8;
        } else if (std::memcmp(&bytes[at], "data", 4) == 0) {
            if (tracks != 2 || bits != 16)
                throw std::runtime_error("not 16-bit stereo: " + path);
            const size_t samples = std::min<size_t>(size, bytes.size() - at - 8) / 2;
            Sound sound;
            sound.frames.resize(samples);
            for (size_t i = 0; i < samples; ++i)
                sound.frames[i] =
                    static_cast<int16_t>(body[2 * i] | body[2 * i + 1] << 8) / 32768.0f;
            return sound;
        }
        at += 8 + size + (size & 1);
    }
    throw std::runtime_error("no data in " + path);
}

void put32(std::vector<char>& out, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>(value >> (8 * i)));
}

void put16(std::vector<char>& out, uint16_t value) {
    out.push_back(static_cast<char>(value));
    out.push_back(static_cast<char>(value >> 8));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PLAN.txt OUT.wav\n", argv[0]);
        return 2;
    }
    try {
        std::ifstream plan(argv[1]);
        std::map<std::string, double> header{
            {"bpm", 120}, {"steps_per_beat", 4}, {"pattern_steps", 64}, {"repeats", 30}};
        std::vector<Lane> lanes;
        std::vector<Hit> hits;
        for (std::string line; std::getline(plan, line);) {
            std::istringstream words(line);
            std::string tag;
            words >> tag;
            if (tag == "#") {
                for (std::string key; words >> key;)
                    words >> header[key];
            } else if (tag == "L") {
                size_t index = 0;
                std::string path;
                Lane lane;
                words >> index >> path >> lane.gain >> lane.pan;
                lane.sound = loadWav(path);
                lanes.resize(std::max(lanes.size(), index + 1));
                lanes[index] = std::move(lane);
            } else if (tag == "N") {
                Hit hit{};
                words >> hit.lane >> hit.step >> hit.velocity;
                hits.push_back(hit);
            }
        }
        // Steps start at whole elements (four a frame); a half frame falls to the frame before.
        const double elementsPerStep = 60.0 / header["bpm"] / header["steps_per_beat"] * kRate * 4;
        const auto patternSteps = static_cast<int64_t>(header["pattern_steps"]);
        const auto repeats = static_cast<int64_t>(header["repeats"]);
        const auto onset = [&](int64_t step) {
            return static_cast<size_t>(std::nearbyint(step * elementsPerStep)) / 4;
        };
        // The render ends where its last sound does.
        size_t frames = 0;
        for (const Hit& hit : hits)
            frames = std::max(frames,
                              onset(hit.step + patternSteps * (repeats - 1)) +
                                  lanes.at(static_cast<size_t>(hit.lane)).sound.frames.size() / 2);

        std::vector<float> mix(2 * frames, 0.0f);
        for (int64_t r = 0; r < repeats; ++r) {
            for (const Hit& hit : hits) {
                const Lane& lane = lanes.at(static_cast<size_t>(hit.lane));
                const float left = lane.gain * hit.velocity * std::min(1.0f, 1 - lane.pan);
                const float right = lane.gain * hit.velocity * std::min(1.0f, 1 + lane.pan);
                float* out = &mix[2 * onset(hit.step + patternSteps * r)];
                const std::vector<float>& in = lane.sound.frames;
                for (size_t i = 2; i < in.size(); i += 2) {
                    out[i] += in[i] * left;
                    out[i + 1] += in[i + 1] * right;
                }
            }
        }
        std::vector<char> file;
        file.reserve(44 + mix.size() * 2);
        const auto dataBytes = static_cast<uint32_t>(mix.size() * 2);
        file.insert(file.end(), {'R', 'I', 'F', 'F'});
        put32(file, 36 + dataBytes);
        for (char c : std::string("WAVEfmt "))
            file.push_back(c);
        put32(file, 16);
        put16(file, 1);
        put16(file, 2);
        put32(file, kRate);
        put32(file, kRate * 4);
        put16(file, 4);
        put16(file, 16);
        file.insert(file.end(), {'d', 'a', 't', 'a'});
        put32(file, dataBytes);
        const size_t at = file.size();
        file.resize(at + mix.size() * 2);
        for (size_t i = 0; i < mix.size(); ++i) {
            const float scaled = std::clamp(mix[i] * 32768.0f, -32768.0f, 32767.0f);
            const auto sample = static_cast<uint16_t>(static_cast<int16_t>(std::lrint(scaled)));
            file[at + 2 * i] = static_cast<char>(sample);
            file[at + 2 * i + 1] = static_cast<char>(sample >> 8);
        }
        FILE* out = std::fopen(argv[2], "wb");
        if (!out || std::fwrite(file.data(), 1, file.size(), out) != file.size() ||
            std::fclose(out) != 0) {
            std::perror(argv[2]);
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
