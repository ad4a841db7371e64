#include "WatchFixture.h"
#include "controls/WatchDigitText.h"

#include <chrono>

namespace {

using namespace std::chrono_literals;

constexpr int32_t kTempoCommand = 115;

class WatchTyperTest : public WatchFixture {
protected:
    WatchTyperTest() { make(); }

    void keys(std::initializer_list<int> typed, Qt::KeyboardModifiers modifiers = {}) {
        for (int key : typed)
            typer().KeyDown(key, modifiers);
    }
    void finishFlash() {
        for (int i = 0; i < TWatchTyper::kFlashRepaints; ++i)
            typer().FlashTick();
    }
    TyperStart plain(int32_t min, int32_t max, int32_t value) {
        TyperStart start;
        start.range = {min, max, 0, 1};
        start.value = value;
        start.changed = [this](int32_t v) { changes.push_back(v); };
        return start;
    }
    // As the lane pan command starts it: -100 .. 100, not-set pan shows 0.
    TyperStart panOf(TFormulaExt& pan) {
        TyperStart start;
        start.extTarget = &pan;
        start.commandId = 114;
        start.range = {-100, 100, -100, 2};
        start.noneValue = -100000;
        return start;
    }
    TyperStart tempo() {
        TyperStart start;
        start.intTarget = &arrangement.plan.MPH;
        start.commandId = kTempoCommand;
        start.range = {1, 999, 70, 1};
        start.value = 120;
        start.flash = false;
        return start;
    }

    std::vector<int32_t> changes;
    TLane& lane = arrangement.lanes.Add(0, 0, false);
};

TEST_F(WatchTyperTest, SevenDigitsCompleteTheEntryWithoutReturn) {
    TyperStart start = plain(0, 9999999, 42);
    int32_t completed = -1;
    start.complete = [&](int32_t v) { completed = v; };
    ASSERT_TRUE(typer().Start(start));
    EXPECT_EQ(typer().Text(), "/////42");
    EXPECT_EQ(watch().CurrentPainter(), &typer());
    keys({Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5});
    typer().KeyDown(Qt::Key_6, Qt::ShiftModifier); // the top row's digit on an AZERTY layout
    EXPECT_TRUE(typer().Active());
    EXPECT_EQ(typer().Value(), 123456);
    typer().KeyDown(Qt::Key_7, Qt::KeypadModifier); // the numeric pad's digits count
    EXPECT_FALSE(typer().Active());
    EXPECT_EQ(completed, 1234567);
    EXPECT_EQ(changes.back(), 1234567);
    EXPECT_EQ(typer().Flash(), FlashState::Applied);
}

TEST_F(WatchTyperTest, TypingOtherControlsDimAndTheFlashEndsTheTypingView) {
    ASSERT_TRUE(typer().Start(plain(0, 100, 5)));
    EXPECT_TRUE(room().Dimmed);
    EXPECT_TRUE(ruler().Dimmed);
    EXPECT_FALSE(watch().Dimmed);
    EXPECT_FALSE(slider().Dimmed); // it types too
    EXPECT_EQ(host.dims, std::vector<bool>{true});
    interior->SetDimmed(true); // a dialog over the typing: only the typing controls follow
    EXPECT_TRUE(watch().Dimmed);
    EXPECT_TRUE(slider().Dimmed);
    interior->SetDimmed(false);
    EXPECT_FALSE(watch().Dimmed);
    EXPECT_FALSE(slider().Dimmed);
    EXPECT_TRUE(room().Dimmed);
    EXPECT_EQ(host.dims, std::vector<bool>{true});
    EXPECT_FALSE(typer().Start(plain(0, 100, 5))); // one entry at a time
    keys({Qt::Key_Return});
    EXPECT_TRUE(typer().Flashing());
    EXPECT_EQ(typer().Flash(), FlashState::Committed);
    watch().Paint();
    EXPECT_EQ(shownText(), "//####/"); // "DONE" in blocks over blank places: no glyph matches
    finishFlash();
    EXPECT_FALSE(typer().Flashing());
    EXPECT_EQ(host.dims, (std::vector<bool>{true, false}));
    EXPECT_NE(watch().CurrentPainter(), &typer());
    watch().Paint();
    EXPECT_EQ(shownText(), "/0/0//0");
}

TEST_F(WatchTyperTest, PanAndLoudnessOfZeroAndANegativePanAreWritten) {
    TFormulaExt& pan = lane.Piece().Pan;
    pan.SetText("0.5");
    ASSERT_TRUE(typer().Start(panOf(pan)));
    EXPECT_EQ(typer().Value(), 50);
    keys({Qt::Key_0, Qt::Key_Return});
    EXPECT_EQ(pan.Text(), "0/100");
    EXPECT_EQ(pan.Value(), 0);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), 114);
    finishFlash();

    ASSERT_TRUE(typer().Start(panOf(pan)));
    keys({Qt::Key_2, Qt::Key_5, Qt::Key_Minus, Qt::Key_Return});
    EXPECT_EQ(pan.Text(), "-25/100");
    EXPECT_DOUBLE_EQ(static_cast<double>(pan.Value()), -0.25);
    finishFlash();

    TFormulaExt& loudness = lane.Piece().Loudness;
    loudness.SetText("0.8");
    TyperStart start;
    start.extTarget = &loudness;
    start.commandId = 113;
    start.range = {0, 100, 0, 1};
    ASSERT_TRUE(typer().Start(start));
    EXPECT_EQ(typer().Value(), 80);
    keys({Qt::Key_0, Qt::Key_Return});
    EXPECT_EQ(loudness.Text(), "0/100");
    EXPECT_EQ(loudness.Value(), 0);
}

