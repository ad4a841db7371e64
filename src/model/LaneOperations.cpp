// Removing, moving and filling lanes, their hues, and the lane list as text.
#include "model/LaneOperations.h"

#include "model/Arrangement.h"
#include "model/FormulaText.h"
#include "texts/Parlance.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTextSoundFile = 4;
constexpr int kTextName = 26;
constexpr int kTextLoudness = 57;
constexpr int kTextPan = 58;
constexpr int kTextBalls = 61;
constexpr int kTextRow = 71;
constexpr int kTextHue = 72;
constexpr int kTextMuted = 74;

const QString kLineEnd = QStringLiteral("\r\n");
const QChar kTab = u'\t';

// The steps whose balls would start inside the play range, held to the ball range; first >
// last when there is none.
struct StepSpan {
    int64_t first = 1;
    int64_t last = 0;
};

StepSpan playRangeSteps(const TThePlan& plan) {
    const long double perStep = plan.ElementsPerStep();
    if (!(perStep > 0))
        return {};
    const auto held = [](long double step) {
        return static_cast<int64_t>(std::clamp<long double>(step, kCellMin, kCellMax));
    };
    const StepTiming& timing = plan.Timing();
    StepSpan span{held(std::ceil(plan.Start.count / perStep) - 1),
                  held(std::floor(plan.End.count / perStep) + 1)};
    // The division only comes near: a step's start is rounded.
    while (span.first <= span.last && timing.StartOfStep(span.first) < plan.Start)
        ++span.first;
    while (span.last >= span.first && timing.StartOfStep(span.last) >= plan.End)
        --span.last;
    return span;
}

template <class Wanted>
int fillLane(Arrangement& arrangement, TLane& lane, bool keep, int32_t changeCode, Wanted wanted) {
    const bool hadBalls = !lane.LaneBalls.empty();
    const StepSpan span = playRangeSteps(arrangement.plan);
    int added = 0;
    {
        MixerLock lock(arrangement.audio);
        if (!keep)
            RemoveLaneBalls(arrangement, lane);
        for (int64_t step = span.first; step <= span.last; ++step) {
            if (!wanted(step - span.first))
                continue;
            if (TBall* ball =
                    arrangement.balls.Add(step, lane.Position(), TPiece::kNoOwnHue, false)) {
                arrangement.audio.ArmBall(*ball);
                ++added;
            }
        }
    }
    if (added > 0 || (hadBalls && !keep))
        arrangement.plan.SetModified(changeCode, true);
    return added;
}

QString hueText(long double hue) {
    return QString::number(static_cast<double>(hue), 'g', 15);
}

QString fullLine(const TLane& lane) {
    const TPiece& piece = lane.Piece();
    const QStringList cells{
        QString::number(lane.Position()),
        piece.Handle,
        piece.Resource ? piece.Resource->FullName : QString(),
        FormulaTextOrNotSet(piece.Loudness.Text(), "-1"),
        FormulaTextOrNotSet(piece.Pan.Text(), "-1000"),
        hueText(piece.Hue()),
        BoolWord(lane.Striked),
        QString::number(lane.LaneBalls.size()),
    };
    return cells.join(kTab);
}

} // namespace

void RemoveLane(Arrangement& arrangement, TLane& lane, bool withLane, int32_t changeCode) {
    {
        MixerLock lock(arrangement.audio);
        RemoveLaneBalls(arrangement, lane);
        if (withLane)
            arrangement.lanes.Remove(lane);
    }
    arrangement.plan.SetModified(changeCode, true);
}

