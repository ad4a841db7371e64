// Adding, finding, moving and removing balls.
#include "model/Balls.h"

#include "model/Arrangement.h"
#include "model/ListMove.h"
#include "model/SliderScale.h"
#include "support/FaultLog.h"

#include <algorithm>

namespace {

void EraseFromBack(std::vector<TBall*>& balls, const TBall* ball) {
    // Removal walks from the last ball to the first, so the ball is usually near the end.
    const auto found = std::find(balls.rbegin(), balls.rend(), ball);
    if (found != balls.rend())
        balls.erase(std::next(found).base());
}

} // namespace

TBall::TBall(Arrangement& arrangement) : m_arrangement(arrangement) {}

TBall::~TBall() {
    Sound.reset(); // the channels read the values: they go first
}

TPiece& TBall::EditPiece() {
    if (EditRecorder* recorder = m_arrangement.recorder)
        recorder->BallChanging(*this);
    if (!m_piece) {
        auto piece =
            std::make_unique<TPiece>(TPiece::Kind::Ball, m_arrangement.lanes,
                                     &m_arrangement.plan.Master, nullptr, TPiece::kNoOwnHue, false);
        piece->SetBasePiece(m_lane ? &m_lane->Piece() : nullptr);
        MixerLock lock(m_arrangement.audio);
        m_piece = std::move(piece);
    }
    return *m_piece;
}

const TPiece& TBall::Values() const {
    if (m_piece)
        return *m_piece;
    return m_lane ? m_lane->Piece() : m_arrangement.plan.Master;
}

uint64_t TTheBalls::CellKey(int64_t x, int64_t y) {
    return (uint64_t{static_cast<uint32_t>(x)} << 32) | static_cast<uint32_t>(y);
}

void TTheBalls::ForgetCell(const TBall& ball) {
    const auto found = m_byCell.find(CellKey(ball.m_x, ball.m_y));
    if (found != m_byCell.end() && found->second == &ball)
        m_byCell.erase(found);
}

void TTheBalls::RememberCell(TBall& ball) {
    m_byCell.emplace(CellKey(ball.m_x, ball.m_y), &ball);
}

TBall* TTheBalls::Add(int64_t x, int64_t y, long double hue, bool hueAuto) {
    if (!InCellRange(x) || !InCellRange(y) || Find(x, y))
        return nullptr;
    MixerLock lock(m_arrangement.audio);
    m_balls.push_back(std::make_unique<TBall>(m_arrangement));
    TBall& ball = *m_balls.back();
    // Told first: what follows is the making of the ball, not a change of one.
    if (EditRecorder* recorder = m_arrangement.recorder)
        recorder->BallAdded(ball);
    if (hue != TPiece::kNoOwnHue || hueAuto)
        ball.EditPiece().SetHue(hue, hueAuto);
    ball.m_x = static_cast<int32_t>(x);
    ball.m_start = m_arrangement.plan.Timing().StartOfStep(x);
    SetY(ball, static_cast<int32_t>(y));
    RememberCell(ball);
    if (ball.m_lane)
        ball.m_lane->LaneBalls.push_back(&ball);
    m_smallestX = std::min(m_smallestX, ball.m_x);
    m_largestX = std::max(m_largestX, ball.m_x);
    return &ball;
}

void TTheBalls::SetX(TBall& ball, int32_t x) {
    changing(ball);
    MixerLock lock(m_arrangement.audio);
    ForgetCell(ball);
    ball.m_x = x;
    ball.m_start = m_arrangement.plan.Timing().StartOfStep(x);
    RememberCell(ball);
}

void TTheBalls::SetY(TBall& ball, int32_t y) {
    changing(ball);
    MixerLock lock(m_arrangement.audio);
    ForgetCell(ball);
    ball.m_y = y;
    SetLane(ball, m_arrangement.lanes.AtPosition(y));
    RememberCell(ball);
}

void TTheBalls::SetLane(TBall& ball, TLane* lane) {
    MixerLock lock(m_arrangement.audio);
    ball.m_lane = lane;
    if (ball.m_piece)
        ball.m_piece->SetBasePiece(lane ? &lane->Piece() : nullptr);
}

