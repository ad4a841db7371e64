// The auto-save step.
#include "app/AutoSave.h"

#include "model/Arrangement.h"
#include "planfile/PlanOperations.h"
#include "support/Stopwatch.h"
#include "texts/Parlance.h"
#include "texts/ReportElapsed.h"
#include "texts/TextFormat.h"

bool AutoSave::Tick() {
    return m_applicationActive() && SaveNow();
}

bool AutoSave::SaveNow() {
    const QString& name = Text(319);
    if (!m_arrangement.plan.Modified() || name.isEmpty())
        return false;
    int64_t mark = m_stopwatch.Read();
    QString written;
    if (!SavePlan(m_arrangement, m_dataFolder + name, m_arrangement.plan.FileFormat, false,
                  &written))
        return false;
    ReportElapsed(m_stopwatch, FormatText(320, {written}), mark);
    return true;
}
