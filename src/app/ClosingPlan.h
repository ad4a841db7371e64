// What closing the window asks about a changed plan, and what each answer saves.
#pragma once

#include "app/PlanKeeping.h"

#include <QDateTime>
#include <QString>

class Arrangement;
class TGenericStopwatch;
class TThePlan;

enum class SaveAnswer { Yes, No, Cancel, KeepAs };

struct SaveQuestionTexts {
    QString title;
    QString instruction; // save the changes to which file
    QString content;     // who began the changes and who saved the file, how long ago
};

// The question's words for a plan at a moment; offerKeepAs adds the hint at the fourth answer.
SaveQuestionTexts SaveQuestionTextsFor(const TThePlan& plan, const QDateTime& now,
                                       bool offerKeepAs);

// The window's side of closing. UI thread.
class CloseQuestions : public PlanNameQuestion {
public:
    // Yes, No or Cancel; KeepAs only when offered (the plan has a file of its own).
    virtual SaveAnswer AskSave(const SaveQuestionTexts& texts, bool offerKeepAs) = 0;
};

// A close that asks nothing (scripted runs): the changes are dropped and no name is chosen, so
// nothing is written over any file.
class QuietCloseQuestions : public CloseQuestions {
public:
    SaveAnswer AskSave(const SaveQuestionTexts&, bool) override { return SaveAnswer::No; }
    bool AskPlanFile(QString&, int&) override { return false; }
};

// Asks about a changed plan and saves by the answer. Yes saves with backup to the plan's file;
// a plan without a file of its own is only ever saved under a name asked for. No drops the
// changes. True when closing may go on; saveSideCopy is cleared by the answer Yes.
bool SettleChangedPlan(Arrangement& arrangement, CloseQuestions& questions,
                       const QString& backupFile, const TGenericStopwatch& stopwatch,
                       bool& saveSideCopy);
