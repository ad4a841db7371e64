// Played mixers on the "no sound" device (and once on a sound server's): real time, heard
// positions, both kinds of sync.
#include "EngineTestSupport.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

using namespace enginetest;

namespace {

using Clock = std::chrono::steady_clock;
constexpr DWORD kFrame = 4; // 16-bit stereo

// Waits up to `limit` for `done`; generous, CI machines are slow.
template <class Done>
bool waitFor(Done done, std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    const auto until = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() > until)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

struct Seen {
    std::atomic<bool> fired{false};
    std::thread::id thread;
    Clock::time_point when;
    QWORD heard = 0;
};

void note(DWORD, DWORD channel, DWORD, void* user) {
    auto* seen = static_cast<Seen*>(user);
    seen->thread = std::this_thread::get_id();
    seen->when = Clock::now();
    seen->heard = BASS_ChannelGetPosition(channel, BASS_POS_BYTE);
    seen->fired = true;
}

class Playback : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        ASSERT_TRUE(BASS_SetConfig(BASS_CONFIG_BUFFER, 200));
        writeConstant(file("tone.wav"), 44100, 2, 44100, 0.5f);
    }
    void TearDown() override {
        EngineTest::TearDown();
        BASS_SetConfig(BASS_CONFIG_BUFFER, 500);
    }
};

TEST_F(Playback, PlayedMixerAdvancesInRealTimeAndRunsBothKindsOfSync) {
    const DWORD mixer = BASS_Mixer_StreamCreate(44100, 2, BASS_MIXER_NONSTOP);
    ASSERT_TRUE(BASS_Mixer_StreamAddChannelEx(mixer, openSource(file("tone.wav")), 0, 0, 0));
    Seen mixTime, heard;
    ASSERT_NE(BASS_ChannelSetSync(mixer, BASS_SYNC_POS | BASS_SYNC_MIXTIME, 2205 * kFrame, note,
                                  &mixTime),
              0u);
    ASSERT_NE(BASS_ChannelSetSync(mixer, BASS_SYNC_POS, 4410 * kFrame, note, &heard), 0u);
    const auto started = Clock::now();
    ASSERT_TRUE(BASS_ChannelPlay(mixer, FALSE));
    EXPECT_EQ(BASS_ChannelIsActive(mixer), DWORD{BASS_ACTIVE_PLAYING});
    ASSERT_TRUE(waitFor([&] { return heard.fired.load(); }));
    ASSERT_TRUE(mixTime.fired.load());
    // The ordinary sync waits until 100 ms have been heard; the mix-time one ran ahead.
    EXPECT_GE(heard.when - started, std::chrono::milliseconds(80));
    EXPECT_LT(mixTime.when, heard.when);
    EXPECT_GE(heard.heard, 4410u * kFrame);
    const std::thread::id test = std::this_thread::get_id();
    EXPECT_NE(mixTime.thread, test);
    EXPECT_NE(heard.thread, test);
    EXPECT_NE(heard.thread, mixTime.thread);

    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    const QWORD at = BASS_ChannelGetPosition(mixer, BASS_POS_BYTE);
    const QWORD decoded = BASS_ChannelGetPosition(mixer, BASS_POS_DECODE);
    EXPECT_GT(at, QWORD(0.15 * 44100) * kFrame);
    EXPECT_LT(at, QWORD((seconds + 0.05) * 44100) * kFrame);
    // What is heard lags what is produced by about the buffer.
    EXPECT_GE(decoded, at);
    EXPECT_LT(decoded - at, QWORD(0.35 * 44100) * kFrame);
    const DWORD level = BASS_ChannelGetLevel(mixer);
    EXPECT_NEAR(level & 0xFFFF, 16384, 2);

    ASSERT_TRUE(BASS_ChannelPause(mixer));
    EXPECT_EQ(BASS_ChannelIsActive(mixer), DWORD{BASS_ACTIVE_PAUSED});
    EXPECT_EQ(BASS_ChannelGetLevel(mixer), kFailure);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_NOPLAY);
    const QWORD paused = BASS_ChannelGetPosition(mixer, BASS_POS_BYTE);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(BASS_ChannelGetPosition(mixer, BASS_POS_BYTE), paused);
    ASSERT_TRUE(BASS_ChannelPlay(mixer, FALSE));
    ASSERT_TRUE(waitFor([&] { return BASS_ChannelGetPosition(mixer, BASS_POS_BYTE) > paused; }));
    ASSERT_TRUE(BASS_ChannelStop(mixer));
    EXPECT_EQ(BASS_ChannelIsActive(mixer), DWORD{BASS_ACTIVE_STOPPED});
}

// A tenth of a second played by a mixer that ends: its end sync runs once all of it is heard,
// and it stops.
void playEndMixerToItsEnd(const std::string& soundFile) {
    writeConstant(soundFile, 44100, 2, 4410, 0.5f);
    const DWORD mixer = BASS_Mixer_StreamCreate(44100, 2, BASS_MIXER_END);
    ASSERT_TRUE(BASS_Mixer_StreamAddChannelEx(mixer, openSource(soundFile), 0, 0, 0));
    Seen end;
    ASSERT_NE(BASS_ChannelSetSync(mixer, BASS_SYNC_END, 0, note, &end), 0u);
    ASSERT_TRUE(BASS_ChannelPlay(mixer, FALSE));
    ASSERT_TRUE(waitFor([&] { return end.fired.load(); }));
    EXPECT_EQ(end.heard, 4410u * kFrame);
    EXPECT_EQ(BASS_ChannelIsActive(mixer), DWORD{BASS_ACTIVE_STOPPED});
}

