// The instructor's plan commands by id.
#include "commands/Instructor.h"

#include "commands/CommandIds.h"
#include "model/Arrangement.h"

TTheInstructor::TTheInstructor(const InstructorLinks& links) : m_links(links) {
    addPlanCommands();
}

void TTheInstructor::addPlanCommands() {
    m_commands.Add(cmd::kNewPlan, [this] { m_opener.NewPlan(false); });
    m_commands.Add(cmd::kOpenPlan, [this] { m_opener.OpenPlan(); });
    m_commands.Add(cmd::kOpenPlanFromClipboard, [this] { m_opener.OpenPlanFromClipboard(); });
    m_commands.Add(cmd::kKeepPlan, [this] { m_keeper.KeepPlan(false); });
    m_commands.Add(cmd::kKeepPlanAs, [this] { m_keeper.KeepPlanAs(false, true); });
    m_commands.Add(cmd::kKeepPlanCopy, [this] { m_keeper.KeepPlanAs(true, true); });
    m_commands.Add(cmd::kAmendPlanText, [this] { m_files.AmendPlanText(); });
    m_commands.Add(cmd::kOpenPlanWith, [this] { m_files.OpenPlanWith(); });
    m_commands.Add(cmd::kShowPlanInFolder, [this] { m_files.ShowPlanInFolder(); });
    m_commands.Add(cmd::kCopyPlanPath, [this] { m_files.CopyPlanPath(); });
    m_commands.Add(cmd::kShowPlanProperties, [this] { m_files.ShowPlanProperties(); });
    m_commands.Add(cmd::kShowPlanInfo, [this] { m_files.ShowPlanInfo(); });
    m_commands.Add(cmd::kShowLanesInfo, [this] { m_files.ShowLanesInfo(); });
}

bool TTheInstructor::KeepSideCopy() {
    const TThePlan& plan = m_links.arrangement.plan;
    if (!plan.Modified())
        return true;
    // A plan without a file of its own cannot be kept beside it.
    return !plan.Untitled && m_keeper.SaveWithBackup(true, false);
}
