// Versions, configuration and output devices.
#include "EngineTestSupport.h"

#include <dlfcn.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

using namespace enginetest;

namespace {

using EngineSetup = EngineTest;

TEST_F(EngineSetup, VersionsAreTwoPointFour) {
    EXPECT_EQ(BASS_GetVersion() >> 16, 0x0204u);
    EXPECT_EQ(BASS_Mixer_GetVersion() >> 16, 0x0204u);
}

TEST_F(EngineSetup, BufferLengthIsClampedAndOtherOptionsAreKept) {
    for (const auto& [given, kept] :
         {std::pair<DWORD, DWORD>{0, 10}, {5, 10}, {250, 250}, {9999, 5000}}) {
        ASSERT_TRUE(BASS_SetConfig(BASS_CONFIG_BUFFER, given));
        EXPECT_EQ(BASS_GetConfig(BASS_CONFIG_BUFFER), kept);
    }
    ASSERT_TRUE(BASS_SetConfig(BASS_CONFIG_BUFFER, 500));
    EXPECT_TRUE(BASS_SetConfig(BASS_CONFIG_UNICODE, 1));
    EXPECT_EQ(BASS_GetConfig(BASS_CONFIG_UNICODE), 1u);
    EXPECT_TRUE(BASS_SetConfig(BASS_CONFIG_DEV_DEFAULT, 1));
    EXPECT_EQ(BASS_GetConfig(BASS_CONFIG_DEV_DEFAULT), 1u);
    EXPECT_FALSE(BASS_SetConfig(12345, 1));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLTYPE);
    EXPECT_EQ(BASS_GetConfig(12345), kFailure);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLTYPE);
}

TEST_F(EngineSetup, NoSoundIsDeviceZeroAndTheListEndsWithAnError) {
    BASS_DEVICEINFO info{};
    ASSERT_TRUE(BASS_GetDeviceInfo(0, &info));
    EXPECT_STREQ(info.name, "No sound");
    EXPECT_EQ(info.flags, DWORD{BASS_DEVICE_ENABLED | BASS_DEVICE_INIT});
    DWORD device = 1;
    while (BASS_GetDeviceInfo(device, &info)) {
        EXPECT_NE(info.name, nullptr);
        EXPECT_TRUE(info.flags & BASS_DEVICE_ENABLED);
        EXPECT_FALSE(info.flags & BASS_DEVICE_INIT);
        ++device;
    }
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_DEVICE);
    EXPECT_FALSE(BASS_GetDeviceInfo(0, nullptr));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
}

TEST_F(EngineSetup, InitialisingTwiceOrAMissingDeviceIsAnOrdinaryError) {
    EXPECT_FALSE(BASS_Init(0, 44100, 0, nullptr, nullptr));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ALREADY);
    ASSERT_TRUE(BASS_Free());
    EXPECT_FALSE(BASS_Init(1000, 44100, 0, nullptr, nullptr));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_DEVICE);
    EXPECT_FALSE(BASS_Init(-7, 44100, 0, nullptr, nullptr));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_DEVICE);
    // The system default: a machine without a sound card refuses, nothing more.
    if (BASS_Init(-1, 44100, 0, nullptr, nullptr)) {
        EXPECT_TRUE(BASS_Free());
    } else {
        const int error = BASS_ErrorGetCode();
        EXPECT_TRUE(error == BASS_ERROR_DEVICE || error == BASS_ERROR_DRIVER) << error;
    }
    ASSERT_TRUE(BASS_Init(0, 44100, 0, nullptr, nullptr));
}

