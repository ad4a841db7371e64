// The commands of the context menus: one table per kind of object that can be right-clicked,
// and the lane and the ball those commands act on.
#pragma once

#include "commands/CommandTable.h"

#include <array>
#include <cstdint>
#include <optional>

class Arrangement;
struct CommandState;

// The object a context menu was opened on; each has its own table of ids.
enum class Dispatcher { Lane, Ball, LaneStrip, Ruler, Watch, Carrier, Slider, Room, Report };

// Lives as long as the instructor. UI thread only.
class ContextCommands {
public:
    // The main table runs what a dispatcher shares with the main menu (the view switches, the
    // play commands); both outlive this.
    ContextCommands(const Arrangement& arrangement, CommandState& state, const CommandTable& main)
        : m_arrangement(arrangement), m_state(state), m_main(main) {}
    ContextCommands(const ContextCommands&) = delete;
    ContextCommands& operator=(const ContextCommands&) = delete;

    CommandTable& Of(Dispatcher which) { return m_tables[static_cast<size_t>(which)]; }

    // Before a menu opens: CurrentLane := the lane clicked in the lane strip or, without one,
    // the lane at the point's row; CurrentBall := the ball at the point.
    void PickObjects(std::optional<int32_t> clickedLane = std::nullopt);
    // The id in the dispatcher's own table, else in the main table; an id neither knows is
    // ignored. False when nothing ran.
    bool Run(Dispatcher which, int id) const;

private:
    static constexpr size_t kCount = static_cast<size_t>(Dispatcher::Report) + 1;

    const Arrangement& m_arrangement;
    CommandState& m_state;
    const CommandTable& m_main;
    std::array<CommandTable, kCount> m_tables;
};
