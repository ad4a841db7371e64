// The demo plan: a 36-bar house pattern over A minor, F, C and G.
#include "demogen/DemoPlan.h"

#include "model/Arrangement.h"
#include "planfile/PlanDefaults.h"

#include <algorithm>
#include <initializer_list>

namespace {

enum class Section { Intro, Groove, Breakdown, Drop, Variation, Outro };

Section SectionOf(int32_t bar) {
    if (bar < 4)
        return Section::Intro;
    if (bar < 12)
        return Section::Groove;
    if (bar < 16)
        return Section::Breakdown;
    if (bar < 28)
        return Section::Drop;
    if (bar < 32)
        return Section::Variation;
    return Section::Outro;
}

// The range a user would loop: the first eight bars of the drop.
constexpr int32_t kLoopFirstBar = 16;
constexpr int32_t kLoopBars = 8;

// Writes balls bar by bar; steps count from the bar's first step.
class Score {
public:
    explicit Score(Arrangement& arrangement) : m_arrangement(arrangement) {}

    void startBar(int32_t bar) { m_barStart = bar * kStepsPerBar; }

    // A ball at `percent` of the lane's loudness. A life of loopSteps, longer than the sound,
    // repeats the sound until it ends, since the plan loops channels. The first ball in a
    // cell stays.
    void hit(int32_t lane, int32_t step, int percent = 100, int32_t loopSteps = 0) {
        TBall* ball = m_arrangement.balls.Add(m_barStart + step, lane, TPiece::kNoOwnHue, false);
        if (!ball)
            return;
        if (percent != 100)
            ball->EditPiece().Loudness.SetText(QString::number(percent / 100.0).toStdString());
        if (loopSteps > 0)
            ball->EditPiece().Life.SetValue(
                m_arrangement.plan.Timing().StartOfStep(loopSteps).count);
    }

    void hits(int32_t lane, std::initializer_list<int32_t> steps, int percent = 100) {
        for (int32_t step : steps)
            hit(lane, step, percent);
    }

    // Sixteenths rising in loudness from `fromStep` to the bar's end.
    void snareFill(int32_t fromStep) {
        for (int32_t step = fromStep; step < kStepsPerBar; ++step)
            hit(kSnare, step, 40 + 60 * (step - fromStep + 1) / (kStepsPerBar - fromStep));
    }

private:
    Arrangement& m_arrangement;
    int32_t m_barStart = 0;
};

// 0 .. sides - 1, from the seeded noise, so that the variation is the same on every run.
int32_t Roll(Noise& dice, int32_t sides) {
    return std::min(sides - 1, static_cast<int32_t>((dice.next() + 1.0f) / 2.0f * sides));
}

// Accents on the off-beat eighths, a little life in the rest.
void SixteenthHats(Score& score, Noise& dice, bool openOffBeats) {
    for (int32_t step = 0; step < kStepsPerBar; ++step) {
        if (step % 4 == 2 && openOffBeats)
            score.hit(kOpenHat, step, 70);
        else if (step % 4 == 2)
            score.hit(kClosedHat, step, 85);
        else
            score.hit(kClosedHat, step, (step % 4 == 0 ? 55 : 35) + Roll(dice, 10));
    }
}

void WriteBar(Score& score, Noise& dice, int32_t bar) {
    score.startBar(bar);
    const int32_t bass = kBassA + bar % kChordCount;
    const int32_t stab = kStabAm + bar % kChordCount;
    const bool phraseEnd = bar % 4 == 3;

    switch (SectionOf(bar)) {
    case Section::Intro:
        // Light, but with every part in its first bars: the first screen of the demo is music.
        score.hits(kKick, {0, 4, 8, 12});
        score.hit(kClap, 12, 60);
        SixteenthHats(score, dice, false);
        score.hit(kOpenHat, 14, 50);
        score.hits(bass, {2, 10}, 70);
        score.hit(stab, 0, 45);
        if (phraseEnd)
            score.snareFill(12);
        else
            score.hit(kSnare, 7, 30);
        break;
    case Section::Groove:
        score.hits(kKick, {0, 4, 8, 12});
        score.hits(kClap, {4, 12});
        SixteenthHats(score, dice, false);
        score.hits(bass, {2, 6, 10, 14});
        if (bar >= 8)
            score.hits(stab, {0, 6}, 55);
        if (phraseEnd)
            score.snareFill(bar == 11 ? 8 : 12);
        break;
    case Section::Breakdown:
        // No kick: the stab is gated into eighths by looping over the bar.
        score.hit(stab, 0, 75, bar == 15 ? 8 : kStepsPerBar);
        score.hit(bass, 0, 80);
        score.hits(kOpenHat, {2, 6, 10, 14}, 60);
        if (bar == 15)
            score.snareFill(0);
        else if (bar > 12)
            score.hit(kClap, 12, 50);
        break;
    case Section::Drop:
        score.hits(kKick, {0, 4, 8, 12});
        score.hits(kClap, {4, 12});
        SixteenthHats(score, dice, true);
        score.hits(bass, {2, 6, 10, 14});
        if (bar % 2 == 1)
            score.hit(bass, 15, 70);
        score.hits(stab, {0, 6}, 90);
        score.hits(stab, {3, 10, 13}, 65);
        if (phraseEnd)
            score.snareFill(12);
        else
            score.hit(kSnare, 1 + 2 * Roll(dice, 6), 30);
        break;
    case Section::Variation:
        // Half time: the clap on the third beat, the bass off the grid.
        score.hits(kKick, {0, 10});
        score.hit(kClap, 8);
        score.hits(kClosedHat, {2, 6, 10, 14}, 80);
        score.hits(bass, {0, 3, 6, 10, 13}, 85);
        score.hit(stab, 0, 70, 4);
        score.hit(stab, 8, 60, 4);
        if (phraseEnd)
            score.snareFill(8);
        break;
    case Section::Outro: {
        const int32_t fade = bar - 32; // 0 .. 3
        if (bar == kDemoBars - 1) {
            score.hit(kKick, 0);
            score.hit(stab, 0, 40, kStepsPerBar);
            break;
        }
        score.hits(kKick, {0, 4, 8, 12});
        score.hits(kClosedHat, {2, 6, 10, 14}, 80 - 20 * fade);
        score.hit(stab, 0, 70 - 15 * fade, kStepsPerBar);
        break;
    }
    }
}

} // namespace

