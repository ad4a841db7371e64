// A plan file read and put into another form, for the headless commands.
#pragma once

#include "planfile/PlanImage.h"
#include "planfile/PlanOperations.h"

#include <QString>

#include <cstdint>

struct ConvertedPlan {
    bool loaded = false;  // the file was read as a plan
    QString loadMessages; // what the load had to say, loaded or not; trimmed
    PlanImage image;      // the plan in the asked form, as saving in that form writes it
};

// Loads the plan file and builds its image in `format`, one of the save forms (kFormatBinary,
// kFormatText, kFormatBallSections); no image when the plan could not be read.
ConvertedPlan ConvertPlanFile(const QString& planPath, int32_t format,
                              const PlanFileSettings& settings = {});
