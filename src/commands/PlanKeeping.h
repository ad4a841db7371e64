// Keeping the plan: under its own name with a backup, under a name the user gives, as a copy,
// and what the save question's answers keep before the plan is replaced or the window closes.
#pragma once

#include <cstdint>

struct InstructorLinks;

// UI thread only.
class PlanKeeper {
public:
    PlanKeeper(const InstructorLinks& links, int64_t& mark) : m_links(links), m_mark(mark) {}

    // An untitled plan asks for a name; any other is saved with backup, and asks for a name
    // when that fails. Unless closing, the title follows. True when a file was written.
    bool KeepPlan(bool closing);
    // Asks for a name (a random one proposed for an untitled plan) and saves there. As a copy,
    // the plan keeps its own name and format, and filter 3 writes only the ball sections;
    // otherwise the chosen file becomes the plan's. dim: the controls dim around the dialog.
    // True when a file was written; a failed save shows the report.
    bool KeepPlanAs(bool asCopy, bool dim);
    bool SaveWithBackup(bool sideCopy, bool reporting);

    // Before the plan is replaced: asks about unkept changes. True when the command may go on;
    // keepFirst is set when the answer asks the caller to keep before replacing. The changes
    // stay marked, as the replacement may still be cancelled.
    bool SettleChanges(bool& keepFirst);
    // Closing: asks about unkept changes and keeps by the answer. True when the window may
    // close; only then does Yes clear saveSideCopy.
    bool SettleBeforeClose(bool& saveSideCopy);

private:
    // What the caller does with the changes once the save question is answered.
    enum class AfterQuestion { End, Keep, Forget };
    // The save question inside the dialog state, asked only about unkept changes, and the
    // keep-as it may be answered with. Cancel, and a keep-as that wrote nothing, end the
    // caller's command. keepAsForYes: an untitled plan's Yes is keep-as.
    AfterQuestion askAboutChanges(bool keepAsForYes);

    const InstructorLinks& m_links;
    int64_t& m_mark;
};
