// Dimming steps.
#include "app/DimAnimation.h"

#include "controls/ControlHost.h"
#include "controls/Ctrl.h"
#include "controls/DrawingSurfaces.h"

#include <QTimer>

namespace {
constexpr int kDimSteps = 6;
}

void DimAnimation::Start(bool dim) {
    m_controls.Surfaces.DimAlpha = dim ? kUndimmedAlpha : kDimmedAlpha;
    m_step = dim ? -kDimAlphaStep : kDimAlphaStep;
    m_dimmedNow = false;
    m_ticks = 1;
    m_timer.start();
}

void DimAnimation::Tick() {
    DrawingSurfaces& surfaces = m_controls.Surfaces;
    surfaces.DimAlpha = static_cast<uint8_t>(surfaces.DimAlpha + m_step);
    m_controls.Host.RelayoutAndRepaint(false);
    if (++m_ticks <= kDimSteps)
        return;
    m_timer.stop();
    if (m_step > 0) {
        m_dimmedNow = false;
        for (int i = 0; i < m_controls.Count(); ++i)
            m_controls.Items(i).Dimmed = false;
    } else {
        m_dimmedNow = true;
    }
}
