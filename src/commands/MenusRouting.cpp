#include "commands/MenusRouting.h"

#include "commands/CommandIds.h"

namespace {

// The platform's menu-key and menu-click commands.
constexpr int kKeyMenu = 61696;
constexpr int kMouseMenu = 61584;
constexpr int kKeyMenuAlt = 61587;
// Ids below this are numbered list items; style items are below 1024.
constexpr int kLastListId = 224;
constexpr int kFirstCommandId = 1024;

bool in(int id, int first, int last) {
    return id >= first && id <= last;
}

} // namespace

bool IsSharedLaneBallId(int id) {
    return in(id, 1048, 1077) || in(id, 1089, 1091) || in(id, 1096, 1101) || in(id, 1116, 1123) ||
           id == 1130 || id == 1227 || id == 1229 || id == 1230;
}

bool IsBallOnlyId(int id) {
    return in(id, 1178, 1189) || id == 1204 || in(id, 1213, 1215) || id == 1221;
}

bool DispatchCommand(int id, ActivePopup via, const MenuLists& lists, MenuRoutes& routes) {
    if (id == kKeyMenu || id == kMouseMenu || id == kKeyMenuAlt)
        return false;
    if (via == ActivePopup::StyleMenu && id >= 1 && id < kFirstCommandId) {
        routes.SelectStyle(id - 1);
        return true;
    }
    // The lane and ball ids act only on the object the menu was opened for; they are looked at
    // before the table so that no lane command runs without its lane.
    if (IsSharedLaneBallId(id)) {
        if (via == ActivePopup::RoomMenu && routes.HasCurrentBall())
            routes.BallCommand(id);
        else if (via == ActivePopup::LanesMenu && routes.HasCurrentLane())
            routes.LaneCommand(id);
        return true;
    }
    if (IsBallOnlyId(id)) {
        if (routes.HasCurrentBall())
            routes.BallCommand(id);
        return true;
    }
    if (routes.RunCommand(id))
        return true;
    if (id == cmd::kWindowRestore && routes.ShownFullScreen()) {
        routes.LeaveFullScreen();
        return true;
    }
    if (id <= kLastListId)
        return true;
    if (via == ActivePopup::LanguageMenu && id <= lists.languageBase) {
        routes.SelectLanguage(id - cmd::kFirstLanguage);
        return true;
    }
    if (via == ActivePopup::OutputDeviceMenu && id > lists.languageBase &&
        id <= lists.languageBase + lists.firstMissingDevice) {
        routes.SelectOutputDevice(id - lists.languageBase);
        return true;
    }
    return false;
}
