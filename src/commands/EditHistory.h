// The plan's edits as steps that can be taken back and made again.
#pragma once

#include "model/EditRecorder.h"
#include "planfile/PlanReadContext.h"

#include <QByteArray>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

class Arrangement;
class TBall;
class TLane;
class TTheBalls;

// Each step keeps what its edit changed, never a copy of the plan: of every ball it touched, the
// ball's place in the ball list and its text section before and after; the same of every lane
// that changed; and the plan's values (the timing, the play range, the master piece) when they
// changed. Balls tell of their changes before they happen; lanes and values are compared with
// how they stood when the step began. The view and the master loudness are not edits. UI thread
// only; attaches itself to the arrangement while it lives.
class TEditHistory final : public EditRecorder {
public:
    // The oldest steps go beyond either bound; the newest step stays whatever its size.
    static constexpr size_t kMostSteps = 5000;
    static constexpr size_t kMostBytes = size_t{64} << 20;

    // `context` tells where the sound files that balls name are found again.
    TEditHistory(Arrangement& arrangement, std::function<PlanReadContext()> context);
    ~TEditHistory() override;
    TEditHistory(const TEditHistory&) = delete;
    TEditHistory& operator=(const TEditHistory&) = delete;

    // Off until the program's first plan is in place; switched on, the plan as it is then is
    // where the next step begins.
    void SetRecording(bool recording);
    // Told when a step begins, so that the step can be ended with the user's action.
    void SetStepListener(std::function<void()> listener) { m_stepBegun = std::move(listener); }
    // Ends the step in the making: at the end of every user action. True when a new step was
    // kept; a step that left every ball as it was is dropped, and a key of a typed value joins
    // the step of the key before.
    bool CloseStep();
    // Forgets every step and takes the plan as it is now as the start of the next; it counts as
    // its file's when `saved`.
    void Clear(bool saved);

    bool CanUndo() const { return m_position > 0; }
    bool CanRedo() const { return m_position < m_steps.size(); }
    // The change code of the step that Undo (Redo) would take; 0 when there is none.
    int32_t UndoCode() const { return CanUndo() ? m_steps[m_position - 1].changeCode : 0; }
    int32_t RedoCode() const { return CanRedo() ? m_steps[m_position].changeCode : 0; }
    // Takes the last step back / makes the next one again, with the plan's change state
    // following (back at the saved step, the plan is unchanged). False when there is none.
    bool Undo();
    bool Redo();
    // The balls the last Undo or Redo made: while the plan rolls they are to be armed.
    const std::vector<TBall*>& Restored() const { return m_restored; }
    // Memory the steps keep.
    size_t Bytes() const { return m_bytes; }

    // EditRecorder
    void BallChanging(const TBall& ball) override;
    void BallAdded(const TBall& ball) override;
    void BallRemoving(const TBall& ball) override;
    void ChangeRecorded(int32_t changeCode) override;
    void PlanSaved() override;
    void PlanReplacing() override;
    void PlanReplaced() override;

private:
    // A ball as the text form writes it, at its index in the ball list.
    struct BallState {
        int index = 0;
        int32_t x = 0;
        int32_t y = 0;
        QByteArray text;
        bool operator==(const BallState&) const = default;
    };
    struct BallChange {
        std::optional<BallState> before; // none: the step made it
        std::optional<BallState> after;  // none: the step removed it
    };
    // A lane as the text form writes it, and the hue it does not write when generated: a lane
    // that comes back has its colour again, but the program may choose generated hues anew at
    // any time without an edit.
    struct LaneState {
        int index = 0;
        int32_t position = 0;
        long double hue = 0;
        bool hueAuto = false;
        QByteArray text;
        // The same lane whatever its place in the list and its generated hue.
        bool SameAs(const LaneState& other) const {
            return position == other.position && hueAuto == other.hueAuto && text == other.text;
        }
    };
    struct LaneChange {
        std::optional<LaneState> before; // none: the step added it
        std::optional<LaneState> after;  // none: the step removed it
    };
    // The [Main] section of the plan's values.
    struct ValuesChange {
        QByteArray before;
        QByteArray after;
    };
    struct Step {
        int32_t changeCode = 0;
        std::vector<BallChange> balls;
        std::vector<LaneChange> lanes;
        std::optional<ValuesChange> values;
    };
    struct LaneNow {
        const TLane* lane;
        LaneState state;
    };
    // Where balls stand in a copy of the ball list: a few look-ups scan it, more build a map.
    class BallIndex {
    public:
        void Take(const TTheBalls& balls);
        bool Taken() const { return m_taken; }
        void Forget();
        int Of(const TBall* ball);

    private:
        std::vector<const TBall*> m_order;
        std::unordered_map<const TBall*, int> m_map;
        int m_lookups = 0;
        bool m_taken = false;
    };

    bool recordingNow() const { return m_recording && !m_applying && !m_replacing; }
    // A change arrives: a step begins with the first.
    void noteActivity();
    // The step in the making, which starts again empty.
    Step takeOpenStep();
    // The lanes in list order and the plan's values as they are now.
    std::vector<LaneNow> lanesNow() const;
    void takePlanAsStart();
    // The lanes and values that differ from the start of the step, into the step; what they are
    // now becomes the start of the next.
    void comparePlan(Step& step);
    // The entry of a ball in the step in the making, made with its state now when new.
    void touch(const TBall& ball, bool made);
    BallState stateOf(const TBall& ball) const;
    // The ball's index in the list as the step began.
    int startIndexOf(const TBall& ball);
    void keep(Step step);
    static size_t bytesOf(const Step& step);
    // A key of a typed value right after the key before, on the same balls: the step before
    // takes the new values, and the typed value stays one step.
    bool joinsLastStep(const Step& step);
    // Makes the plan as the step's after side (forward) or before side says: the balls of the
    // other side go, the lanes and values change, then the balls of this side come back at their
    // places.
    void apply(const Step& step, bool forward);
    // The lanes' part of apply, under the mixer lock; the lanes that are there afterwards.
    std::vector<TLane*> applyLanes(const Step& step, bool forward, const PlanReadContext& context);
    void followSavedState();

    Arrangement& m_arrangement;
    const std::function<PlanReadContext()> m_context;
    std::deque<Step> m_steps;
    size_t m_bytes = 0;    // of the steps
    size_t m_position = 0; // steps before it are done
    // The position at which the plan is its file's; none once that state cannot come back.
    std::optional<size_t> m_savedAt = 0;
    bool m_recording = false;
    bool m_applying = false;
    bool m_replacing = false;
    std::function<void()> m_stepBegun;

    // The plan's lanes and values as the step in the making began.
    std::vector<LaneNow> m_lanesAtStart;
    QByteArray m_valuesAtStart;

    // The step in the making.
    Step m_open;
    bool m_opened = false;                              // something happened since the last step
    std::unordered_map<const TBall*, size_t> m_touched; // live balls -> their change
    std::vector<const TBall*> m_changedBalls;           // per change: the ball, none once gone
    BallIndex m_start; // the list as the step began, taken on the first need
    std::vector<TBall*> m_restored;
    std::chrono::steady_clock::time_point m_lastKept;
};
