#include "commands/LaneTyping.h"

#include "controls/WatchTyper.h"
#include "model/Arrangement.h"
#include "model/LaneEdits.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// A lane's loudness or pan as the watch types it: x 100.
struct TypedLaneValue {
    TFormulaExt TPiece::*field;
    long double notSet;
    SoundAttribute attribute;
    int32_t changeCode;
    TypedRange range;
    int32_t shownWhenNotSet;
};

int32_t shownValue(long double value, const TypedRange& range) {
    return static_cast<int32_t>(std::clamp<long double>(std::round(value), range.min, range.max));
}

bool typeValue(Arrangement& arrangement, TWatchTyper& typer, const TLane& lane,
               const TypedLaneValue& what) {
    const int32_t position = lane.Position();
    const std::string saved = (lane.Piece().*what.field).Text();
    // Sets the text (or the typed value) on the lane at the row now, if any, and its channels
    // follow.
    const auto put = [&arrangement, position, what](const std::string* text, int32_t typed) {
        TLane* now = arrangement.lanes.AtPosition(position);
        if (!now)
            return now;
        {
            MixerLock lock(arrangement.audio);
            TFormulaExt& value = now->Piece().*what.field;
            if (text)
                value.SetText(*text);
            else
                value.SetValue(typed / 100.0L);
        }
        arrangement.audio.ApplyToLaneSounding(*now, what.attribute);
        return now;
    };
    TyperStart start;
    start.commandId = what.changeCode;
    start.range = what.range;
    const long double own = (lane.Piece().*what.field).Value();
    start.value = own == what.notSet ? what.shownWhenNotSet : shownValue(own * 100, what.range);
    start.changed = [put, range = what.range](int32_t typed) {
        put(nullptr, std::clamp(typed, range.min, range.max));
    };
    start.cancelled = [put, saved] { put(&saved, 0); };
    start.complete = [&arrangement, put, saved, what](int32_t typed) {
        TLane* now = put(nullptr, typed);
        if (now && (now->Piece().*what.field).Text() != saved)
            arrangement.plan.SetModified(what.changeCode, true);
    };
    return typer.Start(start);
}

} // namespace

bool TypeLaneLoudness(Arrangement& arrangement, TWatchTyper& typer, const TLane& lane) {
    return typeValue(arrangement, typer, lane,
                     {&TPiece::Loudness, TPiece::kLoudnessNotSet, SoundAttribute::Loudness,
                      kChangeLaneLoudness, TypedRange{0, 100, 0, 1}, 80});
}

bool TypeLanePan(Arrangement& arrangement, TWatchTyper& typer, const TLane& lane) {
    return typeValue(arrangement, typer, lane,
                     {&TPiece::Pan, TPiece::kPanNotSet, SoundAttribute::Pan, kChangeLanePan,
                      TypedRange{-100, 100, -100, 2}, 0});
}

bool TypeLaneHue(Arrangement& arrangement, TWatchTyper& typer, const TLane& lane,
                 LaneRedraw redraw) {
    const int32_t position = lane.Position();
    TyperStart start;
    start.commandId = kChangeLaneHue;
    // Four degrees a slider step, as the slider gives a lane's hue; round the circle.
    start.range = TypedRange{0, 359, 0, 4};
    start.range.wrap = true;
    start.value = lane.Piece().Hue() < 0 ? 0 : shownValue(lane.Piece().Hue(), start.range);
    start.complete = [&arrangement, position, redraw = std::move(redraw)](int32_t typed) {
        TLane* now = arrangement.lanes.AtPosition(position);
        if (!now)
            return;
        const long double hue = std::clamp(typed, 0, 359);
        if (now->Piece().HueAuto() || now->Piece().Hue() != hue) {
            arrangement.lanes.SetHue(*now, false, hue);
            arrangement.plan.SetModified(kChangeLaneHue, true);
        }
        if (redraw)
            redraw(*now);
    };
    return typer.Start(start);
}
