#include "MenusFixture.h"
#include "PlanCommandFakes.h"

#include "commands/MenusProgramFacts.h"
#include "model/Arrangement.h"

namespace {

class ProgramFacts : public MenusFixture {
protected:
    ProgramFacts() {
        build();
        programFacts =
            std::make_unique<ProgramMenuFacts>(arrangement, *interior, window, desktop,
                                               []() -> const TTheMingler* { return nullptr; });
    }
    MenuState now() const { return programFacts->Now(); }

    Arrangement arrangement;
    FakeDesktop desktop;
    std::unique_ptr<ProgramMenuFacts> programFacts;
};

TEST_F(ProgramFacts, AFreshPlanHasNothingAtThePointAndWasNeverKept) {
    const MenuState s = now();
    EXPECT_FALSE(s.planKeptOnce);
    EXPECT_FALSE(s.roomHasBalls);
    EXPECT_EQ(s.laneCount, 0);
    EXPECT_FALSE(s.lane.has_value());
    EXPECT_FALSE(s.ball.has_value());
    EXPECT_TRUE(s.flagsVisible);

    arrangement.plan.Untitled = false;
    EXPECT_TRUE(now().planKeptOnce);
}

TEST_F(ProgramFacts, TheLaneOfThePointsRowAndTheBallAtThePointAreTheCurrentOnes) {
    arrangement.lanes.Add(3, 0.5L, true);
    TBall* ball = arrangement.balls.Add(7, 3, 0.5L, true);
    ASSERT_NE(ball, nullptr);
    ball->EditPiece().Life.SetText("2 * 5512.5");
    arrangement.room.Point = {};
    arrangement.room.Point.X = 6;
    arrangement.room.Point.Y = 3;
    MenuState s = now();
    ASSERT_TRUE(s.lane.has_value());
    EXPECT_TRUE(s.lane->hasBalls);
    EXPECT_TRUE(s.lane->hueGenerated);
    EXPECT_FALSE(s.lane->piece.hasResource);
    EXPECT_FALSE(s.ball.has_value()); // the point is beside the ball
    EXPECT_TRUE(s.anyLaneHueGenerated);

    arrangement.room.Point.X = 7;
    s = now();
    ASSERT_TRUE(s.ball.has_value());
    EXPECT_EQ(s.ball->lengthText, "2 * 5512.5");
    EXPECT_EQ(s.ball->lengthValue, 11025);
    EXPECT_FALSE(s.ball->canListen); // no sound file on the ball or its lane

    arrangement.room.Point.Y = 4;
    s = now();
    EXPECT_FALSE(s.lane.has_value());
    EXPECT_FALSE(s.ball.has_value());
}

} // namespace
