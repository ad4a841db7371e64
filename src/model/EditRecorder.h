// What the plan's edit history hears from the model as the plan changes.
#pragma once

#include <cstdint>

class TBall;

// UI thread only. The model tells of every change before it happens, so that the state before
// can be kept; a recorder that is not recording ignores it all.
class EditRecorder {
public:
    virtual ~EditRecorder() = default;

    // Before a ball's cell, lane or values change.
    virtual void BallChanging(const TBall& ball) = 0;
    // A ball just made.
    virtual void BallAdded(const TBall& ball) = 0;
    // Before a ball goes.
    virtual void BallRemoving(const TBall& ball) = 0;
    // An edit reported its change code; 0 for an edit that has none.
    virtual void ChangeRecorded(int32_t changeCode) = 0;
    // The plan as it is now is the one saved in its file.
    virtual void PlanSaved() = 0;
    // A new plan is about to replace this one: nothing until PlanReplaced is an edit.
    virtual void PlanReplacing() = 0;
    // The new plan is in place: the history starts afresh from it.
    virtual void PlanReplaced() = 0;
};

// Around the replacement of the whole plan (New, Open, reading the file again).
class ReplacingPlan {
public:
    explicit ReplacingPlan(EditRecorder* recorder) : m_recorder(recorder) {
        if (m_recorder)
            m_recorder->PlanReplacing();
    }
    ~ReplacingPlan() {
        if (m_recorder)
            m_recorder->PlanReplaced();
    }
    ReplacingPlan(const ReplacingPlan&) = delete;
    ReplacingPlan& operator=(const ReplacingPlan&) = delete;

private:
    EditRecorder* m_recorder;
};
