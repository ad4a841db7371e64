#include "app/WindowCommandHost.h"
#include "WindowFixture.h"
#include "commands/DialogState.h"

namespace {

class WindowCommandHostTest : public WindowFixture<> {
protected:
    WindowCommandHostTest() { showStarted(window); }

    static ControlMakers oneControl() {
        ControlMakers makers;
        makers.lanes = [](TCtrlList& list) -> TCtrl& { return list.Create<BareControl>(); };
        return makers;
    }

    TGlorinbaxMF window{setup(oneControl())};
    WindowCommandHost host{window, peers};
};

TEST_F(WindowCommandHostTest, ADialogFromADialogLeavesTheControlsDimmedUntilTheOuterOneCloses) {
    {
        const DialogState outer(host);
        ASSERT_EQ(window.Interior().TheCtrls.Count(), 1);
        { const DialogState inner(host); }
        EXPECT_FALSE(window.Timers().DimTimer.isActive()) << "brightening began too early";
        for (int i = 0; i < window.Interior().TheCtrls.Count(); ++i)
            EXPECT_TRUE(window.Interior().TheCtrls.Items(i).Dimmed);
    }
    EXPECT_TRUE(window.Timers().DimTimer.isActive());

    // An extra undim is no dialog: the next dialog dims again.
    host.SetControlsDimmed(false);
    window.Timers().DimTimer.stop();
    host.SetControlsDimmed(true);
    for (int i = 0; i < window.Interior().TheCtrls.Count(); ++i)
        EXPECT_TRUE(window.Interior().TheCtrls.Items(i).Dimmed);
}

TEST_F(WindowCommandHostTest, TheReportAndTheLaneTextSizeComeFromTheWindow) {
    host.ShowReport();
    EXPECT_TRUE(peers.reportVisible);
    window.Interior().LaneStripStates.handlesZoom = 4;
    EXPECT_EQ(host.LaneTextZoom(), 4);
    EXPECT_EQ(host.DialogParent(), &window);
}

} // namespace
