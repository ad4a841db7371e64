#include "commands/EditHistory.h"

#include "commands/BallLength.h"
#include "model/Arrangement.h"
#include "planfile/TextPlanReader.h"
#include "planfile/TextPlanWriter.h"
#include "support/WideMemIniFile.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

// Values typed key by key: a key's step joins the step of the key before, on the same balls.
bool IsTypedValue(int32_t changeCode) {
    return changeCode == kChangeBallLoudness || changeCode == kChangeBallPan ||
           changeCode == kChangeBallLength;
}

// The names the text form gives the first ball section, the first lane section and the
// plan's values.
const QString kBallSection = QStringLiteral("0");
const QString kLaneSection = QStringLiteral("Lane.0");
const QString kValuesSection = QStringLiteral("Main");

// The values that the timing of every ball hangs on, as their text form has them.
QString TimingValues(const TThePlan& plan) {
    return QString::fromStdString(plan.MPH.Text() + ' ' + plan.ElementRate.Text() + ' ' +
                                  plan.FrameResolution.Text());
}

} // namespace

TEditHistory::TEditHistory(Arrangement& arrangement, std::function<PlanReadContext()> context)
    : m_arrangement(arrangement), m_context(std::move(context)) {
    m_arrangement.recorder = this;
}

TEditHistory::~TEditHistory() {
    if (m_arrangement.recorder == this)
        m_arrangement.recorder = nullptr;
}

// Recording

void TEditHistory::SetRecording(bool recording) {
    if (recording && !m_recording)
        takePlanAsStart();
    m_recording = recording;
}

TEditHistory::BallState TEditHistory::stateOf(const TBall& ball) const {
    QByteArray text = WriteTextSections({}, {&ball});
    text.squeeze(); // a step keeps it long
    return {0, ball.X(), ball.Y(), std::move(text)};
}

void TEditHistory::BallIndex::Take(const TTheBalls& balls) {
    Forget();
    m_order.reserve(static_cast<size_t>(balls.Count()));
    for (int i = 0; i < balls.Count(); ++i)
        m_order.push_back(&balls.At(i));
    m_taken = true;
}

void TEditHistory::BallIndex::Forget() {
    // Released, not kept for the next step: on a large plan it is most of the memory a step uses.
    m_order = decltype(m_order)();
    m_map = decltype(m_map)();
    m_lookups = 0;
    m_taken = false;
}

int TEditHistory::BallIndex::Of(const TBall* ball) {
    // A step of a ball or two scans; a step of many balls pays for the map once.
    constexpr int kScans = 16;
    if (++m_lookups <= kScans) {
        const auto found = std::find(m_order.begin(), m_order.end(), ball);
        return found == m_order.end() ? -1 : static_cast<int>(found - m_order.begin());
    }
    if (m_map.empty()) {
        m_map.reserve(m_order.size());
        for (size_t i = 0; i < m_order.size(); ++i)
            m_map.emplace(m_order[i], static_cast<int>(i));
    }
    const auto found = m_map.find(ball);
    return found == m_map.end() ? -1 : found->second;
}

int TEditHistory::startIndexOf(const TBall& ball) {
    // Taken before the step removed any ball that was there before it (every removal tells
    // first), so the indices are those the step began with.
    if (!m_start.Taken())
        m_start.Take(m_arrangement.balls);
    return m_start.Of(&ball);
}

void TEditHistory::noteActivity() {
    if (!std::exchange(m_opened, true) && m_stepBegun)
        m_stepBegun();
}

void TEditHistory::touch(const TBall& ball, bool made) {
    if (m_touched.count(&ball))
        return;
    noteActivity();
    BallChange change;
    if (!made) {
        BallState before = stateOf(ball);
        before.index = startIndexOf(ball);
        change.before = std::move(before);
    }
    m_touched.emplace(&ball, m_open.balls.size());
    m_open.balls.push_back(std::move(change));
    m_changedBalls.push_back(&ball);
}

void TEditHistory::BallChanging(const TBall& ball) {
    if (recordingNow())
        touch(ball, false);
}

void TEditHistory::BallAdded(const TBall& ball) {
    if (recordingNow())
        touch(ball, true);
}