TEST_F(WatchTyperTest, ATypedValueIsHeldInItsRangeUnlessOutOfRangeIsAllowed) {
    ASSERT_TRUE(typer().Start(tempo()));
    keys({Qt::Key_2, Qt::Key_0, Qt::Key_0, Qt::Key_0, Qt::Key_Return});
    EXPECT_EQ(arrangement.plan.MPH.Text(), "999");
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kTempoCommand);
    EXPECT_FALSE(typer().Flashing()); // the tempo ends without a flash

    interior->WatchStates.allowOutOfRange = true;
    ASSERT_TRUE(typer().Start(tempo()));
    keys({Qt::Key_2, Qt::Key_0, Qt::Key_0, Qt::Key_0, Qt::Key_Return});
    EXPECT_EQ(arrangement.plan.MPH.Value(), 2000);

    TyperStart panStart = panOf(lane.Piece().Pan);
    ASSERT_TRUE(typer().Start(panStart)); // not set: shows 0
    EXPECT_EQ(typer().Value(), 0);
    interior->WatchStates.allowOutOfRange = false;
    keys({Qt::Key_3, Qt::Key_0, Qt::Key_0, Qt::Key_Minus, Qt::Key_Return});
    EXPECT_EQ(lane.Piece().Pan.Text(), "-100/100");
    EXPECT_EQ(typer().Flash(), FlashState::Clamped);
}

TEST_F(WatchTyperTest, ZeroKeepsTheTextOfAValueThatMustBeOneOrMore) {
    arrangement.plan.MPH.SetText("60*2");
    interior->WatchStates.allowOutOfRange = true;
    ASSERT_TRUE(typer().Start(tempo()));
    keys({Qt::Key_0, Qt::Key_Return});
    EXPECT_EQ(arrangement.plan.MPH.Text(), "60*2");
    EXPECT_FALSE(arrangement.plan.Modified());
    interior->WatchStates.allowOutOfRange = false;
    ASSERT_TRUE(typer().Start(tempo()));
    keys({Qt::Key_0, Qt::Key_Return}); // held at the minimum
    EXPECT_EQ(arrangement.plan.MPH.Text(), "1");
}

