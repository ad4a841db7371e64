// Building blocks for the demo's samples: a seeded noise source, simple filters, envelopes and
// the stereo sound they are written into.
#pragma once

#include <cstdint>
#include <vector>

constexpr int kSynthRate = 44100;

struct StereoSound {
    std::vector<float> left;
    std::vector<float> right;

    explicit StereoSound(int64_t frames) : left(frames), right(frames) {}
    int64_t frames() const { return static_cast<int64_t>(left.size()); }
};

// xorshift32: the same numbers for the same seed on every machine.
class Noise {
public:
    explicit Noise(uint32_t seed) : m_state(seed == 0 ? 1u : seed) {}
    // Uniform in -1 .. 1.
    float next();

private:
    uint32_t m_state;
};

class OnePoleLowPass {
public:
    explicit OnePoleLowPass(double cutoffHz);
    float process(float in);

private:
    double m_coefficient;
    double m_state = 0;
};

// What the low-pass takes away.
class OnePoleHighPass {
public:
    explicit OnePoleHighPass(double cutoffHz) : m_lowPass(cutoffHz) {}
    float process(float in) { return in - m_lowPass.process(in); }

private:
    OnePoleLowPass m_lowPass;
};

double SecondsOf(int64_t frame);
int64_t FramesOf(double seconds);
// exp(-t / tau): the fall of a struck sound.
double Decay(double seconds, double tau);
// Equal temperament, A4 = MIDI note 69 = 440 Hz.
double NoteFrequency(int midiNote);

// Scales both sides so that the louder peak is `peak`.
void Normalise(StereoSound& sound, float peak);
// Linear ramps at both ends, so that no sample starts or stops with a click.
void FadeEdges(StereoSound& sound, double fadeInSeconds, double fadeOutSeconds);
