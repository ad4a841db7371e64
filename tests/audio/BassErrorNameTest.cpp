#include "audio/BassErrorName.h"

#include <gtest/gtest.h>

TEST(BassErrorName, NamesKnownCodesAndMarksGapsAndStrangers) {
    EXPECT_EQ(BassErrorNameOf(-1), "BASS_ERROR_UNKNOWN");
    EXPECT_EQ(BassErrorNameOf(0), "BASS_OK");
    EXPECT_EQ(BassErrorNameOf(2), "BASS_ERROR_FILEOPEN");
    EXPECT_EQ(BassErrorNameOf(41), "BASS_ERROR_FILEFORM");
    EXPECT_EQ(BassErrorNameOf(46), "BASS_ERROR_BUSY");
    for (int gap : {10, 11, 12, 13, 15, 16, 17, 26, 28, 30, 35, 36, 47, -2, 1000})
        EXPECT_EQ(BassErrorNameOf(gap), "(failed to get error code)") << gap;
}
