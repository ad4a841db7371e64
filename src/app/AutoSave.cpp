// The auto-save step.
#include "app/AutoSave.h"

#include "app/AutoSaveRecovery.h"
#include "model/Arrangement.h"
#include "planfile/PlanOperations.h"
#include "support/Stopwatch.h"
#include "texts/ReportElapsed.h"
#include "texts/TextFormat.h"

bool AutoSave::Tick() {
    return m_applicationActive() && SaveNow();
}

bool AutoSave::SaveNow() {
    const QString shared = AutoSaveFileIn(m_dataFolder);
    const QString file = m_guest && !shared.isEmpty() ? GuestAutoSaveFile(shared) : shared;
    const TThePlan& plan = m_arrangement.plan;
    if (!plan.Modified() || file.isEmpty())
        return false;
    int64_t mark = m_stopwatch.Read();
    QString written;
    if (!SavePlan(m_arrangement, file, plan.FileFormat, false, &written))
        return false;
    // Until a normal end, the next start can offer it back.
    if (!m_guest)
        WriteAutoSaveRecord(file, plan.Untitled ? QString() : plan.FileName);
    ReportElapsed(m_stopwatch, FormatText(320, {written}), mark);
    return true;
}
