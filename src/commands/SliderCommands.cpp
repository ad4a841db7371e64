#include "commands/SliderCommands.h"

#include "commands/CommandIds.h"
#include "commands/CommandTable.h"
#include "commands/PlanDialogs.h"
#include "controls/Interior.h"
#include "controls/TheSlider.h"
#include "controls/TheWatch.h"
#include "controls/WatchTyper.h"
#include "model/Arrangement.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// The typed value while typing (the slider follows it), else the slider with notification.
void setTypedOrSlider(TTheInterior& in, const std::function<int32_t(const TWatchTyper&)>& typed,
                      int position) {
    if (TTheWatch* watch = TheWatchOf(in); watch && watch->Typing()) {
        watch->Typer().SetValue(typed(watch->Typer()));
        return;
    }
    if (TTheSlider* slider = TheSliderOf(in))
        slider->SetPositionClamped(position, true);
}

void paste(const SliderCommandLinks& links) {
    bool ok = false;
    const double number = links.desktop.ClipboardText().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return;
    // Beyond what any entry holds, the rounding would not fit.
    const auto value = static_cast<int32_t>(std::lround(
        std::clamp(number, double{TWatchTyper::kLeastShown}, double{TWatchTyper::kMostShown})));
    if (TTheWatch* watch = TheWatchOf(links.interior); watch && watch->Typing()) {
        const TypedRange& range = watch->Typer().Range();
        watch->Typer().SetValue(std::clamp(value, range.min, range.max));
    } else if (TTheSlider* slider = TheSliderOf(links.interior)) {
        slider->SetPositionClamped(value, true);
    }
}

} // namespace

void AddSliderCommands(CommandTable& slider, const SliderCommandLinks& links) {
    TTheInterior& in = links.interior;
    const TThePlan& plan = links.arrangement.plan;
    slider.Add(cmd::kSliderToLoudest, [&in] {
        setTypedOrSlider(
            in, [](const TWatchTyper& t) { return t.Range().max; }, TSlider::kMaxPosition);
    });
    slider.Add(cmd::kSliderToSilent, [&in] {
        setTypedOrSlider(
            in, [](const TWatchTyper& t) { return t.Range().min; }, 0);
    });
    slider.Add(cmd::kSliderToDefault, [&in] {
        setTypedOrSlider(
            in, [](const TWatchTyper& t) { return t.StartTextValue(); },
            TTheSlider::kDefaultPosition);
    });
    slider.Add(cmd::kSliderAsLoaded, [&in, &plan] {
        setTypedOrSlider(
            in, [](const TWatchTyper& t) { return t.StartValue(); },
            static_cast<int>(std::lround(plan.LoadedMasterLoudness * 100)));
    });
    slider.Add(cmd::kCopyShownValue, [links] {
        if (const TTheSlider* s = TheSliderOf(links.interior))
            links.desktop.SetClipboardText(QString::number(s->Position()));
    });
    slider.Add(cmd::kPasteShownValue, [links] { paste(links); });
}
