// The tick's work, its fault handling and the single engine restart.
#include "app/LineTicker.h"

#include "app/WindowPeers.h"
#include "controls/LineAndPoint.h"
#include "model/AudioHooks.h"
#include "model/MixerView.h"
#include "support/FaultLog.h"
#include "support/Report.h"

#include <QTimer>

void LineTicker::Run(bool direct) {
    // A restart may open a dialog whose event loop runs timers; no tick inside a tick.
    if (m_running)
        return;
    m_running = true;
    try {
        MixerLock lock(m_parts.audio);
        m_parts.peers.PaintWatchDigits(direct);
        if (m_parts.audio.Playing() && m_parts.updateMasterMeters()) {
            m_parts.peers.UpdateLaneMeters();
            if (m_line) {
                try {
                    m_line->UpdateLine();
                } catch (const std::exception& e) {
                    GBX_FAULT_CAUGHT("TheRoom.TheLine.UpdateLine", e);
                }
            }
        }
        m_restartedAfterFault = false;
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT("LineTimer", e);
        recover(QString::fromUtf8(e.what()));
    }
    m_running = false;
}

void LineTicker::recover(const QString& fault) {
    const bool timerWasOn = m_parts.timer.isActive();
    m_parts.timer.stop();
    if (m_restartedAfterFault) {
        Report(QStringLiteral("LineTimer"), fault, true);
        return;
    }
    m_restartedAfterFault = true;
    m_parts.mixer.RestartEngine();
    if (timerWasOn && !m_parts.timer.isActive())
        m_parts.timer.start();
}