TEST_F(Playback, PlayedEndMixerStopsWhenAllIsHeardAndRunsItsEndSync) {
    playEndMixerToItsEnd(file("short.wav"));
}

// Through a sound server's device, whose latency is taken off what is heard: the end is still
// heard.
TEST_F(Playback, OnASoundServersDeviceAPlayedEndMixerIsHeardToItsEndThroughTheLatency) {
    if (!std::getenv("PULSE_SERVER"))
        GTEST_SKIP() << "runs on the sound-server phase, where PULSE_SERVER names its server";
    ASSERT_TRUE(BASS_Free());
    ASSERT_TRUE(BASS_Init(-1, 44100, 0, nullptr, nullptr)) << BASS_ErrorGetCode();
    playEndMixerToItsEnd(file("short.wav"));
}

// The position set inside a mix-time sync (the program's wrap) is heard only after what was
// already buffered; an ordinary sync at the wrap point runs as the old segment ends, and again
// when the new segment reaches it.
struct Wrap {
    std::atomic<int> wraps{0};
    std::atomic<int> heardRuns{0};
    QWORD heardAtFirstRun = 0;
};

void wrapBack(DWORD, DWORD channel, DWORD, void* user) {
    auto* wrap = static_cast<Wrap*>(user);
    if (++wrap->wraps == 1)
        BASS_ChannelSetPosition(channel, 0, BASS_POS_BYTE);
}

void countHeard(DWORD, DWORD channel, DWORD, void* user) {
    auto* wrap = static_cast<Wrap*>(user);
    if (wrap->heardRuns.load() == 0)
        wrap->heardAtFirstRun = BASS_ChannelGetPosition(channel, BASS_POS_BYTE);
    ++wrap->heardRuns;
}

TEST_F(Playback, HeardSyncsFollowTheSegmentsAcrossAWrap) {
    Wrap wrap;
    const DWORD mixer = BASS_Mixer_StreamCreate(44100, 2, BASS_MIXER_NONSTOP);
    ASSERT_NE(BASS_ChannelSetSync(mixer, BASS_SYNC_POS | BASS_SYNC_MIXTIME, 2205 * kFrame, wrapBack,
                                  &wrap),
              0u);
    ASSERT_NE(BASS_ChannelSetSync(mixer, BASS_SYNC_POS, 2205 * kFrame, countHeard, &wrap), 0u);
    ASSERT_TRUE(BASS_ChannelPlay(mixer, FALSE));
    ASSERT_TRUE(waitFor([&] { return wrap.heardRuns.load() >= 2; }));
    // By the first run the heard position had already wrapped to the new segment.
    EXPECT_LT(wrap.heardAtFirstRun, 2205u * kFrame);
    EXPECT_EQ(wrap.wraps.load(), 2);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(wrap.heardRuns.load(), 2);
}

struct Refusal {
    std::atomic<bool> done{false};
    BOOL result = TRUE;
    int error = 0;
};

void freeEverything(DWORD, DWORD, DWORD, void* user) {
    auto* refusal = static_cast<Refusal*>(user);
    refusal->result = BASS_Free();
    refusal->error = BASS_ErrorGetCode();
    refusal->done = true;
}

TEST_F(Playback, TheEngineCannotBeFreedFromInsideASync) {
    const DWORD mixer = BASS_Mixer_StreamCreate(44100, 2, BASS_MIXER_NONSTOP);
    Refusal refusal;
    ASSERT_NE(
        BASS_ChannelSetSync(mixer, BASS_SYNC_POS | BASS_SYNC_MIXTIME, 0, freeEverything, &refusal),
        0u);
    ASSERT_TRUE(BASS_ChannelPlay(mixer, FALSE));
    ASSERT_TRUE(waitFor([&] { return refusal.done.load(); }));
    EXPECT_FALSE(refusal.result);
    EXPECT_EQ(refusal.error, BASS_ERROR_BUSY);
}

void freeTheMixer(DWORD, DWORD channel, DWORD, void* user) {
    BASS_StreamFree(channel);
    static_cast<std::atomic<int>*>(user)->fetch_add(1);
}

TEST_F(Playback, APlayedMixerFreedByItsOwnSyncsIsNotACrash) {
    std::atomic<int> freed{0};
    for (const DWORD type : {DWORD{BASS_SYNC_POS | BASS_SYNC_MIXTIME}, DWORD{BASS_SYNC_POS}}) {
        const DWORD mixer = BASS_Mixer_StreamCreate(44100, 2, BASS_MIXER_NONSTOP);
        ASSERT_TRUE(BASS_Mixer_StreamAddChannelEx(mixer, openSource(file("tone.wav")), 0, 0, 0));
        ASSERT_NE(BASS_ChannelSetSync(mixer, type, 441 * kFrame, freeTheMixer, &freed), 0u);
        const int before = freed.load();
        ASSERT_TRUE(BASS_ChannelPlay(mixer, FALSE));
        ASSERT_TRUE(waitFor([&] { return freed.load() > before; }));
        EXPECT_EQ(BASS_ChannelIsActive(mixer), DWORD{BASS_ACTIVE_STOPPED});
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
    }
}

} // namespace
