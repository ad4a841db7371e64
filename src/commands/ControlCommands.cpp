#include "commands/ControlCommands.h"

#include "commands/CommandIds.h"
#include "commands/ContextCommands.h"
#include "commands/RangeCommands.h"
#include "commands/ReportCommands.h"
#include "commands/SliderCommands.h"
#include "commands/TypedValueCommands.h"
#include "commands/WatchCommands.h"

void AddControlCommands(CommandTable& main, ContextCommands& contexts,
                        const ControlCommandLinks& l) {
    AddTypedValueCommands(main, {l.arrangement, l.interior, l.transport, l.settings, l.output});
    AddWatchCommands(contexts.Of(Dispatcher::Watch),
                     {l.arrangement, l.interior, l.transport, l.desktop});
    AddSliderCommands(contexts.Of(Dispatcher::Slider), {l.arrangement, l.interior, l.desktop});
    AddRangeCommands(main, contexts.Of(Dispatcher::Ruler),
                     {l.arrangement, l.interior, l.transport, l.mingler, l.rulerClickX});
    AddReportCommands(contexts.Of(Dispatcher::Report), {l.report, l.host, l.dialogs});
    main.Add(cmd::kSwitchPointBlinking, l.switchPointBlinking);
}
