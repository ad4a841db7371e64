#include "ProgramFolderFixture.h"
#include "audio/Channels.h"
#include "audio/Mingler.h"
#include "common/WavBytes.h"
#include "controls/TheCarrier.h"
#include "controls/TheRoom.h"
#include "controls/TheRuler.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <QTimerEvent>
#include <QWidget>

namespace {

// A second of 16-bit stereo at 44100 frames per second, of a steady level.
QByteArray wavFile() {
    return Wav16Bit(2, QByteArray(44100 * 4, '\x20'));
}

// Runs a timer's work now, as its timeout would.
void fire(QTimer& timer) {
    ASSERT_TRUE(timer.isActive());
    QTimerEvent event(timer.timerId());
    QCoreApplication::sendEvent(&timer, &event);
}

// The program with its window on the no-sound output, in an otherwise empty program folder.
class CarrierWindowTest : public SessionFixture {
protected:
    void start(const QByteArray& carrierSettings = {}, const QString& file = {}) {
        ASSERT_NO_FATAL_FAILURE(startSession(options(file), carrierSettings));
        window()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
    }
    TGlorinbaxMF* window() { return session->Window(); }
    TTheCarrier& carrier() { return *session->Carrier(); }
    TTheRoom& room() { return *TheRoomOf(window()->Interior()); }
    TTheMingler& mingler() { return *session->Audio().Mingler(); }
    int64_t step() { return std::llround(session->Model().plan.ElementsPerStep()); }
    QPoint at(CarrierButton button, int dy = 20) {
        const TRect& r = carrier().BoundsRect;
        return {r.Left + carrier().ButtonX(button) + 10, r.Top + dy};
    }
    void click(CarrierButton button, int dy = 20) {
        QTest::mouseClick(window(), Qt::LeftButton, {}, at(button, dy));
    }
    // What the window shows inside a button's built-in box.
    QRgb boxColour(CarrierButton button) {
        const TRect& r = carrier().BoundsRect;
        return window()->grab().toImage().pixel(r.Left + BuiltInBoxX(button) + 5,
                                                r.Top + kBuiltInBoxY + 5);
    }
    // Lets the mix play until the line moved past a position (at most five seconds). The mix
    // advances by the no-sound output's real-time clock, which no test can drive.
    bool lineMovesPast(Elements position) {
        for (int i = 0; i < 100 && carrier().LinePosition() <= position; ++i)
            QTest::qWait(50);
        return carrier().LinePosition() > position;
    }
};

TEST_F(CarrierWindowTest, ClickingRollRollsAndLightsTheButton) {
    start();
    ASSERT_TRUE(carrier().Settled());
    const QRgb unlit = boxColour(CarrierButton::Roll);
    click(CarrierButton::Roll);
    EXPECT_TRUE(carrier().Rolling());
    EXPECT_TRUE(mingler().Playing());
    EXPECT_NE(mingler().Handle(), 0u);
    EXPECT_TRUE(window()->Timers().LineTimer.isActive());
    EXPECT_NE(boxColour(CarrierButton::Roll), unlit);
    EXPECT_EQ(boxColour(CarrierButton::Pause), unlit);
    EXPECT_TRUE(lineMovesPast(Elements{0}));
}

TEST_F(CarrierWindowTest, PausesSevenPixelsOrLessBelowTheTopHitNothing) {
    start();
    click(CarrierButton::Roll, 7);
    click(CarrierButton::Roll, 2);
    click(CarrierButton::Roll, 32);
    EXPECT_FALSE(carrier().Rolling());
    EXPECT_EQ(mingler().Handle(), 0u);
    click(CarrierButton::Roll, 8);
    EXPECT_TRUE(carrier().Rolling());
}

// The no-sound output never plays a paused mix on: there the second Pause rolls afresh from
// where the line paused, which looks the same from here as a resume in place. CarrierTest tells
// the two apart.
TEST_F(CarrierWindowTest, PauseThenPauseRollsOnWhereItPausedAndFromWhereTheLineWasMoved) {
    start();
    click(CarrierButton::Roll);
    carrier().Go(true, false, Elements{4 * step()}); // rolls from there, not remembered
    click(CarrierButton::Pause);
    ASSERT_TRUE(carrier().Paused());
    EXPECT_FALSE(window()->Timers().LineTimer.isActive());
    const Elements pausedAt = carrier().LinePosition();
    ASSERT_GE(pausedAt, Elements{4 * step()});
    EXPECT_EQ(carrier().PausedAt(), pausedAt);

    click(CarrierButton::Pause);
    EXPECT_TRUE(carrier().Rolling());
    EXPECT_FALSE(carrier().Paused());
    EXPECT_EQ(mingler().Origin(), pausedAt) << "on where it paused, not from the last roll";
    EXPECT_EQ(carrier().LastRollPosition(), Elements{0}) << "a resume is not remembered";

    click(CarrierButton::Pause);
    const TRect& ruler = window()->Interior().Ruler->BoundsRect;
    const int32_t column = session->Model().room.OffsetX + 6;
    QTest::mouseClick(window(), Qt::LeftButton, {},
                      QPoint(room().BoundsRect.Left + column * 20 + 1, ruler.Top + 10));
    const Elements moved = carrier().LinePosition();
    ASSERT_EQ(moved, Elements{6 * step()});
    EXPECT_TRUE(carrier().Paused());
    click(CarrierButton::Pause);
    EXPECT_TRUE(carrier().Rolling());
    EXPECT_EQ(mingler().Origin(), moved);
}

TEST_F(CarrierWindowTest, SettleWithoutTheLastRollPutsTheLineOnThePoint) {
    start("SettleToLastRoll=0\nSettleTo=2\n");
    room().MovePointTo(7, 2);
    click(CarrierButton::Roll);
    click(CarrierButton::Settle);
    EXPECT_TRUE(carrier().Settled());
    EXPECT_FALSE(carrier().Rolling());
    EXPECT_EQ(carrier().LinePosition(), Elements{7 * step()});
    EXPECT_FALSE(window()->Timers().LineTimer.isActive());
}

TEST_F(CarrierWindowTest, HoldingFutureStepsAtOnceThenAfter250MsThenEvery15Ms) {
    start();
    QTimer& repeat = window()->Timers().RepeatTimer;
    QTest::mousePress(window(), Qt::LeftButton, {}, at(CarrierButton::Future));
    EXPECT_EQ(carrier().LinePosition(), Elements{step()});
    EXPECT_EQ(carrier().DownX(), carrier().ButtonX(CarrierButton::Future));
    ASSERT_TRUE(repeat.isActive());
    EXPECT_EQ(repeat.interval(), 250);
    fire(repeat);
    EXPECT_EQ(carrier().LinePosition(), Elements{2 * step()});
    EXPECT_EQ(repeat.interval(), 15);
    fire(repeat);
    fire(repeat);
    EXPECT_EQ(carrier().LinePosition(), Elements{4 * step()});
    EXPECT_EQ(repeat.interval(), 15);
    QTest::mouseRelease(window(), Qt::LeftButton, {}, at(CarrierButton::Future));
    EXPECT_FALSE(repeat.isActive());
    EXPECT_EQ(carrier().DownX(), -1);
    EXPECT_FALSE(carrier().Rolling());
}

// The release may never reach the carrier: a dialog takes the mouse, or another window the focus.
// The next repeat step then stops the repeat without stepping.
TEST_F(CarrierWindowTest, HeldFutureStopsRepeatingWhenADialogStepsAsideOrTheWindowIsLeft) {
    start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    QTimer& repeat = window()->Timers().RepeatTimer;
    QTest::mousePress(window(), Qt::LeftButton, {}, at(CarrierButton::Future));
    window()->StepAsideForDialog();
    fire(repeat);
    window()->ReturnAfterDialog();
    EXPECT_EQ(carrier().LinePosition(), Elements{step()});
    EXPECT_FALSE(repeat.isActive());
    EXPECT_EQ(carrier().DownX(), -1);
    QTest::mouseRelease(window(), Qt::LeftButton, {}, at(CarrierButton::Future));

    QTest::mousePress(window(), Qt::LeftButton, {}, at(CarrierButton::Future));
    ASSERT_EQ(carrier().LinePosition(), Elements{2 * step()});
    repeat.setInterval(3600 * 1000); // only the test steps it while the focus moves
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    fire(repeat);
    EXPECT_EQ(carrier().LinePosition(), Elements{2 * step()});
    EXPECT_FALSE(repeat.isActive());
    EXPECT_EQ(carrier().DownX(), -1);
}

TEST_F(CarrierWindowTest, GoingRightOfTheViewScrollsItTwentyPixelsInsideTheRightEdge) {
    start();
    const int64_t columns = room().BoundsRect.Width() / 20;
    for (const bool rolling : {false, true}) {
        if (rolling)
            click(CarrierButton::Roll);
        const int64_t target = (rolling ? 3 : 2) * columns + 5;
        carrier().Go(true, true, Elements{target * step()});
        const int32_t x = (session->Model().room.OffsetX + target) * 20 + room().BoundsRect.Left;
        EXPECT_EQ(x, room().BoundsRect.Right - 20) << rolling;
        EXPECT_EQ(carrier().Rolling(), rolling);
    }
    EXPECT_EQ(mingler().Origin(), Elements{(3 * columns + 5) * step()});
}

TEST_F(CarrierWindowTest, TheCarrierKeysRollPauseStepAndSettle) {
    start();
    QTest::keyClick(window(), Qt::Key_Space);
    EXPECT_TRUE(carrier().Rolling());
    QTest::keyClick(window(), Qt::Key_Space);
    EXPECT_TRUE(carrier().Paused());
    QTest::keyClick(window(), Qt::Key_Pause);
    EXPECT_TRUE(carrier().Rolling());
    QTest::keyClick(window(), Qt::Key_Return);
    EXPECT_TRUE(carrier().Settled());
    EXPECT_EQ(carrier().LinePosition(), Elements{0});

    QTest::keyPress(window(), Qt::Key_Asterisk, Qt::KeypadModifier);
    EXPECT_EQ(carrier().LinePosition(), Elements{step()});
    EXPECT_EQ(carrier().DownX(), carrier().ButtonX(CarrierButton::Future));
    QTest::keyRelease(window(), Qt::Key_Asterisk, Qt::KeypadModifier);
    EXPECT_EQ(carrier().DownX(), -1);
    QTest::keyClick(window(), Qt::Key_Slash, Qt::KeypadModifier);
    QTest::keyClick(window(), Qt::Key_Slash, Qt::KeypadModifier);
    EXPECT_EQ(carrier().LinePosition(), Elements{-step()});
    QTest::keyClick(window(), Qt::Key_Slash); // the main keyboard's slash is no carrier key
    EXPECT_EQ(carrier().LinePosition(), Elements{-step()});

    // With Ctrl a step goes to the nearest flag that way.
    TRoomState& flags = session->Model().room;
    flags.SetFlagPosition(flags.StartFlag(), Elements{3 * step()}, false);
    flags.SetFlagPosition(flags.EndFlag(), Elements{9 * step()}, false);
    QTest::keyClick(window(), Qt::Key_Asterisk, Qt::KeypadModifier | Qt::ControlModifier);
    EXPECT_EQ(carrier().LinePosition(), Elements{0}) << "the origin flag";
    QTest::keyClick(window(), Qt::Key_Asterisk, Qt::KeypadModifier | Qt::ControlModifier);
    EXPECT_EQ(carrier().LinePosition(), Elements{3 * step()});
    QTest::keyClick(window(), Qt::Key_Asterisk, Qt::KeypadModifier | Qt::ControlModifier);
    EXPECT_EQ(carrier().LinePosition(), Elements{9 * step()});
    QTest::keyClick(window(), Qt::Key_Slash, Qt::KeypadModifier | Qt::ControlModifier);
    EXPECT_EQ(carrier().LinePosition(), Elements{3 * step()});

    QTest::keyClick(window(), Qt::Key_Space, Qt::ShiftModifier); // from the last roll
    EXPECT_TRUE(carrier().Rolling());
    EXPECT_EQ(mingler().Origin(), Elements{0});
    QTest::keyClick(window(), Qt::Key_Return);
    QTest::keyClick(window(), Qt::Key_Return);
    EXPECT_TRUE(carrier().Rolling()) << "Enter rolls when settled";
}

// Rolling anew while paused, or after the stream ended, must silence what the old stream armed:
// otherwise each cycle leaves the ball's channel (and its syncs) behind.
TEST_F(CarrierWindowTest, AThousandPausesAndEndsLeaveNoChannelsBehind) {
    const QString sound = dir.file("hit.wav");
    QFile file(sound);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(wavFile());
    file.close();
    start({}, sound); // a sound file rolls at once, with its ball at the origin
    ASSERT_TRUE(carrier().Rolling());
    const int32_t planChannels = LiveChannelCount();
    ASSERT_EQ(planChannels, 1);
    for (int cycle = 0; cycle < 1000; ++cycle) {
        carrier().PauseToggle();
        carrier().PauseToggle();
        carrier().Ended();
        carrier().PauseToggle();
        ASSERT_TRUE(carrier().Rolling()) << cycle;
    }
    EXPECT_EQ(LiveChannelCount(), planChannels);
    carrier().Settle();
    EXPECT_EQ(LiveChannelCount(), 0);
}

} // namespace
