#include "HandleTable.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>

using gbxaudio::Handle;
using gbxaudio::HandleTable;

namespace {

// Every handle of the reference is found with its value, and nothing else is.
void expectSame(HandleTable<std::unique_ptr<int>>& table, const std::map<Handle, int>& reference,
                Handle limit) {
    ASSERT_EQ(table.size(), reference.size());
    for (Handle h = 1; h <= limit; ++h) {
        const auto* found = table.find(h);
        const auto want = reference.find(h);
        if (want == reference.end()) {
            EXPECT_EQ(found, nullptr) << h;
        } else {
            ASSERT_NE(found, nullptr) << h;
            EXPECT_EQ(**found, want->second) << h;
        }
    }
}

} // namespace

// Random adds, takes and sweeps over few handles keep long probe runs that wrap around the
// table's end, where moving entries back on removal goes wrong first.
TEST(HandleTable, AgreesWithAMapThroughRandomAddsTakesAndSweeps) {
    HandleTable<std::unique_ptr<int>> table;
    std::map<Handle, int> reference;
    std::mt19937 random(7);
    constexpr Handle kLimit = 200;
    for (int step = 0; step < 20000; ++step) {
        const Handle h = 1 + random() % kLimit;
        switch (random() % 8) {
        case 0:
        case 1:
        case 2: {
            auto& slot = table[h];
            if (!slot) {
                slot = std::make_unique<int>(step);
                reference[h] = step;
            }
            break;
        }
        case 3:
        case 4: {
            std::unique_ptr<int> taken = table.take(h);
            const auto want = reference.find(h);
            ASSERT_EQ(taken != nullptr, want != reference.end()) << h;
            if (taken) {
                EXPECT_EQ(*taken, want->second);
                reference.erase(want);
            }
            break;
        }
        case 5: {
            const Handle modulus = 2 + random() % 5;
            table.retain(
                [&](Handle handle, const std::unique_ptr<int>&) { return handle % modulus != 0; });
            std::erase_if(reference, [&](const auto& entry) { return entry.first % modulus == 0; });
            break;
        }
        default:
            EXPECT_EQ(table.find(h) != nullptr, reference.count(h) == 1) << h;
        }
        if (step % 1000 == 0) {
            ASSERT_NO_FATAL_FAILURE(expectSame(table, reference, kLimit));
        }
    }
    ASSERT_NO_FATAL_FAILURE(expectSame(table, reference, kLimit));
    const auto all = table.takeAll();
    EXPECT_EQ(all.size(), reference.size());
    EXPECT_EQ(table.size(), 0u);
    EXPECT_EQ(table.find(reference.empty() ? 1 : reference.begin()->first), nullptr);
}

TEST(HandleTable, HandleZeroIsNeverFoundAndAbsentHandlesTakeNothing) {
    HandleTable<std::unique_ptr<int>> table;
    EXPECT_EQ(table.find(0), nullptr);
    EXPECT_EQ(table.take(5), nullptr);
    table[5] = std::make_unique<int>(1);
    EXPECT_EQ(table.find(0), nullptr);
    EXPECT_EQ(table.take(6), nullptr);
    EXPECT_EQ(table.size(), 1u);
}
