// The unreadable-plan question's logic.
#include "commands/UnreadablePlanQuestion.h"

#include "model/Arrangement.h"
#include "planfile/PlanOperations.h"
#include "texts/Parlance.h"
#include "texts/TextFormat.h"

#include <QFileInfo>

namespace {

constexpr int kChangeSaveFailed = 195;

class ModalScope {
public:
    ModalScope(UnreadablePlanDialogs& dialogs, bool modal) : m_dialogs(dialogs), m_modal(modal) {
        if (m_modal)
            m_dialogs.SetModal(true);
    }
    ~ModalScope() {
        if (m_modal)
            m_dialogs.SetModal(false);
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    UnreadablePlanDialogs& m_dialogs;
    bool m_modal;
};

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
    if (closing)
        texts.question += QLatin1Char(' ') + Text(241);
    texts.question += QLatin1Char('.');
    return texts;
}

QuestionAnswer AskAboutUnreadablePlan(Arrangement& arrangement, bool closing, bool modal,
                                      UnreadablePlanDialogs& dialogs,
                                      const PlanFileSettings& settings) {
    TThePlan& plan = arrangement.plan;
    if (!StillUnreadable(plan))
        return QuestionAnswer::None;
    const ModalScope modalScope(dialogs, modal);
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
        case QuestionAnswer::Retry:
            retried = true;
            // A load fills empty lists, as the open command leaves them.
            arrangement.balls.RemoveAll(false);
            arrangement.lanes.RemoveAll();
            if (!LoadPlan(arrangement, plan.FileName, settings))
                dialogs.ReportUnreadable(plan.FileName);
            asking = StillUnreadable(plan);
            break;
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
