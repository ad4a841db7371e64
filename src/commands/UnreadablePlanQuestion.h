// What happens after a load left messages for a plan whose file is gone: the question to the user
// and each answer's consequence; the message box itself is UnreadablePlanBoxes.
#pragma once

#include <QString>

class Arrangement;
class CommandHost;
struct PlanFileSettings;

// The dialog's results, as the platform numbers them.
enum class QuestionAnswer : int { None = 0, Cancel = 2, Retry = 4, Yes = 6, No = 7 };

struct UnreadablePlanTexts {
    QString caption;     // the program's name
    QString instruction; // which file
    QString content;     // the file's full name
    QString question;    // save it under that name?
};

// The window's side of the question. UI thread.
class UnreadablePlanDialogs {
public:
    virtual ~UnreadablePlanDialogs() = default;
    // Yes, No, Retry or Cancel.
    virtual QuestionAnswer Ask(const UnreadablePlanTexts& texts) = 0;
    virtual void ShowReportWindow() = 0;
    virtual void ReportUnreadable(const QString& fileName) = 0;
    virtual void CloseMainWindow() = 0;
    // The line takes the carrier's play position.
    virtual void LineToCarrierPosition() = 0;
};

UnreadablePlanTexts UnreadablePlanTextsFor(const QString& fileName, bool closing);

// Asks only when the last load left messages and no file of the plan's name exists; None
// otherwise. Yes saves the plan as text under its name, No gives up the name, Retry loads the
// file again (and asks again while it is still missing), Cancel closes the window when closing.
// Modal: the whole exchange is in the window's dialog state.
QuestionAnswer AskAboutUnreadablePlan(Arrangement& arrangement, bool closing, bool modal,
                                      UnreadablePlanDialogs& dialogs, CommandHost& host,
                                      const PlanFileSettings& settings);