void TEditHistory::BallRemoving(const TBall& ball) {
    if (!recordingNow())
        return;
    touch(ball, false);
    // A ball made later in the step may take the same address.
    const auto found = m_touched.find(&ball);
    m_changedBalls[found->second] = nullptr;
    m_touched.erase(found);
}

void TEditHistory::ChangeRecorded(int32_t changeCode) {
    if (!recordingNow())
        return;
    noteActivity();
    if (m_open.changeCode == 0)
        m_open.changeCode = changeCode;
}

void TEditHistory::PlanSaved() {
    if (m_applying)
        return;
    CloseStep();
    m_savedAt = m_position;
}

void TEditHistory::PlanReplacing() {
    m_replacing = true;
}

void TEditHistory::PlanReplaced() {
    m_replacing = false;
    takeOpenStep();
    Clear(!m_arrangement.plan.Modified());
}

TEditHistory::Step TEditHistory::takeOpenStep() {
    Step step = std::move(m_open);
    m_open = {};
    m_opened = false;
    m_touched.clear();
    m_changedBalls.clear();
    m_start.Forget();
    return step;
}

bool TEditHistory::CloseStep() {
    if (!m_opened)
        return false;
    const std::vector<const TBall*> balls = std::exchange(m_changedBalls, {});
    Step step = takeOpenStep();
    // The balls that are still there, at their indices now.
    std::vector<BallChange> changes;
    if (!step.balls.empty()) {
        BallIndex indexNow;
        indexNow.Take(m_arrangement.balls);
        for (size_t i = 0; i < step.balls.size(); ++i) {
            BallChange& change = step.balls[i];
            if (const TBall* ball = balls[i]) {
                BallState after = stateOf(*ball);
                after.index = indexNow.Of(ball);
                change.after = std::move(after);
            }
            if (change.before != change.after)
                changes.push_back(std::move(change));
        }
    }
    step.balls = std::move(changes);
    comparePlan(step);
    if (step.balls.empty() && step.lanes.empty() && !step.values)
        return false;
    if (joinsLastStep(step))
        return false;
    keep(std::move(step));
    return true;
}

bool TEditHistory::joinsLastStep(const Step& step) {
    constexpr auto kTypingPause = std::chrono::seconds(2);
    const auto now = std::chrono::steady_clock::now();
    const auto lastClosed = std::exchange(m_lastKept, now);
    if (!IsTypedValue(step.changeCode) || now - lastClosed > kTypingPause || m_position == 0 ||
        m_position != m_steps.size() || m_savedAt == m_position || !step.lanes.empty() ||
        step.values)
        return false;
    Step& last = m_steps.back();
    if (last.changeCode != step.changeCode || last.balls.size() != step.balls.size())
        return false;
    for (size_t i = 0; i < step.balls.size(); ++i) {
        const auto& was = last.balls[i].after;
        const auto& is = step.balls[i].before;
        if (!was || !is || was->index != is->index || was->x != is->x || was->y != is->y)
            return false;
    }
    m_bytes -= bytesOf(last);
    for (size_t i = 0; i < step.balls.size(); ++i)
        last.balls[i].after = step.balls[i].after;
    m_bytes += bytesOf(last);
    return true;
}

void TEditHistory::keep(Step step) {
    while (m_steps.size() > m_position) {
        m_bytes -= bytesOf(m_steps.back());
        m_steps.pop_back();
    }
    if (m_savedAt && *m_savedAt > m_position)
        m_savedAt.reset(); // the saved state was among the steps just dropped
    m_bytes += bytesOf(step);
    m_steps.push_back(std::move(step));
    ++m_position;
    while (m_steps.size() > kMostSteps || (m_bytes > kMostBytes && m_steps.size() > 1)) {
        m_bytes -= bytesOf(m_steps.front());
        m_steps.pop_front();
        --m_position;
        if (m_savedAt)
            m_savedAt = *m_savedAt == 0 ? std::nullopt : std::optional<size_t>(*m_savedAt - 1);
    }
}

void TEditHistory::Clear(bool saved) {
    takePlanAsStart();
    m_steps.clear();
    m_bytes = 0;
    m_position = 0;
    m_savedAt = saved ? std::optional<size_t>(0) : std::nullopt;
}

