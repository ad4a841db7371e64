#include "RoomFixture.h"
#include "controls/CarrierLink.h"
#include "controls/TheCarrier.h"

#include <QDir>

#include <functional>
#include <utility>
#include <vector>

namespace {

constexpr int64_t kStep = 11025;

// Records what the carrier asks, and which of it came under the mixer lock; a roll plays unless
// told otherwise.
class FakeCarrierLink : public CarrierLink {
public:
    bool HasStream() const override { return stream; }
    bool LastPlaySucceeded() const override { return playing; }
    void RollMix(Elements from) override {
        rolls.push_back(from);
        stream = playing = canPlay;
    }
    bool PauseMix() override {
        ++pauses;
        unlockedMixChanges += !locked();
        return true;
    }
    bool ResumeMix() override {
        ++resumes;
        unlockedMixChanges += !locked();
        return playing = canPlay;
    }
    void StopMix() override { ++stops; }
    void ReleaseMix() override {
        ++releases;
        stream = playing = false;
    }
    bool SilentOutput() const override { return silent; }
    bool RoundRobin() const override { return false; }
    bool Looping() const override { return false; }
    void ChangeRange() override {}
    void ScheduleBallsAgain() override {}
    void RunRollTimers(bool on) override {
        rollTimers = on;
        lockedWindowWork += locked();
    }
    void ShowPausedProgress() override {
        ++pausedProgress;
        lockedWindowWork += locked();
    }
    void ClearProgress() override { ++progressCleared; }
    void PaintWatch() override {
        ++watchPaints;
        lockedWindowWork += locked();
    }
    void SendKey(int key, ShiftState shift) override { keys.emplace_back(key, shift); }
    ShiftState Modifiers() const override { return held; }
    bool WindowActive() const override { return active; }
    void RunRepeat(int intervalMs) override { repeatMs = intervalMs; }
    void StopRepeat() override { repeatMs = 0; }

    bool locked() const { return audio && audio->lockDepth > 0; }

    bool canPlay = true;
    bool stream = false;
    bool playing = true;
    bool silent = false;
    std::vector<Elements> rolls;
    int pauses = 0, resumes = 0, stops = 0, releases = 0;
    bool rollTimers = false;
    int pausedProgress = 0, progressCleared = 0, watchPaints = 0;
    std::vector<std::pair<int, ShiftState>> keys;
    ShiftState held;
    bool active = true;
    int repeatMs = 0; // 0: off
    const RoomAudio* audio = nullptr;
    int unlockedMixChanges = 0, lockedWindowWork = 0;
};

constexpr ShiftState kNone{};
constexpr ShiftState kAlt{false, true, false};
constexpr ShiftState kCtrl{false, false, true};
constexpr ShiftState kAltCtrl{false, true, true};

// The room fixture with our carrier: the lane strip is shown, so the carrier stands right of
// it, at (120, 262) to (280, 300).
class CarrierTest : public RoomFixture {
protected:
    void makeCarrier(CarrierSettings s = {}) {
        makers.carrier = [this, s](TCtrlList& list) -> TCtrl& {
            return list.Create<TTheCarrier>(arrangement, link, menus, s);
        };
        make();
        link.audio = &audio;
    }
    TTheCarrier& carrier() { return static_cast<TTheCarrier&>(*interior->Carrier); }
    // A left press and release at a point inside the carrier.
    void click(int32_t dx, int32_t dy, ShiftState shift = kNone) {
        const TRect& r = carrier().BoundsRect;
        carrier().MouseDown(MouseButton::Left, r.Left + dx, r.Top + dy, shift);
        carrier().MouseUp(r.Left + dx, r.Top + dy);
    }
    void clickButton(CarrierButton button, ShiftState shift = kNone) {
        click(carrier().ButtonX(button) + 10, 20, shift);
    }
    void moveLine(int64_t steps) { carrier().MoveLine(Elements{steps * kStep}); }
    Elements line() { return carrier().LinePosition(); }

