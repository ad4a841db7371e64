// Every call goes to the view when there is one, else to the answers of no mixer: nothing plays,
// nothing renders, and the last play call did not fail.
#include "app/MixerViewSlot.h"

LevelReading MixerViewSlot::MasterLevel() {
    return m_view ? m_view->MasterLevel() : LevelReading{};
}

uint32_t MixerViewSlot::LaneLevel(const TLane& lane) {
    return m_view ? m_view->LaneLevel(lane) : 0;
}

PositionReading MixerViewSlot::HeardPosition() {
    return m_view ? m_view->HeardPosition() : PositionReading{};
}

void MixerViewSlot::StreamEnded() {
    if (m_view)
        m_view->StreamEnded();
}

bool MixerViewSlot::LastPlaySucceeded() const {
    return !m_view || m_view->LastPlaySucceeded();
}

void MixerViewSlot::RestartEngine() {
    if (m_view)
        m_view->RestartEngine();
}

int MixerViewSlot::RenderCount() const {
    return m_view ? m_view->RenderCount() : 0;
}

bool MixerViewSlot::RenderActive(int index) const {
    return m_view && m_view->RenderActive(index);
}

void MixerViewSlot::RenderTick(int index) {
    if (m_view)
        m_view->RenderTick(index);
}

void MixerViewSlot::RemoveRender(int index) {
    if (m_view)
        m_view->RemoveRender(index);
}

QStringList MixerViewSlot::RenderProgress() const {
    return m_view ? m_view->RenderProgress() : QStringList();
}