size_t TEditHistory::bytesOf(const Step& step) {
    const auto textOf = [](const auto& state) {
        return state ? static_cast<size_t>(state->text.capacity()) : size_t{0};
    };
    size_t bytes = sizeof(Step) + step.balls.capacity() * sizeof(BallChange) +
                   step.lanes.capacity() * sizeof(LaneChange);
    for (const BallChange& change : step.balls)
        bytes += textOf(change.before) + textOf(change.after);
    for (const LaneChange& change : step.lanes)
        bytes += textOf(change.before) + textOf(change.after);
    if (step.values)
        bytes +=
            static_cast<size_t>(step.values->before.capacity() + step.values->after.capacity());
    return bytes;
}

std::vector<TEditHistory::LaneNow> TEditHistory::lanesNow() const {
    const TTheLanes& lanes = m_arrangement.lanes;
    std::vector<LaneNow> now;
    now.reserve(static_cast<size_t>(lanes.Count()));
    for (int i = 0; i < lanes.Count(); ++i) {
        const TLane& lane = lanes.At(i);
        QByteArray text = WriteTextSections({&lane}, {});
        text.squeeze();
        now.push_back({&lane, LaneState{i, lane.Position(), lane.Piece().Hue(),
                                        lane.Piece().HueAuto(), std::move(text)}});
    }
    return now;
}

void TEditHistory::takePlanAsStart() {
    m_lanesAtStart = lanesNow();
    m_valuesAtStart = WritePlanValuesSection(m_arrangement);
}

void TEditHistory::comparePlan(Step& step) {
    std::vector<LaneNow> now = lanesNow();
    std::unordered_map<const TLane*, size_t> atStart;
    for (size_t i = 0; i < m_lanesAtStart.size(); ++i)
        atStart.emplace(m_lanesAtStart[i].lane, i);
    std::vector<bool> stayed(m_lanesAtStart.size());
    for (const LaneNow& lane : now) {
        const auto found = atStart.find(lane.lane);
        if (found == atStart.end()) {
            step.lanes.push_back({std::nullopt, lane.state});
            continue;
        }
        stayed[found->second] = true;
        const LaneState& before = m_lanesAtStart[found->second].state;
        if (!before.SameAs(lane.state))
            step.lanes.push_back({before, lane.state});
    }
    for (size_t i = 0; i < stayed.size(); ++i)
        if (!stayed[i])
            step.lanes.push_back({m_lanesAtStart[i].state, std::nullopt});
    m_lanesAtStart = std::move(now);

    QByteArray values = WritePlanValuesSection(m_arrangement);
    if (values != m_valuesAtStart)
        step.values = ValuesChange{m_valuesAtStart, values};
    m_valuesAtStart = std::move(values);
}

// Taking back and making again

bool TEditHistory::Undo() {
    CloseStep();
    if (!CanUndo())
        return false;
    --m_position;
    apply(m_steps[m_position], false);
    return true;
}

bool TEditHistory::Redo() {
    CloseStep();
    if (!CanRedo())
        return false;
    // Past the step before it is applied: the plan's change state follows the position.
    ++m_position;
    apply(m_steps[m_position - 1], true);
    return true;
}

