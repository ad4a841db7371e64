// The instructor: carries out the program's commands, by id from the menus and the keys, or by
// a direct call from the window and the controls.
#pragma once

#include "commands/CommandState.h"
#include "commands/CommandTable.h"
#include "commands/ContextCommands.h"
#include "commands/InstructorLinks.h"
#include "commands/PlanFileCommands.h"
#include "commands/PlanKeeping.h"
#include "commands/PlanOpening.h"

#include <QString>

// One lives as long as the main window. UI thread only.
class TTheInstructor {
public:
    explicit TTheInstructor(const InstructorLinks& links);
    TTheInstructor(const TTheInstructor&) = delete;
    TTheInstructor& operator=(const TTheInstructor&) = delete;

    // Every command with an id of its own; other groups of commands add theirs.
    CommandTable& Commands() { return m_commands; }
    // The context menus' dispatchers, which fall back on the table above.
    ContextCommands& Contexts() { return m_contexts; }
    CommandState& State() { return m_state; }

    // The direct operations.
    void NewPlan(bool atStartup) { m_opener.NewPlan(atStartup); }
    bool KeepPlan(bool closing) { return m_keeper.KeepPlan(closing); }
    bool KeepPlanAs(bool asCopy, bool dim) { return m_keeper.KeepPlanAs(asCopy, dim); }
    bool LoadPlanFile(bool keepFirst, const QString& fileName) {
        return m_opener.LoadPlanFile(keepFirst, fileName);
    }
    void OpenPlanFile(const QString& fileName) { m_opener.OpenPlanFile(fileName); }

    // Closing: the save question and the keep its answer asks for; true when the window may
    // close. Yes clears saveSideCopy.
    bool SettleBeforeClose(bool& saveSideCopy) { return m_keeper.SettleBeforeClose(saveSideCopy); }
    // Closing went around the question: the changed plan goes beside its file, unasked. False
    // when a changed plan was not written (it has no file of its own, or the save failed).
    bool KeepSideCopy();

private:
    void addPlanCommands();

    InstructorLinks m_links;
    CommandState m_state;
    CommandTable m_commands;
    ContextCommands m_contexts{m_links.arrangement, m_state, m_commands};
    PlanKeeper m_keeper{m_links, m_state.Mark};
    PlanOpener m_opener{m_links, m_keeper, m_state};
    PlanFileCommands m_files{m_links};
};
