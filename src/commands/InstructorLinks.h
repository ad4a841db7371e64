// What the instructor works on and through: the plan, the window, the dialogs and the desktop.
#pragma once

#include "planfile/PlanOperations.h"

#include <QString>

#include <functional>

class Arrangement;
class CommandHost;
class PlanDesktop;
class PlanDialogs;
class SaveQuestion;
class TGenericStopwatch;
class TTheMingler;
class UnreadablePlanDialogs;

// Everything referenced outlives the instructor.
struct InstructorLinks {
    Arrangement& arrangement;
    CommandHost& host;
    SaveQuestion& saveQuestion;
    PlanDialogs& dialogs;
    PlanDesktop& desktop;
    UnreadablePlanDialogs& unreadablePlan;
    const TGenericStopwatch& stopwatch;
    QString backupFile; // the data folder's "plan_backup.skw"
    PlanFileSettings planFiles;
    // Asked before a command may restart the output at another rate, which frees the running
    // renders' streams; true: go on.
    std::function<bool()> confirmStopPerpetuations;
    // The live mingler; none before start-up, after shut-down and without sound.
    std::function<TTheMingler*()> mingler;
};
