#include "commands/MenusRouting.h"
#include "commands/MenusPlacement.h"
#include "texts/PrintQString.h"

#include <gtest/gtest.h>

#include <QString>

#include <vector>

namespace {

class RecordingRoutes : public MenuRoutes {
public:
    bool RunCommand(int id) override {
        if (!commands.contains(id))
            return false;
        log.push_back("run " + QString::number(id));
        return true;
    }
    void SelectStyle(int index) override { log.push_back("style " + QString::number(index)); }
    void SelectLanguage(int index) override { log.push_back("language " + QString::number(index)); }
    void SelectOutputDevice(int device) override {
        log.push_back("device " + QString::number(device));
    }
    bool ShownFullScreen() const override { return fullScreen; }
    void LeaveFullScreen() override { log.push_back("leave full screen"); }
    bool HasCurrentLane() const override { return lane; }
    bool HasCurrentBall() const override { return ball; }
    void LaneCommand(int id) override { log.push_back("lane " + QString::number(id)); }
    void BallCommand(int id) override { log.push_back("ball " + QString::number(id)); }

    QList<int> commands;
    bool fullScreen = false;
    bool lane = false;
    bool ball = false;
    QStringList log;
};

// Three languages; devices 1 and 2 reported, 3 missing.
const MenuLists kLists{227, 3};

bool route(RecordingRoutes& routes, int id, ActivePopup via) {
    return DispatchCommand(id, via, kLists, routes);
}

TEST(MenuRouting, ListItemsCountOnlyThroughTheirOwnMenu) {
    RecordingRoutes routes;
    EXPECT_TRUE(route(routes, 3, ActivePopup::StyleMenu));
    EXPECT_TRUE(route(routes, 3, ActivePopup::OutputDeviceMenu));
    EXPECT_TRUE(route(routes, 226, ActivePopup::LanguageMenu));
    EXPECT_FALSE(route(routes, 228, ActivePopup::LanguageMenu)); // past the last language
    EXPECT_TRUE(route(routes, 229, ActivePopup::OutputDeviceMenu));
    EXPECT_FALSE(route(routes, 229, ActivePopup::None));
    EXPECT_FALSE(route(routes, 231, ActivePopup::OutputDeviceMenu)); // past the devices
    EXPECT_EQ(routes.log, (QStringList{"style 2", "language 1", "device 2"}));
}

TEST(MenuRouting, LaneAndBallIdsActOnlyOnTheObjectAtThePoint) {
    RecordingRoutes routes;
    // 1049 is a lane id that also sits in the ball menu's shared sub-menu range.
    routes.commands = {1049, 1182};
    EXPECT_TRUE(route(routes, 1049, ActivePopup::LanesMenu));
    EXPECT_TRUE(route(routes, 1182, ActivePopup::None));
    EXPECT_TRUE(routes.log.isEmpty());
    routes.lane = true;
    routes.ball = true;
    EXPECT_TRUE(route(routes, 1049, ActivePopup::LanesMenu));
    EXPECT_TRUE(route(routes, 1089, ActivePopup::RoomMenu));
    EXPECT_TRUE(route(routes, 1089, ActivePopup::None)); // reached some other way: nothing
    EXPECT_TRUE(route(routes, 1182, ActivePopup::None));
    EXPECT_EQ(routes.log, (QStringList{"lane 1049", "ball 1089", "ball 1182"}));
}

TEST(MenuRouting, WindowCommandsAndUnknownIdsGoBackToThePlatform) {
    RecordingRoutes routes;
    routes.commands = {1102, 61584};
    EXPECT_FALSE(route(routes, 61584, ActivePopup::None)); // the platform's menu click
    EXPECT_FALSE(route(routes, 61456, ActivePopup::None));
    EXPECT_FALSE(route(routes, 61728, ActivePopup::None));
    routes.fullScreen = true;
    EXPECT_TRUE(route(routes, 61728, ActivePopup::None));
    EXPECT_TRUE(route(routes, 1102, ActivePopup::None));
    EXPECT_FALSE(route(routes, 1103, ActivePopup::None));
    EXPECT_TRUE(route(routes, 200, ActivePopup::None)); // a list id: taken without effect
    EXPECT_EQ(routes.log, (QStringList{"leave full screen", "run 1102"}));
}

TEST(MenuPlacement, MainPopupHangsBelowTheTriggerAndTheWindowPopupBelowTheRuler) {
    const QRect trigger(370, 4, 20, 20); // right edge at 389, bottom at 23
    EXPECT_EQ(MainPopupTopLeft(trigger, 150, false), QPoint(240, 24));
    EXPECT_EQ(MainPopupTopLeft(trigger, 150, true), QPoint(371, 24));
    const QRect ruler(8, 30, 300, 20);
    EXPECT_EQ(WindowPopupTopLeft(ruler, true), QPoint(8, 49));
    EXPECT_EQ(WindowPopupTopLeft(ruler, false), QPoint(8, 30));
    EXPECT_EQ(BallMenuAtPoint(QPoint(100, 60)), QPoint(101, 79));
    EXPECT_EQ(LaneMenuAtPoint(120, 60), QPoint(121, 79));
}

} // namespace
