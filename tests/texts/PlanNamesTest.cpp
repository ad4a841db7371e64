#include "texts/PlanNames.h"
#include "PrintQString.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

const QDate kSaturday(2024, 6, 1);
const QDate kSunday(2024, 6, 2);

// Hands out the given draws in order and records each range asked for.
struct ScriptedRandom {
    explicit ScriptedRandom(std::deque<int> values = {}) : draws(std::move(values)) {}
    std::deque<int> draws;
    std::vector<int> ranges;
    RandomBelow source() {
        return [this](int n) {
            ranges.push_back(n);
            const int value = draws.front();
            draws.pop_front();
            return value;
        };
    }
};

TEST(RandomPlanName, OnSaturdayEveryPlanHasTheSameName) {
    ScriptedRandom random;
    for (int balls : {0, 7, 8, 1000})
        EXPECT_EQ(RandomPlanName(balls, kSaturday, random.source()), "I Don't Roll on Shabbos");
    EXPECT_TRUE(random.ranges.empty());
}

TEST(RandomPlanName, FewerThanEightBallsGiveASimpleName) {
    ScriptedRandom random({0, 2});
    EXPECT_EQ(RandomPlanName(0, kSunday, random.source()), "A Great Plan");
    EXPECT_EQ(RandomPlanName(7, kSunday, random.source()),
              "Once a Plan Gets Too Complex, Everything Can Go Wrong");
    EXPECT_EQ(random.ranges, std::vector<int>({3, 3}));
}

TEST(RandomPlanName, TheFirstDrawChoosesTheFormOfTheName) {
    ScriptedRandom random({0, 0, 0, 9, 15, 6, 10, 3, 14, 15, 15, 7, 16, 0});
    EXPECT_EQ(RandomPlanName(8, kSunday, random.source()), "Enigmatic Joyride");
    EXPECT_EQ(RandomPlanName(8, kSunday, random.source()), "Fabulous Infraction");
    EXPECT_EQ(RandomPlanName(8, kSunday, random.source()), "Interesting");
    EXPECT_EQ(RandomPlanName(8, kSunday, random.source()), "Fabulous");
    EXPECT_EQ(RandomPlanName(8, kSunday, random.source()), "We Believe in Nothing");
    EXPECT_EQ(RandomPlanName(8, kSunday, random.source()), "Throwing Rocks");
    // The adjective is drawn before the noun.
    EXPECT_EQ(random.ranges,
              std::vector<int>({17, 16, 7, 17, 16, 7, 17, 16, 17, 16, 17, 8, 17, 8}));
}

} // namespace
