#include "commands/WatchCommands.h"

#include "commands/CommandIds.h"
#include "commands/CommandTable.h"
#include "commands/PlanDialogs.h"
#include "controls/Interior.h"
#include "controls/TheLaneStrip.h"
#include "controls/TheSlider.h"
#include "controls/TheWatch.h"
#include "controls/TransportLink.h"
#include "controls/WatchTyper.h"
#include "model/Arrangement.h"
#include "support/TimeText.h"

#include <QRegularExpression>

#include <cmath>

namespace {

// Peeking on shows the hovered lane's value at once; off gives the watch its digits back.
void switchPeeking(TTheInterior& in) {
    bool& peeks = in.WatchStates.peekLanesLoudness;
    peeks = !peeks;
    TTheWatch* watch = TheWatchOf(in);
    const TTheLaneStrip* strip = TheLaneStripOf(in);
    TTheSlider* slider = TheSliderOf(in);
    if (!watch || watch->Typing() || !strip || !strip->Visible || !strip->HoveredLane())
        return;
    if (peeks && slider)
        slider->ShowValueInWatch();
    else if (!peeks && watch->ShowsNumber())
        watch->RestoreChosenPainter();
}

void paste(const WatchCommandLinks& links) {
    const QString text = links.desktop.ClipboardText().trimmed();
    TTheWatch* watch = TheWatchOf(links.interior);
    if (!watch)
        return;
    if (watch->Typing())
        watch->Typer().Paste(text);
    else
        GoToPastedText(links, text);
}

} // namespace

bool GoToPastedText(const WatchCommandLinks& links, const QString& text) {
    const TThePlan& plan = links.arrangement.plan;
    static const QRegularExpression time(QStringLiteral(R"(^-?\d{1,2}:\d{1,2}[:.]\d{1,3}$)"));
    if (time.match(text).hasMatch()) {
        // Both the copy's colon and the typed full stop end the seconds.
        QStringList parts = text.split(QRegularExpression(QStringLiteral("[:.]")));
        const bool negative = parts[0].startsWith(u'-');
        const QString unsignedMinutes = negative ? parts[0].mid(1) : parts[0];
        const QString normal = QStringLiteral("%1%2:%3.%4")
                                   .arg(negative ? QStringLiteral("-") : QString())
                                   .arg(unsignedMinutes, 2, u'0')
                                   .arg(parts[1], 2, u'0')
                                   .arg(parts[2].leftJustified(3, u'0'));
        const long double perMs =
            static_cast<long double>(plan.ElementRate.Value()) * kElementsPerFrame / 1000;
        links.transport.Go(true, true,
                           Elements{std::llround(TimeFromText(normal).count() * perMs)});
        return true;
    }
    bool ok = false;
    const qlonglong step = text.toLongLong(&ok);
    if (!ok)
        return false;
    links.transport.Go(true, true, Elements{std::llround(step * plan.ElementsPerStep())});
    return true;
}

void AddWatchCommands(CommandTable& watch, const WatchCommandLinks& links) {
    TTheInterior& in = links.interior;
    watch.Add(cmd::kSwitchWatchMode, [&in] {
        if (TTheWatch* w = TheWatchOf(in))
            w->SwitchMode();
    });
    watch.Add(cmd::kSwitchWatchPeeking, [&in] { switchPeeking(in); });
    watch.Add(cmd::kSwitchOutOfRange,
              [&in] { in.WatchStates.allowOutOfRange = !in.WatchStates.allowOutOfRange; });
    watch.Add(cmd::kTypeAgain, [&in] {
        if (TTheWatch* w = TheWatchOf(in))
            w->Typer().StartAgain();
    });
    watch.Add(cmd::kCopyShownValue, [links] {
        if (TTheWatch* w = TheWatchOf(links.interior))
            links.desktop.SetClipboardText(w->CopiedText());
    });
    watch.Add(cmd::kPasteShownValue, [links] { paste(links); });
}
