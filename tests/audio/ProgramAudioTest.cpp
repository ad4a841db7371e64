// The audio side's start-up and shut-down as the program runs them.
#include "AudioTestSupport.h"

#include "audio/Channels.h"
#include "audio/HeadlessMinglerHost.h"
#include "audio/ProgramAudio.h"
#include "model/MixerView.h"

#include <QThread>

using namespace audiotest;

namespace {

class ProgramAudioLife : public ::testing::Test {
protected:
    void SetUp() override {
        LoadEngine();
        UnloadBassMixLibrary();
        UnloadBassLibrary();
        reportqueue::SetAccepting(true);
        reportqueue::TakeAll();
    }
    void TearDown() override {
        reportqueue::SetAccepting(false);
        QString error;
        ASSERT_TRUE(LoadBassLibrary(ProgramFile("libgbxaudio.so"), error));
        ASSERT_TRUE(LoadBassMixLibrary(ProgramFile("libgbxaudiomix.so"), error));
    }
    TempDir dir;
};

TEST_F(ProgramAudioLife, ComesUpPlaysAndGoesDownLeavingNothingLoaded) {
    WriteWav(dir.file("kick.wav"), 44100, 1, 4410, [](int64_t, int) { return 0.5f; });
    auto audio = std::make_unique<ProgramAudio>();
    const AudioLibraryPaths paths{ProgramFile("libgbxaudio.so"), ProgramFile("libgbxaudiomix.so"),
                                  dir.file("elsewhere/libgbxaudioflac.so")};
    ASSERT_EQ(audio->LoadLibraries(paths, HeadlessLoadQuestions()), LoadOutcome::Loaded);
    {
        Arrangement arrangement(audio->Hooks());
        HeadlessMinglerHost host;
        AudioStartSettings settings;
        settings.programFolder = QStringLiteral(GBX_PROGRAM_DIR) + "/";
        settings.selectedDevice = AudioOutput::kNoSound;
        settings.bufferMsText = QStringLiteral("200");
        audio->StartUp(arrangement, host, settings);
        // The plug-in was found in the program folder by its bare name.
        EXPECT_EQ(audio->FlacPluginPath(), settings.programFolder + "libgbxaudioflac.so");
        ASSERT_TRUE(audio->Output().Initialised());
        EXPECT_EQ(Bass().BASS_GetConfig(BASS_CONFIG_BUFFER), 200u);
        ASSERT_NE(audio->Mingler(), nullptr);
        ASSERT_NE(audio->View(), nullptr);

        // Resources added now are measured through the hooks.
        TPiece& master = arrangement.plan.Master;
        master.Loudness.SetValue(1.0L);
        master.Life.SetValue(int64_t{0});
        master.ResStart.SetValue(int64_t{0});
        TLane& lane = arrangement.lanes.Add(0, 20, false);
        lane.Piece().Resource = arrangement.resources.FindOrAdd(dir.file("kick.wav"), {});
        EXPECT_EQ(lane.Piece().Resource->Life, 4410 * 8);
        arrangement.balls.Add(0, 0, TPiece::kNoOwnHue, false);
        audio->Mingler()->Roll(Elements{0});
        EXPECT_TRUE(audio->View()->LastPlaySucceeded());
        QThread::msleep(100);
        EXPECT_TRUE(audio->View()->HeardPosition().ok);
        EXPECT_EQ(LiveChannelCount(), 1);

        // Shut-down while the plan still exists: everything the mix held goes with the mingler.
        audio->ShutDown();
        EXPECT_EQ(LiveChannelCount(), 0);
        EXPECT_FALSE(BassLoaded());
        EXPECT_FALSE(BassMixLoaded());
        EXPECT_EQ(audio->Mingler(), nullptr);
        // The plan can go later without the engine.
        arrangement.balls.RemoveAll(false);
    }
    audio.reset(); // a second shut-down does nothing
    EXPECT_TRUE(reportqueue::TakeAll().empty());
}

TEST_F(ProgramAudioLife, HeadlessStartWithoutTheLibraryHalts) {
    ProgramAudio audio;
    testing::internal::CaptureStderr();
    EXPECT_EQ(audio.LoadLibraries({dir.file("libgbxaudio.so"), {}, {}}, HeadlessLoadQuestions()),
              LoadOutcome::Halt);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("BASS_Handle = 0; FilePath = "),
              std::string::npos);
}

} // namespace