TEST_F(WatchTyperTest, UpAndDownWrapOnlyWhenAsked) {
    TyperStart start = plain(0, 10, 10);
    ASSERT_TRUE(typer().Start(start));
    keys({Qt::Key_Up});
    EXPECT_EQ(typer().Value(), 10);
    keys({Qt::Key_Down, Qt::Key_Down});
    EXPECT_EQ(typer().Value(), 8);
    keys({Qt::Key_Escape});
    start.range.wrap = true;
    start.value = 10;
    ASSERT_TRUE(typer().Start(start));
    keys({Qt::Key_Up});
    EXPECT_EQ(typer().Value(), 0);
    typer().KeyDown(Qt::Key_Minus, Qt::KeypadModifier); // the pad's minus steps down
    EXPECT_EQ(typer().Value(), 10);
    typer().KeyDown(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(typer().Value(), 0);
    EXPECT_EQ(changes, (std::vector<int32_t>{9, 8, 0, 10, 0}));
}

TEST_F(WatchTyperTest, ATimeStepsByTheGroupTheCaretStandsIn) {
    TyperStart start = plain(-959999, 5959999, 105250); // 1:05.250
    start.range.timeEntry = true;
    ASSERT_TRUE(typer().Start(start));
    keys({Qt::Key_Up});
    EXPECT_EQ(typer().Value(), 205250);
    keys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Up});
    EXPECT_EQ(typer().Value(), 206250);
    keys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down});
    EXPECT_EQ(typer().Caret(), 7);
    EXPECT_EQ(typer().Value(), 206249);
    typer().SetValue(5959999);
    keys({Qt::Key_Up});
    EXPECT_EQ(typer().Value(), 5959999);
    typer().SetValue(59999);
    keys({Qt::Key_Up}); // 0:59.999 + 1 ms
    EXPECT_EQ(typer().Value(), 100000);
    EXPECT_EQ(TimeOfTypedDigits(-105250), -65250);
    EXPECT_EQ(TypedDigitsOfTime(-65250), -105250);
}

TEST_F(WatchTyperTest, DeleteLeftRightAndModifiersFollowTheirRules) {
    ASSERT_TRUE(typer().Start(plain(0, 9999999, 0)));
    keys({Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_Delete});
    EXPECT_EQ(typer().Text(), "/12////");
    EXPECT_EQ(typer().Value(), 12);
    keys({Qt::Key_4}); // the caret still follows the last digit
    EXPECT_EQ(typer().Text(), "/124///");
    keys({Qt::Key_Left, Qt::Key_Left, Qt::Key_Delete});
    EXPECT_EQ(typer().Text(), "//24///");
    EXPECT_EQ(typer().Value(), 24);
    EXPECT_FALSE(typer().KeyDown(Qt::Key_5, Qt::ControlModifier));
    EXPECT_FALSE(typer().KeyDown(Qt::Key_Up, Qt::ShiftModifier));
    EXPECT_FALSE(typer().KeyDown(Qt::Key_A, {}));
    keys({Qt::Key_Minus}); // no negative values here
    EXPECT_EQ(typer().Value(), 24);
    for (int i = 0; i < 9; ++i)
        keys({Qt::Key_Left});
    EXPECT_EQ(typer().Caret(), 1);
    keys({Qt::Key_Delete}); // nothing before the first place
    EXPECT_EQ(typer().Text(), "//24///");
}

TEST_F(WatchTyperTest, TheSliderScaleSnapsTheMp3EntriesToTheirPresets) {
    TyperStart start = plain(8, 320, 128);
    start.range = {8, 320, 10, 3, false, false, PresetSnap::Mp3BitRate};
    ASSERT_TRUE(typer().Start(start));
    EXPECT_EQ(typer().SliderPosition(), 39);
    typer().SliderMoved(30); // 100
    EXPECT_EQ(typer().Value(), 96);
    EXPECT_EQ(typer().Caret(), 7);
    typer().SliderMoved(97); // 301
    EXPECT_EQ(typer().Value(), 320);
    typer().SliderMoved(100); // 310: at most the maximum, then the nearest preset
    EXPECT_EQ(typer().Value(), 320);
    EXPECT_EQ(SnapToPreset(100, PresetSnap::Mp3BitRate), 96);
    EXPECT_EQ(SnapToPreset(300, PresetSnap::Mp3BitRate), 320);
    EXPECT_EQ(SnapToPreset(104, PresetSnap::Mp3BitRate), 112);
    EXPECT_EQ(SnapToPreset(44000, PresetSnap::Mp3SampleRate), 44100);
    EXPECT_EQ(SnapToPreset(47000, PresetSnap::Mp3SampleRate), 48000);
    EXPECT_EQ(SnapToPreset(47000, PresetSnap::None), 47000);

    TypedRange time{-959999, 5959999, 0, 5000, true};
    EXPECT_EQ(SliderPositionOf(105250, time), 13); // 65.25 s in 5-second steps
    EXPECT_EQ(ValueAtSlider(13, time), 105000);
    EXPECT_EQ(SliderPositionOf(-5, time), 0);
    EXPECT_EQ(SliderPositionOf(9999999, time), 100);
}

