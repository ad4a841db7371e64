// Master level and heard position of the live mix, and the list of renders.
#include "audio/MixerViewAdapter.h"

#include "audio/AudioFaults.h"
#include "audio/BassApi.h"
#include "audio/Mingler.h"
#include "audio/MinglerHost.h"
#include "audio/Perpetuator.h"
#include "model/Arrangement.h"

#include <algorithm>

MixerViewAdapter::MixerViewAdapter(Arrangement& arrangement, TTheMingler& mingler,
                                   MinglerHost& host)
    : m_arrangement(arrangement), m_mingler(mingler), m_host(host) {}

MixerViewAdapter::~MixerViewAdapter() = default;

LevelReading MixerViewAdapter::MasterLevel() {
    DrainAudioFaults();
    const DWORD handle = m_mingler.Handle();
    if (!handle)
        return {};
    const DWORD level = Bass().BASS_ChannelGetLevel(handle);
    if (level != ~DWORD{0})
        return {LevelReading::Status::Ok, level, {}};
    if (Bass().BASS_ErrorGetCode() == BASS_ERROR_NOPLAY)
        return {};
    return {LevelReading::Status::Failed, 0, BassErrorName()};
}

uint32_t MixerViewAdapter::LaneLevel(const TLane& lane) {
    return m_mingler.Handle() ? m_mingler.LaneLevel(lane) : 0;
}

PositionReading MixerViewAdapter::HeardPosition() {
    PositionReading reading;
    reading.ok = m_mingler.HeardPosition(reading.position);
    if (!reading.ok)
        reading.errorText = m_mingler.Handle() ? BassErrorName() : QStringLiteral("no mix stream");
    return reading;
}

void MixerViewAdapter::StreamEnded() {
    m_host.StreamEnded();
}

bool MixerViewAdapter::LastPlaySucceeded() const {
    return m_mingler.Playing();
}

void MixerViewAdapter::RestartEngine() {
    m_mingler.ReinitBass(
        static_cast<uint32_t>(std::max(m_arrangement.plan.ElementRate.Value(), 0)));
}

TThePerpetuator& MixerViewAdapter::AddRender(std::unique_ptr<TThePerpetuator> render) {
    m_renders.push_back(std::move(render));
    return *m_renders.back();
}

int MixerViewAdapter::RenderCount() const {
    return static_cast<int>(m_renders.size());
}

bool MixerViewAdapter::RenderActive(int index) const {
    return m_renders.at(index)->Active();
}

void MixerViewAdapter::RenderTick(int index) {
    m_renders.at(index)->RenderTick();
}

void MixerViewAdapter::RemoveRender(int index) {
    std::unique_ptr<TThePerpetuator> gone = std::move(m_renders.at(index));
    m_renders.erase(m_renders.begin() + index);
}

QStringList MixerViewAdapter::RenderProgress() const {
    QStringList progress;
    for (const auto& render : m_renders) {
        if (render->Active())
            progress << render->Progress();
    }
    return progress;
}