int TTheBalls::IndexOf(int64_t x, int64_t y) const {
    const TBall* ball = Find(x, y);
    if (!ball)
        return -1;
    return listIndexOf(*ball);
}

int TTheBalls::listIndexOf(const TBall& ball) const {
    const auto found = std::find_if(m_balls.begin(), m_balls.end(), [&](const auto& candidate) {
        return candidate.get() == &ball;
    });
    return static_cast<int>(found - m_balls.begin());
}

TBall* TTheBalls::Find(int64_t x, int64_t y) const {
    if (!InCellRange(x) || !InCellRange(y))
        return nullptr;
    const auto found = m_byCell.find(CellKey(x, y));
    return found == m_byCell.end() ? nullptr : found->second;
}

int TTheBalls::IndexAtCell(int32_t column, int32_t row) const {
    const TRoomState& room = m_arrangement.room;
    return IndexOf(int64_t{column} - room.OffsetX, int64_t{row} - room.OffsetY);
}

TBall* TTheBalls::FindAtCell(int32_t column, int32_t row) const {
    const TRoomState& room = m_arrangement.room;
    return Find(int64_t{column} - room.OffsetX, int64_t{row} - room.OffsetY);
}

void TTheBalls::JoinLane(TBall& ball, TLane* lane) {
    SetLane(ball, lane);
    if (lane)
        lane->LaneBalls.push_back(&ball);
}

void TTheBalls::changing(const TBall& ball) {
    if (EditRecorder* recorder = m_arrangement.recorder)
        recorder->BallChanging(ball);
}

void TTheBalls::DetachFromLane(TBall& ball) {
    if (ball.m_lane)
        EraseFromBack(ball.m_lane->LaneBalls, &ball);
}

void TTheBalls::Silence(TBall& ball) {
    AudioHooks& audio = m_arrangement.audio;
    if (ball.Sync != 0) {
        QString errorName;
        if (!audio.RemoveSync(ball.Sync, errorName))
            GBX_FAULT("BASS_ChannelRemoveSync " + errorName.toStdString() +
                      " (MInsertSync=" + std::to_string(ball.Sync) + ")");
        ball.Sync = 0;
    }
    audio.StopChannels(ball);
}

void TTheBalls::SetResource(TBall& ball, TRes* resource) {
    AudioHooks& audio = m_arrangement.audio;
    {
        MixerLock lock(audio);
        Silence(ball);
        if (resource || ball.m_piece)
            ball.EditPiece().Resource = resource;
    }
    audio.ArmBall(ball);
}

void TTheBalls::Remove(TBall& ball, int index) {
    AudioHooks& audio = m_arrangement.audio;
    if (EditRecorder* recorder = m_arrangement.recorder)
        recorder->BallRemoving(ball);
    // The mixer's syncs walk the list: the ball must not go, nor the list shrink, under them.
    MixerLock lock(audio);
    Silence(ball);
    DetachFromLane(ball);
    ForgetCell(ball);
    if (index < 0 || index >= Count() || m_balls[index].get() != &ball)
        index = listIndexOf(ball);
    std::unique_ptr<TBall> removed = std::move(m_balls.at(index));
    m_balls.erase(m_balls.begin() + index);
    m_arrangement.window.BallRemoved(*removed);
    audio.ReleaseBall(*removed);
}

void TTheBalls::MoveTo(TBall& ball, int index) {
    const int from = listIndexOf(ball);
    if (from == Count())
        return;
    MixerLock lock(m_arrangement.audio);
    MoveInList(m_balls, from, index);
}

bool TTheBalls::RemoveAt(int64_t x, int64_t y, bool asCell) {
    if (asCell) {
        x -= m_arrangement.room.OffsetX;
        y -= m_arrangement.room.OffsetY;
    }
    const int index = IndexOf(x, y);
    if (index < 0)
        return false;
    Remove(*m_balls[index], index);
    return true;
}

