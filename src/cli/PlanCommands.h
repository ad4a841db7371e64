// glorinbax --dump and --convert: a plan as text on a stream, and a plan saved in another form.
#pragma once

#include "planfile/PlanOperations.h"

#include <QString>

#include <cstdint>
#include <iosfwd>
#include <optional>

// The save form a --format word names: "binary", "text" or "balls"; none for any other word.
std::optional<int32_t> PlanFormatForWord(const QString& word);

// Writes the loaded plan exactly as a save as text (version 2) would write its file.
// Exit codes: 0 done, 1 the plan could not be read.
int DumpPlan(const QString& planPath, std::ostream& out, std::ostream& err,
             const PlanFileSettings& settings = {});
// Loads a plan and saves it under another name in a save form.
// Exit codes: 0 done, 1 reading or writing failed.
int ConvertPlan(const QString& inPath, const QString& outPath, int32_t format, std::ostream& err,
                const PlanFileSettings& settings = {});
