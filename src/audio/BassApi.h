// The audio engine's calls, resolved by name from the libraries the settings name.
#pragma once

#include "gbxaudio.h"

#include <QString>

#include <string>

// Every call each engine library exports. The program never links the engine: it loads the
// libraries at run time, so that a missing or wrong library is a message, not a crash.
#define GBX_BASS_CORE_CALLS(X)                                                                     \
    X(BASS_GetVersion)                                                                             \
    X(BASS_ErrorGetCode)                                                                           \
    X(BASS_SetConfig)                                                                              \
    X(BASS_GetConfig)                                                                              \
    X(BASS_GetDeviceInfo)                                                                          \
    X(BASS_Init)                                                                                   \
    X(BASS_Free)                                                                                   \
    X(BASS_PluginLoad)                                                                             \
    X(BASS_PluginFree)                                                                             \
    X(BASS_StreamCreateFile)                                                                       \
    X(BASS_StreamFree)                                                                             \
    X(BASS_ChannelGetInfo)                                                                         \
    X(BASS_ChannelGetLength)                                                                       \
    X(BASS_ChannelBytes2Seconds)                                                                   \
    X(BASS_ChannelGetPosition)                                                                     \
    X(BASS_ChannelSetPosition)                                                                     \
    X(BASS_ChannelSetSync)                                                                         \
    X(BASS_ChannelRemoveSync)                                                                      \
    X(BASS_ChannelPlay)                                                                            \
    X(BASS_ChannelStop)                                                                            \
    X(BASS_ChannelPause)                                                                           \
    X(BASS_ChannelIsActive)                                                                        \
    X(BASS_ChannelLock)                                                                            \
    X(BASS_ChannelSetAttribute)                                                                    \
    X(BASS_ChannelSlideAttribute)                                                                  \
    X(BASS_ChannelGetLevel)                                                                        \
    X(BASS_ChannelGetData)

#define GBX_BASS_MIX_CALLS(X)                                                                      \
    X(BASS_Mixer_GetVersion)                                                                       \
    X(BASS_Mixer_StreamCreate)                                                                     \
    X(BASS_Mixer_StreamAddChannelEx)                                                               \
    X(BASS_Mixer_ChannelSetMatrix)                                                                 \
    X(BASS_Mixer_ChannelSetEnvelope)                                                               \
    X(BASS_Mixer_ChannelGetLevel)                                                                  \
    X(BASS_Mixer_ChannelGetPosition)

#define GBX_BASS_CALL_FIELD(name) decltype(&::name) name = nullptr;

// All pointers are null until the library is loaded.
struct BassCoreCalls {
    GBX_BASS_CORE_CALLS(GBX_BASS_CALL_FIELD)
};
struct BassMixCalls {
    GBX_BASS_MIX_CALLS(GBX_BASS_CALL_FIELD)
};

#undef GBX_BASS_CALL_FIELD

// The call tables. Loading and unloading happen on the UI thread while no stream exists; in
// between, any thread may call through them.
const BassCoreCalls& Bass();
const BassMixCalls& BassMix();
bool BassLoaded();
bool BassMixLoaded();

// The engine's version word: high word 0x0204 for the interface this program speaks.
constexpr DWORD kBassVersionHighWord = 0x0204;
bool VersionAccepted(DWORD version);

// Already loaded: true. An empty path searches the bare library name on the system's library
// path. A library that does not load gives errorText "BASS_Handle = 0; FilePath = <path>"; one
// that lacks a call is unloaded again with "wrong linking; FilePath = <path>".
bool LoadBassLibrary(const QString& filePath, QString& errorText);
bool LoadBassMixLibrary(const QString& filePath, QString& errorText);
// Unload the mixer first: it stands on the core.
void UnloadBassMixLibrary();
void UnloadBassLibrary();

// The name of the calling thread's last engine error, e.g. "BASS_ERROR_FILEOPEN"; any thread.
QString BassErrorName();
// The same as a std::string, for fault texts.
std::string BassErrorText();