void TTheBalls::JoinRowLanes(const std::vector<int32_t>& rows) {
    if (rows.empty())
        return;
    MixerLock lock(m_arrangement.audio);
    for (const auto& ball : m_balls) {
        if (std::find(rows.begin(), rows.end(), ball->m_y) == rows.end())
            continue;
        TLane* lane = m_arrangement.lanes.AtPosition(ball->m_y);
        if (ball->m_lane == lane)
            continue;
        DetachFromLane(*ball);
        JoinLane(*ball, lane);
    }
}

void TTheBalls::RemoveRow(int32_t y) {
    MixerLock lock(m_arrangement.audio);
    for (int i = Count() - 1; i >= 0; --i)
        if (m_balls[i]->m_y == y)
            Remove(*m_balls[i], i);
}

void TTheBalls::SwapRows(int32_t a, int32_t b) {
    MixerLock lock(m_arrangement.audio);
    std::vector<TBall*> moved;
    for (const auto& ball : m_balls)
        if (ball->m_y == a || ball->m_y == b)
            moved.push_back(ball.get());
    // All cells are forgotten before any is remembered, as the rows trade places.
    for (TBall* ball : moved) {
        changing(*ball);
        DetachFromLane(*ball);
        ForgetCell(*ball);
    }
    for (TBall* ball : moved) {
        ball->m_y = ball->m_y == a ? b : a;
        RememberCell(*ball);
        JoinLane(*ball, m_arrangement.lanes.AtPosition(ball->m_y));
    }
}

void TTheBalls::RemoveAll(bool onlyInPlayRange) {
    MixerLock lock(m_arrangement.audio);
    for (int i = Count() - 1; i >= 0; --i)
        if (!onlyInPlayRange || InPlayRange(*m_balls[i]))
            Remove(*m_balls[i], i);
}

bool TTheBalls::InPlayRange(const TBall& ball) const {
    const TThePlan& plan = m_arrangement.plan;
    return plan.Start <= ball.m_start && ball.m_start < plan.End;
}

void TTheBalls::RecomputeStarts() {
    const StepTiming& timing = m_arrangement.plan.Timing();
    for (const auto& ball : m_balls)
        ball->m_start = timing.StartOfStep(ball->m_x);
}

std::optional<BallSoundStart> TTheBalls::SoundStart(const TBall& ball, bool fromOffset,
                                                    Elements position) const {
    if (!ball.m_lane || ball.m_lane->Striked)
        return std::nullopt;
    if (fromOffset)
        return BallSoundStart{position, ball.PlayOffset};
    return BallSoundStart{ball.m_start + position, Elements{0}};
}

void TTheBalls::StartSound(TBall& ball, bool fromOffset, Elements position) {
    if (const auto start = SoundStart(ball, fromOffset, position))
        m_arrangement.audio.StartChannels(ball, start->delay, start->offset);
}

void TTheBalls::ApplyToSounding(TBall& ball, SoundAttribute attribute, float value) {
    AudioHooks& audio = m_arrangement.audio;
    if (!audio.Playing())
        return;
    MixerLock lock(audio);
    audio.SetChannelAttribute(ball, attribute, value);
}

void TTheBalls::SetLoudness(TBall& ball, std::optional<long double> percent) {
    m_arrangement.plan.SetModified(kChangeBallLoudness, true);
    {
        // The mix reads it when the ball's channels start.
        MixerLock lock(m_arrangement.audio);
        if (percent || ball.m_piece)
            ball.EditPiece().Loudness.SetValue(percent ? *percent / 100 : TPiece::kLoudnessNotSet);
    }
    ApplyToSounding(ball, SoundAttribute::Loudness,
                    static_cast<float>(ball.Values().EffectiveLoudness()));
}

void TTheBalls::SetPan(TBall& ball, int sliderPosition) {
    m_arrangement.plan.SetModified(kChangeBallPan, true);
    {
        MixerLock lock(m_arrangement.audio);
        ball.EditPiece().Pan.SetValue(PanOfSliderPosition(sliderPosition));
    }
    ApplyToSounding(ball, SoundAttribute::Pan, static_cast<float>(ball.Values().EffectivePan()));
}
