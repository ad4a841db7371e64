#include "controls/EachLaneAmender.h"
#include "RoomFakes.h"
#include "controls/ControlFakes.h"
#include "controls/DrawingSurfaces.h"
#include "controls/TheWatch.h"
#include "controls/WatchTyper.h"
#include "model/Arrangement.h"

#include <gtest/gtest.h>

namespace {

// Records what the lanes' sounding channels were asked to take up.
class SoundingAudio : public RoomAudio {
public:
    void ApplyToLaneSounding(TLane& lane, SoundAttribute attribute) override {
        applied.push_back({&lane, attribute});
    }
    void SetChannelAttribute(TBall&, SoundAttribute, float) override { ++ballAttributes; }
    std::vector<std::pair<TLane*, SoundAttribute>> applied;
    int ballAttributes = 0;
};

class EachLaneAmenderTest : public ::testing::Test {
protected:
    EachLaneAmenderTest() { arrangement.plan.Master.Loudness.SetText("0.1"); }

    TLane& lane(const std::string& loudness, const std::string& pan) {
        TLane& made = arrangement.lanes.Add(arrangement.lanes.Count(), 0, false);
        made.Piece().Loudness.SetText(loudness);
        made.Piece().Pan.SetText(pan);
        return made;
    }
    void type(std::initializer_list<int> keys) {
        for (int key : keys)
            watch.Typer().KeyDown(key, {});
    }
    static double value(const TFormulaExt& formula) { return static_cast<double>(formula.Value()); }

    FakeHost host;
    DrawingSurfaces surfaces;
    TCtrlList controls{host, surfaces};
    SoundingAudio audio;
    Arrangement arrangement{audio};
    FakeMenus menus;
    TTheWatch& watch = controls.Create<TTheWatch>(arrangement, menus);
    TEachLaneAmender amender{arrangement, watch.Typer()};
};

TEST_F(EachLaneAmenderTest, LoudnessIsScaledFromEachLanesOwnOrInheritedValue) {
    TLane& own = lane("1/4+0.25", "-1000");
    TLane& inherited = lane("-1", "-1000");
    ASSERT_TRUE(amender.Start(AmendedValue::Loudness, AmendMode::Relative));
    EXPECT_EQ(watch.Typer().Value(), 0);
    type({Qt::Key_5, Qt::Key_0}); // +50 %
    EXPECT_EQ(own.Piece().Loudness.Text(), "(1/4+0.25) * 1.5");
    EXPECT_DOUBLE_EQ(value(own.Piece().Loudness), 0.75);
    EXPECT_DOUBLE_EQ(value(inherited.Piece().Loudness), 0.15); // from the master's 0.1
    type({Qt::Key_Minus, Qt::Key_Return});                     // -50 %
    EXPECT_DOUBLE_EQ(value(own.Piece().Loudness), 0.25);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), TEachLaneAmender::kCommand);
    EXPECT_FALSE(watch.Typer().Flashing());
    EXPECT_FALSE(amender.Active());
}

TEST_F(EachLaneAmenderTest, UnsetValuesAreAmendedAsHeardAndHeldInRange) {
    arrangement.plan.Master.Loudness.SetText("-1");
    arrangement.plan.Master.Pan.SetText("-1000");
    TLane& unset = lane("-1", "-1000");
    TLane& loud = lane("0.8", "0.9");
    ASSERT_TRUE(amender.Start(AmendedValue::Pan, AmendMode::Relative));
    type({Qt::Key_5, Qt::Key_0, Qt::Key_Minus}); // -0.5
    EXPECT_EQ(unset.Piece().Pan.Text(), "0 + (-0.5)");
    EXPECT_DOUBLE_EQ(value(unset.Piece().Pan), -0.5);
    EXPECT_DOUBLE_EQ(value(loud.Piece().Pan), 0.4);
    type({Qt::Key_Escape});

    ASSERT_TRUE(amender.Start(AmendedValue::Pan, AmendMode::Relative));
    type({Qt::Key_1, Qt::Key_5, Qt::Key_0, Qt::Key_Return}); // +1.5, held at the right edge
    EXPECT_DOUBLE_EQ(value(loud.Piece().Pan), 1.0);

    ASSERT_TRUE(amender.Start(AmendedValue::Loudness, AmendMode::Relative));
    type({Qt::Key_1, Qt::Key_0, Qt::Key_0, Qt::Key_Return}); // doubled
    EXPECT_DOUBLE_EQ(value(unset.Piece().Loudness), 0.0);    // silent, never negative
    EXPECT_DOUBLE_EQ(value(loud.Piece().Loudness), 1.0);     // 1.6 held at full
}

TEST_F(EachLaneAmenderTest, CancellingPutsEveryLanesOwnTextBack) {
    TLane& a = lane("-1", "0.5*2");
    TLane& b = lane("0.3", "-1000");
    std::unique_ptr<TEachLaneAmender> kept;
    ASSERT_TRUE(
        AmendEveryLane(kept, arrangement, watch.Typer(), AmendedValue::Pan, AmendMode::Absolute));
    ASSERT_TRUE(kept);
    type({Qt::Key_2, Qt::Key_0});
    EXPECT_DOUBLE_EQ(value(a.Piece().Pan), 0.2);
    EXPECT_DOUBLE_EQ(value(b.Piece().Pan), 0.2);
    type({Qt::Key_Escape});
    EXPECT_EQ(a.Piece().Pan.Text(), "0.5*2");
    EXPECT_EQ(b.Piece().Pan.Text(), "-1000");
    EXPECT_FALSE(arrangement.plan.Modified());
    EXPECT_FALSE(kept->Active());
}

TEST_F(EachLaneAmenderTest, SoundingLanesFollowAtOnceThroughTheLanesPath) {
    // The lane's own path reaches a split lane's pan matrix; a ball's plain pan would not.
    TLane& a = lane("0.5", "0");
    TLane& b = lane("0.5", "0");
    ASSERT_NE(arrangement.balls.Add(0, a.Position(), 0, false), nullptr);
    audio.playing = true;
    ASSERT_TRUE(amender.Start(AmendedValue::Pan, AmendMode::Absolute));
    type({Qt::Key_2, Qt::Key_0});
    using Applied = std::pair<TLane*, SoundAttribute>;
    ASSERT_GE(audio.applied.size(), 2u);
    EXPECT_EQ(audio.applied[audio.applied.size() - 2], (Applied{&a, SoundAttribute::Pan}));
    EXPECT_EQ(audio.applied.back(), (Applied{&b, SoundAttribute::Pan}));
    EXPECT_EQ(audio.ballAttributes, 0);
    EXPECT_FALSE(amender.Start(AmendedValue::Loudness, AmendMode::Relative)); // already typing
    type({Qt::Key_Escape});

    audio.applied.clear();
    ASSERT_TRUE(amender.Start(AmendedValue::Loudness, AmendMode::Relative));
    type({Qt::Key_2, Qt::Key_0});
    ASSERT_FALSE(audio.applied.empty());
    EXPECT_EQ(audio.applied.back(), (Applied{&b, SoundAttribute::Loudness}));
    EXPECT_DOUBLE_EQ(value(b.Piece().Loudness), 0.6);
}

} // namespace
