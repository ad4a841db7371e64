#include "support/LibraryLoader.h"
#include "support/Stopwatch.h"
#include "support/TimeText.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

using namespace std::chrono_literals;

TEST(TimeFromText, ReadsSignClampsAndIgnoresUnreadableFields) {
    EXPECT_EQ(TimeFromText("-01:02.345"), -62345ms);
    EXPECT_EQ(TimeFromText("00:75.000"), 59000ms);
    EXPECT_EQ(TimeFromText("00:00.9999"), 999ms);
    EXPECT_EQ(TimeFromText("ab:05.xyz"), 5000ms);
    EXPECT_EQ(TimeFromText(""), 0ms);
    EXPECT_EQ(TimeFromText("12"), 720000ms);
}

TEST(Stopwatch, ElapsedMovesTheMarkToNow) {
    TGenericStopwatch watch;
    int64_t mark = watch.Read() - watch.Frequency(); // one second ago
    const int64_t first = watch.Elapsed(mark);
    EXPECT_GE(first, 1000);
    EXPECT_LT(first, 60000);
    EXPECT_LT(watch.Elapsed(mark), first);
}

TEST(LibraryLoader, FallsBackToTheFileNameThenTheDefault) {
    QString error;
    // A folder that does not exist, but a file name the system finds.
    void* handle = LoadLibraryFallback("/nowhere/libm.so.6", "x", error);
    ASSERT_NE(handle, nullptr) << error.toStdString();
    EXPECT_TRUE(error.isEmpty());
    dlclose(handle);

    handle = LoadLibraryFallback("/nowhere/libnothing.so", "libm.so.6", error);
    ASSERT_NE(handle, nullptr);
    dlclose(handle);

    EXPECT_EQ(LoadLibraryFallback("/nowhere/libnothing.so", "libnothing.so", error), nullptr);
    EXPECT_TRUE(error.contains("libnothing")) << error.toStdString();
    EXPECT_EQ(LoadLibraryFallback("", "", error), nullptr) << "never the program itself";
}