// PortAudio, and ALSA with its plug-ins (a sound server's client threads among them), runs only
// while a device is open, so that after BASS_Free nothing of the sound stack is left to run when
// the engine is unloaded. A device opened again is found again in PortAudio's new session.
TEST_F(EngineSetup, PortAudioRunsOnlyWhileADeviceIsOpen) {
    using CountCall = int (*)();
    const auto paDeviceCount =
        reinterpret_cast<CountCall>(dlsym(RTLD_DEFAULT, "Pa_GetDeviceCount"));
    ASSERT_NE(paDeviceCount, nullptr);
    constexpr int kPaNotInitialized = -10000;
    BASS_DEVICEINFO info{};
    BASS_GetDeviceInfo(1, &info);
    EXPECT_EQ(paDeviceCount(), kPaNotInitialized) << "the list is read, and PortAudio ends";
    ASSERT_TRUE(BASS_Free());
    for (int round = 0; round < 2; ++round) {
        // A machine without a sound device has nothing more to show.
        if (!BASS_Init(-1, 44100, 0, nullptr, nullptr))
            break;
        EXPECT_GE(paDeviceCount(), 0) << round;
        ASSERT_TRUE(BASS_Free());
        EXPECT_EQ(paDeviceCount(), kPaNotInitialized) << round;
    }
    ASSERT_TRUE(BASS_Init(0, 44100, 0, nullptr, nullptr));
}

// The program loads the libraries from the program folder and resolves the calls by name.
TEST(EngineLibraries, LoadFromTheProgramFolderAndExportTheirCallsOnly) {
    const std::pair<const char*, std::vector<const char*>> libraries[] = {
        {GBX_PROGRAM_DIR "/libgbxaudio.so",
         {"BASS_GetVersion",
          "BASS_ErrorGetCode",
          "BASS_SetConfig",
          "BASS_GetConfig",
          "BASS_GetDeviceInfo",
          "BASS_Init",
          "BASS_Free",
          "BASS_PluginLoad",
          "BASS_PluginFree",
          "BASS_StreamCreateFile",
          "BASS_StreamFree",
          "BASS_ChannelGetInfo",
          "BASS_ChannelGetLength",
          "BASS_ChannelBytes2Seconds",
          "BASS_ChannelGetPosition",
          "BASS_ChannelSetPosition",
          "BASS_ChannelSetSync",
          "BASS_ChannelRemoveSync",
          "BASS_ChannelPlay",
          "BASS_ChannelStop",
          "BASS_ChannelPause",
          "BASS_ChannelIsActive",
          "BASS_ChannelLock",
          "BASS_ChannelSetAttribute",
          "BASS_ChannelSlideAttribute",
          "BASS_ChannelGetLevel",
          "BASS_ChannelGetData"}},
        {GBX_PROGRAM_DIR "/libgbxaudiomix.so",
         {"BASS_Mixer_GetVersion", "BASS_Mixer_StreamCreate", "BASS_Mixer_StreamAddChannelEx",
          "BASS_Mixer_ChannelSetMatrix", "BASS_Mixer_ChannelSetEnvelope",
          "BASS_Mixer_ChannelGetLevel", "BASS_Mixer_ChannelGetPosition"}},
        {GBX_PROGRAM_DIR "/libgbxaudioflac.so", {"gbxAudioPlugin"}},
    };
    for (const auto& [path, calls] : libraries) {
        void* library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library, nullptr) << dlerror();
        for (const char* call : calls)
            EXPECT_NE(dlsym(library, call), nullptr) << path << " " << call;
        // Nothing of the inside: neither our classes nor the libraries we build on.
        EXPECT_EQ(dlsym(library, "_ZN8gbxaudio6Engine8instanceEv"), nullptr) << path;
        EXPECT_EQ(dlsym(library, "_ZN8gbxaudio5Mixer7produceEPfj"), nullptr) << path;
        dlclose(library);
    }
}

// On a desktop's sound stack (a PulseAudio server, ALSA's default on its plug-in) the server's
// own ALSA device is listed by its name, and the system default is ALSA's default device, which
// follows the desktop's choice of output.
TEST_F(EngineSetup, ARunningSoundServerIsListedAndTheDefaultFollowsTheDesktop) {
    if (!std::getenv("PULSE_SERVER"))
        GTEST_SKIP() << "runs on the sound-server phase, where PULSE_SERVER names its server";
    bool serverListed = false;
    std::string defaultDevice;
    BASS_DEVICEINFO info{};
    for (DWORD device = 1; BASS_GetDeviceInfo(device, &info); ++device) {
        const std::string name = info.name, system = info.driver;
        serverListed |= name == "pulse" && system == "ALSA";
        if (info.flags & BASS_DEVICE_DEFAULT)
            defaultDevice = name + " (" + system + ")";
    }
    EXPECT_TRUE(serverListed);
    EXPECT_EQ(defaultDevice, "default (ALSA)");
}

} // namespace
