// The headless plan commands: a plan as text on a stream, and a plan saved in another form.
#pragma once

#include "planfile/PlanOperations.h"

#include <QString>

#include <iosfwd>

// Writes the loaded plan exactly as a save as text (version 2) would write its file.
// Exit codes: 0 done, 1 the plan could not be read.
int DumpPlan(const QString& planPath, std::ostream& out, std::ostream& err,
             const PlanFileSettings& settings = {});
// Loads a plan and saves it under another name as "binary", "text" or "balls".
// Exit codes: 0 done, 1 reading or writing failed, 2 bad arguments.
int ConvertPlan(const QString& inPath, const QString& outPath, const QString& format,
                std::ostream& err, const PlanFileSettings& settings = {});