    FakeCarrierLink link;
};

TEST_F(CarrierTest, StandsRightOfTheLaneStripElseRightOfTheRoomsLeftOnTheLayoutsBottom) {
    makeCarrier();
    EXPECT_EQ(carrier().BoundsRect, (TRect{120, 262, 280, 300}));
    interior->Lanes->Visible = false;
    interior->ResizeAll();
    EXPECT_EQ(carrier().BoundsRect.Left, room().BoundsRect.Left);
    EXPECT_EQ(carrier().BoundsRect.Left, 0);
}

TEST_F(CarrierTest, OnlyPressesStrictlyInsideTheHitBandAndASpanHitAButton) {
    makeCarrier();
    const int32_t rollX = carrier().ButtonX(CarrierButton::Roll); // 10, 26 wide
    const TRect& r = carrier().BoundsRect;
    EXPECT_EQ(carrier().ButtonAt(r.Left + rollX + 5, r.Top + 7), CarrierButton::None);
    EXPECT_EQ(carrier().ButtonAt(r.Left + rollX + 5, r.Top + 8), CarrierButton::Roll);
    EXPECT_EQ(carrier().ButtonAt(r.Left + rollX + 5, r.Top + 31), CarrierButton::Roll);
    EXPECT_EQ(carrier().ButtonAt(r.Left + rollX + 5, r.Top + 32), CarrierButton::None);
    EXPECT_EQ(carrier().ButtonAt(r.Left + rollX + 1, r.Top + 20), CarrierButton::None);
    EXPECT_EQ(carrier().ButtonAt(r.Left + rollX + 2, r.Top + 20), CarrierButton::Roll);
    EXPECT_EQ(carrier().ButtonAt(r.Left + rollX + 26, r.Top + 20), CarrierButton::None);
    EXPECT_EQ(
        carrier().ButtonAt(r.Left + carrier().ButtonX(CarrierButton::Future) + 10, r.Top + 20),
        CarrierButton::Future);

    click(rollX + 5, 7);
    EXPECT_TRUE(link.rolls.empty());
    EXPECT_EQ(carrier().DownX(), -1);
    click(rollX + 5, 8);
    EXPECT_EQ(link.rolls.size(), 1u);
    EXPECT_TRUE(carrier().Rolling());
}

TEST_F(CarrierTest, RollingFromTheLineThenAgainFromTheRollMarkWhichIsRemembered) {
    makeCarrier({1, 2, true}); // roll from the point
    arrangement.room.Point.X = 6;
    moveLine(3);
    clickButton(CarrierButton::Roll);
    ASSERT_EQ(link.rolls, (std::vector<Elements>{Elements{3 * kStep}}));
    EXPECT_TRUE(carrier().Rolling());
    EXPECT_FALSE(carrier().Settled());
    EXPECT_TRUE(link.rollTimers);
    EXPECT_EQ(carrier().LastRollPosition(), Elements{3 * kStep});

    clickButton(CarrierButton::Roll);
    EXPECT_EQ(link.rolls.back(), Elements{6 * kStep});
    EXPECT_EQ(carrier().LastRollPosition(), Elements{6 * kStep});
    EXPECT_EQ(line(), Elements{6 * kStep});
    EXPECT_EQ(link.stops, 1) << "the old mix stopped before the new one";
}

TEST_F(CarrierTest, PauseResumesInPlaceUnlessTheLineMovedOrTheOutputIsSilent) {
    makeCarrier();
    clickButton(CarrierButton::Pause);
    EXPECT_EQ(link.pauses + link.resumes, 0) << "nothing happens while settled";
    EXPECT_TRUE(link.rolls.empty());

    moveLine(2);
    carrier().RollHere(true);
    clickButton(CarrierButton::Pause);
    EXPECT_TRUE(carrier().Paused());
    EXPECT_FALSE(carrier().Rolling());
    EXPECT_FALSE(link.rollTimers);
    EXPECT_EQ(link.pauses, 1);
    EXPECT_EQ(carrier().PausedAt(), Elements{2 * kStep});

    clickButton(CarrierButton::Pause);
    EXPECT_EQ(link.resumes, 1);
    EXPECT_EQ(link.rolls.size(), 1u) << "resumed, not rolled again";
    EXPECT_TRUE(carrier().Rolling());
    EXPECT_FALSE(carrier().Paused());

    clickButton(CarrierButton::Pause);
    moveLine(5);
    clickButton(CarrierButton::Pause);
    EXPECT_EQ(link.resumes, 1);
    EXPECT_EQ(link.rolls.back(), Elements{5 * kStep});
    EXPECT_EQ(carrier().LastRollPosition(), Elements{2 * kStep}) << "a resume is not remembered";

    link.silent = true;
    clickButton(CarrierButton::Pause);
    clickButton(CarrierButton::Pause);
    EXPECT_EQ(link.resumes, 1);
    EXPECT_EQ(link.rolls.size(), 3u) << "the no-sound output rolls afresh";
    EXPECT_TRUE(carrier().Rolling());
}

// The mixing thread waits while the lock is held: only the pause and the resume hold it, not the
// timers, the task bar or the painting around them.
TEST_F(CarrierTest, PauseAndResumeHoldTheMixerLockOnlyAroundTheMixsChange) {
    makeCarrier();
    carrier().RollHere(true);
    carrier().PauseToggle();
    carrier().PauseToggle();
    ASSERT_EQ(link.pauses, 1);
    ASSERT_EQ(link.resumes, 1);
    EXPECT_EQ(link.unlockedMixChanges, 0);
    EXPECT_GT(link.pausedProgress + link.watchPaints, 0);
    EXPECT_EQ(link.lockedWindowWork, 0);
    EXPECT_EQ(audio.lockDepth, 0);

    carrier().PauseToggle();
    link.canPlay = false; // the library refuses to play on
    carrier().PauseToggle();
    EXPECT_EQ(link.resumes, 2);
    EXPECT_FALSE(carrier().Rolling());
    EXPECT_FALSE(carrier().Paused());
    EXPECT_FALSE(link.rollTimers);
    EXPECT_EQ(link.lockedWindowWork, 0);
}

TEST_F(CarrierTest, ASettledMixIsNeverResumedEvenWithTheLineWhereItPaused) {
    makeCarrier();
    moveLine(2);
    carrier().RollHere(true);
    carrier().PauseToggle();
    carrier().Settle(); // back to the last roll, which is where it paused
    ASSERT_EQ(line(), carrier().PausedAt());
    ASSERT_TRUE(link.stream) << "the stopped mix is still there";
    clickButton(CarrierButton::Roll, kAlt); // the roll switch
    EXPECT_EQ(link.resumes, 0);
    EXPECT_EQ(link.rolls.size(), 2u);
    EXPECT_TRUE(carrier().Rolling());
}

TEST_F(CarrierTest, SettleGoesToTheLastRollOrToTheSettleMark) {
    makeCarrier({2, 3, true});
    arrangement.room.Point.X = 9;
    moveLine(4);
    carrier().RollHere(true);
    moveLine(7);
    clickButton(CarrierButton::Settle);
    EXPECT_TRUE(carrier().Settled());
    EXPECT_FALSE(carrier().Rolling());
    EXPECT_EQ(line(), Elements{4 * kStep});
    EXPECT_EQ(link.progressCleared, 1);

    carrier().SettleToLastRoll = false;
    carrier().RollHere(true);
    clickButton(CarrierButton::Settle);
    EXPECT_EQ(line(), Elements{9 * kStep}) << "the point";
    clickButton(CarrierButton::Settle);
    EXPECT_EQ(link.progressCleared, 2) << "settled already: nothing";
}

TEST_F(CarrierTest, AFailedPlayLeavesItNeitherRollingNorPausedAndUnlit) {
    makeCarrier();
    link.canPlay = false;
    clickButton(CarrierButton::Roll);
    EXPECT_FALSE(carrier().Rolling());
    EXPECT_FALSE(carrier().Paused());
    EXPECT_TRUE(carrier().Settled());
    EXPECT_GE(link.pausedProgress, 1);
}

TEST_F(CarrierTest, AnEndedStreamGoesAndTheCarrierPausesThere) {
    makeCarrier();
    carrier().RollHere(true);
    carrier().Ended();
    EXPECT_EQ(link.releases, 1);
    EXPECT_FALSE(link.stream);
    EXPECT_TRUE(carrier().Paused());
    EXPECT_FALSE(carrier().Rolling());
    EXPECT_FALSE(link.rollTimers);
    clickButton(CarrierButton::Roll);
    EXPECT_TRUE(carrier().Rolling()) << "Roll while paused rolls on";
    EXPECT_EQ(link.rolls.size(), 2u);
}

TEST_F(CarrierTest, HeldPastAndFutureSendTheirKeysThenRepeatFastUntilReleased) {
    makeCarrier();
    const TRect& r = carrier().BoundsRect;
    const int32_t futureX = r.Left + carrier().ButtonX(CarrierButton::Future) + 10;
    carrier().MouseDown(MouseButton::Left, futureX, r.Top + 20, kCtrl);
    ASSERT_EQ(link.keys.size(), 1u);
    EXPECT_EQ(link.keys[0], std::make_pair(kKeypadMultiply, kCtrl));
    EXPECT_EQ(link.repeatMs, TTheCarrier::kRepeatDelayMs);
    EXPECT_EQ(carrier().DownX(), carrier().ButtonX(CarrierButton::Future));
    link.held = kNone; // Ctrl let go while the button is held
    carrier().RepeatTick();
    EXPECT_EQ(link.repeatMs, TTheCarrier::kRepeatIntervalMs);
    EXPECT_EQ(link.keys.back(), std::make_pair(kKeypadMultiply, kNone));
    carrier().MouseUp(futureX, r.Top + 20);
    EXPECT_EQ(link.repeatMs, 0);
    EXPECT_EQ(carrier().DownX(), -1);

    // With Alt the view scrolls: Left with Ctrl, or with Ctrl held too, Up without Alt.
    const int32_t pastX = r.Left + carrier().ButtonX(CarrierButton::Past) + 10;
    carrier().MouseDown(MouseButton::Left, pastX, r.Top + 20, kAlt);
    EXPECT_EQ(link.keys.back(), std::make_pair(int(Qt::Key_Left), kAltCtrl));
    link.held = kAltCtrl;
    carrier().RepeatTick();
    EXPECT_EQ(link.keys.back(), std::make_pair(int(Qt::Key_Left), kAltCtrl));
    carrier().MouseUp(pastX, r.Top + 20);
    carrier().MouseDown(MouseButton::Left, pastX, r.Top + 20, kAltCtrl);
    EXPECT_EQ(link.keys.back(), std::make_pair(int(Qt::Key_Up), kCtrl));
    carrier().MouseUp(pastX, r.Top + 20);
}

// A press can end without a release reaching the carrier; the next repeat step then sends
// nothing, stops the timer and shows the button up.
TEST_F(CarrierTest, TheRepeatStopsWhenThePressEndsWithoutARelease) {
    makeCarrier();
    const TRect& r = carrier().BoundsRect;
    const int32_t futureX = r.Left + carrier().ButtonX(CarrierButton::Future) + 10;
    TCtrlList& list = interior->TheCtrls;
    const std::pair<const char*, std::function<void()>> endings[] = {
        {"a dialog stepped aside", [&] { list.CapturedCtrl = nullptr; }},
        {"another control took the mouse", [&] { list.CapturedCtrl = &room(); }},
        {"the carrier was hidden", [&] { carrier().SetVisible(false); }},
        {"the window lost the focus", [&] { link.active = false; }},
    };
    for (const auto& [ending, end] : endings) {
        carrier().SetVisible(true);
        link.active = true;
        carrier().MouseDown(MouseButton::Left, futureX, r.Top + 20, kNone);
        ASSERT_EQ(link.repeatMs, TTheCarrier::kRepeatDelayMs) << ending;
        const size_t sent = link.keys.size();
        end();
        carrier().RepeatTick();
        EXPECT_EQ(link.keys.size(), sent) << ending;
        EXPECT_EQ(link.repeatMs, 0) << ending;
        EXPECT_EQ(carrier().DownX(), -1) << ending;
    }
}

TEST_F(CarrierTest, ARightClickOpensTheCarrierMenuAndActsOnNoButton) {
    makeCarrier();
    const TRect& r = carrier().BoundsRect;
    const int32_t x = r.Left + carrier().ButtonX(CarrierButton::Roll) + 10;
    carrier().MouseDown(MouseButton::Right, x, r.Top + 20, kNone);
    carrier().MouseUp(x, r.Top + 20);
    EXPECT_EQ(menus.carrierMenus, (std::vector<QPoint>{QPoint(x, r.Top + 20)}));
    EXPECT_TRUE(link.rolls.empty());
}

TEST_F(CarrierTest, GoToAPositionRightOfTheViewScrollsItTwentyPixelsInsideTheRightEdge) {
    makeCarrier();
    carrier().Go(true, false, Elements{40 * kStep});
    const int32_t x = (arrangement.room.OffsetX + 40) * 20 + room().BoundsRect.Left;
    EXPECT_EQ(x, room().BoundsRect.Right - 20);
    EXPECT_EQ(line(), Elements{40 * kStep});
    EXPECT_GE(link.pausedProgress, 1);
    EXPECT_TRUE(link.rolls.empty()) << "not rolling: the line only moves";
}

// The built-in look: the Roll box lights while rolling and paused, Pause only while paused, a
// pressed box has a grey frame, and a dimmed carrier is darker.
TEST_F(CarrierTest, TheBuiltInButtonsShowLitPressedAndDimmedStates) {
    makeCarrier();
    const TRect& r = carrier().BoundsRect;
    const auto boxInside = [&](CarrierButton b) {
        return pixel(r.Left + BuiltInBoxX(b) + 5, r.Top + kBuiltInBoxY + 5);
    };
    const auto frame = [&](CarrierButton b) {
        return pixel(r.Left + BuiltInBoxX(b) + 3, r.Top + kBuiltInBoxY + 10);
    };
    const QRgb bg = ToQColor(interior->Style().Carrier.BG).rgb();
    carrier().Paint();
    EXPECT_EQ(boxInside(CarrierButton::Roll), bg);
    EXPECT_EQ(pixel(r.Left + 50, r.Top), ToQColor(interior->Style().Carrier.Outline).rgb());

    carrier().RollHere(true);
    const QRgb lit = boxInside(CarrierButton::Roll);
    EXPECT_NE(lit, bg);
    EXPECT_EQ(boxInside(CarrierButton::Pause), bg);
    carrier().PauseToggle();
    EXPECT_EQ(boxInside(CarrierButton::Roll), lit);
    EXPECT_EQ(boxInside(CarrierButton::Pause), lit);
    carrier().Settle();
    EXPECT_EQ(boxInside(CarrierButton::Roll), bg);

    const QRgb silver = frame(CarrierButton::Settle);
    carrier().ShowDown(carrier().ButtonX(CarrierButton::Settle));
    EXPECT_NE(frame(CarrierButton::Settle), silver);
    carrier().ShowDown(-1);
    EXPECT_EQ(frame(CarrierButton::Settle), silver);

    carrier().Dimmed = true;
    interior->Surfaces.DimAlpha = kDimmedAlpha;
    carrier().Paint();
    EXPECT_LT(qRed(boxInside(CarrierButton::Roll)), qRed(bg));
}

// A style with carrier bitmaps: the normal image, lit buttons from the lit image and the
// pressed one from the pressed image, each TriggerWidth x 28 at TriggerY.
TEST_F(CarrierTest, AStylesBitmapsAreDrawnPerButton) {
    makeCarrier();
    const auto solid = [](QRgb colour) {
        QImage image(160, 38, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    };
    const QString folder = interior->StyleFolder();
    QDir().mkpath(folder);
    ASSERT_TRUE(solid(qRgb(10, 10, 10)).save(folder + "Carrier.bmp"));
    ASSERT_TRUE(solid(qRgb(200, 0, 0)).save(folder + "Carrier_Alt.bmp"));
    ASSERT_TRUE(solid(qRgb(0, 0, 200)).save(folder + "Carrier_Down.bmp"));
    interior->LoadStyle();
    const CarrierStyle& style = interior->Style().Carrier;
    const TRect& r = carrier().BoundsRect;
    const auto at = [&](CarrierButton b, int dx, int dy) {
        return pixel(r.Left + carrier().ButtonX(b) + dx, r.Top + style.TriggerY + dy);
    };
    carrier().RollHere(true);
    EXPECT_EQ(at(CarrierButton::Roll, 0, 0), qRgb(200, 0, 0));
    EXPECT_EQ(at(CarrierButton::Roll, style.TriggerWidth - 1, 27), qRgb(200, 0, 0));
    EXPECT_EQ(at(CarrierButton::Roll, 0, 28), qRgb(10, 10, 10));
    EXPECT_EQ(at(CarrierButton::Pause, 5, 5), qRgb(10, 10, 10));
    carrier().ShowDown(carrier().ButtonX(CarrierButton::Future));
    EXPECT_EQ(at(CarrierButton::Future, 5, 5), qRgb(0, 0, 200));
    carrier().Visible = false;
    carrier().ShowDown(-1);
    EXPECT_EQ(at(CarrierButton::Future, 5, 5), qRgb(0, 0, 200)) << "hidden: nothing is drawn";
}

} // namespace
