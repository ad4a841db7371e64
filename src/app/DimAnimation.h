// The animated dim and undim of the controls: six steps of 17 between alpha 255 and 153.
#pragma once

class QTimer;
class TCtrlList;

// UI thread only.
class DimAnimation {
public:
    DimAnimation(QTimer& timer, TCtrlList& controls) : m_timer(timer), m_controls(controls) {}

    // Dimming goes down from 255; undimming goes up from 153 and at its end clears every
    // control's Dimmed flag.
    void Start(bool dim);
    // One step with a repaint of the window.
    void Tick();
    // The controls are fully dimmed.
    bool DimmedNow() const { return m_dimmedNow; }

private:
    QTimer& m_timer;
    TCtrlList& m_controls;
    int m_step = 0;
    int m_ticks = 0;
    bool m_dimmedNow = false;
};