int64_t DemoStepFrames() {
    const auto timing =
        StepTiming::From(kDemoMph, kSynthRate, kDemoFrameResolution, kDemoBars * kStepsPerBar);
    return FramesFromElements(timing->StartOfStep(1));
}

void BuildDemoPlan(Arrangement& arrangement, const std::array<int64_t, kDemoLaneCount>& soundFrames,
                   const QString& folder) {
    TThePlan& plan = arrangement.plan;
    StartFromDefaults(arrangement);
    plan.MPH.SetValue(kDemoMph);
    plan.FrameResolution.SetValue(kDemoFrameResolution);
    plan.ElementRate.SetValue(kSynthRate);
    plan.Frames.SetValue(kDemoBars * kStepsPerBar);
    plan.RecomputeTiming();
    // Opens with the lanes from the top row and the first bars in view.
    arrangement.room.OffsetX = 2;
    arrangement.room.OffsetY = 0;
    // Channels loop; every lane's life is its sound's length, so only balls with a longer life
    // repeat their sound.
    plan.Master.RoundRobin = true;

    const ResourceFolders folders{folder, {}, {}};
    for (int32_t position = 0; position < kDemoLaneCount; ++position) {
        const DemoInstrument& instrument = DemoInstruments()[position];
        TPiece& piece = arrangement.lanes.Add(position, instrument.hue, false).Piece();
        piece.Handle = QString::fromLatin1(instrument.handle);
        piece.Loudness.SetText(instrument.loudness);
        piece.Pan.SetText(instrument.pan);
        piece.Resource =
            arrangement.resources.FindOrAdd(QString::fromLatin1(instrument.file), folders);
        const int64_t length = ElementsFromFrames(soundFrames[position]).count;
        piece.Life.SetValue(length);
        piece.ResEnd.SetValue(length);
    }

    Score score(arrangement);
    Noise dice(0xdeb0);
    for (int32_t bar = 0; bar < kDemoBars; ++bar)
        WriteBar(score, dice, bar);

    plan.Start = plan.Timing().StartOfStep(kLoopFirstBar * kStepsPerBar);
    plan.End = plan.Timing().StartOfStep((kLoopFirstBar + kLoopBars) * kStepsPerBar);
}
