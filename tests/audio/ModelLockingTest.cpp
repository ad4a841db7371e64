// Every change of the ball and lane lists happens inside one hold of the mixer lock, since the
// mixer's syncs walk those lists on the mixing thread.
#include "model/Arrangement.h"

#include <gtest/gtest.h>

namespace {

// Records the list sizes seen when the outermost lock is taken and when it is given back.
class LockWatch : public AudioHooks {
public:
    void LockMixer() override {
        if (depth++ == 0)
            atLock = sizes();
    }
    void UnlockMixer() override {
        if (--depth == 0)
            atUnlock = sizes();
    }
    void ReleaseBall(TBall&) override { releasedInsideLock = depth > 0; }

    std::pair<int, int> sizes() const {
        return arrangement ? std::make_pair(arrangement->balls.Count(), arrangement->lanes.Count())
                           : std::make_pair(0, 0);
    }

    const Arrangement* arrangement = nullptr;
    int depth = 0;
    std::pair<int, int> atLock{-1, -1};
    std::pair<int, int> atUnlock{-1, -1};
    bool releasedInsideLock = false;
};

TEST(ModelLocking, AddingAndRemovingBallsAndLanesHappensUnderOneLock) {
    LockWatch watch;
    Arrangement arrangement(watch);
    watch.arrangement = &arrangement;

    arrangement.lanes.Add(0, 20, false);
    EXPECT_EQ(watch.atLock, std::make_pair(0, 0));
    EXPECT_EQ(watch.atUnlock, std::make_pair(0, 1));

    TBall* ball = arrangement.balls.Add(3, 0, TPiece::kNoOwnHue, false);
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ(watch.atLock, std::make_pair(0, 1));
    EXPECT_EQ(watch.atUnlock, std::make_pair(1, 1));

    arrangement.balls.SetX(*ball, 5);
    EXPECT_EQ(watch.depth, 0);

    arrangement.balls.Remove(*ball);
    EXPECT_EQ(watch.atLock, std::make_pair(1, 1));
    EXPECT_EQ(watch.atUnlock, std::make_pair(0, 1));
    EXPECT_TRUE(watch.releasedInsideLock);

    arrangement.lanes.RemoveAll();
    EXPECT_EQ(watch.atLock, std::make_pair(0, 1));
    EXPECT_EQ(watch.atUnlock, std::make_pair(0, 0));
}

TEST(ModelLocking, SoundStartFollowsTheLaneAndTheOffset) {
    Arrangement arrangement;
    TLane& lane = arrangement.lanes.Add(0, 20, false);
    TBall& ball = *arrangement.balls.Add(2, 0, TPiece::kNoOwnHue, false);
    ball.PlayOffset = Elements{40};
    const auto fromStart = arrangement.balls.SoundStart(ball, false, Elements{-100});
    ASSERT_TRUE(fromStart);
    EXPECT_EQ(fromStart->delay, ball.Start() - Elements{100});
    EXPECT_EQ(fromStart->offset, Elements{0});
    const auto fromOffset = arrangement.balls.SoundStart(ball, true, Elements{7});
    EXPECT_EQ(fromOffset->delay, Elements{7});
    EXPECT_EQ(fromOffset->offset, Elements{40});
    lane.Striked = true;
    EXPECT_FALSE(arrangement.balls.SoundStart(ball, false, Elements{0}));
    TBall& loose = *arrangement.balls.Add(0, 9, TPiece::kNoOwnHue, false);
    EXPECT_FALSE(arrangement.balls.SoundStart(loose, true, Elements{0}));
}

} // namespace
