#include "RoomFakes.h"
#include "common/TempDir.h"
#include "controls/ControlFakes.h"
#include "controls/DrawingSurfaces.h"
#include "controls/Interior.h"
#include "controls/TheMenuTrigger.h"
#include "support/FaultLog.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// Window 400 x 300 with a padding of 2 and the right meter (4 wide): the trigger spans
// x 374..394 and y 2..22.
class MenuTriggerTest : public ::testing::Test {
protected:
    MenuTriggerTest() {
        faultlog::SetFolder(dir.path());
        host.layout = {2, 2, 396, 296, 398, 298};
        makers.ruler = [this](TCtrlList& list) -> TCtrl& {
            return list.Create<RecordingControl>("ruler", journal, TRect{2, 2, 374, 22});
        };
        AddMenuTrigger(makers, menus);
        InteriorSettings s;
        s.leftMeter = false;
        interior = std::make_unique<TTheInterior>(host, s, dir.path(), QString(), makers);
        interior->LoadStyle();
        interior->Surfaces.GrowTo(400, 300, Qt::white);
        interior->ResizeAll();
        trigger().Now = [this] { return menus.now; };
        menus.now += 1h; // the menu never closed: any press opens it
    }
    TTheMenuTrigger& trigger() { return *TheMenuTriggerOf(*interior); }
    void click() {
        trigger().MouseDown(MouseButton::Left, 380, 10, {});
        trigger().MouseUp(380, 10);
    }
    QRgb pixel(int x, int y) const { return interior->Surfaces.CompositionBitmap.pixel(x, y); }
    QRgb colour(uint32_t styleColour) const { return ToQColor(styleColour).rgb(); }

    TempDir dir;
    FakeHost host;
    FakeMenus menus;
    std::vector<QString> journal;
    ControlMakers makers;
    std::unique_ptr<TTheInterior> interior;
};

TEST_F(MenuTriggerTest, ItSitsAtTheTopRightInsideTheRightMeter) {
    EXPECT_EQ(trigger().BoundsRect, (TRect{374, 2, 394, 22}));
    interior->MeterR.reset();
    interior->ResizeAll();
    EXPECT_EQ(trigger().BoundsRect, (TRect{378, 2, 398, 22}));
}

TEST_F(MenuTriggerTest, ItIsDrawnPressedWhileTheMenuIsOpenAndPlainAfterwards) {
    const MenuTriggerStyle& style = interior->Style().MenuTrigger;
    std::vector<QRgb> whileOpen;
    menus.whileOpen = [&] {
        EXPECT_TRUE(trigger().Highlighted);
        whileOpen = {pixel(374, 2), pixel(375, 10), pixel(380, 5), pixel(380, 9), pixel(389, 9)};
    };
    host.copied.clear();
    click();
    EXPECT_EQ(menus.mainMenuTriggers, (std::vector<QRect>{QRect(374, 2, 20, 20)}));
    EXPECT_EQ(whileOpen,
              (std::vector<QRgb>{colour(style.Outline), colour(style.Shadow), colour(style.DownBG),
                                 colour(style.Down), colour(style.Down)}));
    EXPECT_FALSE(trigger().Highlighted);
    EXPECT_EQ(pixel(375, 10), colour(style.OutlineHighlight));
    EXPECT_EQ(pixel(380, 5), colour(style.BG));
    EXPECT_EQ(pixel(379, 8), colour(style.Normal)); // the bars one pixel up and left
    EXPECT_EQ(pixel(388, 14), colour(style.Normal));
    EXPECT_EQ(pixel(389, 9), colour(style.BG));
    EXPECT_EQ(host.copied, (std::vector<QRect>(2, QRect(374, 2, 20, 20))));
    EXPECT_EQ(interior->TheCtrls.CapturedCtrl, nullptr);
}

TEST_F(MenuTriggerTest, APressWithin100msOfTheMenuClosingDoesNotReopenIt) {
    click();
    click(); // the press that closed the menu comes straight back to the trigger
    EXPECT_EQ(menus.mainMenuTriggers.size(), 1u);
    menus.now += 100ms;
    click();
    EXPECT_EQ(menus.mainMenuTriggers.size(), 1u);
    menus.now += 1ms;
    trigger().MouseDown(MouseButton::Right, 380, 10, {});
    EXPECT_EQ(menus.mainMenuTriggers.size(), 2u);
    menus.now += 1s;
    trigger().MouseDown(MouseButton::Middle, 380, 10, {});
    EXPECT_EQ(menus.mainMenuTriggers.size(), 2u);
}

TEST_F(MenuTriggerTest, AHiddenTriggerLeavesTheRulerAloneAndADimmedRulerDimsIt) {
    const MenuTriggerStyle& style = interior->Style().MenuTrigger;
    trigger().Visible = false;
    trigger().Paint();
    EXPECT_EQ(pixel(380, 5), qRgb(255, 255, 255));
    trigger().Visible = true;
    interior->Ruler->Dimmed = true;
    interior->Surfaces.DimAlpha = kDimmedAlpha;
    trigger().Paint();
    EXPECT_EQ(pixel(380, 5), colour(DimmedColour(style.BG, kDimmedAlpha)));
}

} // namespace
