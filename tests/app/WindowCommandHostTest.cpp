#include "app/WindowCommandHost.h"
#include "MessageBoxAnswers.h"
#include "WindowFixture.h"
#include "app/MinglerCarrierLink.h"
#include "app/WindowDialogs.h"
#include "audio/AudioOutput.h"
#include "commands/DialogState.h"
#include "controls/TheCarrier.h"
#include "planfile/PlanOperations.h"

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

// The unreadable-plan boxes on a window with its carrier.
class UnreadableBoxesTest : public WindowFixture<> {
protected:
    UnreadableBoxesTest() {
        showStarted(window);
        arrangement.plan.FileName = dir.file("gone.skw");
        arrangement.plan.LoadMessages = "unreadable\r\n";
    }
    ControlMakers withCarrier() {
        ControlMakers makers;
        makers.carrier = [this](TCtrlList& list) -> TCtrl& {
            return list.Create<TTheCarrier>(arrangement, link, menus, CarrierSettings{});
        };
        return makers;
    }
    bool allDimmed() {
        const TCtrlList& controls = window.Interior().TheCtrls;
        bool dimmed = controls.Count() > 0;
        for (int i = 0; i < controls.Count(); ++i)
            dimmed = dimmed && controls.Items(i).Dimmed;
        return dimmed && !window.Timers().DimTimer.isActive();
    }

    AudioOutput output;
    MinglerCarrierLink link{arrangement, output, peers};
    TGlorinbaxMF window{setup(withCarrier())};
    WindowCommandHost host{window, peers};
    UnreadablePlanBoxes boxes{host, *TheCarrierOf(window.Interior())};
};

TEST_F(UnreadableBoxesTest, TheQuestionAskedInsideAnotherDialogLeavesTheControlsDimmed) {
    bool dimmedWhileAsked = false;
    {
        const DialogState outer(host);
        BoxAnswers answers({QMessageBox::No});
        answers.beforeAnswer = [&] { dimmedWhileAsked = allDimmed(); };
        EXPECT_EQ(AskAboutUnreadablePlan(arrangement, false, true, boxes, host, {}),
                  QuestionAnswer::No);
        ASSERT_EQ(answers.seen.size(), 1u);
        EXPECT_TRUE(dimmedWhileAsked);
        EXPECT_TRUE(allDimmed()) << "brightened while the outer dialog is still open";
    }
    EXPECT_TRUE(window.Timers().DimTimer.isActive());

    // Alone, the question dims for itself and brightens when answered.
    arrangement.plan.FileName = dir.file("gone.skw");
    arrangement.plan.LoadMessages = "unreadable\r\n";
    window.Timers().DimTimer.stop();
    BoxAnswers answers({QMessageBox::No});
    answers.beforeAnswer = [&] { dimmedWhileAsked = allDimmed(); };
    dimmedWhileAsked = false;
    AskAboutUnreadablePlan(arrangement, false, true, boxes, host, {});
    EXPECT_TRUE(dimmedWhileAsked);
    EXPECT_TRUE(window.Timers().DimTimer.isActive());
}

} // namespace
