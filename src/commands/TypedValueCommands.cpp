#include "commands/TypedValueCommands.h"

#include "audio/AudioOutput.h"
#include "commands/CommandIds.h"
#include "commands/CommandTable.h"
#include "controls/ControlHost.h"
#include "controls/EachLaneAmender.h"
#include "controls/Interior.h"
#include "controls/TheRoom.h"
#include "controls/TheWatch.h"
#include "controls/TransportLink.h"
#include "controls/WatchDigitText.h"
#include "controls/WatchTyper.h"
#include "model/Arrangement.h"
#include "support/SettingKeys.h"

#include <cmath>
#include <memory>
#include <string>

namespace {

constexpr int32_t kChangeTempo = 115;
constexpr int32_t kDefaultTempo = 120;
constexpr int32_t kDefaultMp3Rate = 44100;

TWatchTyper* typerOf(TTheInterior& interior) {
    TTheWatch* watch = TheWatchOf(interior);
    return watch ? &watch->Typer() : nullptr;
}

Elements linePosition(TTheInterior& interior) {
    const TTheRoom* room = TheRoomOf(interior);
    return room ? room->LinePosition() : Elements{};
}

// A typed value with nothing to write back but the handler of its commit.
void typeValue(TTheInterior& interior, int32_t value, const TypedRange& range,
               std::function<void(int32_t)> complete) {
    TWatchTyper* typer = typerOf(interior);
    if (!typer)
        return;
    TyperStart start;
    start.value = value;
    start.range = range;
    start.complete = std::move(complete);
    typer->Start(start);
}

void typeTempo(const TypedValueLinks& links) {
    TWatchTyper* typer = typerOf(links.interior);
    if (!typer)
        return;
    TyperStart start;
    start.intTarget = &links.arrangement.plan.MPH;
    start.commandId = kChangeTempo;
    start.value = kDefaultTempo;
    start.range = {1, 999, 70, 1};
    // The typer has written the tempo; everything timed by it follows.
    start.complete = [links](int32_t) {
        links.arrangement.plan.TimingChanged(true);
        links.interior.TheCtrls.Host.RelayoutAndRepaint(false);
    };
    start.flash = false;
    typer->Start(start);
}

void typeOutputBuffer(const TypedValueLinks& links) {
    AudioOutput& output = links.output;
    const int32_t value = output.BufferMs.Valid()
                              ? output.BufferMs.Value()
                              : ReadSettingInt(links.settings, Setting("Audio.Out", "BufferMS"));
    typeValue(links.interior, value, {1, 5000, 0, 10}, [links](int32_t typed) {
        AudioOutput& out = links.output;
        if (out.BufferMs.Valid() && out.BufferMs.Value() == typed)
            return;
        out.BufferMs.SetText(std::to_string(typed));
        WriteSettingInt(links.settings, Setting("Audio.Out", "BufferMS"), typed);
        out.ApplyBassBuffer();
        // The engine takes a new buffer length only for a stream it makes afterwards.
        if (links.transport.Rolling())
            links.transport.Roll(false, linePosition(links.interior));
    });
}

Elements positionOfMilliseconds(int64_t milliseconds, const Arrangement& arrangement) {
    const long double perSecond =
        static_cast<long double>(arrangement.plan.ElementRate.Value()) * kElementsPerFrame;
    return {std::llround(milliseconds * perSecond / 1000)};
}

// Where the line goes, or where the carrier rolls from.
void goOrRoll(TransportLink& transport, bool roll, Elements position) {
    if (roll)
        transport.Roll(true, position);
    else
        transport.Go(true, true, position);
}

void typeTime(const TypedValueLinks& links, bool roll) {
    const int64_t now = MillisecondsOfPosition(linePosition(links.interior),
                                               links.arrangement.plan.ElementRate.Value());
    TypedRange range{-959999, 5959999, 0, 5000};
    range.timeEntry = true;
    typeValue(links.interior, TypedDigitsOfTime(now), range, [links, roll](int32_t typed) {
        goOrRoll(links.transport, roll,
                 positionOfMilliseconds(TimeOfTypedDigits(typed), links.arrangement));
    });
}

void typeStep(const TypedValueLinks& links, bool roll) {
    const long double perStep = links.arrangement.plan.ElementsPerStep();
    const int64_t now =
        perStep > 0 ? std::llround(linePosition(links.interior).count / perStep) : 0;
    typeValue(links.interior, static_cast<int32_t>(now), {-999999, 9999999, 0, 1},
              [links, roll](int32_t typed) {
                  const long double step = links.arrangement.plan.ElementsPerStep();
                  goOrRoll(links.transport, roll, Elements{std::llround(typed * step)});
              });
}

void typeRow(const TypedValueLinks& links) {
    typeValue(links.interior, links.arrangement.room.Point.Y, {-999999, 9999999, 0, 1},
              [links](int32_t typed) {
                  if (TTheRoom* room = TheRoomOf(links.interior))
                      room->MovePointShowing(links.arrangement.room.Point.X, typed);
              });
}

// A render setting typed and written to the settings on commit.
void typeSetting(const TypedValueLinks& links, const SettingKey& key, int32_t value,
                 const TypedRange& range) {
    typeValue(links.interior, value, range,
              [links, &key](int32_t typed) { WriteSettingInt(links.settings, key, typed); });
}

} // namespace

