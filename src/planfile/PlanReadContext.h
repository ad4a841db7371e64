// What the plan readers need to know beyond the file's bytes: where sound files may be found.
#pragma once

#include "model/Resources.h"

#include <QString>

class TThePlan;

struct PlanReadContext {
    QString planFolder;    // the folder of the plan file being read
    QString defaultFolder; // the program's Resources/DefaultFolder setting
};

// The folders as they stand now: the plan's resources folder may have just been read.
ResourceFolders FoldersFor(const TThePlan& plan, const PlanReadContext& context);
// Where sections of the open plan itself are read (pasted, or brought back by Undo): beside its
// file, if it has one.
PlanReadContext ContextOfOpenPlan(const TThePlan& plan, const QString& defaultFolder);
