#include "commands/CommandTable.h"

#include <gtest/gtest.h>

#include <stdexcept>

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

} // namespace
