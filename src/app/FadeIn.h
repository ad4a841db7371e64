// The start-up fade-in: the master loudness of the mix rises step by step to the plan's.
#pragma once

class Arrangement;
class QTimer;
class WindowPeers;

constexpr long double kDefaultFadeInStep = 0.005L;

// A step of 0 or less, or one that is not a number, would never reach the loudness and leave
// the output silent with the timer running forever: such a step is the default one.
long double UsableFadeInStep(long double step);

// UI thread only.
class FadeIn {
public:
    FadeIn(QTimer& timer, Arrangement& arrangement, WindowPeers& peers)
        : m_timer(timer), m_arrangement(arrangement), m_peers(peers) {}

    // From silence, by the step per tick of the timer.
    void Start(long double step);
    // Ends a running fade where it is (the user set the loudness).
    void Stop();
    bool Running() const;
    // One step; the timer stops once the plan's master loudness is reached.
    void Tick();
    long double FadeLoudness() const { return m_loudness; }

private:
    QTimer& m_timer;
    Arrangement& m_arrangement;
    WindowPeers& m_peers;
    long double m_loudness = 0;
    long double m_step = kDefaultFadeInStep;
};
