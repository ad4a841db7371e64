// Keep, keep as, keep a copy, and the save question's answers.
#include "commands/PlanKeeping.h"

#include "commands/CommandHost.h"
#include "commands/DialogState.h"
#include "commands/InstructorLinks.h"
#include "commands/PlanDialogs.h"
#include "commands/PlanSaving.h"
#include "model/Arrangement.h"
#include "planfile/PlanOperations.h"
#include "support/Stopwatch.h"
#include "texts/Parlance.h"
#include "texts/PlanNames.h"

#include <QFileInfo>

#include <optional>

namespace {

constexpr int kTextPlanFilter = 40;
constexpr int kTextCopyFilter = 41;
constexpr int kTextCopyPrefix = 46;
constexpr int kTextCopyTitle = 47;
constexpr int kTextSaveAsTitle = 52;
constexpr int kTextPlanExtension = 53;

constexpr int kFilterBinary = 1;
constexpr int kFilterText = 2;
constexpr int kFilterBallSections = 3;

int32_t formatOfFilter(int filterIndex, bool asCopy) {
    if (filterIndex == kFilterBinary)
        return kFormatBinary;
    return asCopy && filterIndex == kFilterBallSections ? kFormatBallSections : kFormatText;
}

} // namespace

bool PlanKeeper::SaveWithBackup(bool sideCopy, bool reporting) {
    return ::SaveWithBackup(m_links.arrangement, m_links.backupFile, sideCopy, reporting,
                            m_links.stopwatch, m_mark);
}

bool PlanKeeper::KeepPlan(bool closing) {
    TThePlan& plan = m_links.arrangement.plan;
    if (plan.Untitled)
        return KeepPlanAs(false, !closing);
    if (!SaveWithBackup(false, true))
        return KeepPlanAs(false, !closing);
    if (!closing) {
        if (plan.Modified())
            plan.ClearModified();
        m_links.host.RefreshTitle();
    }
    return true;
}

bool PlanKeeper::KeepPlanAs(bool asCopy, bool dim) {
    Arrangement& arrangement = m_links.arrangement;
    TThePlan& plan = arrangement.plan;
    const DialogState aside(m_links.host, false);
    int filterIndex = plan.FileFormat == kFormatBinary ? kFilterBinary : kFilterText;
    FileDialogSpec spec;
    QString fileName;
    if (asCopy) {
        spec.title = Text(kTextCopyTitle);
        spec.filter = Text(kTextCopyFilter);
        fileName = Text(kTextCopyPrefix) + QFileInfo(plan.FileName).fileName();
        spec.folder = plan.Folder();
    } else {
        spec.title = Text(kTextSaveAsTitle);
        spec.filter = Text(kTextPlanFilter);
        fileName = plan.FileName;
    }
    if (plan.Untitled)
        fileName = RandomPlanName(arrangement.balls.Count());
    spec.defaultSuffix = Text(kTextPlanExtension);

    bool chosen = false;
    {
        std::optional<DialogState> dimmed;
        if (dim)
            dimmed.emplace(m_links.host);
        chosen = m_links.dialogs.AskSaveFile(spec, fileName, filterIndex);
    }
    if (!chosen || fileName.isEmpty())
        return false;
    m_mark = m_links.stopwatch.Read();
    const int32_t format = formatOfFilter(filterIndex, asCopy);
    if (!SavePlan(arrangement, fileName, format, false)) {
        m_links.host.ShowReport();
        return false;
    }
    if (!asCopy) {
        plan.FileFormat = format;
        plan.FileName = fileName;
        plan.Untitled = false;
        // The plan is now what its new file holds.
        plan.ClearModified();
        m_links.host.RefreshTitle();
    }
    ReportPlanSaved(m_links.stopwatch, fileName, m_mark);
    return true;
}

PlanKeeper::AfterQuestion PlanKeeper::askAboutChanges(bool keepAsForYes) {
    const TThePlan& plan = m_links.arrangement.plan;
    if (!plan.Modified())
        return AfterQuestion::Forget;
    const DialogState state(m_links.host);
    const bool hasFile = !plan.Untitled;
    SaveAnswer answer = m_links.saveQuestion.AskSaveChanges(hasFile);
    if (answer == SaveAnswer::Yes && !hasFile && keepAsForYes)
        answer = SaveAnswer::KeepAs;
    switch (answer) {
    case SaveAnswer::Yes:
        return AfterQuestion::Keep;
    case SaveAnswer::No:
        return AfterQuestion::Forget;
    case SaveAnswer::KeepAs:
        return KeepPlanAs(false, false) ? AfterQuestion::Forget : AfterQuestion::End;
    case SaveAnswer::Cancel:
        break;
    }
    return AfterQuestion::End;
}

bool PlanKeeper::SettleChanges(bool& keepFirst) {
    const AfterQuestion after = askAboutChanges(false);
    keepFirst = after == AfterQuestion::Keep;
    return after != AfterQuestion::End;
}

bool PlanKeeper::SettleBeforeClose(bool& saveSideCopy) {
    // A plan without a file of its own is only ever kept under a name asked for.
    const AfterQuestion after = askAboutChanges(true);
    if (after == AfterQuestion::End)
        return false;
    if (after == AfterQuestion::Keep) {
        if (!SaveWithBackup(false, false) && !KeepPlanAs(false, true))
            return false;
        // Only a close that goes ahead gives up the side copy: a refused one leaves it for a
        // later close without questions.
        saveSideCopy = false;
    }
    m_links.arrangement.plan.ClearModified();
    return true;
}