bool MoveLane(Arrangement& arrangement, TLane& lane, int32_t step) {
    const int32_t from = lane.Position();
    const int64_t to = int64_t{from} + step;
    if (step == 0 || !InCellRange(to))
        return false;
    TTheLanes& lanes = arrangement.lanes;
    std::vector<TLane*> movingDown;
    std::vector<TLane*> movingUp;
    for (int i = 0; i < lanes.Count(); ++i) {
        TLane& each = lanes.At(i);
        if (each.Position() == from)
            movingDown.push_back(&each);
        else if (each.Position() == to)
            movingUp.push_back(&each);
    }
    {
        MixerLock lock(arrangement.audio);
        for (TLane* each : movingDown)
            lanes.SetPosition(*each, static_cast<int32_t>(to));
        for (TLane* each : movingUp)
            lanes.SetPosition(*each, from);
        arrangement.balls.SwapRows(from, static_cast<int32_t>(to));
    }
    // Balls that changed between a lane and none sound, or stop sounding, from now on.
    for (TLane* each : movingDown)
        arrangement.audio.RescheduleLane(*each);
    for (TLane* each : movingUp)
        arrangement.audio.RescheduleLane(*each);
    arrangement.plan.SetModified(kChangeLaneMoved, true);
    return true;
}

int LayLaneBalls(Arrangement& arrangement, TLane& lane, int every, bool keep) {
    if (every < 1)
        return 0;
    return fillLane(arrangement, lane, keep, kChangeBallsLaidOut,
                    [every](int64_t index) { return index % every == 0; });
}

int ScatterLaneBalls(Arrangement& arrangement, TLane& lane, bool keep,
                     const std::function<bool()>& coin) {
    return fillLane(arrangement, lane, keep, kChangeRandomBalls,
                    [&coin](int64_t) { return coin(); });
}

void NewLaneHue(Arrangement& arrangement, TLane& lane) {
    const bool wasChosen = !lane.Piece().HueAuto();
    arrangement.lanes.SetHue(lane, true, TPiece::kNoOwnHue);
    if (wasChosen)
        arrangement.plan.SetModified(kChangeNewLaneHue, true);
}

bool FixLaneHue(Arrangement& arrangement, TLane& lane) {
    if (!lane.Piece().HueAuto())
        return false;
    arrangement.lanes.SetHue(lane, false, lane.Piece().Hue());
    arrangement.plan.SetModified(kChangeLaneHueFixed, true);
    return true;
}

void NewLaneHues(Arrangement& arrangement, bool onlyGenerated) {
    TTheLanes& lanes = arrangement.lanes;
    bool chosenWent = false;
    for (int i = 0; i < lanes.Count(); ++i) {
        TLane& lane = lanes.At(i);
        if (onlyGenerated && !lane.Piece().HueAuto())
            continue;
        chosenWent = chosenWent || !lane.Piece().HueAuto();
        lanes.SetHue(lane, true, TPiece::kNoOwnHue);
    }
    if (chosenWent)
        arrangement.plan.SetModified(kChangeNewLaneHue, true);
}

void FixLaneHues(Arrangement& arrangement) {
    TTheLanes& lanes = arrangement.lanes;
    bool fixed = false;
    for (int i = 0; i < lanes.Count(); ++i) {
        TLane& lane = lanes.At(i);
        if (!lane.Piece().HueAuto())
            continue;
        lanes.SetHue(lane, false, lane.Piece().Hue());
        fixed = true;
    }
    if (fixed)
        arrangement.plan.SetModified(kChangeLaneHuesFixed, true);
}

QString LaneListText(const TTheLanes& lanes, bool full) {
    std::vector<const TLane*> ordered;
    for (int i = 0; i < lanes.Count(); ++i)
        ordered.push_back(&lanes.At(i));
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const TLane* a, const TLane* b) { return a->Position() < b->Position(); });
    QString text;
    if (full) {
        QStringList heading;
        for (int label : {kTextRow, kTextName, kTextSoundFile, kTextLoudness, kTextPan, kTextHue,
                          kTextMuted, kTextBalls})
            heading << GetText(label);
        text += heading.join(kTab) + kLineEnd;
    }
    for (const TLane* lane : ordered)
        text += (full ? fullLine(*lane) : lane->Piece().Handle) + kLineEnd;
    return text;
}

void RemoveLaneBalls(Arrangement& arrangement, TLane& lane) {
    MixerLock lock(arrangement.audio);
    while (!lane.LaneBalls.empty())
        arrangement.balls.Remove(*lane.LaneBalls.back());
}