void AddTypedValueCommands(CommandTable& main, const TypedValueLinks& links) {
    main.Add(cmd::kTypeTempo, [links] { typeTempo(links); });
    main.Add(cmd::kTypeOutputBuffer, [links] { typeOutputBuffer(links); });
    main.Add(cmd::kGoToTime, [links] { typeTime(links, false); });
    main.Add(cmd::kPlayFromTime, [links] { typeTime(links, true); });
    main.Add(cmd::kGoToStep, [links] { typeStep(links, false); });
    main.Add(cmd::kPlayFromStep, [links] { typeStep(links, true); });
    main.Add(cmd::kGoToRow, [links] { typeRow(links); });

    const SettingKey& tracks = Setting("Perpetuator", "Tracks");
    main.Add(cmd::kSetRenderChannels, [links, &tracks] {
        typeSetting(links, tracks, ReadSettingInt(links.settings, tracks), {1, 65535, 0, 1});
    });
    const SettingKey& bitRate = Setting("Perpetuator", "MP3.BitRate");
    main.Add(cmd::kSetMp3BitRate, [links, &bitRate] {
        TypedRange range{8, 320, 10, 3};
        range.snap = PresetSnap::Mp3BitRate;
        typeSetting(links, bitRate, ReadSettingInt(links.settings, bitRate), range);
    });
    const SettingKey& sampleRate = Setting("Perpetuator", "MP3.ElementRate");
    main.Add(cmd::kSetMp3SampleRate, [links, &sampleRate] {
        TypedRange range{8000, 48000, 0, 500};
        range.snap = PresetSnap::Mp3SampleRate;
        // 0 stored means the plan's own rate, which the entry cannot show.
        const int32_t stored = ReadSettingInt(links.settings, sampleRate);
        typeSetting(links, sampleRate, stored > 0 ? stored : kDefaultMp3Rate, range);
    });

    // The lanes keep the amender from its first use.
    auto amender = std::make_shared<std::unique_ptr<TEachLaneAmender>>();
    const auto amend = [&main, links, amender](int id, AmendedValue what, AmendMode mode) {
        main.Add(id, [links, amender, what, mode] {
            if (TWatchTyper* typer = typerOf(links.interior))
                AmendEveryLane(*amender, links.arrangement, *typer, what, mode);
        });
    };
    amend(cmd::kAmendLanesLoudness, AmendedValue::Loudness, AmendMode::Relative);
    amend(cmd::kAmendLanesPan, AmendedValue::Pan, AmendMode::Relative);
    amend(cmd::kSetLanesLoudness, AmendedValue::Loudness, AmendMode::Absolute);
    amend(cmd::kSetLanesPan, AmendedValue::Pan, AmendMode::Absolute);
}
