// The unreadable-plan question's logic.
#include "commands/UnreadablePlanQuestion.h"

#include "commands/DialogState.h"
#include "model/Arrangement.h"
#include "planfile/PlanOperations.h"
#include "texts/Parlance.h"
#include "texts/TextFormat.h"

#include <QFileInfo>

#include <optional>

namespace {

constexpr int kChangeSaveFailed = 195;

bool StillUnreadable(const TThePlan& plan) {
    return !plan.LoadMessages.isEmpty() && !QFileInfo::exists(plan.FileName);
}

} // namespace

UnreadablePlanTexts UnreadablePlanTextsFor(const QString& fileName, bool closing) {
    UnreadablePlanTexts texts;
    texts.caption = Text(42);
    texts.instruction = FormatText(239, {QFileInfo(fileName).fileName()});
    texts.content = GetText(55) + QStringLiteral(": \"") + fileName + QStringLiteral("\".");
    texts.question = Text(240);
    if (closing) {
        // A text that goes on after a comma joins without a blank.
        const QString& more = Text(241);
        if (!more.startsWith(QLatin1Char(',')))
            texts.question += QLatin1Char(' ');
        texts.question += more;
    }
    texts.question += QLatin1Char('.');
    return texts;
}

QuestionAnswer AskAboutUnreadablePlan(Arrangement& arrangement, bool closing, bool modal,
                                      UnreadablePlanDialogs& dialogs, CommandHost& host,
                                      const PlanFileSettings& settings) {
    TThePlan& plan = arrangement.plan;
    if (!StillUnreadable(plan))
        return QuestionAnswer::None;
    std::optional<DialogState> dialogState;
    if (modal)
        dialogState.emplace(host);
    bool retried = false;
    QuestionAnswer answer = QuestionAnswer::None;
    for (bool asking = true; asking;) {
        asking = false;
        answer = dialogs.Ask(UnreadablePlanTextsFor(plan.FileName, closing));
        switch (answer) {
        case QuestionAnswer::Yes:
            if (SavePlan(arrangement, plan.FileName, kFormatText, false)) {
                plan.LoadMessages.clear();
                plan.Untitled = false;
                arrangement.window.TitleChanged();
            } else {
                plan.SetModified(kChangeSaveFailed, true);
                dialogs.ShowReportWindow();
            }
            break;
        case QuestionAnswer::No:
            plan.FileName = Text(29);
            plan.LoadMessages.clear();
            arrangement.window.TitleChanged();
            break;
        case QuestionAnswer::Retry: {
            retried = true;
            const ReplacingPlan replacing(arrangement.recorder);
            // A load fills empty lists, as the open command leaves them.
            arrangement.balls.RemoveAll(false);
            arrangement.lanes.RemoveAll();
            if (!LoadPlan(arrangement, plan.FileName, settings))
                dialogs.ReportUnreadable(plan.FileName);
            asking = StillUnreadable(plan);
            break;
        }
        case QuestionAnswer::Cancel:
            if (closing) {
                plan.SetModified(0, false);
                dialogs.CloseMainWindow();
            }
            break;
        case QuestionAnswer::None:
            break;
        }
    }
    if (retried)
        dialogs.LineToCarrierPosition();
    return answer;
}
