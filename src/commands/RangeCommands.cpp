#include "commands/RangeCommands.h"

#include "audio/Mingler.h"
#include "commands/CommandIds.h"
#include "commands/CommandTable.h"
#include "controls/AutoScroll.h"
#include "controls/Interior.h"
#include "controls/TheRoom.h"
#include "controls/TheRuler.h"
#include "controls/TransportLink.h"
#include "model/Arrangement.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr int32_t kChangeRangeAroundPoint = 366;
constexpr int32_t kChangeRangeFitted = 367;

// What a click on the ruler does, as its modifiers choose: Ctrl the start, Alt the end, neither
// the line; Shift to the pixel rather than to the nearest cell edge.
constexpr ShiftState kStart{false, false, true};
constexpr ShiftState kEnd{false, true, false};
constexpr ShiftState kLine{};
constexpr ShiftState exactly(ShiftState click) {
    click.shift = true;
    return click;
}

TTheRuler* rulerOf(const TTheInterior& in) {
    return dynamic_cast<TTheRuler*>(in.Ruler);
}

void clickRuler(const TTheInterior& in, int32_t x, ShiftState click) {
    if (TTheRuler* ruler = rulerOf(in))
        ruler->OnMouseDown(x, click);
}

void rangeAroundPoint(const RangeCommandLinks& links) {
    TTheRuler* ruler = rulerOf(links.interior);
    if (!ruler)
        return;
    Arrangement& model = links.arrangement;
    // The start may then go anywhere, beyond the old end too.
    const Elements previousEnd = model.plan.End;
    model.plan.End = Elements{std::numeric_limits<int64_t>::max()};
    const int32_t x = model.room.Point.PixelX;
    ruler->SetStartOrEnd(x, kStart, false, false);
    ruler->SetStartOrEnd(x + TTheRuler::kCellWidth, kEnd, false, false);
    // The end told the mix of its move from the open end between the two: the balls past the
    // old end are scheduled only when the mix hears of it against that end.
    ruler->OnRoundRobinRangeChange(false, true, previousEnd);
    model.plan.SetModified(kChangeRangeAroundPoint, true);
}

// From the earliest ball to the latest end of one that sounds.
void fitRangeToBalls(const RangeCommandLinks& links) {
    Arrangement& model = links.arrangement;
    const TTheBalls& balls = model.balls;
    if (balls.Count() == 0)
        return;
    Elements start = balls.At(0).Start();
    std::optional<Elements> end;
    for (int i = 0; i < balls.Count(); ++i) {
        const TBall& ball = balls.At(i);
        start = std::min(start, ball.Start());
        if (ball.Values().EffectiveResource())
            end = std::max(end.value_or(ball.Start()),
                           ball.Start() + std::max(ball.Values().RealLife(), Elements{}));
    }
    const Elements previousEnd = model.plan.End;
    model.plan.Start = start;
    model.plan.End = std::max(end.value_or(start), start);
    model.room.FlagsFollowRange();
    if (TTheRoom* theRoom = TheRoomOf(links.interior))
        theRoom->RepaintWhole();
    if (TTheRuler* ruler = rulerOf(links.interior)) {
        ruler->UpdateRuler();
        ruler->OnRoundRobinRangeChange(true, true, previousEnd);
    }
    model.plan.SetModified(kChangeRangeFitted, true);
}

Elements pointPosition(const Arrangement& model) {
    return Elements{std::llround(model.room.Point.X * model.plan.ElementsPerStep())};
}

} // namespace

void AddRangeCommands(CommandTable& main, CommandTable& ruler, const RangeCommandLinks& links) {
    const TTheInterior& in = links.interior;
    const TRoomState& room = links.arrangement.room;
    const TThePlan& plan = links.arrangement.plan;
    TransportLink& transport = links.transport;

    main.Add(cmd::kRangeStartAtPoint, [&in, &room] { clickRuler(in, room.Point.PixelX, kStart); });
    main.Add(cmd::kRangeEndAtPoint,
             [&in, &room] { clickRuler(in, room.Point.PixelX + TTheRuler::kCellWidth, kEnd); });
    main.Add(cmd::kRangeAroundPoint, [links] { rangeAroundPoint(links); });
    main.Add(cmd::kFitRangeToBalls, [links] { fitRangeToBalls(links); });

    main.Add(cmd::kPlayFromPoint,
             [&transport, links] { transport.Roll(true, pointPosition(links.arrangement)); });
    main.Add(cmd::kPlayFromBeginning, [&transport] { transport.Roll(true, Elements{}); });
    main.Add(cmd::kPlayFromRangeStart, [&transport, &plan] { transport.Roll(true, plan.Start); });
    main.Add(cmd::kPlayFromRangeEnd,
             [&transport, &plan] { transport.Roll(true, plan.End + Elements{1}); });
    main.Add(cmd::kSwitchLoopRange, [links] {
        if (TTheMingler* mingler = links.mingler ? links.mingler() : nullptr)
            mingler->ToggleRoundRobin();
    });
    main.Add(cmd::kSwitchFollowLine, [&in] {
        if (TTheRoom* theRoom = TheRoomOf(in))
            theRoom->AutoScroll().ToggleFollow();
    });

    // The ruler's menu, in the order of its items.
    const ShiftState clicks[] = {kStart,        exactly(kStart), kEnd,
                                 exactly(kEnd), kLine,           exactly(kLine)};
    for (int i = 0; i < 6; ++i)
        ruler.Add(cmd::kRangeStartAtPoint + i, [links, click = clicks[i]] {
            clickRuler(links.interior, links.rulerClickX(), click);
        });
}

void MoveNearerRangeEndToPoint(TTheInterior& interior, const Arrangement& arrangement) {
    const TRoomState& room = arrangement.room;
    const int32_t x = room.Point.PixelX;
    if (std::abs(x - room.StartFlag().PixelX) < std::abs(x - room.EndFlag().PixelX))
        clickRuler(interior, x, kStart);
    else
        clickRuler(interior, x + TTheRuler::kCellWidth, kEnd);
}
