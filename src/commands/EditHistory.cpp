#include "commands/EditHistory.h"

#include "commands/BallClipboard.h"
#include "commands/BallEditCommands.h"
#include "commands/BallLength.h"
#include "commands/BallPlacing.h"
#include "commands/SoundFileCommands.h"
#include "controls/BallLink.h"
#include "model/Arrangement.h"
#include "model/LaneOperations.h"
#include "planfile/TextPlanReader.h"
#include "planfile/TextPlanWriter.h"
#include "support/WideMemIniFile.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

// The edits whose every change is to balls: the history takes these back.
bool IsBallEdit(int32_t changeCode) {
    switch (changeCode) {
    case kChangeBallPlaced:
    case kChangeBallRemoved:
    case kChangeBallsPasted:
    case kChangeBallCut:
    case kChangeBallsCut:
    case kChangeLaneBallsCut:
    case kChangeBallLength:
    case kChangeBallLoudness:
    case kChangeBallPan:
    case kChangeAllBallsDeleted:
    case kChangeBallSoundFilePasted:
    case kChangeBallOwnFile:
    case kChangeLaneBallsRemoved:
    case kChangeRandomBalls:
    case kChangeBallsLaidOut:
        return true;
    default:
        return false;
    }
}

// Values typed key by key: a key's step joins the step of the key before, on the same balls.
bool IsTypedValue(int32_t changeCode) {
    return changeCode == kChangeBallLoudness || changeCode == kChangeBallPan ||
           changeCode == kChangeBallLength;
}

// The name the text form gives the first ball section.
const QString kBallSection = QStringLiteral("0");

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
    const bool begins = m_open.balls.empty() && m_open.changeCode == 0 && !m_uncovered;
    if (begins && m_stepBegun)
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
    // An edit without a code is of no known kind.
    if (!IsBallEdit(changeCode))
        m_uncovered = true;
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
    m_uncovered = false;
    m_touched.clear();
    m_changedBalls.clear();
    m_start.Forget();
    return step;
}

bool TEditHistory::CloseStep() {
    const bool uncoveredEdit = m_uncovered;
    const std::vector<const TBall*> balls = std::exchange(m_changedBalls, {});
    Step step = takeOpenStep();
    const bool uncovered = uncoveredEdit || (!step.balls.empty() && step.changeCode == 0);
    if (uncovered) {
        Clear(false);
        return false;
    }
    if (step.balls.empty())
        return false;
    // The balls that are still there, at their indices now.
    BallIndex indexNow;
    indexNow.Take(m_arrangement.balls);
    std::vector<BallChange> changes;
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
    if (changes.empty())
        return false;
    step.balls = std::move(changes);
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
        m_position != m_steps.size() || m_savedAt == m_position)
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
    for (size_t i = 0; i < step.balls.size(); ++i)
        last.balls[i].after = step.balls[i].after;
    return true;
}

void TEditHistory::keep(Step step) {
    m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_position), m_steps.end());
    if (m_savedAt && *m_savedAt > m_position)
        m_savedAt.reset(); // the saved state was among the steps just dropped
    m_steps.push_back(std::move(step));
    ++m_position;
    if (m_steps.size() > kMostSteps) {
        m_steps.pop_front();
        --m_position;
        if (m_savedAt)
            m_savedAt = *m_savedAt == 0 ? std::nullopt : std::optional<size_t>(*m_savedAt - 1);
    }
}

void TEditHistory::Clear(bool saved) {
    m_steps.clear();
    m_position = 0;
    m_savedAt = saved ? std::optional<size_t>(0) : std::nullopt;
}

size_t TEditHistory::Bytes() const {
    size_t bytes = sizeof(Step) * m_steps.size();
    for (const Step& step : m_steps) {
        bytes += step.balls.capacity() * sizeof(BallChange);
        for (const BallChange& change : step.balls)
            for (const auto* state : {&change.before, &change.after})
                if (*state)
                    bytes += static_cast<size_t>((*state)->text.capacity());
    }
    return bytes;
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
    // Sound files first: reading them under the mixer lock would wait on the disk.
    TWideMemIniFile ini{QString()};
    const PlanReadContext context = m_context();
    for (const BallState* state : coming) {
        ini.SetText(QString::fromUtf8(state->text));
        FindSectionResources(m_arrangement, ini, {kBallSection}, context);
    }
    {
        MixerLock lock(m_arrangement.audio);
        for (const BallChange& change : step.balls)
            if (const auto& state = from(change))
                balls.RemoveAt(state->x, state->y, false);
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
    followSavedState();
    m_applying = false;
}

void TEditHistory::followSavedState() {
    TThePlan& plan = m_arrangement.plan;
    if (m_savedAt == m_position)
        plan.ClearModified();
    else
        plan.SetModified(0, true);
}
