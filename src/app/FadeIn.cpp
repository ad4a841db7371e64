// Fade-in steps.
#include "app/FadeIn.h"

#include "app/WindowPeers.h"
#include "model/Arrangement.h"

#include <QTimer>

#include <cmath>

long double UsableFadeInStep(long double step) {
    return std::isnan(step) || step <= 0 ? kDefaultFadeInStep : step;
}

void FadeIn::Start(long double step) {
    m_loudness = 0;
    m_step = UsableFadeInStep(step);
    m_timer.start();
}

void FadeIn::Stop() {
    m_timer.stop();
}

bool FadeIn::Running() const {
    return m_timer.isActive();
}

void FadeIn::Tick() {
    const long double master = m_arrangement.plan.MasterLoudness.Value();
    m_loudness = std::min(m_loudness + m_step, master);
    if (m_arrangement.audio.MixerRunning())
        m_arrangement.audio.SetOutputVolume(m_loudness);
    m_peers.ShowFadeLoudness(m_loudness);
    if (m_loudness >= master)
        m_timer.stop();
}
