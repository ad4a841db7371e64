// Reads the text plan forms: version 2, version 1 (a list of sound files) and the oldest form
// (every section a ball).
#pragma once

#include "planfile/PlanReadContext.h"

#include <QByteArray>

class Arrangement;
class TWideCustomIniFile;

// Picks the reader by the file's sections, as `ini` holds them: a first section "Main" with
// FormatVersion 2 (the default) is version 2, with another version version 1; anything else is
// the oldest form. False when a ball could not be placed (the load messages say which).
bool ReadTextPlan(Arrangement& arrangement, const TWideCustomIniFile& ini,
                  const QByteArray& fileBytes, const PlanReadContext& context);

bool ReadTextPlanVersion2(Arrangement& arrangement, const TWideCustomIniFile& ini,
                          const PlanReadContext& context);
// Version 1 lists its sound files as raw lines after "[Resources]".
bool ReadTextPlanVersion1(Arrangement& arrangement, const TWideCustomIniFile& ini,
                          const QByteArray& fileBytes, const PlanReadContext& context);
bool ReadOldestTextPlan(Arrangement& arrangement, const TWideCustomIniFile& ini,
                        const PlanReadContext& context);