void TEditHistory::apply(const Step& step, bool forward) {
    m_applying = true;
    m_restored.clear();
    TTheBalls& balls = m_arrangement.balls;
    TThePlan& plan = m_arrangement.plan;
    const auto from = [forward](const BallChange& c) -> const std::optional<BallState>& {
        return forward ? c.before : c.after;
    };
    const auto to = [forward](const BallChange& c) -> const std::optional<BallState>& {
        return forward ? c.after : c.before;
    };
    std::vector<const BallState*> coming;
    for (const BallChange& change : step.balls)
        if (const auto& state = to(change))
            coming.push_back(&*state);
    std::sort(coming.begin(), coming.end(),
              [](const BallState* a, const BallState* b) { return a->index < b->index; });
    const QByteArray* values = nullptr;
    if (step.values)
        values = forward ? &step.values->after : &step.values->before;
    // Sound files first: reading them under the mixer lock would wait on the disk.
    TWideMemIniFile ini{QString()};
    const PlanReadContext context = m_context();
    const auto findResources = [&](const QByteArray& text, const QString& section) {
        ini.SetText(QString::fromUtf8(text));
        FindSectionResources(m_arrangement, ini, {section}, context);
    };
    for (const BallState* state : coming)
        findResources(state->text, kBallSection);
    for (const LaneChange& change : step.lanes)
        if (const auto& state = forward ? change.after : change.before)
            findResources(state->text, kLaneSection);
    if (values)
        findResources(*values, kValuesSection);

    const Elements startWas = plan.Start;
    const Elements endWas = plan.End;
    const QString timingWas = TimingValues(plan);
    std::vector<TLane*> lanes;
    {
        MixerLock lock(m_arrangement.audio);
        for (const BallChange& change : step.balls)
            if (const auto& state = from(change))
                balls.RemoveAt(state->x, state->y, false);
        lanes = applyLanes(step, forward, context);
        if (values) {
            ini.SetText(QString::fromUtf8(*values));
            ReadPlanValuesSection(m_arrangement, ini, context);
        }
        // In the order of their places, each ball comes back where it was: the balls the step
        // left alone keep their order among themselves.
        for (const BallState* state : coming) {
            ini.SetText(QString::fromUtf8(state->text));
            TBall* ball =
                ReadBallSectionAt(m_arrangement, ini, kBallSection, state->x, state->y, context);
            if (!ball)
                continue;
            balls.MoveTo(*ball, state->index);
            m_restored.push_back(ball);
        }
    }
    if (plan.Start != startWas || plan.End != endWas)
        m_arrangement.room.FlagsFollowRange();
    if (TimingValues(plan) != timingWas)
        plan.TimingChanged(true);
    // The lanes' balls start again, or stop, with what the lanes now say.
    for (TLane* lane : lanes)
        m_arrangement.audio.RescheduleLane(*lane);
    takePlanAsStart();
    followSavedState();
    m_applying = false;
}

std::vector<TLane*> TEditHistory::applyLanes(const Step& step, bool forward,
                                             const PlanReadContext& context) {
    TTheLanes& lanes = m_arrangement.lanes;
    std::vector<TLane*> present;
    if (step.lanes.empty())
        return present;
    // Every lane the step changed, found by its place before the list changes.
    std::vector<TLane*> was(step.lanes.size(), nullptr);
    std::vector<int32_t> rows;
    for (size_t i = 0; i < step.lanes.size(); ++i) {
        const LaneChange& change = step.lanes[i];
        const auto& from = forward ? change.before : change.after;
        const auto& to = forward ? change.after : change.before;
        if (from) {
            was[i] = &lanes.At(from->index);
            rows.push_back(from->position);
        }
        if (to)
            rows.push_back(to->position);
    }
    TWideMemIniFile ini{QString()};
    std::vector<std::pair<int, TLane*>> placed;
    for (size_t i = 0; i < step.lanes.size(); ++i) {
        const auto& to = forward ? step.lanes[i].after : step.lanes[i].before;
        if (!to) {
            lanes.Remove(*was[i]);
            continue;
        }
        TLane* lane = was[i] ? was[i] : &lanes.Add(to->position, to->hue, to->hueAuto);
        if (lane->Position() != to->position)
            lanes.SetPosition(*lane, to->position);
        lane->Piece().Resource = nullptr; // named again by the section, or by none
        ini.SetText(QString::fromUtf8(to->text));
        // A generated hue that stays generated is left as the program chose it last.
        const bool keepsHue = was[i] && to->hueAuto && lane->Piece().HueAuto();
        ReadLaneSectionInto(m_arrangement, ini, kLaneSection, *lane, context);
        if (!keepsHue)
            lane->Piece().RestoreHue(to->hue, to->hueAuto);
        placed.emplace_back(to->index, lane);
    }
    // In the order of their places, as the balls.
    std::sort(placed.begin(), placed.end());
    for (const auto& [index, lane] : placed) {
        lanes.MoveTo(*lane, index);
        present.push_back(lane);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    m_arrangement.balls.JoinRowLanes(rows);
    return present;
}

void TEditHistory::followSavedState() {
    TThePlan& plan = m_arrangement.plan;
    if (m_savedAt == m_position)
        plan.ClearModified();
    else
        plan.SetModified(0, true);
}
