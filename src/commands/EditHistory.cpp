#include "commands/EditHistory.h"

#include "model/Arrangement.h"
#include "planfile/TextPlanReader.h"
#include "planfile/TextPlanWriter.h"
#include "support/WideMemIniFile.h"

#include <algorithm>

namespace {

// The edits whose every change is to balls: the history takes these back.
bool IsBallEdit(int32_t changeCode) {
    switch (changeCode) {
    case 64:  // a ball placed
    case 68:  // a ball removed
    case 156: // balls pasted
    case 168: // a ball cut
    case 174: // a ball's length
    case 220: // a ball's loudness
    case 222: // a ball's pan
    case 242: // all balls deleted
    case 251: // a sound file pasted onto a ball
    case 253: // a ball's own sound file
    case 323: // balls cut
        return true;
    default:
        return false;
    }
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
    return {0, ball.X(), ball.Y(), WriteTextSections({}, {&ball})};
}

int TEditHistory::startIndexOf(const TBall& ball) {
    // Built before the step removed any ball that was there before it (every removal tells
    // first), so the indices are those the step began with.
    if (!m_indexed) {
        m_startIndex.reserve(static_cast<size_t>(m_arrangement.balls.Count()));
        for (int i = 0; i < m_arrangement.balls.Count(); ++i)
            m_startIndex.emplace(&m_arrangement.balls.At(i), i);
        m_indexed = true;
    }
    const auto found = m_startIndex.find(&ball);
    return found == m_startIndex.end() ? -1 : found->second;
}

void TEditHistory::touch(const TBall& ball, bool made) {
    if (m_touched.count(&ball))
        return;
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

bool TEditHistory::CloseStep() {
    Step step = std::move(m_open);
    const bool uncovered = m_uncovered || (!step.balls.empty() && step.changeCode == 0);
    std::vector<const TBall*> balls = std::move(m_changedBalls);
    m_open = {};
    m_uncovered = false;
    m_touched.clear();
    m_changedBalls.clear();
    m_startIndex.clear();
    m_indexed = false;
    if (uncovered) {
        Clear(false);
        return false;
    }
    if (step.balls.empty())
        return false;
    // The balls that are still there, at their indices now.
    std::unordered_map<const TBall*, int> indexNow;
    for (int i = 0; i < m_arrangement.balls.Count(); ++i)
        indexNow.emplace(&m_arrangement.balls.At(i), i);
    std::vector<BallChange> changes;
    for (size_t i = 0; i < step.balls.size(); ++i) {
        BallChange& change = step.balls[i];
        if (const TBall* ball = balls[i]) {
            BallState after = stateOf(*ball);
            after.index = indexNow.at(ball);
            change.after = std::move(after);
        }
        if (change.before != change.after)
            changes.push_back(std::move(change));
    }
    if (changes.empty())
        return false;
    step.balls = std::move(changes);
    keep(std::move(step));
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
    apply(m_steps[m_position], true);
    ++m_position;
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
