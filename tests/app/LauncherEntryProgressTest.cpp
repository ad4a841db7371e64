#include "app/LauncherEntryProgress.h"

#include <gtest/gtest.h>

namespace {

TEST(LauncherEntryProgress, TheBarShowsOnlyInStatesWithAValueAndAnErrorAsksForAttention) {
    for (const ProgressState state :
         {ProgressState::Normal, ProgressState::Paused, ProgressState::Error}) {
        const QVariantMap shown = LauncherEntryProgress::Properties(state, 0.25);
        EXPECT_TRUE(shown.value("progress-visible").toBool());
        EXPECT_DOUBLE_EQ(shown.value("progress").toDouble(), 0.25);
        EXPECT_EQ(shown.value("urgent").toBool(), state == ProgressState::Error);
    }
    for (const ProgressState state : {ProgressState::None, ProgressState::Indeterminate}) {
        const QVariantMap hidden = LauncherEntryProgress::Properties(state, 0.5);
        EXPECT_FALSE(hidden.value("progress-visible").toBool());
        EXPECT_FALSE(hidden.value("urgent").toBool());
    }
}

} // namespace
