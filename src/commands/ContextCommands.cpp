#include "commands/ContextCommands.h"

#include "commands/CommandState.h"
#include "model/Arrangement.h"

void ContextCommands::PickObjects(std::optional<int32_t> clickedLane) {
    const TThePoint& point = m_arrangement.room.Point;
    m_state.CurrentLane = m_arrangement.lanes.AtPosition(clickedLane.value_or(point.Y));
    m_state.CurrentBall = m_arrangement.balls.Find(point.X, point.Y);
}

bool ContextCommands::Run(Dispatcher which, int id) const {
    return m_tables[static_cast<size_t>(which)].Run(id) || m_main.Run(id);
}
