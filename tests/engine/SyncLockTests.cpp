// Sync procedures that change what runs them, and the channel lock between threads.
#include "EngineTestSupport.h"

#include <atomic>
#include <chrono>
#include <thread>

using namespace enginetest;

namespace {

constexpr DWORD kFloatFrame = 8;

class SyncsAndLocks : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        writeConstant(file("half.wav"), 44100, 2, 1000, 0.5f);
    }
    DWORD floatMixer(DWORD extra) {
        return BASS_Mixer_StreamCreate(44100, 2, BASS_STREAM_DECODE | BASS_SAMPLE_FLOAT | extra);
    }
};

void freeItsChannel(DWORD, DWORD channel, DWORD, void* user) {
    *static_cast<BOOL*>(user) = BASS_StreamFree(channel);
}

TEST_F(SyncsAndLocks, ASourceFreedByItsOwnEndSyncLeavesTheMixCleanly) {
    const DWORD mixer = floatMixer(BASS_MIXER_END);
    const DWORD source = openSource(file("half.wav"));
    BOOL freed = FALSE;
    ASSERT_NE(
        BASS_ChannelSetSync(source, BASS_SYNC_END | BASS_SYNC_MIXTIME, 0, freeItsChannel, &freed),
        0u);
    ASSERT_TRUE(BASS_Mixer_StreamAddChannelEx(mixer, source, 0, 0, 0));
    const std::vector<float> out = pullFloats(mixer, 2, 5000, 300);
    EXPECT_TRUE(freed);
    EXPECT_EQ(out.size(), 2000u);
    EXPECT_EQ(out.back(), 0.5f);
    EXPECT_FALSE(BASS_ChannelGetInfo(source, nullptr));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
}

TEST_F(SyncsAndLocks, AMixerFreedByItsOwnSyncStopsWhereTheSyncIs) {
    const DWORD mixer = floatMixer(BASS_MIXER_NONSTOP);
    ASSERT_TRUE(BASS_Mixer_StreamAddChannelEx(mixer, openSource(file("half.wav")), 0, 0, 0));
    BOOL freed = FALSE;
    ASSERT_NE(BASS_ChannelSetSync(mixer, BASS_SYNC_POS | BASS_SYNC_MIXTIME, 300 * kFloatFrame,
                                  freeItsChannel, &freed),
              0u);
    std::vector<float> buffer(2 * 1000);
    EXPECT_EQ(BASS_ChannelGetData(mixer, buffer.data(), 1000 * kFloatFrame), 300 * kFloatFrame);
    EXPECT_TRUE(freed);
    EXPECT_EQ(buffer[2 * 299], 0.5f);
    EXPECT_EQ(BASS_ChannelGetData(mixer, buffer.data(), 8), kFailure);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
}

TEST_F(SyncsAndLocks, ADecodingStreamFreedByItsOwnSyncEndsItsGetData) {
    const DWORD stream = openSource(file("half.wav"));
    BOOL freed = FALSE;
    ASSERT_NE(BASS_ChannelSetSync(stream, BASS_SYNC_POS, 100 * kFloatFrame, freeItsChannel, &freed),
              0u);
    std::vector<float> buffer(2 * 1000);
    EXPECT_EQ(BASS_ChannelGetData(stream, buffer.data(), 1000 * kFloatFrame), 100 * kFloatFrame);
    EXPECT_TRUE(freed);
}

struct Chain {
    DWORD mixer = 0;
    DWORD second = 0; // removed by the first before it runs
    std::vector<QWORD> ran;
};

void second(DWORD, DWORD, DWORD, void* user) {
    static_cast<Chain*>(user)->ran.push_back(kFailure);
}

void later(DWORD, DWORD channel, DWORD, void* user) {
    static_cast<Chain*>(user)->ran.push_back(BASS_ChannelGetPosition(channel, BASS_POS_DECODE));
}

void first(DWORD sync, DWORD channel, DWORD, void* user) {
    auto* chain = static_cast<Chain*>(user);
    chain->ran.push_back(BASS_ChannelGetPosition(channel, BASS_POS_DECODE));
    EXPECT_TRUE(BASS_ChannelRemoveSync(channel, chain->second));
    EXPECT_TRUE(BASS_ChannelRemoveSync(channel, sync));
    EXPECT_NE(BASS_ChannelSetSync(channel, BASS_SYNC_POS | BASS_SYNC_MIXTIME, 777 * kFloatFrame,
                                  later, chain),
              0u);
}

TEST_F(SyncsAndLocks, SyncProceduresMayRemoveAndSetSyncsOnTheirChannel) {
    Chain chain;
    chain.mixer = floatMixer(BASS_MIXER_NONSTOP);
    ASSERT_NE(BASS_ChannelSetSync(chain.mixer, BASS_SYNC_POS | BASS_SYNC_MIXTIME, 500 * kFloatFrame,
                                  first, &chain),
              0u);
    chain.second = BASS_ChannelSetSync(chain.mixer, BASS_SYNC_POS | BASS_SYNC_MIXTIME,
                                       500 * kFloatFrame, second, &chain);
    pullFloats(chain.mixer, 2, 2000, 1024);
    EXPECT_EQ(chain.ran, (std::vector<QWORD>{500 * kFloatFrame, 777 * kFloatFrame}));
    // Setting the position back runs a sync again when it is reached again.
    ASSERT_TRUE(BASS_ChannelSetPosition(chain.mixer, 700 * kFloatFrame, BASS_POS_BYTE));
    pullFloats(chain.mixer, 2, 200);
    EXPECT_EQ(chain.ran.size(), 3u);
    EXPECT_EQ(chain.ran.back(), 777 * kFloatFrame);
}

