#include "commands/CommandTable.h"
#include "commands/CommandState.h"
#include "commands/ContextCommands.h"
#include "model/Arrangement.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

TEST(CommandTable, RunsTheIdsWorkAndRefusesUnknownIdsAndDoubles) {
    CommandTable table;
    int ran = 0;
    table.Add(1037, [&] { ++ran; });
    EXPECT_TRUE(table.Has(1037));
    EXPECT_TRUE(table.Run(1037));
    EXPECT_EQ(ran, 1);
    EXPECT_FALSE(table.Has(1038));
    EXPECT_FALSE(table.Run(1038));
    EXPECT_EQ(ran, 1);
    EXPECT_THROW(table.Add(1037, [] {}), std::logic_error);
}

TEST(ContextCommands, ADispatchersOwnWorkComesFirstThenTheMainTablesAndOthersAreIgnored) {
    Arrangement arrangement;
    CommandState state;
    CommandTable main;
    ContextCommands contexts(arrangement, state, main);
    std::vector<std::string> ran;
    main.Add(1089, [&] { ran.push_back("main 1089"); });
    main.Add(1159, [&] { ran.push_back("main 1159"); });
    contexts.Of(Dispatcher::Ball).Add(1089, [&] { ran.push_back("ball 1089"); });

    EXPECT_TRUE(contexts.Run(Dispatcher::Ball, 1089));
    EXPECT_TRUE(contexts.Run(Dispatcher::Room, 1089));
    EXPECT_TRUE(contexts.Run(Dispatcher::Carrier, 1159));
    EXPECT_FALSE(contexts.Run(Dispatcher::Lane, 1090));
    EXPECT_EQ(ran, (std::vector<std::string>{"ball 1089", "main 1089", "main 1159"}));
}

TEST(ContextCommands, TheObjectsAreTheClickedLaneOrTheLaneAtThePointsRowAndTheBallAtThePoint) {
    Arrangement arrangement;
    CommandState state;
    CommandTable main;
    ContextCommands contexts(arrangement, state, main);
    TLane& row3 = arrangement.lanes.Add(3, 0.5L, true);
    TLane& row5 = arrangement.lanes.Add(5, 0.5L, true);
    TBall* ball = arrangement.balls.Add(7, 3, 0.5L, true);
    arrangement.room.Point.X = 7;
    arrangement.room.Point.Y = 3;

    contexts.PickObjects();
    EXPECT_EQ(state.CurrentLane, &row3);
    EXPECT_EQ(state.CurrentBall, ball);

    contexts.PickObjects(5);
    EXPECT_EQ(state.CurrentLane, &row5);

    arrangement.room.Point.X = 8;
    contexts.PickObjects(9);
    EXPECT_EQ(state.CurrentLane, nullptr);
    EXPECT_EQ(state.CurrentBall, nullptr);
}

} // namespace
