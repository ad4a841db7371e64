// Building blocks for the demo's samples.
#include "demogen/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

float Noise::next() {
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return static_cast<float>(m_state / 2147483648.0 - 1.0);
}

OnePoleLowPass::OnePoleLowPass(double cutoffHz)
    : m_coefficient(1.0 - std::exp(-2.0 * std::numbers::pi * cutoffHz / kSynthRate)) {}

float OnePoleLowPass::process(float in) {
    m_state += m_coefficient * (in - m_state);
    return static_cast<float>(m_state);
}

double SecondsOf(int64_t frame) {
    return static_cast<double>(frame) / kSynthRate;
}

int64_t FramesOf(double seconds) {
    return std::llround(seconds * kSynthRate);
}

double Decay(double seconds, double tau) {
    return std::exp(-seconds / tau);
}

double NoteFrequency(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

void Normalise(StereoSound& sound, float peak) {
    float loudest = 0;
    for (const auto* side : {&sound.left, &sound.right})
        for (float value : *side)
            loudest = std::max(loudest, std::abs(value));
    if (loudest == 0)
        return;
    const float gain = peak / loudest;
    for (auto* side : {&sound.left, &sound.right})
        for (float& value : *side)
            value *= gain;
}

void FadeEdges(StereoSound& sound, double fadeInSeconds, double fadeOutSeconds) {
    const int64_t frames = sound.frames();
    const int64_t fadeIn = std::min(FramesOf(fadeInSeconds), frames);
    const int64_t fadeOut = std::min(FramesOf(fadeOutSeconds), frames);
    for (int64_t i = 0; i < frames; ++i) {
        double gain = 1.0;
        if (i < fadeIn)
            gain = static_cast<double>(i) / fadeIn;
        if (frames - 1 - i < fadeOut)
            gain = std::min(gain, static_cast<double>(frames - 1 - i) / fadeOut);
        sound.left[i] *= static_cast<float>(gain);
        sound.right[i] *= static_cast<float>(gain);
    }
}