TEST_F(SyncsAndLocks, TheLockIsRecursiveAndOnlyItsHolderUnlocksIt) {
    const DWORD mixer = floatMixer(BASS_MIXER_NONSTOP);
    ASSERT_TRUE(BASS_ChannelLock(mixer, TRUE));
    ASSERT_TRUE(BASS_ChannelLock(mixer, TRUE));
    std::thread([mixer] {
        EXPECT_FALSE(BASS_ChannelLock(mixer, FALSE));
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_NOTAVAIL);
    }).join();
    EXPECT_TRUE(BASS_ChannelLock(mixer, FALSE));
    EXPECT_TRUE(BASS_ChannelLock(mixer, FALSE));
    EXPECT_FALSE(BASS_ChannelLock(mixer, FALSE));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_NOTAVAIL);
}

TEST_F(SyncsAndLocks, MixingWaitsWhileAnotherThreadHoldsTheLock) {
    const DWORD mixer = floatMixer(BASS_MIXER_NONSTOP);
    ASSERT_TRUE(BASS_ChannelLock(mixer, TRUE));
    std::atomic<bool> unlocked{false};
    std::atomic<bool> mixedWhileLocked{false};
    std::thread puller([&] {
        float frame[2];
        BASS_ChannelGetData(mixer, frame, sizeof frame);
        mixedWhileLocked = !unlocked.load();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    unlocked = true;
    ASSERT_TRUE(BASS_ChannelLock(mixer, FALSE));
    puller.join();
    EXPECT_FALSE(mixedWhileLocked);
}

TEST_F(SyncsAndLocks, AStreamFreedWhileLockedCanStillBeUnlockedAndReleasesWaiters) {
    const DWORD mixer = floatMixer(BASS_MIXER_NONSTOP);
    ASSERT_TRUE(BASS_ChannelLock(mixer, TRUE));
    std::atomic<DWORD> waiterResult{1};
    std::thread waiter([&] { waiterResult = BASS_ChannelLock(mixer, TRUE); });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_TRUE(BASS_StreamFree(mixer));
    waiter.join(); // gives up: the channel is gone
    EXPECT_EQ(waiterResult.load(), DWORD{FALSE});
    EXPECT_TRUE(BASS_ChannelLock(mixer, FALSE));
}

// Several threads change one mixer while another pulls it; run under ThreadSanitizer too.
struct Busy {
    DWORD mixer = 0;
    std::string path;
    std::atomic<int> syncs{0};
};

void addFromSync(DWORD, DWORD, DWORD, void* user) {
    auto* busy = static_cast<Busy*>(user);
    ++busy->syncs;
    BASS_Mixer_StreamAddChannelEx(busy->mixer, openSource(busy->path), 0, 0, 100 * kFloatFrame);
}

TEST_F(SyncsAndLocks, ChangesFromOtherThreadsWhileMixingKeepEverythingConsistent) {
    Busy busy;
    busy.mixer = floatMixer(BASS_MIXER_NONSTOP);
    busy.path = file("half.wav");
    std::atomic<bool> done{false};
    std::thread puller([&] {
        std::vector<float> buffer(2 * 512);
        while (!done.load())
            BASS_ChannelGetData(busy.mixer, buffer.data(), 512 * kFloatFrame);
    });
    std::thread changer([&] {
        for (int i = 0; i < 200; ++i) {
            ASSERT_TRUE(BASS_ChannelLock(busy.mixer, TRUE));
            const QWORD at = BASS_ChannelGetPosition(busy.mixer, BASS_POS_DECODE);
            const DWORD sync = BASS_ChannelSetSync(busy.mixer, BASS_SYNC_POS | BASS_SYNC_MIXTIME,
                                                   at + 64 * kFloatFrame, addFromSync, &busy);
            ASSERT_NE(sync, 0u);
            const DWORD source = openSource(busy.path);
            ASSERT_TRUE(BASS_Mixer_StreamAddChannelEx(busy.mixer, source, 0, 32 * kFloatFrame, 0));
            ASSERT_TRUE(BASS_ChannelLock(busy.mixer, FALSE));
            BASS_ChannelSetAttribute(source, BASS_ATTRIB_VOL, 0.5f);
            BASS_Mixer_ChannelGetLevel(source);
            if (i % 3 == 0)
                BASS_StreamFree(source);
            if (i % 5 == 0)
                BASS_ChannelRemoveSync(busy.mixer, sync);
            std::this_thread::yield();
        }
    });
    changer.join();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    done = true;
    puller.join();
    EXPECT_GT(busy.syncs.load(), 0);
    EXPECT_GT(BASS_ChannelGetPosition(busy.mixer, BASS_POS_DECODE), 0u);
}

} // namespace
