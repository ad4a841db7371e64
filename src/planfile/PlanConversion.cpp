// Loading a plan file and building its image in another form.
#include "planfile/PlanConversion.h"

#include "model/Arrangement.h"

ConvertedPlan ConvertPlanFile(const QString& planPath, int32_t format,
                              const PlanFileSettings& settings) {
    ConvertedPlan converted;
    Arrangement arrangement;
    arrangement.plan.FileName = planPath;
    converted.loaded = LoadPlan(arrangement, planPath, settings);
    converted.loadMessages = arrangement.plan.LoadMessages.trimmed();
    if (converted.loaded)
        converted.image = PlanImageFor(arrangement, format).value();
    return converted;
}
