// The demo's instruments: drums from noise and falling sines, bass and chord stabs from
// harmonics, each normalised and faded at its ends.
#include "demogen/DemoInstruments.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr float kPeak = 0.89f; // 1 dB below full scale

StereoSound Finished(StereoSound sound) {
    Normalise(sound, kPeak);
    FadeEdges(sound, 0.0005, 0.004);
    return sound;
}

std::vector<float> BandNoise(int64_t frames, uint32_t seed, double lowCutHz, double highCutHz) {
    Noise noise(seed);
    OnePoleHighPass lowCut(lowCutHz);
    OnePoleLowPass highCut(highCutHz);
    std::vector<float> out(frames);
    for (float& value : out)
        value = highCut.process(lowCut.process(noise.next()));
    return out;
}

StereoSound Kick(int64_t) {
    StereoSound sound(FramesOf(0.45));
    Noise noise(0x4b1c);
    OnePoleLowPass clickTone(4000);
    double phase = 0;
    for (int64_t i = 0; i < sound.frames(); ++i) {
        const double t = SecondsOf(i);
        // The pitch falls from about 160 Hz to 48 Hz in the first tens of milliseconds.
        phase += kTwoPi * (48.0 + 110.0 * Decay(t, 0.035)) / kSynthRate;
        const double body = std::sin(phase) * Decay(t, 0.28);
        const double click = clickTone.process(noise.next()) * Decay(t, 0.002);
        sound.left[i] = sound.right[i] = static_cast<float>(body + 0.5 * click);
    }
    return Finished(std::move(sound));
}

StereoSound Snare(int64_t) {
    StereoSound sound(FramesOf(0.3));
    const std::vector<float> rattle = BandNoise(sound.frames(), 0x5a4e, 1500, 9000);
    for (int64_t i = 0; i < sound.frames(); ++i) {
        const double t = SecondsOf(i);
        const double body = 0.5 * std::sin(kTwoPi * 190 * t) * Decay(t, 0.05) +
                            0.25 * std::sin(kTwoPi * 330 * t) * Decay(t, 0.03);
        sound.left[i] = sound.right[i] =
            static_cast<float>(body + 0.8 * rattle[i] * Decay(t, 0.09));
    }
    return Finished(std::move(sound));
}

// Three quick bursts and a tail; each side has its own noise, which makes the clap wide.
StereoSound Clap(int64_t) {
    StereoSound sound(FramesOf(0.4));
    const std::vector<float> left = BandNoise(sound.frames(), 0xc1a9, 900, 4000);
    const std::vector<float> right = BandNoise(sound.frames(), 0xc1aa, 900, 4000);
    for (int64_t i = 0; i < sound.frames(); ++i) {
        const double t = SecondsOf(i);
        double envelope = 0;
        for (double burst : {0.0, 0.012, 0.024})
            envelope += t >= burst ? Decay(t - burst, 0.005) : 0.0;
        envelope += t >= 0.036 ? 0.8 * Decay(t - 0.036, 0.12) : 0.0;
        sound.left[i] = static_cast<float>(left[i] * envelope);
        sound.right[i] = static_cast<float>(right[i] * envelope);
    }
    return Finished(std::move(sound));
}

StereoSound Hat(double seconds, double tau) {
    StereoSound sound(FramesOf(seconds));
    const std::vector<float> left = BandNoise(sound.frames(), 0x4a71, 7000, 16000);
    const std::vector<float> right = BandNoise(sound.frames(), 0x4a72, 7000, 16000);
    for (int64_t i = 0; i < sound.frames(); ++i) {
        const double envelope = Decay(SecondsOf(i), tau);
        sound.left[i] = static_cast<float>(left[i] * envelope);
        sound.right[i] = static_cast<float>(right[i] * envelope);
    }
    return Finished(std::move(sound));
}

// Two steps long: a note for every off-beat eighth.
StereoSound Bass(int midiNote, int64_t stepFrames) {
    StereoSound sound(2 * stepFrames);
    const double frequency = NoteFrequency(midiNote);
    for (int64_t i = 0; i < sound.frames(); ++i) {
        const double t = SecondsOf(i);
        const double phase = kTwoPi * frequency * t;
        const double wave =
            std::sin(phase) + 0.35 * std::sin(2 * phase) + 0.15 * std::sin(3 * phase);
        const double envelope = std::min(1.0, t / 0.004) * Decay(t, 0.3);
        sound.left[i] = sound.right[i] = static_cast<float>(std::tanh(1.6 * wave) * envelope);
    }
    return Finished(std::move(sound));
}

// Two steps long, so that a looping stab repeats on the eighths. The sides are detuned a little
// against each other.
StereoSound Stab(std::array<int, 3> midiNotes, int64_t stepFrames) {
    StereoSound sound(2 * stepFrames);
    for (auto [side, detune] : {std::pair{&sound.left, 0.997}, std::pair{&sound.right, 1.003}}) {
        OnePoleLowPass warmth(3500);
        for (int64_t i = 0; i < sound.frames(); ++i) {
            const double t = SecondsOf(i);
            double wave = 0;
            for (int note : midiNotes) {
                const double frequency = NoteFrequency(note) * detune;
                for (int harmonic = 1; harmonic <= 10; ++harmonic)
                    wave += std::sin(kTwoPi * frequency * harmonic * t) / harmonic;
            }
            const double envelope = std::min(1.0, t / 0.003) * Decay(t, 0.09);
            (*side)[i] = warmth.process(static_cast<float>(wave * envelope));
        }
    }
    return Finished(std::move(sound));
}

const std::array<DemoInstrument, kDemoLaneCount> kInstruments{{
    {"Kick", "kick.wav", 0, "0.7", "0", Kick},
    {"Clap", "clap.wav", 30, "0.4", "0.1", Clap},
    {"Snare", "snare.wav", 55, "0.35", "-0.1", Snare},
    {"Closed hat", "hat_closed.wav", 90, "0.25", "0.3", [](int64_t) { return Hat(0.12, 0.025); }},
    {"Open hat", "hat_open.wav", 130, "0.2", "-0.3", [](int64_t) { return Hat(0.6, 0.22); }},
    {"Bass A", "bass_a.wav", 180, "0.45", "0", [](int64_t step) { return Bass(45, step); }},
    {"Bass F", "bass_f.wav", 195, "0.45", "0", [](int64_t step) { return Bass(41, step); }},
    {"Bass C", "bass_c.wav", 210, "0.45", "0", [](int64_t step) { return Bass(48, step); }},
    {"Bass G", "bass_g.wav", 225, "0.45", "0", [](int64_t step) { return Bass(43, step); }},
    {"Stab Am", "stab_am.wav", 260, "0.25", "0",
     [](int64_t step) {
         return Stab({69, 72, 76}, step);
     }},
    {"Stab F", "stab_f.wav", 280, "0.25", "0",
     [](int64_t step) {
         return Stab({65, 69, 72}, step);
     }},
    {"Stab C", "stab_c.wav", 300, "0.25", "0",
     [](int64_t step) {
         return Stab({67, 72, 76}, step);
     }},
    {"Stab G", "stab_g.wav", 320, "0.25", "0",
     [](int64_t step) {
         return Stab({67, 71, 74}, step);
     }},
}};

} // namespace

const std::array<DemoInstrument, kDemoLaneCount>& DemoInstruments() {
    return kInstruments;
}
