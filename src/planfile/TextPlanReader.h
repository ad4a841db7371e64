// Reads the text plan forms: version 2, version 1 (a list of sound files) and the oldest form
// (every section a ball).
#pragma once

#include "planfile/PlanReadContext.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>

class Arrangement;
class TBall;
class TLane;
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

// Single sections, for the clipboard's pastes.
// A ball at (x, y), whatever the section's X and Y, with the section's hue and piece; none, with
// nothing added and no load message, when the cell is taken or outside the ball range.
TBall* ReadBallSectionAt(Arrangement& arrangement, const TWideCustomIniFile& ini,
                         const QString& section, int64_t x, int64_t y,
                         const PlanReadContext& context);
// A lane section into an existing lane: its chosen hue (a hue of -1 or none leaves the lane's),
// its piece and its struck flag.
void ReadLaneSectionInto(Arrangement& arrangement, const TWideCustomIniFile& ini,
                         const QString& section, TLane& lane, const PlanReadContext& context);
// The values of a [Main] section that edits change (as WritePlanValuesSection writes them) into
// the plan; the timing is not derived again.
void ReadPlanValuesSection(Arrangement& arrangement, const TWideCustomIniFile& ini,
                           const PlanReadContext& context);
// Opens the sound files the sections name, so that reading them later under the mixer lock
// waits on no disk.
void FindSectionResources(Arrangement& arrangement, const TWideCustomIniFile& ini,
                          const QStringList& sections, const PlanReadContext& context);
