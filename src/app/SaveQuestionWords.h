// The save question's words, and the question of a close that asks nothing.
#pragma once

#include "commands/PlanDialogs.h"

#include <QDateTime>
#include <QString>

class TThePlan;

struct SaveQuestionTexts {
    QString title;
    QString instruction; // save the changes to which file
    QString content;     // who began the changes and who saved the file, how long ago
};

// The question's words for a plan at a moment; offerKeepAs adds the hint at the fourth answer.
SaveQuestionTexts SaveQuestionTextsFor(const TThePlan& plan, const QDateTime& now,
                                       bool offerKeepAs);

// A close that asks nothing (scripted runs): the changes are dropped, so nothing is written over
// any file and no name is asked for.
class QuietSaveQuestion : public SaveQuestion {
public:
    SaveAnswer AskSaveChanges(bool) override { return SaveAnswer::No; }
};
