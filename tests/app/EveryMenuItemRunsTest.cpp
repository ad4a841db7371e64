// Every item of every menu reaches a command of its own once the program is wired.
#include "ProgramFolderFixture.h"
#include "commands/ContextCommands.h"
#include "commands/Menus.h"
#include "commands/MenusItems.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include <optional>
#include <vector>

namespace {

// Ids below this are list items (styles, languages, devices), which route by number.
constexpr int kFirstCommandId = 1025;
// The platform's window commands start here.
constexpr int kFirstWindowCommand = 61440;

class EveryMenuItemRuns : public SessionFixture {
protected:
    // The ids in the menu and its sub-menus that neither the table nor the main table runs.
    std::vector<int> idsWithoutWork(const QMenu& menu, std::optional<Dispatcher> own) {
        std::vector<int> missing;
        ContextCommands& contexts = session->Instructor()->Contexts();
        const CommandTable& main = session->Instructor()->Commands();
        for (QAction* action : menu.actions()) {
            if (QMenu* sub = action->menu()) {
                const std::vector<int> below = idsWithoutWork(*sub, own);
                missing.insert(missing.end(), below.begin(), below.end());
                continue;
            }
            const int id = ItemId(*action);
            if (id < kFirstCommandId || id >= kFirstWindowCommand)
                continue;
            // The main menu's lane and room sub-menus act on the lane and the ball at the point.
            std::optional<Dispatcher> table = own;
            if (ItemRoute(*action) == ActivePopup::LanesMenu)
                table = Dispatcher::Lane;
            else if (ItemRoute(*action) == ActivePopup::RoomMenu)
                table = Dispatcher::Ball;
            if (!(table && contexts.Of(*table).Has(id)) && !main.Has(id))
                missing.push_back(id);
        }
        return missing;
    }
};

TEST_F(EveryMenuItemRuns, InTheMainPopupTheWindowPopupAndEveryContextMenu) {
    ASSERT_NO_FATAL_FAILURE(startSession(options()));
    ProgramMenus& menus = session->Menus();
    EXPECT_EQ(idsWithoutWork(*menus.MainPopup(), std::nullopt), std::vector<int>{});
    EXPECT_EQ(idsWithoutWork(*menus.WindowPopup(), std::nullopt), std::vector<int>{});

    const std::pair<ContextMenu, std::optional<Dispatcher>> contexts[] = {
        {ContextMenu::Lane, Dispatcher::Lane},
        {ContextMenu::LaneStrip, Dispatcher::LaneStrip},
        {ContextMenu::Ruler, Dispatcher::Ruler},
        {ContextMenu::Watch, Dispatcher::Watch},
        {ContextMenu::Carrier, Dispatcher::Carrier},
        {ContextMenu::Slider, Dispatcher::Slider},
        {ContextMenu::PeakMeters, std::nullopt},
        {ContextMenu::Ball, Dispatcher::Ball},
        {ContextMenu::Room, Dispatcher::Room},
        {ContextMenu::Report, Dispatcher::Report}};
    for (const auto& [which, dispatcher] : contexts) {
        const QMenu* menu = menus.Context(which);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(idsWithoutWork(*menu, dispatcher), std::vector<int>{})
            << "context menu " << static_cast<int>(which);
    }
}

} // namespace
