// The lines a load adds to the plan's load messages, and timing checked after a read.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class TThePlan;

// A ball that could not be placed; the text form names its section.
void AddRefusedBallMessage(TThePlan& plan, int64_t x, int64_t y,
                           const std::optional<QString>& section = std::nullopt);
// Where a binary file stopped making sense.
void AddFormatFaultMessage(TThePlan& plan, int64_t offset, int tag);
// Derives the timing; a plan whose tempo values give none keeps the timing it had, and the load
// messages name those values.
void RecomputeTimingAfterRead(TThePlan& plan);
