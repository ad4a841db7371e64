// The decoded-file cache: one decoding per file content, bounded memory, changed files decoded
// anew.
#include "EngineTestSupport.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>

using namespace enginetest;

namespace {

DWORD cacheUsedKb() {
    return BASS_GetConfig(GBXAUDIO_CONFIG_CACHE_USED_KB);
}

class Cache : public EngineTest {
protected:
    void TearDown() override {
        EngineTest::TearDown();
        BASS_SetConfig(GBXAUDIO_CONFIG_CACHE_LIMIT_MB, 1024);
    }
};

TEST_F(Cache, StreamsOfOneFileShareOneDecodingAndCostLittle) {
    writeConstant(file("a.wav"), 44100, 2, 44100, 0.5f);
    const DWORD first = openSource(file("a.wav"));
    ASSERT_NE(first, 0u);
    const DWORD used = cacheUsedKb();
    EXPECT_GE(used, 44100u * 2 * 4 / 1024);
    const auto start = std::chrono::steady_clock::now();
    std::vector<DWORD> more;
    for (int i = 0; i < 2000; ++i)
        more.push_back(openSource(file("a.wav")));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, std::chrono::seconds(2)); // far less in fact: each is a cursor
    EXPECT_EQ(cacheUsedKb(), used);
    EXPECT_TRUE(std::all_of(more.begin(), more.end(), [](DWORD h) { return h != 0; }));
    // Each cursor has its own position.
    ASSERT_TRUE(BASS_ChannelSetPosition(more[0], 800, BASS_POS_BYTE));
    EXPECT_EQ(BASS_ChannelGetPosition(more[1], BASS_POS_BYTE), 0u);
}

TEST_F(Cache, MemoryBlocksWithTheSameBytesShareOneDecoding) {
    writeConstant(file("m.wav"), 44100, 2, 20000, 0.5f);
    std::ifstream in(file("m.wav"), std::ios::binary);
    const std::vector<char> block((std::istreambuf_iterator<char>(in)), {});
    const std::vector<char> copy = block;
    ASSERT_NE(BASS_StreamCreateFile(TRUE, block.data(), 0, block.size(), kSourceFlags), 0u);
    const DWORD used = cacheUsedKb();
    ASSERT_NE(BASS_StreamCreateFile(TRUE, copy.data(), 0, copy.size(), kSourceFlags), 0u);
    EXPECT_EQ(cacheUsedKb(), used);
    std::vector<char> changed = block;
    changed.back() ^= 1;
    ASSERT_NE(BASS_StreamCreateFile(TRUE, changed.data(), 0, changed.size(), kSourceFlags), 0u);
    EXPECT_GT(cacheUsedKb(), used);
}

TEST_F(Cache, ChangedFileIsDecodedAgainWhileOldStreamsKeepTheirSound) {
    writeConstant(file("b.wav"), 44100, 1, 1000, 0.25f);
    const DWORD before = openSource(file("b.wav"));
    writeConstant(file("b.wav"), 44100, 1, 1000, 0.75f);
    // Even within the same clock tick the time must differ: set it a second ahead.
    struct stat info {};
    ASSERT_EQ(stat(file("b.wav").c_str(), &info), 0);
    timespec times[2] = {info.st_atim, info.st_mtim};
    times[1].tv_sec += 1;
    ASSERT_EQ(utimensat(AT_FDCWD, file("b.wav").c_str(), times, 0), 0);
    const DWORD after = openSource(file("b.wav"));
    EXPECT_EQ(pullFloats(before, 1, 1)[0], 0.25f);
    EXPECT_EQ(pullFloats(after, 1, 1)[0], 0.75f);
}

TEST_F(Cache, MemoryIsBoundedAndOnlyUnheldFilesAreDropped) {
    ASSERT_TRUE(BASS_SetConfig(GBXAUDIO_CONFIG_CACHE_LIMIT_MB, 1));
    EXPECT_EQ(BASS_GetConfig(GBXAUDIO_CONFIG_CACHE_LIMIT_MB), 1u);
    writeConstant(file("big.wav"), 44100, 1, 150000, 0.1f);   // 600 kB decoded
    writeConstant(file("other.wav"), 44100, 1, 120000, 0.2f); // 480 kB decoded
    const DWORD big = openSource(file("big.wav"));
    ASSERT_NE(big, 0u);
    EXPECT_EQ(openSource(file("other.wav")), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_MEM);

    ASSERT_TRUE(BASS_StreamFree(big));
    const DWORD other = openSource(file("other.wav"));
    ASSERT_NE(other, 0u) << BASS_ErrorGetCode();
    EXPECT_LE(cacheUsedKb(), 1024u);
    EXPECT_GE(cacheUsedKb(), 120000u * 4 / 1024);
    // The stream made while the limit held keeps its sound.
    EXPECT_EQ(pullFloats(other, 1, 1)[0], 0.2f);
    EXPECT_EQ(openSource(file("big.wav")), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_MEM);
}

} // namespace
