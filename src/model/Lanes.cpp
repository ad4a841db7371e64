// Adding and finding lanes.
#include "model/Lanes.h"

#include "model/Arrangement.h"
#include "model/ListMove.h"

#include <algorithm>

TLane::TLane(Arrangement& arrangement, int32_t position, long double hue, bool hueAuto)
    : m_piece(TPiece::Kind::Lane, arrangement.lanes, &arrangement.plan.Master, this, hue, hueAuto),
      m_position(position) {}

TLane& TTheLanes::Add(int32_t position, long double hue, bool hueAuto) {
    MixerLock lock(m_arrangement.audio);
    m_lanes.push_back(std::make_unique<TLane>(m_arrangement, position, hue, hueAuto));
    TLane& lane = *m_lanes.back();
    m_firstAtPosition.emplace(position, &lane);
    return lane;
}

int TTheLanes::IndexOf(const TLane& lane) const {
    const auto found = std::find_if(m_lanes.begin(), m_lanes.end(), [&](const auto& candidate) {
        return candidate.get() == &lane;
    });
    return found == m_lanes.end() ? -1 : static_cast<int>(found - m_lanes.begin());
}

TLane* TTheLanes::AtPosition(int32_t position) const {
    const auto found = m_firstAtPosition.find(position);
    return found == m_firstAtPosition.end() ? nullptr : found->second;
}

TLane* TTheLanes::AtRow(int32_t row) const {
    const int64_t position = int64_t{row} - m_arrangement.room.OffsetY;
    if (position < INT32_MIN || position > INT32_MAX)
        return nullptr;
    return AtPosition(static_cast<int32_t>(position));
}

int32_t TTheLanes::RowAtPixel(int32_t y, int32_t stripTop) const {
    // div rounds towards zero, as everywhere in the room's geometry.
    const int64_t row = (int64_t{y} - stripTop) / kCellPixels - m_arrangement.room.OffsetY;
    return static_cast<int32_t>(std::clamp<int64_t>(row, INT32_MIN, INT32_MAX));
}

void TTheLanes::SetHue(TLane& lane, bool automatic, long double hue) {
    lane.Piece().SetHue(hue, automatic);
}

void TTheLanes::RemoveAll() {
    MixerLock lock(m_arrangement.audio);
    for (auto& lane : m_lanes) {
        for (TBall* ball : lane->LaneBalls)
            m_arrangement.balls.SetLane(*ball, nullptr);
        release(lane);
    }
    m_lanes.clear();
    m_firstAtPosition.clear();
}

void TTheLanes::Remove(TLane& lane) {
    const int index = IndexOf(lane);
    if (index < 0)
        return;
    MixerLock lock(m_arrangement.audio);
    const int32_t position = lane.Position();
    const std::vector<TBall*> balls = std::move(lane.LaneBalls);
    release(m_lanes[index]);
    m_lanes.erase(m_lanes.begin() + index);
    reindex(position);
    TLane* heir = AtPosition(position);
    for (TBall* ball : balls)
        m_arrangement.balls.JoinLane(*ball, heir);
}

void TTheLanes::SetPosition(TLane& lane, int32_t position) {
    MixerLock lock(m_arrangement.audio);
    const int32_t old = lane.m_position;
    lane.m_position = position;
    reindex(old);
    reindex(position);
}

void TTheLanes::MoveTo(TLane& lane, int index) {
    const int from = IndexOf(lane);
    if (from < 0)
        return;
    MixerLock lock(m_arrangement.audio);
    MoveInList(m_lanes, from, index);
    // The first lane at a position is the first in list order.
    reindex(lane.Position());
}

void TTheLanes::reindex(int32_t position) {
    const auto first = std::find_if(m_lanes.begin(), m_lanes.end(), [&](const auto& lane) {
        return lane && lane->Position() == position;
    });
    if (first == m_lanes.end())
        m_firstAtPosition.erase(position);
    else
        m_firstAtPosition[position] = first->get();
}

void TTheLanes::release(std::unique_ptr<TLane>& lane) {
    // An audition of the lane plays through its piece.
    m_arrangement.audio.ReleasePiece(lane->Piece());
    lane.reset();
}
