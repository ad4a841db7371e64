// The save question's words.
#include "app/SaveQuestionWords.h"

#include "model/Plan.h"
#include "support/UserName.h"
#include "texts/DurationWords.h"
#include "texts/Parlance.h"
#include "texts/TextFormat.h"

#include <QFileInfo>

namespace {

constexpr int kTextTitle = 101;
constexpr int kTextKeepAsHint = 102;
constexpr int kTextInstruction = 103;
constexpr int kTextBegun = 105;
constexpr int kTextLastSaved = 107;

QString ago(const QDateTime& then, const QDateTime& now) {
    return DurationInWords(std::chrono::milliseconds(then.msecsTo(now)));
}

} // namespace

SaveQuestionTexts SaveQuestionTextsFor(const TThePlan& plan, const QDateTime& now,
                                       bool offerKeepAs) {
    SaveQuestionTexts texts;
    texts.title = Text(kTextTitle);
    texts.instruction = FormatText(kTextInstruction, {plan.FileName});
    // The plan keeps no author: the changes began with this user, and the file was last saved
    // by its owner.
    const QDateTime begun =
        plan.FirstChangeTime().isValid() ? plan.FirstChangeTime() : plan.LoadTime;
    texts.content = FormatText(kTextBegun, {CurrentUserName(), ago(begun, now)});
    const QFileInfo file(plan.FileName);
    if (!plan.Untitled && file.exists())
        texts.content +=
            '\n' + FormatText(kTextLastSaved, {file.owner(), ago(file.lastModified(), now)});
    if (offerKeepAs)
        texts.content += QStringLiteral("\n\n") + Text(kTextKeepAsHint);
    return texts;
}
