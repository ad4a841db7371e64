/* An engine library of version 2.3 that exports every call by name: for the version check.
   Only the version calls are ever made on it; the others exist to be found. */
#include <stdint.h>

uint32_t BASS_GetVersion(void) {
    return 0x02030000u;
}
uint32_t BASS_Mixer_GetVersion(void) {
    return 0x02030000u;
}

#define GBX_STUB(name)                                                                             \
    void name(void) {}
GBX_STUB(BASS_ErrorGetCode)
GBX_STUB(BASS_SetConfig)
GBX_STUB(BASS_GetConfig)
GBX_STUB(BASS_GetDeviceInfo)
GBX_STUB(BASS_Init)
GBX_STUB(BASS_Free)
GBX_STUB(BASS_PluginLoad)
GBX_STUB(BASS_PluginFree)
GBX_STUB(BASS_StreamCreateFile)
GBX_STUB(BASS_StreamFree)
GBX_STUB(BASS_ChannelGetInfo)
GBX_STUB(BASS_ChannelGetLength)
GBX_STUB(BASS_ChannelBytes2Seconds)
GBX_STUB(BASS_ChannelGetPosition)
GBX_STUB(BASS_ChannelSetPosition)
GBX_STUB(BASS_ChannelSetSync)
GBX_STUB(BASS_ChannelRemoveSync)
GBX_STUB(BASS_ChannelPlay)
GBX_STUB(BASS_ChannelStop)
GBX_STUB(BASS_ChannelPause)
GBX_STUB(BASS_ChannelIsActive)
GBX_STUB(BASS_ChannelLock)
GBX_STUB(BASS_ChannelSetAttribute)
GBX_STUB(BASS_ChannelSlideAttribute)
GBX_STUB(BASS_ChannelGetLevel)
GBX_STUB(BASS_ChannelGetData)
GBX_STUB(BASS_Mixer_StreamCreate)
GBX_STUB(BASS_Mixer_StreamAddChannelEx)
GBX_STUB(BASS_Mixer_ChannelSetMatrix)
GBX_STUB(BASS_Mixer_ChannelSetEnvelope)
GBX_STUB(BASS_Mixer_ChannelGetLevel)
GBX_STUB(BASS_Mixer_ChannelGetPosition)