TEST_F(WatchTyperTest, TheSliderTypesWhileBoundAndGetsItsOwnJobBack) {
    arrangement.plan.SetMasterLoudness(0.5L, false);
    slider().SyncToPlan();
    TyperStart start = plain(8, 320, 128);
    start.range = {8, 320, 10, 3, false, false, PresetSnap::Mp3BitRate};
    ASSERT_TRUE(typer().Start(start));
    EXPECT_EQ(slider().Position(), 39);
    slider().SetPosition(30, true); // as a drag does
    EXPECT_EQ(typer().Value(), 96);
    EXPECT_EQ(slider().Position(), 30); // the slider stays where it was dragged
    slider().OnWheel(TTheSlider::kLoudnessStep);
    EXPECT_EQ(typer().Value(), 97);
    keys({Qt::Key_Up});
    EXPECT_EQ(slider().Position(), 29); // (98 - 10) / 3
    EXPECT_DOUBLE_EQ(static_cast<double>(arrangement.plan.MasterLoudness.Value()), 0.5);
    keys({Qt::Key_Return});
    EXPECT_EQ(slider().Position(), 50);
    slider().SetPosition(60, true);
    EXPECT_DOUBLE_EQ(static_cast<double>(arrangement.plan.MasterLoudness.Value()), 0.6);
    EXPECT_EQ(typer().Value(), 98);
}

TEST_F(WatchTyperTest, ClicksTapTheTempoWhileItIsTyped) {
    auto now = TempoTap::Clock::time_point{};
    typer().SetClock([&now] { return now; });
    arrangement.plan.MPH.SetText("100");
    ASSERT_TRUE(typer().Start(tempo()));
    const auto click = [&](std::chrono::milliseconds after) {
        now += after;
        watch().MouseDown(MouseButton::Left, 10, 280, {});
        watch().MouseUp(10, 280);
    };
    click(0ms);
    EXPECT_EQ(typer().Value(), 100);
    click(500ms);
    EXPECT_EQ(typer().Value(), 120);
    click(300ms); // 200: more than 30 % off, the measurement starts again from it
    EXPECT_EQ(typer().Value(), 200);
    click(310ms); // 193.5: averaged with 200
    EXPECT_EQ(typer().Value(), 197);
    click(0ms); // a bounce, not a tempo
    click(10ms);
    EXPECT_EQ(typer().Value(), 197);
    click(50ms); // 1200: starts again, held at the maximum
    EXPECT_EQ(typer().Value(), 999);
    click(4000ms); // 15: too slow, starts again
    EXPECT_EQ(typer().Value(), 999);
    EXPECT_TRUE(typer().Active());
    keys({Qt::Key_Return});
    EXPECT_EQ(arrangement.plan.MPH.Value(), 999);
}

TEST_F(WatchTyperTest, AClickOnTheWatchEndsAnyOtherEntryWithCommit) {
    TyperStart start = panOf(lane.Piece().Pan);
    ASSERT_TRUE(typer().Start(start));
    keys({Qt::Key_4, Qt::Key_0});
    watch().MouseDown(MouseButton::Left, 10, 280, {});
    EXPECT_FALSE(typer().Active());
    EXPECT_EQ(lane.Piece().Pan.Text(), "40/100");
}

TEST_F(WatchTyperTest, CancellingWritesNothingAndTheLastEntryCanBeOfferedAgain) {
    TyperStart start = panOf(lane.Piece().Pan);
    bool cancelled = false;
    start.cancelled = [&] { cancelled = true; };
    ASSERT_TRUE(typer().Start(start));
    keys({Qt::Key_4, Qt::Key_0});
    room().MouseDown(MouseButton::Left, 200, 100, {}); // a click elsewhere ends the entry
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(typer().Flash(), FlashState::Cancelled);
    EXPECT_EQ(lane.Piece().Pan.Value(), TPiece::kPanNotSet);
    EXPECT_FALSE(arrangement.plan.Modified());
    ASSERT_TRUE(typer().StartAgain());             // while the flash still shows
    EXPECT_EQ(host.dims, std::vector<bool>{true}); // the view stayed dimmed
    EXPECT_EQ(typer().CommandId(), 114);
    keys({Qt::Key_1, Qt::Key_Return});
    EXPECT_EQ(lane.Piece().Pan.Text(), "1/100");
}

