// Collecting the plan's sound files in one folder.
#pragma once

#include "commands/ProgramCommandLinks.h"

// The user chooses the folder; the sound files that exist are copied there with progress, and
// each one that is there now is named by the plan in its new place. Report lines say what was
// collected and what was missing. UI thread only.
void CollectResources(const ProgramLinks& links);
