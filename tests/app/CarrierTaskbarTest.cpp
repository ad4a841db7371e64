#include "WindowFixture.h"
#include "app/CarrierHost.h"
#include "app/MinglerCarrierLink.h"
#include "app/TaskbarProgress.h"
#include "audio/AudioOutput.h"

#include <QCoreApplication>

#include <thread>
#include <vector>

namespace {

class RecordedProgress : public TaskbarProgress {
public:
    void SetState(ProgressState state) override { states.push_back(state); }
    void SetValue(int64_t, int64_t) override { ++values; }
    std::vector<ProgressState> states;
    int values = 0;
};

// The carrier's task-bar and timer requests as the window carries them out, with a progress
// display and without an engine.
class CarrierTaskbarTest : public WindowFixture<> {
protected:
    CarrierTaskbarTest() {
        settings.SetText(kWithoutMasterMeters);
        window = std::make_unique<TGlorinbaxMF>(setup({}, &progress));
        window->SetLineAndPoint(&line);
        link.AttachWindow(window.get());
        host.Attach(window.get(), nullptr, nullptr);
    }

    RecordedProgress progress;
    FakeLine line;
    AudioOutput output;
    MinglerCarrierLink link{arrangement, output, peers};
    CarrierHost host{link};
    std::unique_ptr<TGlorinbaxMF> window;
};

TEST_F(CarrierTaskbarTest, RollingRunsTheLineAndTaskbarTimersWithOneTickAtOnce) {
    WindowTimers& timers = window->Timers();
    link.RunRollTimers(true);
    EXPECT_TRUE(timers.LineTimer.isActive());
    ASSERT_TRUE(timers.TaskbarTimer);
    EXPECT_TRUE(timers.TaskbarTimer->isActive());
    EXPECT_EQ(progress.states.size(), 1u) << "one tick at once";
    link.RunRollTimers(false);
    EXPECT_FALSE(timers.LineTimer.isActive());
    EXPECT_FALSE(timers.TaskbarTimer->isActive());
    link.ClearProgress();
    EXPECT_EQ(progress.states.back(), ProgressState::None);
}

TEST_F(CarrierTaskbarTest, TheHeardRangeEndStartsTheProgressOverOnTheUiThread) {
    std::thread sync([this] { host.RangeEndHeard(); });
    sync.join();
    EXPECT_TRUE(progress.states.empty()) << "not on the sync thread";
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(progress.states,
              (std::vector<ProgressState>{ProgressState::None, ProgressState::Normal}));

    // The window detached before the posted work ran: nothing reaches it.
    host.RangeEndHeard();
    host.Attach(nullptr, nullptr, nullptr);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(progress.states.size(), 2u);
}

} // namespace
