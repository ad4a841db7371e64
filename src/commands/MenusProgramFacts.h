// The menus' facts read from the plan, the window's controls and the mingler.
#pragma once

#include "commands/MenusFacts.h"

#include <functional>

class Arrangement;
class MenuWindowLink;
class PlanDesktop;
class TEditHistory;
class TTheInterior;
class TTheMingler;

// UI thread only.
class ProgramMenuFacts : public MenuFacts {
public:
    // The mingler is asked for each time: it exists only once the audio side started. Without
    // a history nothing can be taken back.
    ProgramMenuFacts(const Arrangement& arrangement, const TTheInterior& interior,
                     const MenuWindowLink& window, const PlanDesktop& desktop,
                     std::function<const TTheMingler*()> mingler,
                     const TEditHistory* history = nullptr)
        : m_arrangement(arrangement), m_interior(interior), m_window(window), m_desktop(desktop),
          m_mingler(std::move(mingler)), m_history(history) {}

    MenuState Now() const override;
    std::optional<LaneFacts> LaneAt(int32_t position) const override;

private:
    const Arrangement& m_arrangement;
    const TTheInterior& m_interior;
    const MenuWindowLink& m_window;
    const PlanDesktop& m_desktop;
    std::function<const TTheMingler*()> m_mingler;
    const TEditHistory* m_history;
};