TEST_F(WatchTyperTest, PastedTextsAndTheStartValuesBecomeTheTypedValue) {
    arrangement.plan.MPH.SetText("60*2");
    TyperStart start = tempo();
    start.intTarget = nullptr;
    start.value = 77;
    int restored = 0;
    start.restoreView = [&restored] { ++restored; };
    ASSERT_TRUE(typer().Start(start));
    EXPECT_TRUE(typer().Paste("  1:05.250 ")); // a time text gives its digits
    EXPECT_EQ(typer().Value(), 105250);
    EXPECT_TRUE(typer().Paste("-12"));
    EXPECT_EQ(typer().Value(), -12);
    EXPECT_FALSE(typer().Paste("abc"));
    EXPECT_EQ(typer().Value(), -12);
    EXPECT_EQ(typer().StartValue(), 77);
    EXPECT_EQ(typer().StartTextValue(), 77); // no target: the start value
    EXPECT_FALSE(typer().StartAgain());      // not while typing
    keys({Qt::Key_Escape});
    EXPECT_TRUE(typer().StartAgain());
    EXPECT_EQ(restored, 1);
    keys({Qt::Key_Escape});

    ASSERT_TRUE(typer().Start(tempo()));
    EXPECT_EQ(typer().StartTextValue(), 120);
    keys({Qt::Key_Escape});
    lane.Piece().Pan.SetText("1/4");
    ASSERT_TRUE(typer().Start(panOf(lane.Piece().Pan)));
    EXPECT_EQ(typer().StartTextValue(), 25);
}

TEST_F(WatchTyperTest, ValuesAreHeldToWhatTheSevenPlacesShow) {
    ASSERT_TRUE(typer().Start(plain(INT32_MIN, INT32_MAX, 0)));
    EXPECT_TRUE(typer().Paste("-2147483648"));
    EXPECT_EQ(typer().Value(), -999999); // the minus takes a place
    EXPECT_EQ(shownText(), ":999999");
    keys({Qt::Key_Minus});
    EXPECT_EQ(typer().Value(), 999999);
    EXPECT_EQ(shownText(), "/999999");
    typer().SetValue(123456789);
    EXPECT_EQ(typer().Value(), 9999999);
    EXPECT_EQ(shownText(), "9999999");
    keys({Qt::Key_Minus}); // seven digits leave no place for the minus
    EXPECT_EQ(typer().Value(), -999999);
    EXPECT_EQ(shownText(), ":999999");
}

TEST_F(WatchTyperTest, ANegativeValueKeepsTheFirstPlaceForItsMinus) {
    ASSERT_TRUE(typer().Start(plain(-999999, 999999, -50)));
    EXPECT_EQ(shownText(), ":////50");
    keys({Qt::Key_7}); // replaces the value, keeping its sign
    EXPECT_EQ(typer().Value(), -7);
    EXPECT_EQ(shownText(), ":7/////");
    for (int i = 0; i < 3; ++i)
        keys({Qt::Key_Left});
    EXPECT_EQ(typer().Caret(), 2);
    keys({Qt::Key_Escape});

    ASSERT_TRUE(typer().Start(plain(-999999, 999999, 0)));
    keys({Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6, Qt::Key_Minus});
    EXPECT_EQ(typer().Value(), -123456);
    EXPECT_EQ(shownText(), ":123456"); // the digits moved over for the minus
    EXPECT_EQ(typer().Caret(), 7);
    keys({Qt::Key_Minus});
    EXPECT_EQ(typer().Value(), 123456);
    EXPECT_EQ(shownText(), "/123456");
}

TEST_F(WatchTyperTest, HoveringTheRulerOrTheSliderLeavesTheTypedDigits) {
    ASSERT_TRUE(typer().Start(plain(0, 99, 42)));
    ruler().MouseMove(320, 10);
    slider().MouseMove(190, 270);
    EXPECT_EQ(watch().CurrentPainter(), &typer());
    EXPECT_EQ(shownText(), "/////42");
    ruler().MouseLeave();
    EXPECT_EQ(watch().CurrentPainter(), &typer());
}

TEST_F(WatchTyperTest, TheCaretBlinksUnderItsPlace) {
    ASSERT_TRUE(typer().Start(plain(0, 99, 7)));
    const QPoint under = QPoint(watch().BoundsRect.Left, watch().BoundsRect.Top) + WatchPlace(1) +
                         QPoint(2, kGlyphHeight + 1);
    const QImage& composition = interior->Surfaces.CompositionBitmap;
    const QRgb shown = composition.pixel(under);
    typer().BlinkCaret();
    EXPECT_NE(composition.pixel(under), shown);
    typer().BlinkCaret();
    EXPECT_EQ(composition.pixel(under), shown);
}

} // namespace
