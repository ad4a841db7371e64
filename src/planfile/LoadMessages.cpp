// Load messages: texts by number where the program has them.
#include "planfile/LoadMessages.h"

#include "model/Plan.h"
#include "planfile/PlanReadContext.h"
#include "texts/Parlance.h"

#include <QFileInfo>

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

} // namespace

ResourceFolders FoldersFor(const TThePlan& plan, const PlanReadContext& context) {
    return {context.planFolder, plan.ResourcesFolder, context.defaultFolder};
}

PlanReadContext ContextOfOpenPlan(const TThePlan& plan, const QString& defaultFolder) {
    return {plan.Untitled ? QString() : QFileInfo(plan.FileName).absolutePath(), defaultFolder};
}

void AddRefusedBallMessage(TThePlan& plan, int64_t x, int64_t y,
                           const std::optional<QString>& section) {
    QString line = Text(88) + QStringLiteral(" (");
    if (section)
        line += Text(90) + QStringLiteral(": ") + *section + QStringLiteral(", ");
    line += Text(92) + QStringLiteral(": X=%1, Y=%2)").arg(x).arg(y);
    plan.LoadMessages += line + kLineEnd;
}

void AddFormatFaultMessage(TThePlan& plan, int64_t offset, int tag) {
    plan.LoadMessages +=
        QStringLiteral("Format fault at byte %1 (tag %2); the plan was read up to there")
            .arg(offset)
            .arg(tag) +
        kLineEnd;
}

void RecomputeTimingAfterRead(TThePlan& plan) {
    const QString unusable = plan.RecomputeTiming();
    if (!unusable.isEmpty())
        plan.LoadMessages +=
            unusable + QStringLiteral(": no usable timing; the previous one is kept") + kLineEnd;
}
