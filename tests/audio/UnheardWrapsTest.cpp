#include "audio/UnheardWraps.h"

#include <gtest/gtest.h>

namespace {

TEST(UnheardWraps, EachHeardByteTakesTheOriginOfItsSegment) {
    UnheardWraps wraps;
    EXPECT_EQ(wraps.OriginAt(500, 100), 100) << "no wrap: the heard origin";
    wraps.Add(1000, -600); // range 400..1000, rolled from 100
    wraps.Add(1600, -1200);
    EXPECT_EQ(wraps.OriginAt(999, 100), 100);
    EXPECT_EQ(wraps.OriginAt(1000, 100), -600);
    EXPECT_EQ(wraps.OriginAt(1599, 100), -600);
    EXPECT_EQ(wraps.OriginAt(1700, 100), -1200);
}

TEST(UnheardWraps, AnEndHeardTakesTheWrapsUpToIt) {
    UnheardWraps wraps;
    EXPECT_FALSE(wraps.TakeHeard(1000)) << "an end heard without a wrap keeps the origin";
    wraps.Add(1000, -600);
    wraps.Add(1600, -1200);
    EXPECT_FALSE(wraps.TakeHeard(999));
    EXPECT_EQ(wraps.TakeHeard(1000), -600);
    EXPECT_EQ(wraps.Count(), 1u);
    wraps.Add(2200, -1800);
    EXPECT_EQ(wraps.TakeHeard(2500), -1800) << "an end sync run late takes every wrap it passed";
    EXPECT_EQ(wraps.Count(), 0u);
}

TEST(UnheardWraps, BeyondItsRoomTheOldestLeavesItsOriginBehind) {
    UnheardWraps wraps;
    for (int64_t i = 1; i <= int64_t{UnheardWraps::kCapacity} + 2; ++i)
        wraps.Add(i * 100, -i * 100);
    EXPECT_EQ(wraps.Count(), UnheardWraps::kCapacity);
    EXPECT_EQ(wraps.OriginAt(99, 7), 7) << "before every wrap: the heard origin";
    EXPECT_EQ(wraps.OriginAt(250, 7), -200) << "the second wrap left the list last";
    EXPECT_EQ(wraps.OriginAt(300, 7), -300);
    EXPECT_EQ(wraps.OriginAt(100000, 7), -int64_t(UnheardWraps::kCapacity + 2) * 100);
    EXPECT_EQ(wraps.TakeHeard(250), -200);
    EXPECT_EQ(wraps.OriginAt(250, -200), -200);
    EXPECT_EQ(wraps.Count(), UnheardWraps::kCapacity);
}

} // namespace
